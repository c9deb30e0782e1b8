#include "ui/skin/VolumeInfoCtrl.h"

#include <wx/dcclient.h>

#include "app/Language.h"
#include "platform/Format.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/core/SkinMessages.h"
#include "ui/skin/core/VolumeUsage.h"

namespace lumora {
namespace {

// Client rectangles of the children (left, top, right, bottom).
const wxRect kNameRect(wxPoint(48, 13), wxPoint(124, 29));
const wxRect kSizesRect(wxPoint(141, 35), wxPoint(412, 48));
const wxRect kPercentRect(wxPoint(422, 16), wxPoint(467, 30));
const wxRect kBarRect(wxPoint(140, 16), wxPoint(411, 29));

}  // namespace

CVolumeInfoCtrl::CVolumeInfoCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size) {
    name_ = new CTransStatic(this, 1, wxString(), kNameRect.GetPosition(), kNameRect.GetSize());
    sizes_ = new CTransStatic(this, 2, wxString(), kSizesRect.GetPosition(), kSizesRect.GetSize());
    percent_ = new CTransStatic(this, 3, wxString(), kPercentRect.GetPosition(), kPercentRect.GetSize());
    bar_ = new CGdipProcessCtrl(this, 4, kBarRect.GetPosition(), kBarRect.GetSize());
    bar_->SetRange(0, 100);
    bar_->SetPos(50);
    bar_->SetImages(IDB_USAGE_TRACK, IDB_USAGE_LEFT, IDB_USAGE_MIDDLE, IDB_USAGE_RIGHT);
    name_->SetTextFormat(kTextSingleLine | kTextBottom | kTextRight);
    name_->SetFontHeight(18);
    sizes_->SetTextFormat(kTextSingleLine | kTextBottom);
    sizes_->SetFontHeight(13);
    percent_->SetTextFormat(kTextSingleLine | kTextBottom | kTextRight);
    percent_->SetFontHeight(17);
    Bind(wxEVT_SIZE, &CVolumeInfoCtrl::OnSize, this);
}

void CVolumeInfoCtrl::ShowVolume(std::u16string_view name, std::uint32_t first, std::uint32_t second) {
    hasVolume_ = true;
    name_->SetText(name);
    sizes_->SetText(FormatText(Tr(u"%dG Used/%dG Available"),
                               {static_cast<long long>(first), static_cast<long long>(second)}));
    std::uint32_t percent = VolumePercent(first, second);
    percent_->SetText(FormatText(Tr(u"%d%%"), {static_cast<long long>(percent)}));
    bar_->SetPos(static_cast<int>(std::min<std::uint32_t>(percent, 100)));
    Refresh(false);
}

void CVolumeInfoCtrl::ClearVolume() {
    hasVolume_ = false;
    name_->SetText(wxString());
    sizes_->SetText(wxString());
    percent_->SetText(wxString());
}

LRESULT CVolumeInfoCtrl::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SKIN_DRAWPARENTBKGND) return ForwardToParent(*this, wParam, lParam);
    return CSkinControl::OnMessage(message, wParam, lParam);
}

void CVolumeInfoCtrl::OnSize(wxSizeEvent& event) {
    name_->SetSize(kNameRect);
    sizes_->SetSize(kSizesRect);
    percent_->SetSize(kPercentRect);
    bar_->SetSize(kBarRect);
    event.Skip();
}

}  // namespace lumora
