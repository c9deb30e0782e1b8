#include "ui/main/TessilApp.h"

#include <wx/image.h>

#include "app/Language.h"
#include "app/Languages.h"
#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "ui/main/TessilDlg.h"

namespace lumora {

void SelectLanguageFromSettings() {
    std::u16string code;
    ReadSetting(kSectionLanguage, kKeyLanguage, code);
    SelectLanguageByCode(code);
}

bool CTessilApp::OnInit() {
    wxInitAllImageHandlers();
    SetMessageDispatcher(&dispatcher_);
    SetDialogService(&dialogs_);
    SetSecretStore(&keyring_);
    SelectLanguageFromSettings();
    return true;
}

int CTessilApp::OnRun() {
    {
        CTessilDlg mainWindow;
        SetTopWindow(&mainWindow);
        mainWindow.OnInitDialog();
        mainWindow.ShowModal();
        SetTopWindow(nullptr);
    }
    // Messages still on their way find no window and are dropped.
    ProcessPendingEvents();
    return 0;
}

int CTessilApp::OnExit() {
    SetMessageDispatcher(nullptr);
    SetDialogService(nullptr);
    SetSecretStore(nullptr);
    g_pLanguage.reset();
    return wxApp::OnExit();
}

}  // namespace lumora
