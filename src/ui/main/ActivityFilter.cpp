#include "ui/main/ActivityFilter.h"

#include <wx/event.h>

#include "protocol/query/Messages.h"

namespace lumora {

bool CountsAsActivityKey(int code, int unicodeKey) {
    if (code == WXK_SPACE || code == WXK_RETURN || code == WXK_NUMPAD_ENTER) return true;
    if (code > WXK_SPACE && code < WXK_DELETE) return true;  // letters, digits, punctuation
    if (code == WXK_NONE) return unicodeKey > 0x7F;          // text keys beyond ASCII
    if (code >= WXK_NUMPAD0 && code <= WXK_NUMPAD9) return true;
    if (code >= WXK_MULTIPLY && code <= WXK_DIVIDE) return true;  // keypad operators
    if (code >= WXK_NUMPAD_MULTIPLY && code <= WXK_NUMPAD_DIVIDE) return true;
    if (code >= WXK_F1 && code <= WXK_F24) return true;
    return code == WXK_NUMLOCK || code == WXK_SCROLL || code == WXK_HELP || code == WXK_WINDOWS_LEFT ||
           code == WXK_WINDOWS_RIGHT || code == WXK_WINDOWS_MENU;
}

void ActivityFilter::Install() {
    if (installed_) return;
    wxEvtHandler::AddFilter(this);
    installed_ = true;
}

void ActivityFilter::Remove() {
    if (!installed_) return;
    wxEvtHandler::RemoveFilter(this);
    installed_ = false;
}

int ActivityFilter::FilterEvent(wxEvent& event) {
    const wxEventType type = event.GetEventType();
    bool active = type == wxEVT_LEFT_UP;
    if (type == wxEVT_KEY_UP || type == wxEVT_KEY_DOWN) {
        auto& key = static_cast<wxKeyEvent&>(event);
        active = (type == wxEVT_KEY_UP || key.IsAutoRepeat()) &&
                 CountsAsActivityKey(key.GetKeyCode(), static_cast<int>(key.GetUnicodeKey()));
    }
    if (active) SendMessage(mainWindow_, WM_USER_ACTIVITY);
    return Event_Skip;
}

}  // namespace lumora
