#pragma once
// Helpers of the skinned-control tests: pumping the wx loop, synthetic input, and a
// skinned window that records the messages its children send it.

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

#include "ui/skin/GdipDialog.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora::test {

// Runs the wx loop (posted messages included) until `done` holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(3)) {
    auto end = std::chrono::steady_clock::now() + limit;
    do {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        if (done()) return true;
        wxMilliSleep(5);
    } while (std::chrono::steady_clock::now() < end);
    return done();
}
inline void Pump(std::chrono::milliseconds time = std::chrono::milliseconds(50)) {
    PumpUntil([] { return false; }, time);
}

// Sends a mouse event of `type` at a client point straight to the window.
inline void SendMouse(wxWindow& window, wxEventType type, int x, int y, bool shift = false) {
    wxMouseEvent event(type);
    event.SetPosition(wxPoint(x, y));
    event.SetEventObject(&window);
    event.m_shiftDown = shift;
    event.m_leftDown = type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK;
    window.GetEventHandler()->ProcessEvent(event);
}
inline void Click(wxWindow& window, int x, int y) {
    SendMouse(window, wxEVT_LEFT_DOWN, x, y);
    SendMouse(window, wxEVT_LEFT_UP, x, y);
}

// Sends a key event (key down or char) with `code` to the window.
inline bool SendKey(wxWindow& window, wxEventType type, int code, bool shift = false) {
    wxKeyEvent event(type);
    event.m_keyCode = code;
    event.m_uniChar = code < WXK_START ? code : WXK_NONE;
    event.m_shiftDown = shift;
    event.SetEventObject(&window);
    return window.GetEventHandler()->ProcessEvent(event);
}

// Offers a key the way the toolkit first does: a char-hook event at the focused window,
// passed up to its top-level window. True when something took it (the control then
// never gets its own key events).
inline bool SendCharHook(wxWindow& focus, int code) {
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = code;
    event.SetEventObject(&focus);
    event.ResumePropagation(wxEVENT_PROPAGATE_MAX);
    return focus.GetEventHandler()->ProcessEvent(event);
}

struct Recorded {
    unsigned message;
    WPARAM wParam;
    LPARAM lParam;
};

// A skinned top-level window that records its private messages and can answer the
// list's request for choices.
class RecordingWindow : public CGdipDialog {
public:
    explicit RecordingWindow(wxSize size = wxSize(800, 600)) : CGdipDialog(nullptr, wxID_ANY, "test", size) {
        // Off the visible screen: a gallery screenshot taken meanwhile must not show it.
        Move(-3000, -3000);
    }
    ~RecordingWindow() override = default;

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_SKIN_UNCHECKGROUP && message <= WM_SKIN_FOLDEROPEN &&
            message != WM_SKIN_DRAWPARENTBKGND)
            received.push_back({message, wParam, lParam});
        if (message == WM_SKIN_LISTGETCHOICES && lParam != 0)
            *reinterpret_cast<std::vector<std::u16string>*>(lParam) = choices;
        return CGdipDialog::OnMessage(message, wParam, lParam);
    }
    // The messages of one kind received so far.
    std::vector<Recorded> Of(unsigned message) const {
        std::vector<Recorded> out;
        for (const Recorded& r : received)
            if (r.message == message) out.push_back(r);
        return out;
    }

    std::vector<Recorded> received;
    std::vector<std::u16string> choices;
};

// A window destroyed at the end of the test.
struct WindowCloser {
    void operator()(wxWindow* w) const { w->Destroy(); }
};
template <class T>
using TestWindow = std::unique_ptr<T, WindowCloser>;

}  // namespace lumora::test
