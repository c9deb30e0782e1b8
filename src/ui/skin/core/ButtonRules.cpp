#include "ui/skin/core/ButtonRules.h"

namespace lumora {

int CheckAfterClick(ButtonKind kind, int checked) {
    switch (kind) {
        case ButtonKind::CheckBox: return checked ? 0 : 1;
        case ButtonKind::Radio: return 1;
        case ButtonKind::Push: break;
    }
    return 0;
}

int StoredCheck(ButtonKind kind, bool requested) {
    return kind == ButtonKind::Push ? 0 : (requested ? 1 : 0);
}

std::vector<int> OtherGroupMembers(const std::vector<bool>& groupStarts, int index) {
    std::vector<int> others;
    int count = static_cast<int>(groupStarts.size());
    if (index < 0 || index >= count) return others;
    int first = index;
    while (first > 0 && !groupStarts[first]) --first;
    int end = index + 1;
    while (end < count && !groupStarts[end]) ++end;
    for (int i = index + 1; i < end; ++i) others.push_back(i);
    for (int i = first; i < index; ++i) others.push_back(i);
    return others;
}

}  // namespace lumora
