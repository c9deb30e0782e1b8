#pragma once
// Notices the user's activity in every window of the tool: one application-wide
// event filter that reports key releases (and repeats) of the keys that count and
// left-button releases to the main window, which restarts its inactivity timer.

#include <wx/eventfilter.h>

#include "platform/WindowMessages.h"

namespace lumora {

// Whether a released or repeating key counts as activity: text keys, Space, Enter,
// function and keypad keys; not navigation (arrows, Tab, paging), editing (Backspace,
// Delete, Insert), Escape or the modifiers alone.
bool CountsAsActivityKey(int wxKeyCode, int unicodeKey);

class ActivityFilter : public wxEventFilter {
public:
    // Sends WM_USER_ACTIVITY to `mainWindow` for every reported action while installed.
    explicit ActivityFilter(HWND mainWindow) : mainWindow_(mainWindow) {}
    ~ActivityFilter() override { Remove(); }

    // Installs the filter for the whole application (again: nothing changes).
    void Install();
    // Uninstalls it; nothing is reported afterwards.
    void Remove();
    bool IsInstalled() const { return installed_; }

    int FilterEvent(wxEvent& event) override;

private:
    HWND mainWindow_;
    bool installed_ = false;
};

}  // namespace lumora
