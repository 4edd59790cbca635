#pragma once
// Where the interchange writers put their text: a function receiving the
// document piece by piece, which returns false to stop the writing.

#include <functional>
#include <string_view>

namespace interchange {

using TextSink = std::function<bool(std::string_view)>;

} // namespace interchange
