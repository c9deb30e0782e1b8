#include "ui/skin/SkinEdit.h"

#include <wx/toplevel.h>

#include "ui/skin/SkinText.h"

namespace lumora {

bool PressDefaultButton(wxWindow& from) {
    auto* dialog = wxDynamicCast(wxGetTopLevelParent(&from), wxTopLevelWindow);
    wxWindow* button = dialog ? dialog->GetDefaultItem() : nullptr;
    if (button == nullptr) return false;
    wxCommandEvent press(wxEVT_BUTTON, button->GetId());
    press.SetEventObject(&from);
    dialog->ProcessWindowEvent(press);
    return true;
}

wxTextCtrl* CreateSkinEdit(wxWindow* parent, wxWindowID id, const wxRect& rect, const SkinEditStyle& style) {
    long flags = wxBORDER_NONE | wxTE_PROCESS_ENTER;
    if (style.password) flags |= wxTE_PASSWORD;
    if (style.centred) flags |= wxTE_CENTRE;
    auto* edit = new wxTextCtrl(parent, id, wxString(), rect.GetPosition(), rect.GetSize(), flags);
    edit->SetFont(SkinFont(style.fontHeight, style.fontWeight));
    edit->SetBackgroundColour(*wxWHITE);
    edit->SetForegroundColour(*wxBLACK);
    if (style.maxLength > 0) edit->SetMaxLength(style.maxLength);
    // Enter belongs to the dialog's default button, as in any dialog.
    edit->Bind(wxEVT_TEXT_ENTER, [edit](wxCommandEvent&) { PressDefaultButton(*edit); });
    return edit;
}

}  // namespace lumora
