#pragma once
// The in-place choice box's editing session: which text each way of leaving it commits.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// What an ended session writes into its cell.
struct ChoiceCommit {
    int row;
    int column;
    std::u16string text;
};

class ChoiceEdit {
public:
    // Starts a session over (row, column): the box shows the choice that begins with the
    // cell's text (case-insensitive), or the cell's text itself when none does.
    void Open(int row, int column, std::vector<std::u16string> choices, std::u16string_view cellText);

    bool IsOpen() const { return open_; }
    const std::vector<std::u16string>& Choices() const { return choices_; }
    // Index of the shown choice, -1 when the box shows a text that is no choice.
    int Current() const { return current_; }
    // The text the box shows.
    const std::u16string& Shown() const { return shown_; }

    // Shows another choice; an index out of range changes nothing.
    void Show(int index);
    // Moves the shown choice up (-1) or down (+1), staying inside the list.
    void Step(int delta);
    // Escape: the session will commit the text the cell had.
    void Cancel() { cancelled_ = true; }

    // Ends the session (focus left the box, by Enter, a pick or a click elsewhere);
    // gives the commit once, nothing when no session is open.
    std::optional<ChoiceCommit> Commit();

private:
    bool open_ = false;
    bool cancelled_ = false;
    int row_ = -1;
    int column_ = -1;
    int current_ = -1;
    std::u16string startText_;
    std::u16string shown_;
    std::vector<std::u16string> choices_;
};

}  // namespace lumora
