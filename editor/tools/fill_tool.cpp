#include "editor/tools/fill_tool.h"
#include "canvas/ui_words.h"

#include "canvas/message_box.h"
#include "document/location_document.h"
#include "model/flood_fill.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include <memory>

namespace editor::tools {

namespace {

int progressDelay = 500;

} // namespace

void FillTool::setProgressDelay(int milliseconds) {
    progressDelay = milliseconds;
}

void FillTool::press(const canvas::ToolInput& input) {
    start(input);
    m_pressed = true;
}

void FillTool::release(const canvas::ToolInput&) {
    if (!m_pressed)
        return;
    m_pressed = false;
    const auto what = fillValue();
    if (!what)
        return;
    beginEdit();
    if (fill(what->first, what->second))
        endEdit();
    else
        cancelEdit();
}

std::optional<std::pair<model::Layer, std::int32_t>> FillTool::fillValue() {
    const bool erase = m_button == Qt::RightButton;
    switch (m_context.target()) {
    case PaintTarget::Blocked:
        return std::pair{model::Layer::Blocks, erase ? 0 : 1};
    case PaintTarget::Guarded:
        return std::pair{model::Layer::Guards, erase ? 0 : 1};
    case PaintTarget::ChosenEntry:
        break;
    }
    if (erase) {
        m_context.say(Words::tr(
            "Заливка: объекты заливкой не стираются; стирайте их кистью или прямоугольником."));
        return std::nullopt;
    }
    const std::optional<PaletteChoice> entry = m_context.entry();
    if (!entry) {
        m_context.say(Words::tr("Заливка: выберите в палитре землю, которой заливать."));
        return std::nullopt;
    }
    if (entry->level != 0) {
        m_context.say(Words::tr("Заливка: объекты не заливаются, только земля и отметки "
                                "«Путь закрыт» и «Охранная зона»."));
        return std::nullopt;
    }
    if (entry->code < 0 || entry->code > 255) {
        ui::showMessage(m_context.window, badGroundCodeMessage(entry->code));
        return std::nullopt;
    }
    return std::pair{model::Layer::Earths, static_cast<std::int32_t>(entry->code)};
}

bool FillTool::fill(model::Layer layer, std::int32_t value) {
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> progress;
    const auto keepGoing = [&] {
        if (!progress && clock.elapsed() >= progressDelay) {
            progress = std::make_unique<QProgressDialog>(Words::tr("Заливка…"), Words::tr("Отмена"),
                                                         0, 0, m_context.window);
            progress->setObjectName("fillProgress");
            progress->setWindowTitle(name());
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
            progress->show();
        }
        if (!progress)
            return true;
        QApplication::processEvents();
        return !progress->wasCanceled();
    };
    const model::FillOutcome outcome = model::floodFill(
        m_context.document.grid(), layer, m_first.world.x(), m_first.world.y(), value, keepGoing);
    return !outcome.cancelled;
}

} // namespace editor::tools
