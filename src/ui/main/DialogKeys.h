#pragma once
// Keyboard and pointer behaviour every skinned dialog of the tool shares.

#include <wx/dialog.h>

namespace lumora {

// Enter presses the focused push button, or else `defaultId`; Escape presses `cancelId`.
// Buttons that are hidden or disabled are not pressed.
void BindDialogKeys(wxDialog& dialog, int defaultId, int cancelId);

// Presses the button `id` of `dialog` as a click does (no-op when it is missing,
// hidden or disabled); true when pressed.
bool PressButton(wxWindow& dialog, int id);

// Places a window of the fixed `size` in the middle of `over` (null: of its screen). The
// toolkit may not know the size of a window not shown yet, so it is given here.
void CentreFixed(wxWindow& window, const wxSize& size, const wxWindow* over);

// A press on a free spot of the window starts a move: on Wayland the compositor is
// asked to move it (a program there cannot place its own window); elsewhere the
// window's own dragging runs.
void UseCompositorMove(wxWindow& topLevel);

}  // namespace lumora
