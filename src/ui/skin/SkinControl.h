#pragma once
// Common ground of the skinned controls: a borderless wx control with a message handle
// that paints itself over its parent's background.

#include <wx/control.h>

#include "platform/WindowMessages.h"
#include "ui/skin/RestoreParentDCHelper.h"

namespace lumora {

class CSkinControl : public wxControl, public MessageTarget {
public:
    CSkinControl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style = 0);

    HWND Handle() const { return link_.Handle(); }
    // Default answers: an erase request is taken as done (the control paints its whole area).
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Paints the parent's background into `dc` (client coordinates).
    void PaintParentBackground(wxDC& dc) const { link_.PaintParentBackground(dc); }
    wxSize DoGetBestClientSize() const override { return GetClientSize(); }

    CRestoreParentDCHelper link_;
};

}  // namespace lumora
