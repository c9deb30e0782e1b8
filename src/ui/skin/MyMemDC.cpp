#include "ui/skin/MyMemDC.h"

namespace lumora {

CMyMemDC::CMyMemDC(wxDC& target, const wxRect& rect) : target_(target), rect_(rect) {
    if (rect_.IsEmpty()) rect_ = wxRect(wxPoint(0, 0), target.GetSize());
    bitmap_.Create(std::max(rect_.width, 1), std::max(rect_.height, 1), 24);
    SelectObject(bitmap_);
    SetDeviceOrigin(-rect_.x, -rect_.y);
    SetBackground(*wxBLACK_BRUSH);
    Clear();
}

CMyMemDC::~CMyMemDC() {
    if (copyBack_ && target_.IsOk())
        target_.Blit(rect_.x, rect_.y, rect_.width, rect_.height, this, rect_.x, rect_.y);
    SelectObject(wxNullBitmap);
}

wxBitmap CMyMemDC::Snapshot() {
    SelectObject(wxNullBitmap);
    wxBitmap copy = bitmap_.GetSubBitmap(wxRect(0, 0, bitmap_.GetWidth(), bitmap_.GetHeight()));
    SelectObject(bitmap_);
    return copy;
}

}  // namespace lumora
