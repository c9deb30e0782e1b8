#pragma once
// Filling the placeholders of a (translated) message format.

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace lumora {

// One value for a placeholder: a number or a text.
using FormatArg = std::variant<long long, std::u16string_view>;

// Replaces "%d", "%i", "%u" and "%s" in order by the arguments (a number as decimal, a text
// as it is, whichever the placeholder) and "%%" by "%". A placeholder without an argument,
// and any other "%" sequence, stays as written: a faulty translation shows, never crashes.
std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args);

}  // namespace lumora
