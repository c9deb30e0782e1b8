#include "xml/ElementTable.h"

#include <algorithm>

namespace lumora {

namespace {

// Entries left uninitialised: only the entries a document uses are ever written.
std::unique_ptr<ElementEntry[]> NewSegment(uint64_t entries) {
    return std::make_unique_for_overwrite<ElementEntry[]>(entries);
}

}  // namespace

void ElementTable::Reset(uint64_t firstEntries) {
    if (!longStartTags_.empty()) longStartTags_.clear();
    if (!longEndTags_.empty()) longEndTags_.clear();
    const uint64_t wanted = std::clamp<uint64_t>(firstEntries, 1, kSegmentSize);
    // Storage of a similar size is kept; a reader that loaded a large document once
    // does not go on holding its table for small ones.
    if (segments_.empty() || firstCapacity_ < wanted || firstCapacity_ / 4 > wanted) {
        segments_.clear();
        segments_.push_back(NewSegment(wanted));
        firstCapacity_ = wanted;
    } else if (wanted < kSegmentSize) {
        segments_.resize(1);
    }
    capacity_ = segments_.size() * kSegmentSize - (kSegmentSize - firstCapacity_);
}

void ElementTable::Reserve(uint64_t entries) {
    if (entries <= Capacity()) return;
    if (firstCapacity_ < kSegmentSize) {
        // Unreachable when Reset had a true bound; kept sound for any other caller,
        // at the price of moving the few entries of the short first segment.
        auto full = NewSegment(kSegmentSize);
        std::copy_n(segments_[0].get(), firstCapacity_, full.get());
        segments_[0] = std::move(full);
        firstCapacity_ = kSegmentSize;
    }
    const uint64_t segmentsNeeded = (entries + kSegmentSize - 1) >> kSegmentBits;
    while (segments_.size() < segmentsNeeded) segments_.push_back(NewSegment(kSegmentSize));
    capacity_ = segments_.size() * kSegmentSize;
}

uint32_t ElementTable::LongLength(const std::unordered_map<uint32_t, uint32_t>& side, uint32_t n,
                                  uint32_t marker) {
    auto it = side.find(n);
    return it == side.end() ? marker : it->second;
}

uint32_t ElementTable::KeepLong(std::unordered_map<uint32_t, uint32_t>& side, uint32_t n, uint32_t length,
                                uint32_t marker) {
    side[n] = length;
    return marker;
}

}  // namespace lumora
