#include "ui/skin/GdipListComboBox.h"
#include "ui/skin/ImageIds.h"

#include <algorithm>

#include "ui/skin/WxText.h"

namespace lumora {
namespace {

constexpr int kChoiceFieldHeight = 23;

}  // namespace

CGdipListComboBox::CGdipListComboBox(wxWindow* list, std::function<void(const ChoiceCommit&)> commit)
    : CGdipComboBox(list, wxID_ANY, wxDefaultPosition, wxSize(10, kChoiceFieldHeight)),
      commit_(std::move(commit)) {
    SetFont(list->GetFont());
    SetFrameImage(IDB_COMBO_FRAME_SMALL);
    Hide();
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        e.Skip();
        // A pop-up of our own takes the focus for a moment; that is not leaving the box.
        if (!IsPopupShown())
            CallAfter([this] {
                if (!HasFocus() && !IsPopupShown()) Commit();
            });
    });
}

void CGdipListComboBox::OpenAt(const wxRect& rect, int droppedHeight, int row, int column,
                               std::vector<std::u16string> choices, std::u16string_view cellText) {
    Commit();  // a session still open ends before the next begins
    edit_.Open(row, column, std::move(choices), cellText);
    CGdipComboBox::Clear();
    for (const std::u16string& choice : edit_.Choices()) Append(ToWx(choice));
    if (edit_.Current() >= 0)
        SetSelection(edit_.Current());
    else
        SetFieldOverride(ToWx(edit_.Shown()));
    SetSize(rect.x, rect.y, rect.width, std::max(rect.height, kChoiceFieldHeight));
    SetDroppedHeight(droppedHeight);
    Show();
    Raise();
    SetFocus();
}

void CGdipListComboBox::Commit() {
    std::optional<ChoiceCommit> done = edit_.Commit();
    if (!done) return;
    HidePopup();
    Hide();
    if (commit_) commit_(*done);
}

void CGdipListComboBox::OnUserChoice(int index) {
    edit_.Show(index);
    CGdipComboBox::OnUserChoice(index);
}

void CGdipListComboBox::OnCloseUp() { ReturnToList(); }

bool CGdipListComboBox::HandleKey(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
        case WXK_ESCAPE:
            edit_.Cancel();
            ReturnToList();
            return true;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER: ReturnToList(); return true;
        default: return false;
    }
}

wxString CGdipListComboBox::FieldText() const {
    return ToWx(edit_.IsOpen() ? edit_.Shown() : std::u16string());
}

void CGdipListComboBox::ReturnToList() {
    // Giving the focus back ends the session; commit here as well so the end does not
    // depend on the window manager delivering the focus change.
    if (GetParent() != nullptr) GetParent()->SetFocus();
    Commit();
}

}  // namespace lumora
