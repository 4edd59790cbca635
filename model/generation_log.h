#pragma once
// The generation log "worldgen.log" in the application folder: one line per
// entry, "DD.MM.YYYY hh:mm:ss>> message" ended by CR LF, code page 1251. The
// file is deleted before a write once its size, in kilobytes rounded to the
// nearest (ties to even), reaches 512.

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace model {

struct LocalTime {
    int day = 1, month = 1, year = 1970, hour = 0, minute = 0, second = 0;
};

LocalTime currentLocalTime();

// The line for `message` at `time`, without its line end.
std::string genLogLine(std::string_view message, const LocalTime& time);

// Whether a log of `size` bytes is deleted before the next line.
bool genLogIsFull(std::uint64_t size);

// Appends the line to `logFile`, deleting the file first when it is full.
bool appendGenLog(std::string_view logFile, std::string_view message, const LocalTime& time,
                  std::error_code& ec);

// Appends a line stamped with the local clock to the application folder's log.
bool WriteGenLog(std::string_view message, std::error_code& ec);

} // namespace model
