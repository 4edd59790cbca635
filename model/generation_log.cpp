#include "model/generation_log.h"

#include "support/file_system.h"
#include "support/mdl_main.h"

#include <ctime>

namespace model {
namespace {

std::string twoDigits(int value) {
    return mdlMain::PadZeros(std::to_string(value), 2);
}

} // namespace

LocalTime currentLocalTime() {
    // One reading of the clock for the whole line, so that a line written at
    // midnight cannot mix two days.
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return {parts.tm_mday, parts.tm_mon + 1, parts.tm_year + 1900,
            parts.tm_hour, parts.tm_min,     parts.tm_sec};
}

std::string genLogLine(std::string_view message, const LocalTime& time) {
    return twoDigits(time.day) + "." + twoDigits(time.month) + "." +
           mdlMain::PadZeros(std::to_string(time.year), 4) + " " + twoDigits(time.hour) + ":" +
           twoDigits(time.minute) + ":" + twoDigits(time.second) + ">> " + std::string(message);
}

bool genLogIsFull(std::uint64_t size) {
    const std::uint64_t whole = size / 1024;
    const std::uint64_t rest = size % 1024;
    const std::uint64_t kilobytes = whole + (rest > 512 || (rest == 512 && whole % 2 == 1));
    return kilobytes >= 512;
}

bool appendGenLog(std::string_view logFile, std::string_view message, const LocalTime& time,
                  std::error_code& ec) {
    std::error_code sizeEc;
    const std::uint64_t size = fsys::fileSize(logFile, sizeEc); // a missing log has size 0
    if (!sizeEc && genLogIsFull(size) && !fsys::removeFile(logFile, ec))
        return false;
    fsys::File file;
    if (!file.open(logFile, fsys::File::Mode::Append, ec))
        return false;
    const std::string line = genLogLine(message, time) + "\r\n";
    return file.write(line.data(), line.size(), ec);
}

bool WriteGenLog(std::string_view message, std::error_code& ec) {
    return appendGenLog(mdlMain::ApplicationFolder() + "worldgen.log", message, currentLocalTime(),
                        ec);
}

} // namespace model
