// The controls of the main window at their fixed places.

#include "canvas/ui_words.h"
#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/preview_box.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

namespace {

// "Отменить: Кисть": the verb and the step it would undo or redo; the verb
// alone when there is no step.
QString stepActionText(const QString& verb, const QString& step) {
    return step.isEmpty() ? verb : verb + ": " + step;
}

QAction* stepAction(QObject* parent, const QString& verb, const QString& step, bool enabled) {
    auto* action = new QAction(stepActionText(verb, step), parent);
    action->setEnabled(enabled);
    return action;
}

template <typename Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width = -1,
              int height = -1) {
    widget->setObjectName(name);
    if (width < 0) {
        widget->adjustSize();
        widget->move(left, top);
    } else {
        widget->setGeometry(left, top, width, height);
    }
    return widget;
}

QLabel* label(QWidget* parent, const QString& text, const char* name, int left, int top,
              bool bold = false) {
    auto* l = new QLabel(text, parent);
    if (bold) {
        QFont font = l->font();
        font.setBold(true);
        l->setFont(font);
    }
    return place(l, name, left, top);
}

QLineEdit* textBox(QWidget* parent, const QString& text, const char* name, int left, int top,
                   int width, int height) {
    auto* box = new QLineEdit(text, parent);
    return place(box, name, left, top, width, height);
}

QPushButton* button(QWidget* parent, const QString& text, const char* name, int left, int top,
                    int width, int height) {
    return place(new QPushButton(text, parent), name, left, top, width, height);
}

QGroupBox* frame(QWidget* parent, const QString& caption, int index, int left, int top, int width,
                 int height) {
    auto* box = new QGroupBox(caption, parent);
    box->setProperty("index", index);
    // Only the caption is bold; the controls inside keep the window's font.
    box->setStyleSheet("QGroupBox { font-weight: bold; }");
    return place(box, "Frame1", left, top, width, height);
}

// A display-only status field.
QLineEdit* statusBox(QWidget* parent, const QString& text, const char* name, int left, int top,
                     int width) {
    QLineEdit* box = textBox(parent, text, name, left, top, width, 19);
    box->setReadOnly(true);
    return box;
}

} // namespace

void frmMain::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setMinimumSize(firstStartClientSize());
    client->resize(firstStartClientSize());
    client->installEventFilter(this); // its size changes lay the controls out
    setCentralWidget(client);

    // Palette: categories and entries.
    Frame1[0] = frame(client, Words::tr("Группы объектов"), 0, 8, 8, 185, 153);
    lstGroups = place(new QListWidget(Frame1[0]), "lstGroups", 8, 16, 169, 121);
    lstGroups->setAccessibleName(Words::tr("Группы объектов"));
    Frame1[1] = frame(client, Words::tr("Объекты"), 1, 8, 168, 185, 297);
    lstObjects = place(new QListWidget(Frame1[1]), "lstObjects", 8, 16, 169, 108);
    lstObjects->setAccessibleName(Words::tr("Объекты"));
    picPreview = place(new PreviewBox(Frame1[1]), "picPreview", 8, 136, 169, 97);
    picPreview->setToolTip(Words::tr("Кликните, чтобы вставить объект на место курсора"));
    picPreview->setAccessibleName(Words::tr("Предпросмотр"));
    Label1[0] = label(Frame1[1], Words::tr("Размер:"), "Label1", 8, 240, true);
    lblSize = label(Frame1[1], "-", "lblSize", 72, 240);
    Label1[1] = label(Frame1[1], Words::tr("Уровень:"), "Label1", 8, 256, true);
    lblLevel = label(Frame1[1], "-", "lblLevel", 72, 256);
    Label1[2] = label(Frame1[1], Words::tr("Код:"), "Label1", 8, 272, true);
    lblCode = label(Frame1[1], "-", "lblCode", 72, 272);
    Label1[0]->setBuddy(lblSize);
    Label1[1]->setBuddy(lblLevel);
    Label1[2]->setBuddy(lblCode);
    for (QLabel* value : {lblSize, lblLevel, lblCode})
        value->setMinimumWidth(100);

    // The world: canvas, status fields and location commands.
    Frame1[2] = frame(client, Words::tr("Мир"), 2, 200, 8, 337, 457);
    WorldCanvas1 = new WorldCanvas(*m_document, Frame1[2]);
    WorldCanvas1->setObjectName("WorldCanvas1");
    WorldCanvas1->ReadProperties(canvas::PropertyBag{{"Padding", std::int32_t{2}}});
    WorldCanvas1->move(8, 16);
    WorldCanvas1->setAccessibleName(Words::tr("Карта"));
    WorldCanvas1->mapSurface()->setAccessibleName(Words::tr("Карта"));
    Label2[1] = label(Frame1[2], Words::tr("Локация:"), "Label2", 8, 344, true);
    tbFileName = statusBox(Frame1[2], "main", "tbFileName", 8, 360, 185);
    Label2[1]->setBuddy(tbFileName);
    Label2[3] = label(Frame1[2], Words::tr("Курсор:"), "Label2", 200, 344, true);
    txtCursorX = statusBox(Frame1[2], "0", "txtCursorX", 200, 360, 57);
    Label2[4] = label(Frame1[2], "x", "Label2", 261, 360);
    txtCursorY = statusBox(Frame1[2], "0", "txtCursorY", 272, 360, 57);
    txtCursorX->setToolTip(Words::tr("Позиция курсора на карте по X"));
    txtCursorY->setToolTip(Words::tr("Позиция курсора на карте по Y"));
    txtCursorX->setAccessibleName(Words::tr("Курсор X"));
    txtCursorY->setAccessibleName(Words::tr("Курсор Y"));
    Label2[0] = label(Frame1[2], Words::tr("Размер карты:"), "Label2", 200, 384, true);
    txtMapWidth = statusBox(Frame1[2], "0", "txtMapWidth", 200, 400, 57);
    Label2[2] = label(Frame1[2], "x", "Label2", 261, 400);
    txtMapHeight = statusBox(Frame1[2], "0", "txtMapHeight", 272, 400, 57);
    txtMapWidth->setAccessibleName(Words::tr("Ширина карты"));
    txtMapHeight->setAccessibleName(Words::tr("Высота карты"));
    cmdNewLocation =
        button(Frame1[2], Words::tr("Новая локация"), "cmdNewLocation", 8, 384, 185, 17);
    cmdOpenLocation =
        button(Frame1[2], Words::tr("Открыть локацию"), "cmdOpenLocation", 8, 400, 185, 17);
    cmdSaveLocation =
        button(Frame1[2], Words::tr("Сохранить изменения"), "cmdSaveLocation", 8, 416, 185, 17);
    cmdManagerLocations =
        button(Frame1[2], Words::tr("Менеджер локаций"), "cmdManagerLocations", 8, 432, 185, 17);
    Command1 = button(Frame1[2], Words::tr("Во весь экран"), "Command1", 200, 424, 129, 25);

    // The cell inspector.
    Frame1[3] = frame(client, Words::tr("Параметры места"), 3, 544, 8, 177, 173);
    struct ValueRow {
        int label;
        QString caption;
        int top;
    };
    const ValueRow rows[] = {{6, Words::tr("Земля:"), 16},
                             {7, Words::tr("Объекты:"), 36},
                             {10, Words::tr("Предметы:"), 56},
                             {5, Words::tr("Действие:"), 76}};
    for (int i = 0; i < 4; ++i) {
        Label2[rows[i].label] = label(Frame1[3], rows[i].caption, "Label2", 8, rows[i].top + 4);
        txtLevel[i] = textBox(Frame1[3], "0", "txtLevel", 112, rows[i].top, 57, 19);
        txtLevel[i]->setProperty("index", i);
        // Items and actions are shown, not written, from here.
        txtLevel[i]->setReadOnly(i >= 2);
        Label2[rows[i].label]->setBuddy(txtLevel[i]);
    }
    chkIsBlock = place(new QCheckBox(Words::tr("путь закрыт (B [И])"), Frame1[3]), "chkIsBlock", 8,
                       104, 157, 17);
    chkIsGuardZone = place(new QCheckBox(Words::tr("is guard zone (G [П])"), Frame1[3]),
                           "chkIsGuardZone", 8, 120, 157, 17);
    cmdDoorManager = button(Frame1[3], "Actions manager", "cmdDoorManager", 8, 144, 161, 21);

    // The layer switches.
    Frame1[4] = frame(client, Words::tr("Режим карты"), 4, 544, 184, 177, 281);
    List1 = place(new QListWidget(Frame1[4]), "List1", 8, 16, 161, 259);
    List1->setAccessibleName(Words::tr("Режим карты"));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The check marks take more room than the classic ones; a narrow face of
    // the same font lets the longest line fit the list's width.
    QFont narrow = List1->font();
    narrow.setFamily("Liberation Sans Narrow");
    narrow.setPixelSize(12);
    List1->setFont(narrow);
    for (const QString& line :
         {Words::tr("Земля"), Words::tr("Объекты"), Words::tr("Предметы"), Words::tr("Действия"),
          Words::tr("Доступность"), Words::tr("Сетка"), Words::tr("Координаты"),
          Words::tr("Курсор"), Words::tr("Прорисовка по требованию"), Words::tr("Контуры объектов"),
          QStringLiteral("Guard zone")}) {
        auto* item = new QListWidgetItem(line, List1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
}

void frmMain::createMenu() {
    menuBar()->setObjectName("menuBar");
    mnuFile = menuBar()->addMenu(Words::tr("Файл"));
    mnuFile->setObjectName("mnuFile");
    const auto item = [this](const QString& caption, const char* name) {
        QAction* action = mnuFile->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    mnuNewMap = item(Words::tr("Новая карта"), "mnuNewMap");
    mnuOpenMap = item(Words::tr("Открыть карту"), "mnuOpenMap");
    mnuFile->addSeparator()->setObjectName("mnuS");
    mnyNewLocation = item(Words::tr("Новая локация"), "mnyNewLocation");
    mnuOpenLocation = item(Words::tr("Открыть локацию"), "mnuOpenLocation");
    mnuSaveLocation = item(Words::tr("Сохранить локацию"), "mnuSaveLocation");
    mnuManagerLocation = item(Words::tr("Менеджер локаций"), "mnuManagerLocation");
    mnuCheckMap = item(Words::tr("Проверить карту"), "mnuCheckMap");
    mnuFile->addSeparator()->setObjectName("mnuS2");
    mnuExit = item(Words::tr("Выход"), "mnuExit");

    mnuEdit = menuBar()->addMenu(Words::tr("Правка"));
    mnuEdit->setObjectName("mnuEdit");
    QUndoStack& stack = m_history->stack();
    mnuUndo = stepAction(this, Words::tr("Отменить"), stack.undoText(), stack.canUndo());
    mnuUndo->setObjectName("mnuUndo");
    mnuUndo->setShortcut(QKeySequence::Undo);
    connect(mnuUndo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(&stack, &QUndoStack::canUndoChanged, mnuUndo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, mnuUndo, [this](const QString& step) {
        mnuUndo->setText(stepActionText(Words::tr("Отменить"), step));
    });
    mnuRedo = stepAction(this, Words::tr("Повторить"), stack.redoText(), stack.canRedo());
    mnuRedo->setObjectName("mnuRedo");
    connect(mnuRedo, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(&stack, &QUndoStack::canRedoChanged, mnuRedo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::redoTextChanged, mnuRedo, [this](const QString& step) {
        mnuRedo->setText(stepActionText(Words::tr("Повторить"), step));
    });
    mnuRedo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    mnuEdit->addAction(mnuUndo);
    mnuEdit->addAction(mnuRedo);
}
