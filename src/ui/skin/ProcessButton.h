#pragma once
// The wizard's step tabs: a step mark and the step's name, coloured by the step's state.

#include <array>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinButtonBase.h"

namespace lumora {

enum class StepState { Current = 0, Done = 1, ToCome = 2 };

class CProcessButton : public CSkinButtonBase {
public:
    static constexpr int kLastStepWidth = 15;

    CProcessButton(wxWindow* parent, wxWindowID id, const wxString& label,
                   const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);

    // Which mark and text colour the tab shows.
    void SetStepState(StepState state);
    StepState GetStepState() const { return state_; }
    // The last tab shows only the start of its mark.
    void SetLastStep(bool last);

protected:
    void DrawFace(wxDC& dc, const FaceState& state) override;
    void DrawLabel(wxDC& dc, const FaceState& state) override;

private:
    std::array<CGdiPlusBitmapResource, 3> marks_;  // done, current, to come
    bool marksLoaded_ = false;
    StepState state_ = StepState::ToCome;
    bool lastStep_ = false;
};

}  // namespace lumora
