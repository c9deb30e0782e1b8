#include "ui/wizard/WizardDialogBase.h"

#include <algorithm>

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiForms.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/datagram/AdapterTable.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Messages.h"
#include "ui/main/MainWindowState.h"
#include "ui/wizard/AddressText.h"
#include "ui/wizard/WizardSkin.h"

namespace lumora {

namespace {

constexpr int kPollTimerId = 1;

}  // namespace

CWizardDialogBase::CWizardDialogBase(wxWindow* parent, HWND owner, const wxSize& size)
    : CGdipDialog(parent, wxID_ANY, "Lumora", size), ownerWnd(owner), pollTimer_(this, kPollTimerId) {
    Bind(wxEVT_TIMER, &CWizardDialogBase::OnPollTimer, this, kPollTimerId);
}

CWizardDialogBase::~CWizardDialogBase() {
    pollTimer_.Stop();
    DestroyPages();
    if (g_hOpenModal == Handle()) g_hOpenModal = kNoWindow;
    pages_.clear();
}

void CWizardDialogBase::DestroyPages() {
    for (CWizardPage* page : pages_) {
        if (!page->created) continue;
        if (page->OnKillActive()) page->OnDestroyPage();
        page->DestroyPageWindow();
    }
}

void CWizardDialogBase::AddPage(CWizardPage& page, std::u16string title, int templateId, int index,
                                std::u16string description) {
    pages_.push_back(&page);
    page.templateId = templateId;
    page.title = std::move(title);
    page.description = std::move(description);
    page.nasIndex = index;
    nasIndex = index;
}

CWizardPage* CWizardDialogBase::ActivePage() const {
    auto it = std::find_if(pages_.begin(), pages_.end(), [](const CWizardPage* p) { return p->active; });
    return it == pages_.end() ? nullptr : *it;
}

int CWizardDialogBase::IndexOf(const CWizardPage* page) const {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

CWizardPage* CWizardDialogBase::PageById(int templateId) const {
    auto it = std::find_if(pages_.begin(), pages_.end(),
                           [&](const CWizardPage* p) { return p->templateId == templateId; });
    return it == pages_.end() ? nullptr : *it;
}

bool CWizardDialogBase::DeactivateActive() {
    CWizardPage* page = ActivePage();
    if (page == nullptr) return true;
    if (!page->OnKillActive()) return false;
    if (page->Window() != nullptr) page->Window()->Hide();
    page->active = false;
    return true;
}

bool CWizardDialogBase::ShowPage(CWizardPage& page) {
    if (!page.created) {
        if (!page.CreatePageWindow(*this, PageArea())) return false;
        if (!page.OnCreatePage()) return false;
    }
    if (!DeactivateActive()) return false;
    wxWindow* window = page.Window();
    window->SetSize(PageArea());
    window->Enable();
    window->Show();
    window->Refresh(false);
    page.LoadData();
    page.OnSetActive();
    page.active = true;
    return true;
}

void CWizardDialogBase::ShowInitialPage() {
    if (!DeactivateActive()) return;
    ShowNavButton(kPrevious, false);
    ShowNavButton(kFinish, pages_.size() <= 1);
    ShowNavButton(kNext, pages_.size() > 1);
    if (!pages_.empty()) ShowPage(*pages_.front());
}

void CWizardDialogBase::ShowButtonsFor(const CWizardPage& page, bool showSkip) {
    const int index = IndexOf(&page);
    const bool last = index == static_cast<int>(pages_.size()) - 1;
    if (index == 0) {
        ShowNavButton(kNext, true);
        ShowNavButton(kFinish, false);
        ShowNavButton(kPrevious, false);
    } else if (last) {
        ShowNavButton(kNext, false);
        ShowNavButton(kFinish, true);
        ShowNavButton(kPrevious, true);
    } else {
        ShowNavButton(kNext, true);
        ShowNavButton(kFinish, false);
        ShowNavButton(kPrevious, true);
    }
    if (showSkip && !last) ShowNavButton(kSkip, true);
}

void CWizardDialogBase::Next() {
    CWizardPage* page = ActivePage();
    if (page == nullptr || page->busy) return;
    if (applyBeforeLeave) {
        if (page->Apply() == 0) return;
        page->busy = true;
        ShowNavButton(kNext, false);
        ShowNavButton(kSkip, false);
        ShowNavButton(kPrevious, false);
        return;
    }
    applyBeforeLeave = true;
    MoveOn();
}

void CWizardDialogBase::MoveOn() {
    CWizardPage* page = ActivePage();
    if (page == nullptr) return;
    const int id = page->GetNextPageId();
    if (id == -1) return;
    CWizardPage* target = nullptr;
    if (id == 0) {
        const int index = IndexOf(page) + 1;
        if (index >= static_cast<int>(pages_.size())) return Exit();
        target = pages_[index];
    } else {
        target = PageById(id);
    }
    if (target == nullptr || !ShowPage(*target)) return;
    if (target == pages_.back()) {
        ShowNavButton(kNext, false);
        ShowNavButton(kFinish, true);
        ShowNavButton(kPrevious, true);
    } else {
        ShowNavButton(kFinish, false);
        ShowNavButton(kNext, true);
        ShowNavButton(kSkip, true);
        ShowNavButton(kPrevious, true);
    }
}

void CWizardDialogBase::Skip() {
    applyBeforeLeave = false;
    Next();
}

void CWizardDialogBase::Previous() {
    CWizardPage* page = ActivePage();
    if (page == nullptr) return;
    const int id = page->GetPrevPageId();
    if (id == -1) return;
    CWizardPage* target = nullptr;
    if (id == 0) {
        const int index = IndexOf(page) - 1;
        if (index < 0) return;
        target = pages_[index];
    } else {
        target = PageById(id);
    }
    if (target == nullptr || !ShowPage(*target)) return;
    if (target == pages_.front()) ShowNavButton(kPrevious, false);
    ShowNavButton(kFinish, false);
    ShowNavButton(kNext, true);
}

void CWizardDialogBase::SelectTab(const std::u16string& name) {
    CWizardPage* active = ActivePage();
    if (active != nullptr && active->title == name) return;
    auto it =
        std::find_if(pages_.begin(), pages_.end(), [&](const CWizardPage* p) { return p->title == name; });
    if (it == pages_.end() || !ShowPage(**it)) {
        MessageBox(Tr(u"Page load failure."));
        return;
    }
    ShowButtonsFor(**it, false);
}

void CWizardDialogBase::Finish() {
    CWizardPage* page = ActivePage();
    if (page != nullptr) {
        page->Apply();
        if (!page->OnKillActive()) return;
    }
    for (CWizardPage* p : pages_)
        if (p->created && !p->OnWizardFinish()) return;
    EndWizard(ID_WIZFINISH);
}

void CWizardDialogBase::Exit() {
    for (CWizardPage* p : pages_)
        if (p->created && !p->OnQueryCancel()) return;
    EndWizard(IDCANCEL);
}

void CWizardDialogBase::EndWizard(int code) {
    pollTimer_.Stop();
    EndSkinDialog(*this, code, endCode_);
}

void CWizardDialogBase::Open() {
    g_hOpenModal = Handle();
    ShowInitialPage();
}

int CWizardDialogBase::DoModal() {
    Open();
    return ShowModal();
}

void CWizardDialogBase::RestoreButtons(bool withSkip) {
    CWizardPage* page = ActivePage();
    if (page == nullptr) return;
    const int index = IndexOf(page);
    if (index == 0) {
        if (withSkip) ShowNavButton(kSkip, true);
        ShowNavButton(kNext, true);
        ShowNavButton(kFinish, false);
        ShowNavButton(kPrevious, false);
    } else if (index == static_cast<int>(pages_.size()) - 1) {
        ShowNavButton(kNext, false);
        ShowNavButton(kFinish, true);
        ShowNavButton(kPrevious, true);
    } else {
        ShowNavButton(kNext, true);
        ShowNavButton(kFinish, true);
        ShowNavButton(kPrevious, true);
    }
}

LRESULT CWizardDialogBase::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CGI_RESULT) {
        OnCgiResult(wParam, lParam);
        return 0;
    }
    if (message == WM_CLOSE) {
        EndWizard(IDCANCEL);
        return 0;
    }
    return CGdipDialog::OnMessage(message, wParam, lParam);
}

void CWizardDialogBase::OnCgiResult(WPARAM result, LPARAM kind) {
    CWizardPage* page = ActivePage();
    if (page != nullptr) page->busy = false;
    switch (kind) {
        case kKindNone:
        case kKindWizardInfo:
        case kKindDeviceInfo:
        case kKindTimeZone:
        case kKindChangePassword:
            if (result == 0) {
                applyBeforeLeave = false;
                return Next();
            }
            MessageBox(Tr(kind == kKindChangePassword ? u"password error." : u"setting failed."));
            return RestoreButtons(true);
        case kKindNetwork:
            if (result != 0) {
                MessageBox(Tr(u"setting failed."));
                return RestoreButtons(false);
            }
            pollTicks = 0;
            pollTimer_.Start(static_cast<int>(pollPeriod_.count()));
            return;
        case kKindLanInfo:
            // Answers to ticks that were still under way when the poll ended change nothing:
            // acting on them would move the wizard on a second time.
            if (result != 0 || !pollTimer_.IsRunning()) return;
            pollTimer_.Stop();
            return FollowedToNewAddress();
        default: return;
    }
}

void CWizardDialogBase::FollowedToNewAddress() {
    const std::optional<NasDevice> device = NasList::Instance().At(nasIndex);
    const AdapterTable& adapters = AdapterTable::Instance();
    const int adapter = device ? device->adapterIndex : 0;
    const bool known = adapter >= 0 && adapter < AdapterTable::kCapacity;
    const std::string_view pcAddress = known ? FieldText(adapters.address[adapter]) : std::string_view();
    const std::string_view pcMask = known ? FieldText(adapters.netmask[adapter]) : std::string_view();
    const WizardInfo info = g_wizardInfo.Get();
    if (SameSubnet(pcAddress, pcMask, FieldText(info.ip), FieldText(info.netmask))) {
        applyBeforeLeave = false;
        Next();
    } else {
        PostMessage(ownerWnd, WM_OTHER_SUBNET, 0, 0);
    }
}

void CWizardDialogBase::OnPollTimer(wxTimerEvent&) {
    CWizardPage* page = ActivePage();
    if (pollTicks >= kPollTries) {
        pollTimer_.Stop();
        MessageBox(Tr(u"get NAS new ip error."));
        if (page != nullptr) page->busy = false;
        RestoreButtons(false);
        pollTicks = 0;
        return;
    }
    if (page != nullptr) {
        page->notifyWnd = Handle();
        page->OnPollTick();
    }
    ++pollTicks;
}

}  // namespace lumora
