#pragma once
// The addresses the main window hands to the desktop: an appliance's web centres and
// its shares.

#include <string>
#include <string_view>

namespace lumora {

// Page numbers of the web centres on the appliance's redirect page.
enum class WebCentre { File = 1, Management = 2, Download = 3, Backup = 4, Surveillance = 5 };

// The redirect page of a centre with the login's user name and password as parameters.
// Both are percent-encoded (UTF-8), so "&", "#" or "=" in a password cannot cut it short.
std::string WebCentreAddress(std::u16string_view address, WebCentre centre, std::u16string_view userName,
                             std::u16string_view password);

// A share as the file manager opens it: "smb://ADDRESS/SHARE" (the share name percent-encoded).
std::string ShareBrowseAddress(std::u16string_view address, std::u16string_view shareName);

// Percent-encoding of the UTF-8 form of `text`; only unreserved characters stay as they are.
std::string PercentEncode(std::u16string_view text);

}  // namespace lumora
