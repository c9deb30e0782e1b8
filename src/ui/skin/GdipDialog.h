#pragma once
// Base of the skinned top-level windows: borderless, fixed-size, drawn from one picture.

#include <future>
#include <vector>

#include <wx/dialog.h>

#include "platform/WindowMessages.h"
#include "ui/skin/DialogKeys.h"
#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/RestoreParentDCHelper.h"
#include "ui/skin/core/WindowShape.h"

namespace lumora {

// Enter and Escape reach the window's default and cancel buttons (ui/skin/DialogKeys.h):
// a window that names no default button (SetDefaultItem) gets its wxID_OK button as the
// default. Override TakeDialogKey to take either key first.
class CGdipDialog : public wxDialog, public MessageTarget, public DialogKeyTaker {
public:
    // A borderless window of a fixed client size.
    CGdipDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxSize& size);
    ~CGdipDialog() override;

    // Draws PNG `id` into the background cache at the window's fixed client size, scaled
    // down when larger, over black; always true (a missing picture leaves the cache empty).
    bool SetBackground(int id);
    // Starts drawing PNG `id` for SetBackground(id) on another thread, so that the
    // controls are built meanwhile; SetBackground(id) then takes the result.
    void PrepareBackground(int id);
    // Gives the window the outline of a polygon (client coordinates).
    void SetWindowShape(const std::vector<ShapePoint>& outline);

    HWND Handle() const { return link_.Handle(); }
    // The background cache (invalid before SetBackground or after a failed load).
    const wxBitmap& BackgroundCache() const { return cache_; }

    // Shows the window at its fixed size (the toolkit may shrink an undecorated window on mapping).
    bool Show(bool show = true) override;

    // Answers the children's background requests from the cache; subclasses extend it.
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Subclasses draw further things here, after the cache was copied.
    virtual void PaintOver(wxDC& dc) {}

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnCharHook(wxKeyEvent& event);

    CRestoreParentDCHelper link_;
    wxSize fixedSize_;
    wxBitmap cache_;
    int preparedId_ = 0;
    std::future<wxImage> prepared_;
    bool dragging_ = false;
    wxPoint grabOffset_;
};

// PNG `id` as a skinned window of `client` size shows it: scaled down into the window
// when larger (never cropped), over black, without alpha; invalid when there is no such PNG.
wxImage PictureAsShown(int id, const wxSize& client);

}  // namespace lumora
