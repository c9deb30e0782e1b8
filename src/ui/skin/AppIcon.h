#pragma once
// The application's icon for the title bars, task switchers and docks of the desktop.

#include <wx/iconbndl.h>

namespace lumora {

// The icon at every size compiled in, decoded once on first use (UI thread only).
const wxIconBundle& AppIcons();

}  // namespace lumora
