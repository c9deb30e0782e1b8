#pragma once
// Check states and dialog groups of the skinned buttons, without any window.

#include <vector>

namespace lumora {

enum class ButtonKind { Push = 0, CheckBox = 2, Radio = 4 };

// The check state after a click released on the button (or the space bar).
int CheckAfterClick(ButtonKind kind, int checked);
// The state BM_SETCHECK stores: push buttons never hold a check.
int StoredCheck(ButtonKind kind, bool requested);

// The other members of the group of sibling `index`, in walking order. `groupStarts`
// tells for each sibling whether it opens a group; a group runs to the next opener
// and the walk wraps inside it, as the dialog manager walks a group.
std::vector<int> OtherGroupMembers(const std::vector<bool>& groupStarts, int index);

}  // namespace lumora
