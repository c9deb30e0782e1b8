#include "ui/skin/ProcessButton.h"
#include "ui/skin/ImageIds.h"

#include "ui/skin/SkinText.h"

namespace lumora {

CProcessButton::CProcessButton(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                               const wxSize& size)
    : CSkinButtonBase(parent, id, label, pos, size, ButtonKind::Push) {}

void CProcessButton::SetStepState(StepState state) {
    state_ = state;
    Refresh(false);
}

void CProcessButton::SetLastStep(bool last) {
    lastStep_ = last;
    Refresh(false);
}

void CProcessButton::DrawFace(wxDC& dc, const FaceState& s) {
    if (!marksLoaded_) {
        marks_[0].LoadPng(IDB_STEP_DONE);
        marks_[1].LoadPng(IDB_STEP_CURRENT);
        marks_[2].LoadPng(IDB_STEP_TO_COME);
        marksLoaded_ = true;
    }
    const CGdiPlusBitmapResource& mark = marks_[state_ == StepState::Done      ? 0
                                                : state_ == StepState::Current ? 1
                                                                               : 2];
    if (!mark.IsLoaded()) return;
    int width = lastStep_ ? kLastStepWidth : std::min(GetClientSize().x, mark.Width());
    wxRect part(0, 0, width, mark.Height());
    if (s.disabled)
        DrawDisabledCached(dc, part, [&] {
            wxDCClipper cut(dc, part);
            mark.Draw(dc, wxRect(0, 0, mark.Width(), mark.Height()), kDisabledOpacity);
        });
    else
        mark.DrawPart(dc, part, part);
}

void CProcessButton::DrawLabel(wxDC& dc, const FaceState& s) {
    std::uint32_t colour = 0x646464;
    if (!s.disabled && state_ == StepState::Current) colour = 0xFFA000;
    if (!s.disabled && state_ == StepState::Done) colour = 0xFFFFFF;
    dc.SetFont(SkinFont(13, 100));
    dc.SetTextForeground(FromColorRef(colour));
    wxSize size = GetClientSize();
    DrawSkinText(dc, GetLabel(), wxRect(0, 22, size.x, size.y - 22), kTextBottom);
}

}  // namespace lumora
