#pragma once
// The skinned list's in-place choice box: opens over a cell, and whatever way it is
// left (Enter, a pick, a click elsewhere, Escape) commits one text to that cell.

#include <functional>
#include <optional>

#include "ui/skin/GdipComboBox.h"
#include "ui/skin/core/ChoiceEdit.h"

namespace lumora {

class CGdipListComboBox : public CGdipComboBox {
public:
    // `commit` receives the session's end; it runs on the UI thread.
    CGdipListComboBox(wxWindow* list, std::function<void(const ChoiceCommit&)> commit);

    // Opens over `rect` (list client coordinates) for a cell, showing the cell's text.
    void OpenAt(const wxRect& rect, int droppedHeight, int row, int column,
                std::vector<std::u16string> choices, std::u16string_view cellText);
    // Ends the session now (focus gone): commits and hides; nothing when none is open.
    void Commit();
    bool IsEditing() const { return edit_.IsOpen(); }
    // While a session is open, Enter and Escape end it (never the window's buttons).
    bool WantsDialogKey(DialogKey key) const override {
        return IsEditing() || CGdipComboBox::WantsDialogKey(key);
    }
    const ChoiceEdit& Session() const { return edit_; }

protected:
    void OnUserChoice(int index) override;
    void OnCloseUp() override;
    bool HandleKey(wxKeyEvent& event) override;
    wxString FieldText() const override;

private:
    void ReturnToList();

    ChoiceEdit edit_;
    std::function<void(const ChoiceCommit&)> commit_;
};

}  // namespace lumora
