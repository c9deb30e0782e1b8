#include "ui/wizard/WizardPage.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "protocol/cgi/CgiCommands.h"
#include "ui/wizard/WizardDialogBase.h"

namespace lumora {

CWizardPageWindow::CWizardPageWindow(CWizardPage& page, wxWindow* parent, const wxRect& area)
    : CSkinPanel(parent, page.templateId, area.GetPosition(), area.GetSize()), page_(page) {}

LRESULT CWizardPageWindow::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    const LRESULT answer = page_.OnPageMessage(message, wParam, lParam);
    return answer != 0 ? answer : CSkinPanel::OnMessage(message, wParam, lParam);
}

CWizardPage::~CWizardPage() { DestroyPageWindow(); }

bool CWizardPage::CreatePageWindow(CWizardDialogBase& frame, const wxRect& area) {
    if (window_ != nullptr) return true;
    window_ = new CWizardPageWindow(*this, &frame, area);
    // Created disabled and hidden: the frame enables and shows it.
    window_->Hide();
    window_->Disable();
    created = true;
    wizard = &frame;
    notifyWnd = frame.Handle();
    SetupSkin();
    return true;
}

void CWizardPage::DestroyPageWindow() {
    if (window_ == nullptr) return;
    window_->Destroy();
    window_ = nullptr;
    created = false;
    active = false;
}

HWND CWizardPage::Handle() const { return window_ != nullptr ? window_->Handle() : kNoWindow; }

int CWizardPage::LoadWizardInfo() {
    if (nasIndex == -1) return static_cast<int>(lastStart != 0);
    lastStart = GetWizardInfo(Handle(), nasIndex);
    if (lastStart == 0) MessageBox(Tr(u"Get wizard information failed."));
    return lastStart != 0 ? 1 : 0;
}

}  // namespace lumora
