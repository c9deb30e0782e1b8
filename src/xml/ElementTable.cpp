#include "xml/ElementTable.h"

namespace lumora {

void ElementTable::Reserve(uint64_t entries) {
    if (entries <= capacity_) return;
    capacity_ = entries;
    const uint64_t segmentsNeeded = (entries + kSegmentSize - 1) >> kSegmentBits;
    // Whole segments left uninitialised: the pages of a small document's table are
    // never touched beyond the entries it uses, and only the directory ever moves.
    while (segments_.size() < segmentsNeeded)
        segments_.push_back(std::make_unique_for_overwrite<ElementEntry[]>(kSegmentSize));
}

void ElementTable::Reset() {
    longStartTags_.clear();
    longEndTags_.clear();
}

uint32_t ElementTable::LongLength(const std::unordered_map<uint32_t, uint32_t>& side, uint32_t n, uint32_t marker) {
    auto it = side.find(n);
    return it == side.end() ? marker : it->second;
}

uint32_t ElementTable::KeepLong(std::unordered_map<uint32_t, uint32_t>& side, uint32_t n, uint32_t length,
                                uint32_t marker) {
    side[n] = length;
    return marker;
}

}  // namespace lumora
