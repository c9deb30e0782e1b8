#pragma once
// The skinned drop-down list: a framed selection field and a pop-up list of its entries.
//
// A choice made by the user (from the pop-up or with the arrow keys) is announced with
// wxEVT_COMBOBOX carrying the new index. Every colour is the skin's, never the desktop
// theme's. The opened list scrolls (wheel, keys, its scroll bar) when the entries do not fit.

#include <string_view>
#include <vector>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinControl.h"

namespace lumora {

class ComboPopup;

class CGdipComboBox : public CSkinControl {
public:
    static constexpr int kFieldHeight = 24;
    // The closed box: the selection field and its border.
    static constexpr int kClosedHeight = kFieldHeight + 6;

    // A `size` tall enough for a row of the list below the field is a layout height that
    // includes the opened list, as dialog layouts give drop-down lists: the box itself
    // then stays kClosedHeight high and the rest becomes the opened list's height.
    CGdipComboBox(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize);
    ~CGdipComboBox() override;

    // Loads PNG `id` as the frame (its right end carries the arrow); false when it did not load.
    virtual bool SetFrameImage(int id);

    // Appends an entry and returns its index.
    int Append(const wxString& text);
    // Removes every entry and the selection.
    void Clear();
    int GetCount() const { return static_cast<int>(items_.size()); }
    // The entry's text; empty for an index out of range.
    wxString GetString(int index) const;
    // Shows entry `index` (-1 for none); an index out of range is ignored.
    void SetSelection(int index);
    int GetSelection() const { return selection_; }
    // The text in the selection field.
    wxString GetValue() const;

    // Opens or closes the pop-up list.
    void ShowPopup();
    void HidePopup();
    // Whether the pop-up list is open.
    bool IsPopupShown() const;
    // Height of the opened list (all entries when not set).
    void SetDroppedHeight(int height) { droppedHeight_ = height; }
    // The height the opened list takes for the current entries (before it is cut to the screen).
    int PopupHeight() const;
    // The pop-up list, null until first opened (its rows, highlight and scrolling).
    ComboPopup* PopupList() const { return popup_; }

    // Enter and Escape belong to the box while its list is open or a subclass edits.
    bool WantsDialogKey(DialogKey key) const override;

protected:
    // The user chose an entry (pop-up pick or arrow key).
    virtual void OnUserChoice(int index);
    // The pop-up list closed.
    virtual void OnCloseUp() {}
    // Keys the subclass wants first; true when handled.
    virtual bool HandleKey(wxKeyEvent& event) { return false; }
    // The text drawn in the selection field.
    virtual wxString FieldText() const { return GetValue(); }
    // Shows `text` in the field without selecting an entry.
    void SetFieldOverride(const wxString& text);
    void DrawEntry(wxDC& dc, const wxRect& rect, int index, bool highlighted) const;

private:
    friend class ComboPopup;
    void Paint(wxDC& dc, const wxRect& client) override;
    void OnLeftDown(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    bool HandlePopupKey(int key);
    void PopupPicked(int index);
    void PopupClosed();

    CGdiPlusBitmapResource frame_;
    std::vector<wxString> items_;
    int selection_ = -1;
    wxString override_;
    bool hasOverride_ = false;
    int droppedHeight_ = 0;
    ComboPopup* popup_ = nullptr;  // a child window: wx destroys it with the combo box
};

}  // namespace lumora
