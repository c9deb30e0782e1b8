#pragma once
// The shared folders as a scrollable grid of disk tiles, four to a row, at most 26.
//
// A double-click on a folder posts WM_SKIN_FOLDEROPEN (wParam: folder index) to the parent.

#include <string_view>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/GdipSlider.h"
#include "ui/skin/SkinControl.h"
#include "ui/skin/core/FolderGrid.h"

namespace lumora {

class CFolderListCtrl : public CSkinControl {
public:
    static constexpr int kScrollBarX = 506;
    static constexpr int kScrollBarWidth = 13;
    static constexpr int kScrollBarHeight = 200;

    CFolderListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                    const wxSize& size = wxSize(519, 200));

    // Appends a folder; false when 26 are already shown (the rest are ignored).
    bool AddFolder(std::u16string_view name);
    // Removes every folder, hides the scroll bar and scrolls back to the top; keeps the selection.
    void ClearFolders();

    const FolderGrid& Grid() const { return grid_; }
    int Selected() const { return selected_; }
    // Selects a folder (-1 for none); an index without a folder selects nothing.
    void Select(int index);
    int ScrollY() const { return scrollY_; }
    CGdipSlider& ScrollBar() { return *scrollBar_; }

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(wxDC& dc, const wxRect& client) override;
    void OnSize(wxSizeEvent& event);
    void OnScroll(wxScrollEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);

    CGdiPlusBitmapResource tile_;
    CGdiPlusBitmapResource disk_;
    FolderGrid grid_;
    CGdipSlider* scrollBar_;  // child window, destroyed by wx
    int scrollY_ = 0;
    int selected_ = -1;
    bool pressed_ = false;
    wxPoint pressAt_;
};

}  // namespace lumora
