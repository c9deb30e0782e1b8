#include "ui/main/WindowPlacement.h"

#include <dlfcn.h>

#include <wx/display.h>
#include <wx/utils.h>

namespace lumora {

namespace {

bool OnWayland() { return wxGetDisplayInfo().type == wxDisplayWayland; }

}  // namespace

void CentreFixed(wxWindow& window, const wxSize& size, const wxWindow* over) {
    // The compositor places every window there and tells nobody where: a position of our
    // own would be ignored and leave the toolkit believing a place that is not true.
    if (OnWayland()) return;
    wxRect area = over != nullptr && over->IsShown() ? over->GetScreenRect() : wxRect();
    if (area.IsEmpty()) {
        const int display = wxDisplay::GetFromWindow(over != nullptr ? over : &window);
        area = wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    }
    window.Move(area.x + (area.width - size.x) / 2, area.y + (area.height - size.y) / 2);
}

namespace {

// GTK is already loaded by the toolkit; its move request is looked up rather than linked.
using BeginMoveDrag = void (*)(void* window, int button, int rootX, int rootY, unsigned timestamp);
using CurrentEventTime = unsigned (*)();

bool AskCompositorToMove(wxWindow& window, const wxPoint& screenAt) {
    static auto begin = reinterpret_cast<BeginMoveDrag>(dlsym(RTLD_DEFAULT, "gtk_window_begin_move_drag"));
    static auto now = reinterpret_cast<CurrentEventTime>(dlsym(RTLD_DEFAULT, "gtk_get_current_event_time"));
    if (begin == nullptr || now == nullptr || window.GetHandle() == nullptr) return false;
    begin(window.GetHandle(), 1, screenAt.x, screenAt.y, now());
    return true;
}

}  // namespace

void UseCompositorMove(wxWindow& topLevel) {
    if (!OnWayland()) return;
    topLevel.Bind(wxEVT_LEFT_DOWN, [&topLevel](wxMouseEvent& event) {
        if (!AskCompositorToMove(topLevel, topLevel.ClientToScreen(event.GetPosition()))) event.Skip();
    });
}

}  // namespace lumora
