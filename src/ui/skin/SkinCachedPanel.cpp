#include "ui/skin/SkinCachedPanel.h"

#include <memory>

#include <wx/graphics.h>

#include "ui/skin/SkinText.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora {

CSkinCachedPanel::CSkinCachedPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinPanel(parent, id, pos, size) {
    Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        InvalidateCache();
        e.Skip();
    });
}

void CSkinCachedPanel::InvalidateCache() {
    cache_ = wxBitmap();
    Refresh(false);
}

const wxBitmap& CSkinCachedPanel::Cache() {
    wxSize client = GetClientSize();
    if (cache_.IsOk() && cache_.GetSize() == client) return cache_;
    cache_.Create(std::max(client.x, 1), std::max(client.y, 1), 24);
    wxMemoryDC dc(cache_);
    CSkinPanel::PaintBackground(dc);
    PaintCache(dc);
    return cache_;
}

LRESULT CSkinCachedPanel::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SKIN_DRAWPARENTBKGND) return AnswerFromCache(*this, Cache(), wParam, lParam);
    return CSkinPanel::OnMessage(message, wParam, lParam);
}

void CSkinCachedPanel::PaintBackground(wxDC& dc) { dc.DrawBitmap(Cache(), 0, 0, false); }

void CSkinCachedPanel::BlendOver(wxMemoryDC& dc, const wxRect& rect, std::uint32_t colour, int alpha) {
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (!gc) return;
    wxColour base = FromColorRef(colour);
    gc->SetBrush(wxBrush(wxColour(base.Red(), base.Green(), base.Blue(), static_cast<unsigned char>(alpha))));
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->DrawRectangle(rect.x, rect.y, rect.width, rect.height);
}

}  // namespace lumora
