#pragma once
// The skinned list's header: bold white titles over the list's background and a white rule.

#include "ui/skin/SkinControl.h"

namespace lumora {

class ListModel;

class CGdipHeaderCtrl : public CSkinControl {
public:
    static constexpr int kHeight = 22;

    // A header over `list`'s columns; mouse presses on it do nothing (no resizing or sorting).
    CGdipHeaderCtrl(wxWindow* list, const ListModel& model);
    // Horizontal scroll of the columns under it.
    void SetScrollX(int scrollX);
    bool AcceptsFocus() const override { return false; }

private:
    void Paint(wxDC& dc, const wxRect& client) override;

    const ListModel& model_;
    int scrollX_ = 0;
};

}  // namespace lumora
