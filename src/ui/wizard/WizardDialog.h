#pragma once
// The wizard's frame as it looks: title, logo, the six step tabs, the page area,
// the navigation buttons and the description line.

#include <array>

#include "ui/skin/GdipButton.h"
#include "ui/skin/ProcessButton.h"
#include "ui/skin/TransStatic.h"
#include "ui/wizard/WizardDialogBase.h"

namespace lumora {

class CWizardDialog : public CWizardDialogBase {
public:
    enum Id {
        kSkipId = 1049,
        kPreviousId = 1051,
        kNextId = 1052,
        kExitId = 1053,
        kFinishId = 1055,
        kCloseId = 1092,
        kTitleId = 1093,
        kPageTitleId = 1094,
        kLogoId = 1095,
        kDescriptionId = 1159
    };
    // The tab ids, in step order.
    static constexpr std::array<int, 6> kTabIds = {1056, 1057, 1058, 1059, 1062, 1065};

    // The frame over `parent` (the main window), reporting a subnet change to `owner`.
    CWizardDialog(wxWindow* parent, HWND owner);

    bool ShowPage(CWizardPage& page) override;
    // A navigation button or tab by id (for the tests and the frame itself).
    CSkinButtonBase* Button(int id) const;
    CProcessButton& Tab(int step) const { return *tabs_[step]; }
    wxString PageTitle() const { return pageTitle_->GetText(); }
    wxString Description() const { return description_->GetText(); }

protected:
    void ShowNavButton(NavButton button, bool show) override;
    wxRect PageArea() const override;
    void PaintOver(wxDC& dc) override;

private:
    void LayoutControls();
    void LayoutTabs();

    std::array<CProcessButton*, 6> tabs_{};
    CGdipButton* skip_ = nullptr;
    CGdipButton* previous_ = nullptr;
    CGdipButton* finish_ = nullptr;
    CGdipButton* next_ = nullptr;
    CGdipButton* exit_ = nullptr;
    CGdipButton* close_ = nullptr;
    CTransStatic* title_ = nullptr;
    CTransStatic* pageTitle_ = nullptr;
    CTransStatic* description_ = nullptr;
};

}  // namespace lumora
