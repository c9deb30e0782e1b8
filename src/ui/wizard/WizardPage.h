#pragma once
// The base of the wizard's pages. A page is an object the wizard's creator owns; its
// window (a child of the frame, shown inside the page area) is made the first time
// the page is shown and kept until the frame goes.

#include <string>

#include <wx/panel.h>

#include "platform/WindowMessages.h"
#include "protocol/query/Query.h"
#include "ui/skin/SkinPanel.h"

namespace lumora {

class CWizardDialogBase;
class CWizardPage;

// The page's window: a skin container that hands its messages to the page.
class CWizardPageWindow : public CSkinPanel {
public:
    CWizardPageWindow(CWizardPage& page, wxWindow* parent, const wxRect& area);
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    CWizardPage& page_;
};

class CWizardPage {
public:
    CWizardPage() = default;
    virtual ~CWizardPage();
    CWizardPage(const CWizardPage&) = delete;
    CWizardPage& operator=(const CWizardPage&) = delete;

    // Makes the page window inside `frame` over `area` and lays out the controls; false when it failed.
    bool CreatePageWindow(CWizardDialogBase& frame, const wxRect& area);
    // Destroys the page window (the page object stays).
    void DestroyPageWindow();
    // The page window, null before it was created.
    wxWindow* Window() const { return window_; }
    // The page window's message handle (kNoWindow before it was created).
    HWND Handle() const;

    // One poll tick of the address poll; 1 when a request was started.
    virtual int OnPollTick() { return 1; }
    // Sends the page's settings: nonzero when a request was started whose outcome comes to
    // the frame as WM_CGI_RESULT; 0 when nothing was sent (the page told the user why).
    virtual int Apply() { return 0; }
    virtual bool OnCreatePage() { return true; }
    virtual void OnDestroyPage() {}
    // False keeps the page shown and cancels the navigation.
    virtual bool OnKillActive() { return true; }
    virtual void OnSetActive() {}
    // False cancels Exit or Close.
    virtual bool OnQueryCancel() { return true; }
    // False cancels Finish.
    virtual bool OnWizardFinish() { return true; }
    // -1 stay, 0 the neighbour in the list, otherwise the template id of the target.
    virtual int GetPrevPageId() { return 0; }
    virtual int GetNextPageId() { return 0; }
    // Asks the appliance for the page's current values; every showing calls it.
    virtual int LoadData() { return 0; }
    // Places and skins the page's controls inside its window.
    virtual void SetupSkin() {}
    // Messages sent or posted to the page window; return what the message asks for.
    virtual LRESULT OnPageMessage(unsigned message, WPARAM wParam, LPARAM lParam) { return 0; }

    int nasIndex = -1;
    CWizardDialogBase* wizard = nullptr;
    HWND notifyWnd = kNoWindow;  // the frame: requests whose outcome the frame must see
    bool busy = false;           // a request started by Apply is outstanding
    RequestHandle lastStart = 0;
    bool created = false;
    bool active = false;
    int templateId = 0;
    std::u16string title;
    std::u16string description;

protected:
    // The shared loading of the device, time-zone and network pages: the wizard
    // information, answered to the page's own window.
    int LoadWizardInfo();

    CWizardPageWindow* window_ = nullptr;  // owned by wx (child of the frame)
};

}  // namespace lumora
