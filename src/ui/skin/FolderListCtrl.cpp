#include "ui/skin/FolderListCtrl.h"

#include <wx/dcclient.h>

#include "ui/skin/ImageIds.h"
#include "ui/skin/SkinText.h"
#include "ui/skin/WxText.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora {
namespace {

constexpr int kDiskSize = 74;

}  // namespace

CFolderListCtrl::CFolderListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size) {
    tile_.LoadPng(IDB_FOLDER_TILE);
    disk_.LoadPng(IDB_FOLDER_DISK);
    scrollBar_ = new CGdipSlider(this, 1, wxPoint(kScrollBarX, 0), wxSize(kScrollBarWidth, kScrollBarHeight));
    scrollBar_->Hide();
    Bind(wxEVT_SIZE, &CFolderListCtrl::OnSize, this);
    Bind(wxEVT_SCROLL_THUMBTRACK, &CFolderListCtrl::OnScroll, this);
    Bind(wxEVT_SCROLL_THUMBRELEASE, &CFolderListCtrl::OnScroll, this);
    Bind(wxEVT_SCROLL_LINEUP, &CFolderListCtrl::OnScroll, this);
    Bind(wxEVT_SCROLL_LINEDOWN, &CFolderListCtrl::OnScroll, this);
    Bind(wxEVT_LEFT_DOWN, &CFolderListCtrl::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CFolderListCtrl::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CFolderListCtrl::OnDoubleClick, this);
    // The wheel over the tiles turns the scroll bar.
    Bind(wxEVT_MOUSEWHEEL, [this](wxMouseEvent& e) {
        if (scrollBar_->IsShown()) scrollBar_->GetEventHandler()->ProcessEvent(e);
    });
}

bool CFolderListCtrl::AddFolder(std::u16string_view name) {
    if (!grid_.Add(name)) return false;
    if (grid_.NeedsScrollBar()) {
        scrollBar_->SetRange(0, grid_.ScrollMaximum());
        scrollBar_->SetPos(0);
        scrollY_ = 0;
        scrollBar_->Show();
    } else {
        scrollBar_->Hide();
    }
    Refresh(false);
    return true;
}

void CFolderListCtrl::ClearFolders() {
    grid_.Clear();
    scrollBar_->Hide();
    scrollBar_->SetPos(0);
    scrollY_ = 0;
    Refresh(false);
}

void CFolderListCtrl::Select(int index) {
    selected_ = (index >= 0 && index < grid_.Count()) ? index : -1;
    Refresh(false);
}

LRESULT CFolderListCtrl::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SKIN_DRAWPARENTBKGND) return ForwardToParent(*this, wParam, lParam);
    return CSkinControl::OnMessage(message, wParam, lParam);
}

void CFolderListCtrl::OnSize(wxSizeEvent& event) {
    scrollBar_->SetSize(kScrollBarX, 0, kScrollBarWidth, kScrollBarHeight);
    Refresh(false);
    event.Skip();
}

void CFolderListCtrl::OnScroll(wxScrollEvent& event) {
    scrollY_ = scrollBar_->GetPos();
    Refresh(false);
}

void CFolderListCtrl::Paint(wxDC& dc, const wxRect& client) {
    if (grid_.Count() == 0) return;
    wxDCClipper clip(dc, wxRect(0, 0, client.width - kScrollBarWidth, client.height));
    dc.SetFont(SkinFont(18, 100));
    dc.SetTextForeground(*wxWHITE);
    for (int i = 0; i < grid_.Count(); ++i) {
        const FolderTile& folder = grid_.Tiles()[i];
        wxRect tile(folder.rect.left, folder.rect.top - scrollY_, folder.rect.right - folder.rect.left,
                    folder.rect.bottom - folder.rect.top);
        if (i == selected_)
            tile_.Draw(dc, wxRect(tile.x, tile.y, FolderGrid::kTileSize, FolderGrid::kTileSize));
        disk_.Draw(dc, wxRect(tile.x + (tile.width - kDiskSize) / 2, tile.y + (tile.height - kDiskSize) / 2,
                              kDiskSize, kDiskSize));
        DrawSkinText(dc, ToWx(folder.displayName), wxRect(tile.x, tile.y, tile.width, tile.height - 10),
                     kTextSingleLine | kTextBottom | kTextCenter);
    }
}

void CFolderListCtrl::OnLeftDown(wxMouseEvent& event) {
    pressed_ = true;
    pressAt_ = event.GetPosition();
    event.Skip();
}

void CFolderListCtrl::OnLeftUp(wxMouseEvent& event) {
    if (pressed_) {
        pressed_ = false;
        // Only a release on the very spot of the press selects: a drag does not.
        if (event.GetPosition() == pressAt_) {
            if (auto hit = grid_.HitTest(event.GetX(), event.GetY() + scrollY_)) selected_ = *hit;
            Refresh(false);
        }
    }
    event.Skip();
}

void CFolderListCtrl::OnDoubleClick(wxMouseEvent& event) {
    if (auto hit = grid_.HitTest(event.GetX(), event.GetY() + scrollY_)) {
        selected_ = *hit;
        Refresh(false);
        HWND parent = HandleOf(GetParent());
        if (parent != kNoWindow) PostMessage(parent, WM_SKIN_FOLDEROPEN, static_cast<WPARAM>(*hit), 0);
    }
    event.Skip();
}

}  // namespace lumora
