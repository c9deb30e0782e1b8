#include "ui/skin/SkinToolTip.h"

#include <wx/dcclient.h>

#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinText.h"

namespace lumora {

CSkinToolTip::CSkinToolTip(wxWindow* owner) : wxPopupWindow(owner, wxBORDER_NONE) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CSkinToolTip::OnPaint, this);
    autoPop_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Hide(); });
}

void CSkinToolTip::SetBackColor(std::uint32_t colour) {
    back_ = colour;
    Refresh(false);
}

void CSkinToolTip::SetTextColor(std::uint32_t colour) {
    textColour_ = colour;
    Refresh(false);
}

void CSkinToolTip::SetTipText(const wxString& text) {
    text_ = text;
    wxClientDC dc(this);
    dc.SetFont(SkinFont(13, 100));
    wxSize extent = dc.GetTextExtent(text_);
    SetClientSize(extent.x + 12, extent.y + 8);
    Refresh(false);
}

void CSkinToolTip::Activate(bool active) {
    active_ = active;
    if (!active_) {
        autoPop_.Stop();
        Hide();
    }
}

void CSkinToolTip::PopupAt(const wxPoint& screenPoint) {
    if (!active_ || text_.empty()) return;
    Position(screenPoint, wxSize(0, 20));
    Show();
    Raise();
    if (autoPopMs_ > 0) autoPop_.StartOnce(autoPopMs_);
}

void CSkinToolTip::OnPaint(wxPaintEvent&) {
    PaintOffScreen(*this, [this](wxDC& dc, const wxRect& client) {
        dc.SetBrush(wxBrush(FromColorRef(back_)));
        dc.SetPen(wxPen(FromColorRef(0xC8C8C8), 1));
        dc.DrawRectangle(client);
        dc.SetFont(SkinFont(13, 100));
        dc.SetTextForeground(FromColorRef(textColour_));
        DrawSkinText(dc, text_, client, kTextCenter | kTextVCenter | kTextSingleLine);
    });
}

}  // namespace lumora
