#include "managers/frm_manager_location.h"

#include "managers/current_location.h"

#include "canvas/message_box.h"
#include "canvas/ui_words.h"
#include "canvas/world_canvas.h"
#include "editor/map_folder.h"
#include "managers/fill_tiles.h"
#include "managers/fixed_layout.h"
#include "managers/folder_listing.h"
#include "managers/list_selection.h"
#include "managers/location_creation.h"
#include "managers/size_info.h"
#include "managers/text_checks.h"
#include "managers/ui_text.h"
#include "model/location_files.h"
#include "model/notes_file.h"
#include "support/file_system.h"
#include "support/mdl_main.h"
#include "support/phrase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace managers;
using phrase::Ru;

namespace {

// The largest ground code a cell of the Earths layer holds.
constexpr int kLargestGroundCode = 255;

void warn(QWidget* parent, const char* title, const std::string& text) {
    ui::showMessage(parent, {ui::MessageIcon::Warning, phrase::say(title), text});
}

void reportError(QWidget* parent, const std::string& text) {
    ui::showMessage(parent, {ui::MessageIcon::Critical, "Error", text});
}

} // namespace

frmManagerLocation::frmManagerLocation(QWidget* mainWindow, WorldCanvas& canvas)
    : QDialog(mainWindow), m_mainWindow(mainWindow), m_canvas(canvas) {
    setObjectName(QStringLiteral("frmManagerLocation"));
    setWindowTitle(Words::tr("Менеджер локаций"));
    setModal(true);
    applyWindowFont(*this);
    setClientSize(*this, 353, 345);
    buildManageView();
    buildCreateView();
    connectHandlers();
    resetControls();
}

void frmManagerLocation::connectHandlers() {
    connect(lstLocation, &QListWidget::itemSelectionChanged, this,
            &frmManagerLocation::lstLocation_Click);
    connect(lstLocation, &QListWidget::itemDoubleClicked, this,
            &frmManagerLocation::Command1_Click);
    connect(Command1, &QPushButton::clicked, this, &frmManagerLocation::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmManagerLocation::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &frmManagerLocation::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command6, &QPushButton::clicked, this, &QDialog::reject);
}

void frmManagerLocation::resetControls() {
    Frame1[0]->setVisible(true);
    Frame1[1]->setVisible(false);
    lstLocation->clear();
    tbInfo->clear();
    txtLocationName->setText(QStringLiteral("new_location"));
    txtLocationName->setEnabled(true);
    txtNewMapWidth->setText(QStringLiteral("120"));
    txtNewMapHeight->setText(QStringLiteral("120"));
    cmdFill->clear();
    txtInfo->clear();
    chkRound->setChecked(true);
    for (QLineEdit* box : {txtCellsCount, txtPixelWidth, txtPixelHeight, txtBufferLength})
        box->setText(QStringLiteral("0"));
    Command5->setEnabled(true);
}

int frmManagerLocation::showModal() {
    Form_Load();
    chooseDefaultButton();
    const int result = exec();
    resetControls();
    return result;
}

void frmManagerLocation::chooseDefaultButton() {
    (Frame1[1]->isHidden() ? Command1 : Command4)->setDefault(true);
}

void frmManagerLocation::Form_Load() {
    fillList(*lstLocation, locationNames(editor::MapFolder()));
    cmdFill->clear();
    for (const std::string& name : fillTileNames())
        cmdFill->addItem(qText(name));
    if (cmdFill->count() > 0)
        cmdFill->setCurrentIndex(0);
    UpdateSizeInfo();
}

void frmManagerLocation::UpdateSizeInfo() {
    txtNewMapHeight->setText(normalizedSide(txtNewMapHeight->text()));
    txtNewMapWidth->setText(normalizedSide(txtNewMapWidth->text()));
    const SizeInfo info =
        sizeInfo(sideValue(txtNewMapWidth->text()), sideValue(txtNewMapHeight->text()), QLocale());
    txtCellsCount->setText(QString::number(info.cells));
    txtPixelWidth->setText(QString::number(info.pixelWidth));
    txtPixelHeight->setText(QString::number(info.pixelHeight));
    txtBufferLength->setText(info.dataVolume);
}

bool frmManagerLocation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        (watched == txtNewMapWidth || watched == txtNewMapHeight))
        UpdateSizeInfo();
    return QDialog::eventFilter(watched, event);
}

void frmManagerLocation::lstLocation_Click() {
    const int row = selectedRow(*lstLocation);
    if (row < 0)
        return;
    const std::string notes = model::readNotesFile(
        model::locationFile(editor::MapFolder(), entryText(*lstLocation, row), model::kNotesFile));
    setMultiLineText(*tbInfo, notes);
}

void frmManagerLocation::Command1_Click() {
    const int row = selectedRow(*lstLocation);
    if (row < 0)
        return;
    if (!mayDiscard(m_discardCheck))
        return;
    goToLocation(m_mainWindow, m_canvas, entryText(*lstLocation, row));
    accept();
}

void frmManagerLocation::Command2_Click() {
    Frame1[0]->setVisible(false);
    Frame1[1]->setVisible(true);
    chooseDefaultButton();
}

bool frmManagerLocation::refuseCreation(const std::string& name) {
    if (name.empty()) {
        warn(this, Ru::tr("Плохое имя"),
             phrase::say(Ru::tr("Укажите имя новой локации и повторите попытку.")));
        return true;
    }
    if (refuseLongName(this, name, model::maxLocationNameLength(), Words::tr("локации")))
        return true;
    const int fill = cmdFill->currentIndex();
    if (fill < 0) {
        warn(this, Ru::tr("Нечем заполнить"),
             phrase::say(Ru::tr("Список клеток земли пуст: в каталоге %1 нет ни одной клетки, "
                                "которой можно заполнить локацию. Локация не создана."),
                         {fsys::displayText(editorResourceFolder() + "level0.ini")}));
        return true;
    }
    if (fill > kLargestGroundCode) {
        warn(this, Ru::tr("Плохая клетка"),
             phrase::say(Ru::tr("Клеткой \"%1\" с кодом %2 нельзя заполнить локацию: код клетки "
                                "земли должен быть от 0 до 255. Выберите другую клетку."),
                         {cpText(cmdFill->currentText()), std::to_string(fill)}));
        return true;
    }
    std::string gridFile = model::locationFile(editor::MapFolder(), name, model::kGridFile);
    if (mdlMain::FileExists(gridFile)) {
        warn(this, Ru::tr("Плохое имя"),
             phrase::say(Ru::tr("К сожалению, локация с именем \"%1\" уже существует. Укажите "
                                "другие имя и повторите попытку."),
                         {name}));
        return true;
    }
    return false;
}

void frmManagerLocation::Command4_Click() {
    // A size typed and confirmed without leaving its box counts as left.
    UpdateSizeInfo();
    const std::string name = cpText(txtLocationName->text());
    if (refuseCreation(name) ||
        refuseUnwritableText(this, txtInfo->toPlainText(), Words::tr("Заметки:")) ||
        !mayDiscard(m_discardCheck))
        return;

    // The new grid is built and written beside the current location, which
    // stays on the canvas until every file of the new one is on disk.
    model::LocationGrid grid;
    grid.setMapWidth(sideValue(txtNewMapWidth->text()));
    grid.setMapHeight(sideValue(txtNewMapHeight->text()));
    grid.CreatMap(static_cast<std::uint8_t>(cmdFill->currentIndex()));
    if (!grid.ErrorMessage().empty() || !grid.isComplete()) {
        reportError(this, phrase::say(Ru::tr("Не удалось создать локацию \"%1\": %2"),
                                      {name, grid.ErrorMessage()}));
        return;
    }

    NewLocationFiles files;
    files.mapFolder = editor::MapFolder();
    files.name = name;
    files.notes = multiLineText(*txtInfo);
    files.widthText = cpText(txtNewMapWidth->text());
    files.heightText = cpText(txtNewMapHeight->text());
    files.round = chkRound->isChecked();
    if (const WriteFailure failure = writeNewLocation(files, grid)) {
        reportError(this, phrase::say(Ru::tr("Локация \"%1\" не создана: не удалось записать "
                                             "файл %2 (%3)."),
                                      {name, fsys::displayText(failure.file), failure.reason}));
        return;
    }

    // The cursor goes to the first cell of the new grid, whose values it
    // reads, and the view is drawn.
    m_canvas.adoptLocation(std::move(grid), name);
    setLocationTitle(m_mainWindow, m_canvas, name);
    accept();
}
