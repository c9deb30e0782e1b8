#include "ui/skin/core/ChoiceEdit.h"

namespace lumora {
namespace {

char16_t foldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool startsWithFolded(std::u16string_view text, std::u16string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (foldAscii(text[i]) != foldAscii(prefix[i])) return false;
    return true;
}

}  // namespace

void ChoiceEdit::Open(int row, int column, std::vector<std::u16string> choices,
                      std::u16string_view cellText) {
    open_ = true;
    cancelled_ = false;
    row_ = row;
    column_ = column;
    choices_ = std::move(choices);
    // Escape keeps the cell as it was: starting from the first choice would turn an
    // Escape on the drive-mapping page into "unmap this drive".
    startText_ = std::u16string(cellText);
    shown_ = startText_;
    current_ = -1;
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        if (startsWithFolded(choices_[i], cellText)) {
            Show(static_cast<int>(i));
            break;
        }
    }
}

void ChoiceEdit::Show(int index) {
    if (index < 0 || index >= static_cast<int>(choices_.size())) return;
    current_ = index;
    shown_ = choices_[index];
}

void ChoiceEdit::Step(int delta) {
    if (choices_.empty()) return;
    int next = current_ < 0 ? 0 : current_ + delta;
    if (next < 0) next = 0;
    if (next >= static_cast<int>(choices_.size())) next = static_cast<int>(choices_.size()) - 1;
    Show(next);
}

std::optional<ChoiceCommit> ChoiceEdit::Commit() {
    if (!open_) return std::nullopt;
    open_ = false;
    return ChoiceCommit{row_, column_, cancelled_ ? startText_ : shown_};
}

}  // namespace lumora
