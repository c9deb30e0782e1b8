#pragma once
// Plain text fields of the skinned dialogs: real editable fields in the skin's font,
// borderless on the dialog's picture, with a length limit and password style when asked.

#include <wx/textctrl.h>

namespace lumora {

struct SkinEditStyle {
    int maxLength = 0;  // characters; 0 for no limit
    bool password = false;
    int fontHeight = 17;
    int fontWeight = 100;
    bool centred = false;
};

// Presses the default button of the window holding `from` (its default item, else its
// wxID_OK button; see DialogKeys.h); false without one.
bool PressDefaultButton(wxWindow& from);

// Creates the field over `rect` of the parent's client area.
wxTextCtrl* CreateSkinEdit(wxWindow* parent, wxWindowID id, const wxRect& rect,
                           const SkinEditStyle& style = {});

}  // namespace lumora
