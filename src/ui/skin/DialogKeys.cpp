#include "ui/skin/DialogKeys.h"

#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include "ui/skin/SkinButtonBase.h"

namespace lumora {
namespace {

bool Pressable(const wxWindow* button) {
    return button != nullptr && button->IsEnabled() && button->IsShown();
}

// The window's own descendant with `id` (FindWindow would also return the window itself).
wxWindow* ButtonWithId(wxWindow& window, int id) {
    for (wxWindow* child : window.GetChildren()) {
        if (child->IsTopLevel()) continue;
        if (child->GetId() == id) return child;
        if (wxWindow* found = ButtonWithId(*child, id)) return found;
    }
    return nullptr;
}

}  // namespace

std::optional<DialogKey> DialogKeyOf(const wxKeyEvent& event) {
    if (event.HasAnyModifiers() || event.ShiftDown()) return std::nullopt;
    switch (event.GetKeyCode()) {
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER: return DialogKey::Enter;
        case WXK_ESCAPE: return DialogKey::Escape;
        default: return std::nullopt;
    }
}

bool FocusWantsKey(const wxWindow* focus, DialogKey key) {
    if (auto* skinned = dynamic_cast<const CSkinControl*>(focus)) return skinned->WantsDialogKey(key);
    if (auto* text = dynamic_cast<const wxTextCtrl*>(focus))
        return key == DialogKey::Enter && text->HasFlag(wxTE_MULTILINE);
    return false;
}

wxWindow* EnterTarget(wxWindow& from) {
    auto* focused = dynamic_cast<CSkinButtonBase*>(&from);
    if (focused != nullptr && focused->Kind() == ButtonKind::Push && Pressable(focused)) return focused;
    auto* window = wxDynamicCast(wxGetTopLevelParent(&from), wxTopLevelWindow);
    if (window == nullptr) return nullptr;
    // A window that names no default button gets its OK button as the default.
    wxWindow* button = window->GetDefaultItem();
    if (button == nullptr) button = ButtonWithId(*window, wxID_OK);
    return Pressable(button) ? button : nullptr;
}

wxWindow* CancelButtonOf(wxWindow& from) {
    wxWindow* window = wxGetTopLevelParent(&from);
    if (window == nullptr) return nullptr;
    int id = wxID_CANCEL;
    if (auto* dialog = wxDynamicCast(window, wxDialog); dialog && dialog->GetEscapeId() != wxID_ANY)
        id = dialog->GetEscapeId();
    wxWindow* button = ButtonWithId(*window, id);
    return Pressable(button) ? button : nullptr;
}

void PressButton(wxWindow& button) {
    wxCommandEvent click(wxEVT_BUTTON, button.GetId());
    click.SetEventObject(&button);
    if (auto* skinned = dynamic_cast<CSkinButtonBase*>(&button)) click.SetInt(skinned->GetCheck());
    button.ProcessWindowEvent(click);
}

bool SendDialogKey(wxWindow& from, DialogKey key) {
    for (wxWindow* w = &from; w != nullptr; w = w->GetParent()) {
        if (auto* taker = dynamic_cast<DialogKeyTaker*>(w); taker && taker->TakeDialogKey(key)) return true;
        if (w->IsTopLevel()) break;
    }
    if (key == DialogKey::Enter) {
        wxWindow* button = EnterTarget(from);
        if (button == nullptr) return false;
        PressButton(*button);
        return true;
    }
    if (wxWindow* button = CancelButtonOf(from)) {
        PressButton(*button);
        return true;
    }
    // A modal dialog gets its own Cancel command, as the system's dialogs do on Escape; a
    // modeless window is left to the toolkit, which closes it as its close box would
    // (a close the window may veto).
    auto* window = wxDynamicCast(wxGetTopLevelParent(&from), wxDialog);
    if (window == nullptr || !window->IsModal()) return false;
    wxCommandEvent cancel(wxEVT_BUTTON, wxID_CANCEL);
    cancel.SetEventObject(window);
    window->ProcessWindowEvent(cancel);
    return true;
}

}  // namespace lumora
