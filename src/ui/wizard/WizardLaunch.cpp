#include "ui/wizard/WizardLaunch.h"

#include "app/Language.h"
#include "platform/Dialogs.h"

namespace lumora {

// Placeholders until the configuration windows land: they say so and change nothing.
int RunChangeIpDialog(wxWindow*, int) {
    MessageBox(Tr(u"Changing the appliance's address from here is coming in a later version."));
    return IDCANCEL;
}

int RunSetupWizard(wxWindow*, HWND, int, const std::u16string&) {
    MessageBox(Tr(u"The setup wizard is coming in a later version."));
    return IDCANCEL;
}

}  // namespace lumora
