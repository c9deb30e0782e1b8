#pragma once
// One volume's usage: its name, "used/available" sizes, the percentage and a usage bar.

#include <cstdint>
#include <string_view>

#include "ui/skin/GdipProcessCtrl.h"
#include "ui/skin/SkinControl.h"
#include "ui/skin/TransStatic.h"

namespace lumora {

class CVolumeInfoCtrl : public CSkinControl {
public:
    CVolumeInfoCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                    const wxSize& size = wxSize(470, 50));

    // Shows a volume: `first` GiB used of `second` GiB (a total of 0 shows 0%).
    void ShowVolume(std::u16string_view name, std::uint32_t first, std::uint32_t second);
    // Whether a volume is shown.
    bool HasVolume() const { return hasVolume_; }
    // Forgets the volume: clears the flag and the three texts.
    void ClearVolume();

    CTransStatic& NameLabel() { return *name_; }
    CTransStatic& SizesLabel() { return *sizes_; }
    CTransStatic& PercentLabel() { return *percent_; }
    CGdipProcessCtrl& UsageBar() { return *bar_; }

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;
    bool AcceptsFocus() const override { return false; }

private:
    void OnSize(wxSizeEvent& event);

    CTransStatic* name_;  // child windows, destroyed by wx
    CTransStatic* sizes_;
    CTransStatic* percent_;
    CGdipProcessCtrl* bar_;
    bool hasVolume_ = false;
};

}  // namespace lumora
