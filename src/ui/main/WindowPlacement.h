#pragma once
// Where the tool's fixed-size, borderless windows appear and how they are moved.

#include <wx/window.h>

namespace lumora {

// Places a window of the fixed `size` in the middle of `over` (null: of its screen). The
// toolkit may not know the size of a window not shown yet, so it is given here. On
// Wayland the compositor places it, and nothing is moved.
void CentreFixed(wxWindow& window, const wxSize& size, const wxWindow* over);

// A press on a free spot of the window starts a move: on Wayland the compositor is
// asked to move it (a program there cannot place its own window); elsewhere the
// window's own dragging runs.
void UseCompositorMove(wxWindow& topLevel);

}  // namespace lumora
