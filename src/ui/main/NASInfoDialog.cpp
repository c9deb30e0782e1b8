#include "ui/main/NASInfoDialog.h"

#include <wx/graphics.h>

#include "app/Language.h"
#include "platform/Format.h"
#include "ui/skin/WxText.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora {
namespace {

constexpr int kVolumeIds[CNASInfoDialog::kMaxVolumes] = {1139, 1138, 1140, 1141};
constexpr int kCornerRadius = 12;

}  // namespace

CNASInfoDialog::CNASInfoDialog(wxWindow* parent, const wxPoint& pos)
    : CSkinCachedPanel(parent, 131, pos, wxSize(kWidth, kHeight)) {
    Hide();
    const wxRect lineRects[4] = {{30, 15, 521, 26}, {31, 55, 519, 17}, {31, 77, 519, 17}, {31, 99, 519, 17}};
    for (int i = 0; i < 4; ++i) {
        lines_[i] =
            new CTransStatic(this, 1129 + i, wxString(), lineRects[i].GetPosition(), lineRects[i].GetSize());
        lines_[i]->SetTextFormat(kTextSingleLine | kTextCenter | kTextVCenter | kTextNoPrefix);
        lines_[i]->SetFontHeight(i == 0 ? 26 : 16);
        lines_[i]->SetFontWeight(100);
    }
    folderList_ = new CFolderListCtrl(this, 1128, wxPoint(31, 135), wxSize(519, 200));
    folderList_->Hide();
    for (int i = 0; i < kMaxVolumes; ++i) {
        volumeCtrls_[i] =
            new CVolumeInfoCtrl(this, kVolumeIds[i], wxPoint(31, 135 + 50 * i), wxSize(519, 50));
        volumeCtrls_[i]->Hide();
    }
}

void CNASInfoDialog::SetNetworkInfo(std::u16string_view name, std::u16string_view address,
                                    std::u16string_view netmask, std::u16string_view gateway) {
    lines_[0]->SetText(name);
    lines_[1]->SetText(u"IP:" + std::u16string(address));
    lines_[2]->SetText(FormatText(Tr(u"Mask:%s"), {netmask}));
    lines_[3]->SetText(FormatText(Tr(u"Gateway:%s"), {gateway}));
}

void CNASInfoDialog::ClearVolumes() {
    volumeCount_ = 0;
    for (CVolumeInfoCtrl* volume : volumeCtrls_) {
        volume->ClearVolume();
        volume->Refresh(false);
        volume->Hide();
    }
}

void CNASInfoDialog::AddVolume(std::u16string_view name, std::uint32_t totalSize, std::uint32_t usedSize) {
    if (volumeCount_ == kMaxVolumes) return;
    CVolumeInfoCtrl& volume = *volumeCtrls_[volumeCount_++];
    volume.ShowVolume(name, usedSize, totalSize);
    volume.Show();
}

void CNASInfoDialog::ShowVolumes() {
    for (CVolumeInfoCtrl* volume : volumeCtrls_) volume->Show(volume->HasVolume());
    folderList_->Hide();
}

void CNASInfoDialog::ShowFolders() {
    for (CVolumeInfoCtrl* volume : volumeCtrls_) volume->Hide();
    folderList_->Show();
}

LRESULT CNASInfoDialog::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    // A double-clicked folder is the main window's business.
    if (message == WM_SKIN_FOLDEROPEN) {
        PostMessage(HandleOf(GetParent()), message, wParam, lParam);
        return 0;
    }
    return CSkinCachedPanel::OnMessage(message, wParam, lParam);
}

void CNASInfoDialog::PaintCache(wxMemoryDC& dc) {
    const wxSize size = GetClientSize();
    if (std::unique_ptr<wxGraphicsContext> gc{wxGraphicsContext::Create(dc)}) {
        gc->SetPen(*wxTRANSPARENT_PEN);
        gc->SetBrush(wxBrush(wxColour(255, 255, 255, 20)));
        gc->DrawRoundedRectangle(0, 0, size.x, size.y, kCornerRadius);
    }
    dc.SetPen(*wxWHITE_PEN);
    dc.DrawLine(187, 46, 393, 46);
    dc.DrawLine(187, 47, 393, 47);
}

}  // namespace lumora
