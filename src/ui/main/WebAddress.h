#pragma once
// The addresses of an appliance's web centres, which the main window hands to the browser.

#include <string>
#include <string_view>

namespace lumora {

// Page numbers of the web centres on the appliance's redirect page.
enum class WebCentre { File = 1, Management = 2, Download = 3, Backup = 4, Surveillance = 5 };

// The redirect page of a centre with the login's user name and password as parameters.
// Both are percent-encoded (UTF-8), so "&", "#" or "=" in a password cannot cut it short.
std::string WebCentreAddress(std::u16string_view address, WebCentre centre, std::u16string_view userName,
                             std::u16string_view password);

// Percent-encoding of the UTF-8 form of `text`; only unreserved characters stay as they are.
std::string PercentEncode(std::u16string_view text);

}  // namespace lumora
