// The controls of the location manager at their places.
#include "canvas/ui_words.h"
#include "managers/fixed_layout.h"
#include "managers/frm_manager_location.h"
#include "managers/key_filters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace managers;

namespace {

const QRect kViewRect(8, 8, 337, 329);

} // namespace

void frmManagerLocation::buildManageView() {
    QGroupBox* frame = Frame1[0] =
        addFrame(this, "Frame1", Words::tr("Управление локациями"), kViewRect);
    frame->setProperty("index", 0);
    lstLocation = addList(frame, "lstLocation", QRect(8, 16, 153, 273));
    lstLocation->setAccessibleName(Words::tr("Локации"));
    tbInfo = addMultiLineBox(frame, "tbInfo", QRect(168, 16, 161, 273));
    tbInfo->setAccessibleName(Words::tr("Заметки"));
    tbInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette face = tbInfo->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    tbInfo->setPalette(face);
    Command1 = addButton(frame, "Command1", Words::tr("Перейти"), QRect(8, 296, 75, 25));
    Command2 = addButton(frame, "Command2", Words::tr("Создать"), QRect(89, 296, 75, 25));
    Command3 = addButton(frame, "Command3", Words::tr("Удалить"), QRect(170, 296, 75, 25));
    Command6 = addButton(frame, "Command6", Words::tr("Закрыть"), QRect(254, 296, 75, 25));
}

void frmManagerLocation::buildCreateView() {
    QGroupBox* frame = Frame1[1] =
        addFrame(this, "Frame1", Words::tr("Создать локацию"), kViewRect);
    frame->setProperty("index", 1);
    txtLocationName = addTextBox(frame, "txtLocationName", QStringLiteral("new_location"),
                                 QRect(112, 16, 217, 19), 255);
    addLabel(frame, Words::tr("Название:"), QRect(8, 19, 100, 14), txtLocationName);
    installNameFilter(txtLocationName);

    txtNewMapWidth =
        addTextBox(frame, "txtNewMapWidth", QStringLiteral("120"), QRect(112, 40, 57, 19), 4);
    txtNewMapWidth->setToolTip(Words::tr("Ширина в клетках"));
    addLabel(frame, Words::tr("Ширина:"), QRect(8, 43, 100, 14), txtNewMapWidth);
    txtNewMapHeight =
        addTextBox(frame, "txtNewMapHeight", QStringLiteral("120"), QRect(272, 40, 57, 19), 4);
    txtNewMapHeight->setToolTip(Words::tr("Высота в клетках"));
    addLabel(frame, Words::tr("Высота:"), QRect(216, 43, 52, 14), txtNewMapHeight);
    for (QLineEdit* side : {txtNewMapWidth, txtNewMapHeight}) {
        installDigitFilter(side, true);
        side->installEventFilter(this);
    }

    cmdFill = addDropDown(frame, "cmdFill", QRect(112, 64, 217, 21));
    addLabel(frame, Words::tr("Заполнить:"), QRect(8, 67, 100, 14), cmdFill);
    txtInfo = addMultiLineBox(frame, "txtInfo", QRect(112, 90, 217, 81));
    addLabel(frame, Words::tr("Заметки:"), QRect(8, 91, 100, 14), txtInfo);
    chkRound =
        addCheckBox(frame, "chkRound", Words::tr("\"Круглая\" локация"), QRect(112, 176, 217, 17));
    buildSizeInfo(frame);
    Command4 = addButton(frame, "Command4", Words::tr("Создать"), QRect(170, 296, 75, 25));
    Command5 = addButton(frame, "Command5", Words::tr("Отмена"), QRect(254, 296, 75, 25));
}

void frmManagerLocation::buildSizeInfo(QGroupBox* frame) {
    struct Row {
        QLineEdit*& box;
        const char* name;
        QString caption;
    };
    const Row rows[] = {
        {txtCellsCount, "txtCellsCount", Words::tr("Всего ячеек:")},
        {txtPixelWidth, "txtPixelWidth", Words::tr("Ширина (пикселей):")},
        {txtPixelHeight, "txtPixelHeight", Words::tr("Высота (пикселей):")},
        {txtBufferLength, "txtBufferLength", Words::tr("Объем данных:")},
    };
    int top = 200;
    for (const Row& row : rows) {
        row.box = addDisplayBox(frame, row.name, QStringLiteral("0"), QRect(136, top, 97, 19));
        addLabel(frame, row.caption, QRect(8, top + 3, 124, 14), row.box);
        top += 24;
    }
}
