#include "ui/skin/WxDialogService.h"

#include <future>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/thread.h>

#include "ui/skin/RestoreParentDCHelper.h"
#include "ui/skin/WxText.h"

namespace lumora {
namespace {

long styleOf(const MessageBoxRequest& r) {
    long style = 0;
    switch (r.buttons) {
        case MessageButtons::Ok: style |= wxOK; break;
        case MessageButtons::OkCancel: style |= wxOK | wxCANCEL; break;
        case MessageButtons::YesNo: style |= wxYES_NO; break;
    }
    switch (r.icon) {
        case MessageIcon::None: break;
        case MessageIcon::Information: style |= wxICON_INFORMATION; break;
        case MessageIcon::Exclamation: style |= wxICON_EXCLAMATION; break;
        case MessageIcon::Error: style |= wxICON_ERROR; break;
        case MessageIcon::Question: style |= wxICON_QUESTION; break;
    }
    return style;
}

DialogAnswer showOnUiThread(const MessageBoxRequest& r) {
    wxWindow* owner = MessageBoxParent(r.owner);
    wxString caption = r.caption.empty() ? wxString("Lumora") : ToWx(r.caption);
    wxMessageDialog box(owner, ToWx(r.text), caption, styleOf(r));
    switch (box.ShowModal()) {
        case wxID_CANCEL: return DialogAnswer::Cancel;
        case wxID_YES: return DialogAnswer::Yes;
        case wxID_NO: return DialogAnswer::No;
        default: return DialogAnswer::Ok;
    }
}

}  // namespace

wxWindow* MessageBoxParent(HWND owner) {
    if (wxWindow* window = WindowOf(owner)) return wxGetTopLevelParent(window);
    // Top-level windows are listed in the order they were made, so a dialog opened from
    // another one comes after it.
    wxWindow* innermost = nullptr;
    for (wxWindow* window : wxTopLevelWindows) {
        const auto* dialog = dynamic_cast<const wxDialog*>(window);
        if (dialog != nullptr && dialog->IsModal() && dialog->IsShown() && !dialog->IsBeingDeleted())
            innermost = window;
    }
    if (innermost != nullptr) return innermost;
    return wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
}

DialogAnswer WxDialogService::ShowMessageBox(const MessageBoxRequest& request) {
    if (wxThread::IsMain() || wxTheApp == nullptr) return showOnUiThread(request);
    std::promise<DialogAnswer> answer;
    std::future<DialogAnswer> result = answer.get_future();
    wxTheApp->CallAfter([&] { answer.set_value(showOnUiThread(request)); });
    return result.get();
}

int WxDialogService::RunModal(std::string_view, const std::function<int()>& run) { return run(); }

}  // namespace lumora
