#pragma once
// A container that takes part in the parent-background link without a picture of its
// own (wizard pages, the information panel): it shows what lies behind it and passes
// its children's background requests on to its parent.

#include <wx/panel.h>

#include "platform/WindowMessages.h"
#include "ui/skin/RestoreParentDCHelper.h"

namespace lumora {

class CSkinPanel : public wxPanel, public MessageTarget {
public:
    CSkinPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    HWND Handle() const { return link_.Handle(); }
    // Passes background requests on; erase requests count as done.
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Subclasses draw here, over the background, into the off-screen surface.
    virtual void PaintOver(wxDC& dc) {}

private:
    void OnPaint(wxPaintEvent& event);

    CRestoreParentDCHelper link_;
};

}  // namespace lumora
