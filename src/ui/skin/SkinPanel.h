#pragma once
// A container that takes part in the parent-background link without a picture of its
// own (wizard pages, the information panel): it shows what lies behind it and passes
// its children's background requests on to its parent.

#include <wx/panel.h>

#include "platform/WindowMessages.h"
#include "ui/skin/DialogKeys.h"
#include "ui/skin/RestoreParentDCHelper.h"

namespace lumora {

// Override TakeDialogKey to take Enter or Escape before the window's buttons do
// (ui/skin/DialogKeys.h); a wizard page does so for keys typed on it.
class CSkinPanel : public wxPanel, public MessageTarget, public DialogKeyTaker {
public:
    CSkinPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    HWND Handle() const { return link_.Handle(); }
    // Passes background requests on; erase requests count as done.
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Paints what the panel shows behind its own drawing: its parent's background.
    virtual void PaintBackground(wxDC& dc) { link_.PaintParentBackground(dc); }
    // Subclasses draw here, over the background, into the off-screen surface.
    virtual void PaintOver(wxDC& dc) {}

private:
    void OnPaint(wxPaintEvent& event);

    CRestoreParentDCHelper link_;
};

}  // namespace lumora
