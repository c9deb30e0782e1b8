#pragma once
// Enter and Escape in skinned windows, the way a user expects them in any dialog.
//
// A key goes, in this order, to:
//   1. the focused control, when it wants the key itself (an open drop-down list, the
//      list's choice box, a multi-line field): CSkinControl::WantsDialogKey;
//   2. each DialogKeyTaker from the focus up to the window (pages, panels, the window
//      itself): the first whose TakeDialogKey returns true has it;
//   3. the window's buttons: Enter presses the focused push button, else the window's
//      default item (SetDefaultItem), else its button with id wxID_OK; Escape presses
//      its button with the escape id (wxID_CANCEL unless SetEscapeId says otherwise),
//      else a modal dialog gets the wxID_CANCEL command, which a wxDialog ends as Cancel;
//      a modeless window is closed by the toolkit as by its close box (vetoable).
// A press is the button's own wxEVT_BUTTON, so it reaches the button's handlers and the
// window's alike. Disabled and hidden buttons are never pressed.

#include <optional>

#include <wx/event.h>
#include <wx/window.h>

namespace lumora {

enum class DialogKey { Enter, Escape };

// Implemented by containers that may take Enter or Escape before the window's buttons.
class DialogKeyTaker {
public:
    virtual ~DialogKeyTaker() = default;
    // True when the container has handled the key (the buttons then never see it).
    virtual bool TakeDialogKey(DialogKey key) { return false; }
};

// The dialog key an event stands for: Enter (main or keypad) or Escape, without modifiers.
std::optional<DialogKey> DialogKeyOf(const wxKeyEvent& event);
// Whether the focused window handles the key itself (step 1).
bool FocusWantsKey(const wxWindow* focus, DialogKey key);
// The button Enter presses for a key typed in `from`; null when there is none.
wxWindow* EnterTarget(wxWindow& from);
// The button Escape presses in `from`'s window; null when there is none.
wxWindow* CancelButtonOf(wxWindow& from);
// Sends `button`'s click, as if the user had clicked it.
void PressButton(wxWindow& button);
// Steps 2 and 3 for a key typed in `from`; false when nothing took or pressed anything.
bool SendDialogKey(wxWindow& from, DialogKey key);

}  // namespace lumora
