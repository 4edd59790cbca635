#include "managers/frm_maps_browser.h"
#include "canvas/ui_words.h"

#include "managers/current_location.h"

#include "canvas/message_box.h"
#include "canvas/world_canvas.h"
#include "editor/map_folder.h"
#include "managers/fixed_layout.h"
#include "managers/folder_listing.h"
#include "managers/list_selection.h"
#include "managers/map_creation.h"
#include "managers/ui_text.h"
#include "support/mdl_main.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace managers;

frmMapsBrowser::frmMapsBrowser(QWidget* mainWindow, WorldCanvas& canvas)
    : QDialog(mainWindow), m_mainWindow(mainWindow), m_canvas(canvas) {
    setObjectName(QStringLiteral("frmMapsBrowser"));
    setWindowTitle(Words::tr("Открыть карту"));
    setModal(true);
    applyWindowFont(*this);
    setClientSize(*this, 321, 218);
    List1 = addList(this, "List1", QRect(8, 24, 217, 186));
    Label1 = addLabel(this, Words::tr("Выберите карту:"), QRect(8, 8, 217, 14), List1);
    Label1->setObjectName(QStringLiteral("Label1"));
    cmdOpen = addButton(this, "cmdOpen", Words::tr("Открыть"), QRect(232, 24, 81, 25));
    Command1 = addButton(this, "Command1", Words::tr("Отмена"), QRect(232, 56, 81, 25));
    cmdOpen->setDefault(true);

    connect(List1, &QListWidget::itemDoubleClicked, this, &frmMapsBrowser::cmdOpen_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMapsBrowser::cmdOpen_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
}

int frmMapsBrowser::showModal() {
    Form_Load();
    const int result = exec();
    List1->clear();
    return result;
}

void frmMapsBrowser::Form_Load() {
    fillList(*List1, folderEntries(mdlMain::ApplicationFolder() + "Maps\\"));
}

void frmMapsBrowser::cmdOpen_Click() {
    const int row = selectedRow(*List1);
    if (row < 0)
        return;
    if (!mayDiscard(m_discardCheck))
        return;
    openMap(m_mainWindow, this, m_canvas, entryText(*List1, row));
    accept();
}
