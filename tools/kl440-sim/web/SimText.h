#pragma once
// The simulator's own small text helpers: its configuration lines, its HTTP headers
// and its form values all trim and read numbers the same way.

#include <optional>
#include <string_view>

namespace lumora::sim {

// The text without blanks, tabs and carriage returns at either end.
std::string_view Trim(std::string_view text);

// The whole text as a decimal number (an optional "-", then digits only); nothing otherwise.
std::optional<long long> ParseNumber(std::string_view text);
// The same into an int; false (and `out` unchanged) when it is not one or does not fit.
bool ParseInt(std::string_view text, int& out);

}  // namespace lumora::sim
