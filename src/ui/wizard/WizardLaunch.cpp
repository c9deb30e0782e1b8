#include "ui/wizard/WizardLaunch.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "ui/main/MainWindowState.h"
#include "ui/wizard/SettingIpDialog.h"
#include "ui/wizard/WizardPages.h"

namespace lumora {

int RunChangeIpDialog(wxWindow* parent, int nasIndex) {
    return Dialogs().RunModal("CSettingIpDialog", [&] {
        CSettingIpDialog dialog(parent, nasIndex);
        return dialog.DoModal();
    });
}

int RunSetupWizard(wxWindow* parent, HWND mainWindow, int nasIndex, const std::u16string& nasAddress) {
    return Dialogs().RunModal("CWizardDialog", [&] {
        // The pages outlive the frame, which destroys their windows.
        WizardPages pages;
        CWizardDialog wizard(parent, mainWindow);
        AddWizardPages(wizard, pages, nasIndex, g_isAdmin, nasAddress);
        return wizard.DoModal();
    });
}

}  // namespace lumora
