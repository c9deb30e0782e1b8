#pragma once
// The information panel in the middle of the main window: the logged-in appliance's
// name, address, netmask and gateway over either its volumes or its shared folders.
// It asks nothing itself; the main window fills it and chooses the half shown.

#include <array>
#include <cstdint>
#include <string>

#include "ui/skin/FolderListCtrl.h"
#include "ui/skin/SkinCachedPanel.h"
#include "ui/skin/TransStatic.h"
#include "ui/skin/VolumeInfoCtrl.h"

namespace lumora {

class CNASInfoDialog : public CSkinCachedPanel {
public:
    static constexpr int kWidth = 581;
    static constexpr int kHeight = 358;
    static constexpr int kMaxVolumes = 4;

    // The panel at `pos` of the main window, hidden.
    CNASInfoDialog(wxWindow* parent, const wxPoint& pos);

    // The four lines: the name as it is, "IP:" + address, and the translated mask and gateway lines.
    void SetNetworkInfo(std::u16string_view name, std::u16string_view address, std::u16string_view netmask,
                        std::u16string_view gateway);
    // Forgets every volume and hides the four controls.
    void ClearVolumes();
    // Shows the next volume (sizes in GiB); a fifth one is ignored.
    void AddVolume(std::u16string_view name, std::uint32_t totalSize, std::uint32_t usedSize);
    // Shows the volume controls that hold a volume and hides the folder list.
    void ShowVolumes();
    // Hides the volume controls and shows the folder list.
    void ShowFolders();

    int VolumeCount() const { return volumeCount_; }
    CVolumeInfoCtrl& Volume(int i) const { return *volumeCtrls_[i]; }
    CFolderListCtrl& FolderList() const { return *folderList_; }
    CTransStatic& Line(int i) const { return *lines_[i]; }

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The pane's look: a light white veil with rounded corners and the double line under the name.
    void PaintCache(wxMemoryDC& dc) override;

private:
    std::array<CTransStatic*, 4> lines_{};  // child windows, destroyed by wx
    CFolderListCtrl* folderList_ = nullptr;
    std::array<CVolumeInfoCtrl*, kMaxVolumes> volumeCtrls_{};
    int volumeCount_ = 0;
};

}  // namespace lumora
