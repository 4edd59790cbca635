// The tool bar "Инструменты" of the main window: the tools of the mouse on
// the map ("Курсор" keeps the map's own clicks and drags) and what the
// painting tools paint.

#include "canvas/ui_words.h"
#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/tools/tool_box.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QPainter>
#include <QPainterPath>
#include <QStatusBar>
#include <QToolBar>

namespace {

enum class Glyph { Cursor, Brush, Rectangle, Fill, Selection };

// A small picture of a tool, drawn here rather than read from a file.
QIcon toolIcon(Glyph glyph) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    switch (glyph) {
    case Glyph::Cursor: {
        QPainterPath arrow;
        arrow.moveTo(3, 1);
        arrow.lineTo(3, 13);
        arrow.lineTo(6, 10);
        arrow.lineTo(9, 15);
        arrow.lineTo(11, 14);
        arrow.lineTo(8, 9);
        arrow.lineTo(12, 9);
        arrow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        break;
    }
    case Glyph::Brush:
        p.setPen(QPen(QColor(140, 90, 40), 2.5));
        p.drawLine(QPointF(13, 2), QPointF(7, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 110, 220));
        p.drawEllipse(QPointF(5, 11.5), 3.5, 3.5);
        break;
    case Glyph::Rectangle:
        p.setBrush(QColor(255, 220, 0, 140));
        p.drawRect(QRectF(2.5, 3.5, 11, 9));
        break;
    case Glyph::Fill: {
        p.setBrush(QColor(200, 200, 200));
        p.drawPolygon(QPolygonF({QPointF(3, 7), QPointF(8, 2), QPointF(13, 7), QPointF(8, 12)}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 110, 220));
        p.drawEllipse(QPointF(13, 12), 2, 2.5);
        break;
    }
    case Glyph::Selection:
        p.setPen(QPen(QColor(30, 30, 30), 1, Qt::DashLine));
        p.drawRect(QRectF(2.5, 3.5, 11, 9));
        break;
    }
    return QIcon(pixmap);
}

} // namespace

void frmMain::createTools() {
    // Above the client area: the window grows by the bar's height, and every
    // control keeps its place in the client area.
    tbTools = new QToolBar(Words::tr("Инструменты"), this);
    tbTools->setObjectName("tbTools");
    tbTools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbTools->setIconSize(QSize(16, 16));
    tbTools->setMovable(false); // the client area keeps its width and its place
    addToolBar(Qt::TopToolBarArea, tbTools);

    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    const auto tool = [&](const QString& caption, const char* name, Glyph glyph, int number) {
        QAction* action = tbTools->addAction(toolIcon(glyph), caption);
        action->setObjectName(name);
        action->setCheckable(true);
        const QKeySequence key(QStringLiteral("Ctrl+%1").arg(number));
        action->setShortcut(key);
        action->setToolTip(
            QStringLiteral("%1 (%2)").arg(caption, key.toString(QKeySequence::NativeText)));
        group->addAction(action);
        return action;
    };
    actCursorTool = tool(Words::tr("Курсор"), "actCursorTool", Glyph::Cursor, 1);
    actBrushTool = tool(Words::tr("Кисть"), "actBrushTool", Glyph::Brush, 2);
    actRectangleTool = tool(Words::tr("Прямоугольник"), "actRectangleTool", Glyph::Rectangle, 3);
    actFillTool = tool(Words::tr("Заливка"), "actFillTool", Glyph::Fill, 4);
    actSelectionTool = tool(Words::tr("Выделение"), "actSelectionTool", Glyph::Selection, 5);
    actCursorTool->setChecked(true);

    tbTools->addSeparator();
    cboPaintTarget = new QComboBox(tbTools);
    cboPaintTarget->setObjectName("cboPaintTarget");
    cboPaintTarget->addItems(
        {Words::tr("Выбранный объект"), Words::tr("Путь закрыт"), Words::tr("Охранная зона")});
    cboPaintTarget->setAccessibleName(Words::tr("Что рисовать"));
    cboPaintTarget->setToolTip(Words::tr("Что рисовать"));
    tbTools->addWidget(cboPaintTarget);

    using editor::tools::PaintTarget;
    m_tools = std::make_unique<editor::tools::ToolBox>(editor::tools::ToolContext{
        *WorldCanvas1, *m_document,
        [this] { return static_cast<PaintTarget>(std::max(0, cboPaintTarget->currentIndex())); },
        [this] { return chosenEntry(); },
        [this](const QString& text) { statusBar()->showMessage(text, 8000); }, this});

    const std::pair<QAction*, canvas::CanvasTool*> tools[] = {
        {actCursorTool, nullptr},
        {actBrushTool, &m_tools->brush},
        {actRectangleTool, &m_tools->rectangle},
        {actFillTool, &m_tools->fill},
        {actSelectionTool, &m_tools->selection}};
    for (const auto& [action, canvasTool] : tools) {
        connect(action, &QAction::toggled, this, [this, canvasTool = canvasTool](bool on) {
            if (on)
                WorldCanvas1->setTool(canvasTool);
        });
    }
}
