#pragma once
// The skinned tooltip: a black box with a grey outline and white text.

#include <cstdint>

#include <wx/popupwin.h>
#include <wx/timer.h>

namespace lumora {

class CSkinToolTip : public wxPopupWindow {
public:
    explicit CSkinToolTip(wxWindow* owner);

    // Colours are COLORREF values (0x00BBGGRR).
    void SetBackColor(std::uint32_t colour);
    void SetTextColor(std::uint32_t colour);
    // The text shown; an empty text never pops up.
    void SetTipText(const wxString& text);
    const wxString& TipText() const { return text_; }
    // Turns popping up on or off (off also hides it).
    void Activate(bool active);
    bool IsActive() const { return active_; }
    // Shows the tip at once just below the mouse position (screen coordinates); it hides
    // itself again after the pop-down time.
    void PopupAt(const wxPoint& screenPoint);
    // The automatic delay in ms (TTDT_AUTOMATIC): a shown tip stays ten times as long.
    void SetAutomaticDelay(int ms) { autoPopMs_ = 10 * ms; }
    int AutoPopTime() const { return autoPopMs_; }

private:
    void OnPaint(wxPaintEvent& event);

    std::uint32_t back_ = 0x000000;
    std::uint32_t textColour_ = 0xFFFFFF;
    wxString text_;
    bool active_ = true;
    int autoPopMs_ = 5000;  // the platform's default automatic delay of 500 ms, times ten
    wxTimer autoPop_;
};

}  // namespace lumora
