#pragma once
// Common ground of the skinned controls: a borderless wx control with a message handle
// that paints itself over its parent's background.

#include <wx/control.h>

#include "platform/WindowMessages.h"
#include "ui/skin/DialogKeys.h"
#include "ui/skin/RestoreParentDCHelper.h"

namespace lumora {

class CSkinControl : public wxControl, public MessageTarget {
public:
    CSkinControl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style = 0);

    HWND Handle() const { return link_.Handle(); }
    // Default answers: an erase request is taken as done (the control paints its whole area).
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;
    // Whether the control handles Enter or Escape itself while focused (ui/skin/DialogKeys.h).
    virtual bool WantsDialogKey(DialogKey key) const { return false; }

protected:
    // Draws the control into the off-screen surface over `client`, which already holds
    // the parent's background (unless PaintsOwnBackground); copied to the screen after.
    virtual void Paint(wxDC& dc, const wxRect& client) {}
    // True for a control that covers its whole area itself and asks for no background.
    virtual bool PaintsOwnBackground() const { return false; }
    // Paints the parent's background into `dc` (client coordinates).
    void PaintParentBackground(wxDC& dc) const { link_.PaintParentBackground(dc); }
    wxSize DoGetBestClientSize() const override { return GetClientSize(); }

    CRestoreParentDCHelper link_;

private:
    void OnPaint(wxPaintEvent& event);
};

}  // namespace lumora
