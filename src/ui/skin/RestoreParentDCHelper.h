#pragma once
// A skinned window's link to the message layer and to its parent's background.
//
// Skinned windows have no background of their own: before drawing, each asks its
// parent (WM_SKIN_DRAWPARENTBKGND) to paint what lies behind it. Windows that keep
// a background cache answer from it; containers pass the request on to their parent.

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/window.h>

#include "platform/WindowMessages.h"

namespace lumora {

class CRestoreParentDCHelper {
public:
    // Registers `target` with the message layer and links the handle to `window`.
    CRestoreParentDCHelper(wxWindow& window, MessageTarget& target);
    ~CRestoreParentDCHelper();
    CRestoreParentDCHelper(const CRestoreParentDCHelper&) = delete;
    CRestoreParentDCHelper& operator=(const CRestoreParentDCHelper&) = delete;

    HWND Handle() const { return registration_.handle(); }
    wxWindow& Window() const { return window_; }

    // Paints the parent's background behind this window into `dc` (client coordinates).
    void PaintParentBackground(wxDC& dc) const;

private:
    wxWindow& window_;
    WindowRegistration registration_;
};

// The handle of a skinned window; kNoWindow for any other window.
HWND HandleOf(const wxWindow* window);
// The skinned window behind a handle; null when there is none.
wxWindow* WindowOf(HWND handle);

// Asks `parent` for the background behind `requester` (sent as `requesterHandle`), falling
// back to an erase request, and to the parent's own colour when the parent is not skinned.
void RequestBackground(wxWindow* parent, HWND requesterHandle, wxDC& dc);

// Answer of a window with a background cache: copies the block behind the requester.
LRESULT AnswerFromCache(const wxWindow& answerer, const wxBitmap& cache, WPARAM dc, LPARAM requester);
// Answer of a container without a cache: passes the request on to its own parent.
LRESULT ForwardToParent(const wxWindow& container, WPARAM dc, LPARAM requester);

// The dc carried by a background request.
inline wxDC& DcOf(WPARAM wParam) { return *reinterpret_cast<wxDC*>(wParam); }
inline WPARAM AsWParam(wxDC& dc) { return reinterpret_cast<WPARAM>(&dc); }

// Position of `window` in the client coordinates of its ancestor `ancestor`.
wxPoint OffsetWithin(const wxWindow& window, const wxWindow& ancestor);

}  // namespace lumora
