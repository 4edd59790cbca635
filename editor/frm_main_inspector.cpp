// The cell inspector, the layer switches, the window's shortcuts and how the
// main window follows its canvas.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "model/location_config.h"
#include "support/cp1251.h"

#include <algorithm>
#include <optional>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QResizeEvent>
#include <QSignalBlocker>

namespace {

enum SwitchLine {
    kEarth = 0,
    kObjects = 1,
    kItems = 2,
    kActions = 3,
    kBlocks = 4,
    kGrid = 5,
    kCoordinates = 6,
    kCursor = 7,
    kOnDemand = 8,
    kContours = 9,
    kGuards = 10,
};

// The number in a value box: digits with an optional sign and blanks around,
// however long (very long ones count as very large); nothing when the text is
// empty or not a number.
std::optional<long long> boxNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    int pos = 0;
    bool negative = false;
    if (pos < trimmed.size() && (trimmed[pos] == '-' || trimmed[pos] == '+'))
        negative = trimmed[pos++] == '-';
    if (pos == trimmed.size())
        return std::nullopt;
    long long value = 0;
    for (; pos < trimmed.size(); ++pos) {
        if (!trimmed[pos].isDigit() || trimmed[pos].unicode() > '9')
            return std::nullopt;
        value = std::min(value * 10 + (trimmed[pos].unicode() - '0'), 1'000'000'000'000LL);
    }
    return negative ? -value : value;
}

// Whether a key press types a character a value box refuses: anything but a
// digit, Backspace included. Keys that type nothing (and Escape, Return,
// Tab, and combinations with Ctrl or Alt) keep their usual meaning.
bool refusedByValueBox(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace)
        return true;
    // With Ctrl or Alt a key is an editing command (copy, paste, ...), even
    // where the platform gives it the letter as its text.
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key.text();
    if (text.size() != 1 || text[0].unicode() < 32 || text[0].unicode() == 127)
        return false;
    return !(text[0] >= '0' && text[0] <= '9');
}

} // namespace

void frmMain::List1_ItemCheck(int line) {
    const QListWidgetItem* item = List1->item(line);
    if (!item)
        return;
    const bool on = item->checkState() == Qt::Checked;
    switch (line) {
    case kEarth:
        WorldCanvas1->setDrawEarth(on);
        break;
    case kObjects:
        WorldCanvas1->setDrawObjects(on);
        break;
    case kActions:
        WorldCanvas1->setDrawActionZone(on);
        break;
    case kBlocks:
        WorldCanvas1->setDrawBlockZone(on);
        break;
    case kGrid:
        WorldCanvas1->setDrawCells(on);
        break;
    case kCoordinates:
        WorldCanvas1->setDrawCordinates(on);
        break;
    case kOnDemand:
        WorldCanvas1->setDrawOnlyMove(on);
        if (!WorldCanvas1->DrawOnlyMove())
            WorldCanvas1->setDrawing(true);
        break;
    case kContours:
        WorldCanvas1->setDrawObjectsContour(on);
        break;
    case kCursor:
        WorldCanvas1->setDrawCursor(on);
        break;
    case kGuards:
        WorldCanvas1->setDrawGuardZone(on);
        break;
    default: // items: only a redraw
        break;
    }
    WorldCanvas1->Refresh();
}

void frmMain::showSwitchMarks() {
    const bool marks[] = {WorldCanvas1->DrawEarth(),
                          WorldCanvas1->DrawObjects(),
                          false,
                          WorldCanvas1->DrawActionZone(),
                          WorldCanvas1->DrawBlockZone(),
                          WorldCanvas1->DrawCells(),
                          WorldCanvas1->DrawCordinates(),
                          WorldCanvas1->DrawCursor(),
                          WorldCanvas1->DrawOnlyMove(),
                          WorldCanvas1->DrawObjectsContour(),
                          WorldCanvas1->DrawGuardZone()};
    const QSignalBlocker quiet(List1);
    for (int line = 0; line < List1->count() && line < static_cast<int>(std::size(marks)); ++line)
        List1->item(line)->setCheckState(marks[line] ? Qt::Checked : Qt::Unchecked);
}

namespace {

// Without a location there is no cell to mark: the box goes back unchecked.
bool uncheckWithoutLocation(QCheckBox* box, const WorldCanvas* canvas) {
    if (canvas->hasLocation())
        return false;
    const QSignalBlocker quiet(box);
    box->setChecked(false);
    return true;
}

} // namespace

void frmMain::chkIsBlock_Click() {
    if (uncheckWithoutLocation(chkIsBlock, WorldCanvas1))
        return;
    WorldCanvas1->setCurrentBlocks(chkIsBlock->isChecked() ? 1 : 0);
    WorldCanvas1->Refresh();
}

void frmMain::chkIsGuardZone_Click() {
    if (uncheckWithoutLocation(chkIsGuardZone, WorldCanvas1))
        return;
    WorldCanvas1->setCurrentGuard(chkIsGuardZone->isChecked() ? 1 : 0);
    WorldCanvas1->Refresh();
}

bool frmMain::Form_KeyPress(unsigned char code) {
    switch (code) {
    case 32:
        placeSelectedEntry();
        return true;
    case 'B':
    case 'b':
    case 200: // И
    case 232: // и
        chkIsBlock->setChecked(!chkIsBlock->isChecked());
        return true;
    case 'D':
    case 'd':
    case 194: // В
    case 226: // в
        if (WorldCanvas1->hasLocation())
            WorldCanvas1->setCurrentObject(0);
        WorldCanvas1->Refresh();
        return true;
    case 'G':
    case 'g':
    case 207: // П
    case 239: // п
        chkIsGuardZone->setChecked(!chkIsGuardZone->isChecked());
        return true;
    default:
        return false;
    }
}

void frmMain::txtLevel_Change(int index) {
    if (index > 1)
        return;
    QLineEdit* box = txtLevel[static_cast<std::size_t>(index)];
    const long long upper = index == 0 ? 255 : 65535;
    auto value = boxNumber(box->text());
    if (!value)
        return; // an empty box or one that is not a number writes nothing
    if (*value > upper) {
        box->setText(QString::number(upper));
        value = upper;
    }
    if (*value < 0) {
        box->setText("0");
        value = 0;
    }
    if (!WorldCanvas1->hasLocation())
        return;
    if (index == 0)
        WorldCanvas1->setCurrentEarth(static_cast<std::uint8_t>(*value));
    else
        WorldCanvas1->setCurrentObject(static_cast<std::int32_t>(*value));
    WorldCanvas1->Refresh();
}

void frmMain::showRestoredCells() {
    showCursorCell();
    WorldCanvas1->Refresh();
}

void frmMain::showCursorCell() {
    WorldCanvas1->reloadCurrentCell();
    // A box already showing the value keeps its text (and the designer's
    // caret while typing in it).
    const auto show = [](QLineEdit* box, long long value) {
        if (boxNumber(box->text()) != value)
            box->setText(QString::number(value));
    };
    show(txtLevel[0], WorldCanvas1->CurrentEarth());
    show(txtLevel[1], WorldCanvas1->CurrentObject());
    show(txtLevel[3], WorldCanvas1->CurrentDoor());
    const QSignalBlocker block(chkIsBlock);
    const QSignalBlocker guard(chkIsGuardZone);
    chkIsBlock->setChecked(WorldCanvas1->CurrentBlocks() != 0);
    chkIsGuardZone->setChecked(WorldCanvas1->CurrentGuard() != 0);
    txtCursorX->setText(QString::number(WorldCanvas1->WorldCursorX()));
    txtCursorY->setText(QString::number(WorldCanvas1->WorldCursorY()));
}

void frmMain::cellsChanged(const QRect& cells) {
    if (cells.contains(WorldCanvas1->WorldCursorX(), WorldCanvas1->WorldCursorY()))
        showCursorCell();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == centralWidget())
        layoutClient(static_cast<QResizeEvent*>(event)->size());
    // A line edit with the focus keeps its own editing keys (copy, paste,
    // Delete, ...), even where it would leave them to the window's shortcuts.
    if (event->type() == QEvent::ShortcutOverride &&
        lineEditKeepsKey(watched, *static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (!press && !release)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);

    // The window sees each typed character once, before the control with the
    // focus (which receives the key first, before it goes to its parents).
    QWidget* focus = QApplication::focusWidget();
    if (press && (watched == focus || (!focus && watched == this)) && key->text().size() == 1 &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const std::string code = cp1251::fromUtf8(key->text().toStdString());
        if (code.size() == 1)
            Form_KeyPress(static_cast<unsigned char>(code[0]));
    }

    const auto box = std::find(txtLevel.begin(), txtLevel.end(), watched);
    if (box != txtLevel.end() && press && refusedByValueBox(*key))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::WorldCanvas1_CursorChangePosition() {
    WorldCanvas1->reloadCurrentCell();
    // A change of a box's state on a move runs its click behaviour, as a
    // click would.
    chkIsBlock->setChecked(WorldCanvas1->CurrentBlocks() != 0);
    chkIsGuardZone->setChecked(WorldCanvas1->CurrentGuard() != 0);
    showCursorCell();
}

void frmMain::WorldCanvas1_MapLoad() {
    txtMapWidth->setText(QString::number(WorldCanvas1->MapWidth()));
    txtMapHeight->setText(QString::number(WorldCanvas1->MapHeight()));
    // The inspector shows the new location's cursor cell at once.
    showCursorCell();
}

void frmMain::WorldCanvas1_ChangeLocation() {
    tbFileName->setText(QString::fromStdString(cp1251::toUtf8(WorldCanvas1->LocationName())));
}
