#include "support/mdl_ini.h"

namespace mdlINI {

std::string ReadIni(std::string_view, std::string_view, std::string_view,
                    std::string_view defaultValue) {
    return std::string(defaultValue);
}

void WriteIni(std::string_view file, std::string_view section, std::string_view key,
              std::string_view value) {
    std::error_code ec;
    WriteIniReporting(file, section, key, value, ec);
}

bool WriteIniReporting(std::string_view, std::string_view, std::string_view, std::string_view,
                       std::error_code& ec) {
    ec = std::make_error_code(std::errc::function_not_supported);
    return false;
}

} // namespace mdlINI
