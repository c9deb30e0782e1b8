#include "ui/skin/RestoreParentDCHelper.h"

#include <unordered_map>

#include <wx/dcmemory.h>

#include "ui/skin/core/SkinMessages.h"

namespace lumora {
namespace {

// The windows' "property": which wx window a handle stands for. UI thread only.
std::unordered_map<HWND, wxWindow*>& windows() {
    static std::unordered_map<HWND, wxWindow*> table;
    return table;
}
std::unordered_map<const wxWindow*, HWND>& handles() {
    static std::unordered_map<const wxWindow*, HWND> table;
    return table;
}

}  // namespace

CRestoreParentDCHelper::CRestoreParentDCHelper(wxWindow& window, MessageTarget& target)
    : window_(window), registration_(target) {
    // Like a window property: the first link of a window stays.
    windows()[registration_.handle()] = &window;
    handles().emplace(&window, registration_.handle());
}

CRestoreParentDCHelper::~CRestoreParentDCHelper() {
    windows().erase(registration_.handle());
    auto it = handles().find(&window_);
    if (it != handles().end() && it->second == registration_.handle()) handles().erase(it);
}

HWND HandleOf(const wxWindow* window) {
    auto it = handles().find(window);
    return it == handles().end() ? kNoWindow : it->second;
}

wxWindow* WindowOf(HWND handle) {
    auto it = windows().find(handle);
    return it == windows().end() ? nullptr : it->second;
}

wxPoint OffsetWithin(const wxWindow& window, const wxWindow& ancestor) {
    wxPoint offset(0, 0);
    for (const wxWindow* w = &window; w != nullptr && w != &ancestor; w = w->GetParent()) {
        if (w->IsTopLevel()) return ancestor.ScreenToClient(window.GetScreenPosition());
        offset += w->GetPosition();
    }
    return offset;
}

void RequestBackground(wxWindow* parent, HWND requesterHandle, wxDC& dc) {
    if (parent == nullptr) return;
    HWND parentHandle = HandleOf(parent);
    if (parentHandle != kNoWindow) {
        if (SendMessage(parentHandle, WM_SKIN_DRAWPARENTBKGND, AsWParam(dc),
                        static_cast<LPARAM>(requesterHandle)) != 0)
            return;
        // Skinned windows ignore the erase request; only the list leaves it to its default.
        if (SendMessage(parentHandle, WM_ERASEBKGND, AsWParam(dc), 0) != 0) return;
    }
    // An ordinary window shows its normal background.
    wxWindow* requester = WindowOf(requesterHandle);
    wxSize size = requester ? requester->GetClientSize() : dc.GetSize();
    dc.SetBrush(wxBrush(parent->GetBackgroundColour()));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(0, 0, size.x, size.y);
}

void CRestoreParentDCHelper::PaintParentBackground(wxDC& dc) const {
    RequestBackground(window_.GetParent(), Handle(), dc);
}

LRESULT AnswerFromCache(const wxWindow& answerer, const wxBitmap& cache, WPARAM dc, LPARAM requester) {
    wxWindow* window = WindowOf(static_cast<HWND>(requester));
    if (window == nullptr || !cache.IsOk() || dc == 0) return 0;
    wxPoint at = OffsetWithin(*window, answerer);
    wxSize size = window->GetClientSize();
    wxMemoryDC source;
    source.SelectObjectAsSource(cache);
    DcOf(dc).Blit(0, 0, size.x, size.y, &source, at.x, at.y);
    return 0;
}

LRESULT ForwardToParent(const wxWindow& container, WPARAM dc, LPARAM requester) {
    // The original requester travels on, so it gets the background behind itself rather
    // than the one behind the container's corner.
    if (dc != 0) RequestBackground(container.GetParent(), static_cast<HWND>(requester), DcOf(dc));
    return 0;
}

}  // namespace lumora
