#include "model/location_loader.h"

#include "model/grid_file.h"
#include "model/location_config.h"
#include "model/location_files.h"
#include "support/cp1251.h"
#include "support/mdl_ini.h"
#include "support/mdl_main.h"
#include "support/phrase.h"

using phrase::Ru;
using phrase::say;

namespace model {
namespace {

const char* const kErrorTitle = "Error";

// The refusal message; `reason` (code page 1251) completes its first line.
std::string refusal(std::string_view name, const std::string& reason) {
    return say(Ru::tr("Не возможно загрузить локацию \"%1\"%2"), {name, reason}) + "\r\n" +
           say(Ru::tr("За дополнительной информацией обращайтесь к разработчику."));
}

std::string describe(const ConfigProblem& problem, const ConfigReading& reading) {
    switch (problem.kind) {
    case ConfigProblem::Kind::NotANumber:
        return say(Ru::tr(" так как значение %1 = \"%2\" в файле параметров локации не является "
                          "целым числом."),
                   {problem.key, problem.value});
    case ConfigProblem::Kind::Negative:
        return say(Ru::tr(" так как значение %1 = \"%2\" в файле параметров локации отрицательно."),
                   {problem.key, problem.value});
    case ConfigProblem::Kind::TooLarge:
        return say(Ru::tr(" так как локация Width = %1, Height = %2 слишком велика: ей нужно %3 "
                          "байт памяти, а можно отвести не больше %4."),
                   {reading.widthText, reading.heightText,
                    problem.bytes < 0 ? say(Ru::tr("больше")) : std::to_string(problem.bytes),
                    std::to_string(LocationGrid::maxGridBytes())});
    case ConfigProblem::Kind::Unreadable:
        if (problem.error == std::errc::file_too_large)
            return say(Ru::tr(" так как файл параметров локации слишком велик: %1 байт, а файл "
                              "параметров не бывает длиннее %2 байт."),
                       {std::to_string(problem.bytes), std::to_string(mdlINI::kMaxIniFileBytes)});
        return say(Ru::tr(" так как файл параметров локации не удалось прочитать (%1)."),
                   {cp1251::fromUtf8(problem.error.message())});
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
        listener.showMessage(
            MessageIcon::Critical, kErrorTitle,
            refusal(name, say(Ru::tr(" так как файл параметров локации не найден."))));
        return LoadOutcome::Refused;
    }
    if (!mdlMain::FileExists(gridPath)) {
        listener.showMessage(MessageIcon::Critical, kErrorTitle,
                             refusal(name, say(Ru::tr(" так как файл карты локации не найден."))));
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
            refusal(name, say(Ru::tr(" так как файл карты локации не удалось открыть (%1)."),
                              {reasonOf(ec)})));
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
        listener.showMessage(
            MessageIcon::Critical, kErrorTitle,
            say(Ru::tr("Ошибка чтения файла карты локации \"%1\" (%2): прочитано "
                       "%3 из %4 байт.\r\nНепрочитанные клетки оставлены пустыми."),
                {name, reasonOf(ec), std::to_string(bytesRead), std::to_string(expected)}));
        return LoadOutcome::LoadedIncomplete;
    }
    if (bytesRead < expected) {
        std::uint64_t actual = bytesRead;
        if (const auto size = fsys::fileSize(gridPath, ec); !ec)
            actual = size;
        listener.showMessage(MessageIcon::Warning, say(Ru::tr("Предупреждение")),
                             say(Ru::tr("Файл карты локации \"%1\" короче, чем нужно: ожидалось %2 "
                                        "байт, в файле %3 байт.\r\nНедостающие клетки оставлены "
                                        "пустыми."),
                                 {name, std::to_string(expected), std::to_string(actual)}));
        return LoadOutcome::LoadedIncomplete;
    }
    return LoadOutcome::Loaded;
}

} // namespace model
