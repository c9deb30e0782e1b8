#pragma once
// The tool's UTF-16 text to and from wx strings.

#include <string>
#include <string_view>

#include <wx/string.h>

namespace lumora {

// UTF-16 to a wx string (pairs combined, a lone half becomes U+FFFD).
wxString ToWx(std::u16string_view text);
// A wx string to UTF-16.
std::u16string FromWx(const wxString& text);

}  // namespace lumora
