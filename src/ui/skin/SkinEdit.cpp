#include "ui/skin/SkinEdit.h"

#include "ui/skin/DialogKeys.h"
#include "ui/skin/SkinText.h"

namespace lumora {

bool PressDefaultButton(wxWindow& from) {
    wxWindow* button = EnterTarget(from);
    if (button == nullptr) return false;
    PressButton(*button);
    return true;
}

wxTextCtrl* CreateSkinEdit(wxWindow* parent, wxWindowID id, const wxRect& rect, const SkinEditStyle& style) {
    long flags = wxBORDER_NONE | wxTE_PROCESS_ENTER;
    if (style.password) flags |= wxTE_PASSWORD;
    if (style.centred) flags |= wxTE_CENTRE;
    auto* edit = new wxTextCtrl(parent, id, wxString(), rect.GetPosition(), rect.GetSize(), flags);
    edit->SetFont(SkinFont(style.fontHeight, style.fontWeight));
    edit->SetBackgroundColour(FromColorRef(kSkinWindow));
    edit->SetForegroundColour(FromColorRef(kSkinWindowText));
    if (style.maxLength > 0) edit->SetMaxLength(style.maxLength);
    // Enter belongs to the dialog's default button, as in any dialog (a skinned window
    // handles it before the field does; this is for any other window).
    edit->Bind(wxEVT_TEXT_ENTER, [edit](wxCommandEvent&) { SendDialogKey(*edit, DialogKey::Enter); });
    return edit;
}

}  // namespace lumora
