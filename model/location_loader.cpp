#include "model/location_loader.h"

#include "model/grid_file.h"
#include "model/location_config.h"
#include "model/location_files.h"
#include "support/cp1251.h"
#include "support/mdl_ini.h"
#include "support/mdl_main.h"

namespace model {
namespace {

// Texts are written here in UTF-8 and handed on in code page 1251.
std::string text(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

const char* const kErrorTitle = "Error";
const char* const kContactLine = "За дополнительной информацией обращайтесь к разработчику.";

// The refusal message; `reason` (code page 1251) completes its first line.
std::string refusal(std::string_view name, const std::string& reason) {
    return text("Не возможно загрузить локацию ") + "\"" + std::string(name) + "\"" + reason +
           "\r\n" + text(kContactLine);
}

std::string describe(const ConfigProblem& problem, const ConfigReading& reading) {
    switch (problem.kind) {
    case ConfigProblem::Kind::NotANumber:
        return text(" так как значение ") + problem.key + " = \"" + problem.value +
               text("\" в файле параметров локации не является целым числом.");
    case ConfigProblem::Kind::Negative:
        return text(" так как значение ") + problem.key + " = \"" + problem.value +
               text("\" в файле параметров локации отрицательно.");
    case ConfigProblem::Kind::TooLarge:
        return text(" так как локация Width = ") + reading.widthText +
               ", Height = " + reading.heightText + text(" слишком велика: ей нужно ") +
               (problem.bytes < 0 ? text("больше") : std::to_string(problem.bytes)) +
               text(" байт памяти, а можно отвести не больше ") +
               std::to_string(LocationGrid::maxGridBytes()) + ".";
    case ConfigProblem::Kind::Unreadable:
        if (problem.error == std::errc::file_too_large)
            return text(" так как файл параметров локации слишком велик: ") +
                   std::to_string(problem.bytes) +
                   text(" байт, а файл параметров не бывает длиннее ") +
                   std::to_string(mdlINI::kMaxIniFileBytes) + text(" байт.");
        return text(" так как файл параметров локации не удалось прочитать (") +
               cp1251::fromUtf8(problem.error.message()) + ").";
    }
    return {};
}

std::string reasonOf(const std::error_code& ec) {
    return cp1251::fromUtf8(ec.message());
}

} // namespace

LoadOutcome LoadMap(LocationGrid& grid, std::string_view mapPath, std::string_view name,
                    LoadListener& listener, LayerSet layers) {
    const LocationFiles files = locationFiles(mapPath, name);
    std::string config = files.config;
    std::string gridPath = files.grid;
    if (!mdlMain::FileExists(config)) {
        listener.showMessage(MessageIcon::Critical, kErrorTitle,
                             refusal(name, text(" так как файл параметров локации не найден.")));
        return LoadOutcome::Refused;
    }
    if (!mdlMain::FileExists(gridPath)) {
        listener.showMessage(MessageIcon::Critical, kErrorTitle,
                             refusal(name, text(" так как файл карты локации не найден.")));
        return LoadOutcome::Refused;
    }

    // Everything that can refuse the load is checked before anything changes.
    const ConfigReading reading = readLocationConfig(config);
    if (reading.problem) {
        listener.showMessage(MessageIcon::Critical, kErrorTitle,
                             refusal(name, describe(*reading.problem, reading)));
        return LoadOutcome::Refused;
    }
    fsys::File file;
    std::error_code ec;
    if (!file.open(gridPath, fsys::File::Mode::Read, ec)) {
        listener.showMessage(
            MessageIcon::Critical, kErrorTitle,
            refusal(name, text(" так как файл карты локации не удалось открыть (") + reasonOf(ec) +
                              ")."));
        return LoadOutcome::Refused;
    }

    listener.locationNameChanged(std::string(name));
    grid.setMapWidth(reading.size->width);
    grid.setMapHeight(reading.size->height);
    grid.CreatMap(0);
    if (!grid.ErrorMessage().empty()) {
        listener.showMessage(MessageIcon::Critical, kErrorTitle,
                             refusal(name, " (" + grid.ErrorMessage() + ")."));
        listener.mapLoaded();
        listener.redrawRequested();
        return LoadOutcome::LoadedIncomplete;
    }

    std::uint64_t bytesRead = 0;
    const bool readOk = readGridRecords(file, grid, bytesRead, ec, layers);
    file.close();
    listener.mapLoaded();
    listener.redrawRequested();

    const auto expected = static_cast<std::uint64_t>(
        LocationGrid::gridBytes(reading.size->width, reading.size->height));
    if (!readOk) {
        listener.showMessage(MessageIcon::Critical, kErrorTitle,
                             text("Ошибка чтения файла карты локации ") + "\"" + std::string(name) +
                                 "\" (" + reasonOf(ec) + text("): прочитано ") +
                                 std::to_string(bytesRead) + text(" из ") +
                                 std::to_string(expected) +
                                 text(" байт.\r\nНепрочитанные клетки оставлены пустыми."));
        return LoadOutcome::LoadedIncomplete;
    }
    if (bytesRead < expected) {
        std::uint64_t actual = bytesRead;
        if (const auto size = fsys::fileSize(gridPath, ec); !ec)
            actual = size;
        listener.showMessage(MessageIcon::Warning, text("Предупреждение"),
                             text("Файл карты локации ") + "\"" + std::string(name) +
                                 text("\" короче, чем нужно: ожидалось ") +
                                 std::to_string(expected) + text(" байт, в файле ") +
                                 std::to_string(actual) +
                                 text(" байт.\r\nНедостающие клетки оставлены пустыми."));
        return LoadOutcome::LoadedIncomplete;
    }
    return LoadOutcome::Loaded;
}

} // namespace model
