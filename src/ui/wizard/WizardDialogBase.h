#pragma once
// The wizard's frame without its looks: the pages in order, navigation (Next, Skip,
// Previous, the tabs, Finish, Exit), sending a page's settings before moving on, the
// reaction to the appliance's answers, and the poll that follows the appliance to the
// address its network settings gave it.

#include <chrono>
#include <string>
#include <vector>

#include <wx/timer.h>

#include "ui/skin/GdipDialog.h"
#include "ui/wizard/WizardPage.h"

namespace lumora {

class CWizardDialogBase : public CGdipDialog {
public:
    static constexpr int ID_WIZFINISH = 12325;
    static constexpr int kPollTries = 8;

    // `owner` receives WM_OTHER_SUBNET when the appliance moved onto another subnet.
    CWizardDialogBase(wxWindow* parent, HWND owner, const wxSize& size);
    ~CWizardDialogBase() override;

    // Appends a page (owned by the caller, which keeps it alive beyond the frame).
    void AddPage(CWizardPage& page, std::u16string title, int templateId, int nasIndex,
                 std::u16string description);
    // Creates the page window when needed, hides the active page and shows this one; false when refused.
    virtual bool ShowPage(CWizardPage& page);
    CWizardPage* ActivePage() const;
    const std::vector<CWizardPage*>& Pages() const { return pages_; }

    // The navigation commands, as their buttons give them.
    void Next();
    void Skip();
    void Previous();
    // A tab: shows the page with that (translated) title without sending anything.
    void SelectTab(const std::u16string& name);
    void Finish();
    void Exit();

    // Registers the wizard as the open modal window and shows its first page.
    void Open();
    // Opens it and runs it modally; returns its end code.
    int DoModal();
    // The end code once it ended (also when driven modeless by tests).
    int EndCode() const { return endCode_; }
    // The address poll's period (one second; tests shorten it).
    void SetPollPeriod(std::chrono::milliseconds period) { pollPeriod_ = period; }
    bool IsPolling() const { return pollTimer_.IsRunning(); }

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

    bool applyBeforeLeave = true;
    int nasIndex = 0;
    int pollTicks = 0;
    HWND ownerWnd = kNoWindow;

protected:
    enum NavButton { kSkip, kPrevious, kFinish, kNext };
    // Shows (enabled, visible) or hides (disabled, invisible) a navigation button.
    virtual void ShowNavButton(NavButton button, bool show) = 0;
    // The rectangle the pages fill, in client pixels.
    virtual wxRect PageArea() const = 0;
    // Shows the first page with the buttons of a start.
    void ShowInitialPage();
    // Buttons after a page was reached: first, last or in between.
    void ShowButtonsFor(const CWizardPage& page, bool showSkip);
    void EndWizard(int code);

private:
    bool DeactivateActive();
    void RestoreButtons(bool withSkip);
    void MoveOn();
    void OnCgiResult(WPARAM result, LPARAM kind);
    void OnPollTimer(wxTimerEvent& event);
    void FollowedToNewAddress();
    CWizardPage* PageById(int templateId) const;
    int IndexOf(const CWizardPage* page) const;
    void DestroyPages();

    std::vector<CWizardPage*> pages_;
    wxTimer pollTimer_;
    std::chrono::milliseconds pollPeriod_{1000};
    int endCode_ = 0;
};

}  // namespace lumora
