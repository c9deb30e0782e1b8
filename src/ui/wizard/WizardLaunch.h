#pragma once
// How the main window opens the configuration windows: the change-address
// dialog and the setup wizard. Both run modally on the UI thread.

#include <string>

#include "platform/WindowMessages.h"

class wxWindow;

namespace lumora {

// Runs the change-address dialog for the appliance at `nasIndex` of NasList.
// Returns IDOK when the appliance acknowledged its new address, else IDCANCEL.
int RunChangeIpDialog(wxWindow* parent, int nasIndex);

// Builds the setup wizard with the pages of the logged-in user's role (g_isAdmin)
// for the appliance at `nasIndex` and runs it. `mainWindow` receives
// WM_OTHER_SUBNET when the wizard moved the appliance onto another subnet;
// `nasAddress` is the appliance's address for the drive-mapping page.
// Returns the wizard's end code (the caller does not use it).
int RunSetupWizard(wxWindow* parent, HWND mainWindow, int nasIndex, const std::u16string& nasAddress);

}  // namespace lumora
