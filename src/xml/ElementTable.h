#pragma once
// The element index of an XmlReader: one fixed-size entry per element, kept in
// segments that never move, so an entry number stays valid while the table grows.
// The first segment is sized for the document at hand (a small reply needs a few
// hundred entries, not a whole segment); the later ones hold kSegmentSize each.

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace lumora {

// One element: offsets and links only; names and text stay in the document.
struct ElementEntry {
    uint32_t tagStart;     // offset of the '<' that opens the start tag
    uint32_t spanLength;   // '<' to the end tag's '>' inclusive; the start tag alone when there is no end tag
    uint32_t tagLengths;   // bits 0-21 start-tag length, bits 22-31 end-tag length (0 = none)
    uint32_t entryFlags;   // bits 0-15 depth, plus the flag bits below
    uint32_t parentEntry;  // 0 for a top-level element
    uint32_t firstChild;   // 0 when none
    uint32_t nextSibling;  // 0 for the last child
    uint32_t prevSibling;  // in a first child: the last child of the same parent
};
static_assert(sizeof(ElementEntry) == 32, "the entry layout is eight 32-bit fields");

namespace entry_flags {
inline constexpr uint32_t kDepthMask = 0xFFFF;
inline constexpr uint32_t kLinkedFirst = 1u << 19;
inline constexpr uint32_t kUnended = 1u << 20;
inline constexpr uint32_t kHasProblem = 1u << 21;
inline constexpr uint32_t kNotWellFormed = 1u << 23;  // entry 0 only
}  // namespace entry_flags

class ElementTable {
public:
    static constexpr uint32_t kSegmentBits = 16;
    static constexpr uint32_t kSegmentSize = 1u << kSegmentBits;
    static constexpr uint32_t kMaxStartTagField = (1u << 22) - 1;  // 4,194,303
    static constexpr uint32_t kMaxEndTagField = (1u << 10) - 1;    // 1,023

    // Starts a new document whose entries never outnumber `firstEntries` unless that is
    // a whole segment: forgets the old entries and sizes the first segment for it,
    // keeping storage of a similar size.
    void Reset(uint64_t firstEntries);
    // Makes room for at least `entries` entries; existing entries stay where they are
    // (as long as the first segment was sized by a true bound, see Reset).
    void Reserve(uint64_t entries);
    // Number of entries that fit without growing.
    uint64_t Capacity() const { return capacity_; }

    // Entry n; n must be below Capacity().
    ElementEntry& operator[](uint32_t n) { return segments_[n >> kSegmentBits][n & (kSegmentSize - 1)]; }
    const ElementEntry& operator[](uint32_t n) const {
        return segments_[n >> kSegmentBits][n & (kSegmentSize - 1)];
    }

    // Start-tag length of entry n, including lengths too long for the packed field.
    uint32_t StartTagLength(uint32_t n) const {
        const uint32_t packed = (*this)[n].tagLengths & kMaxStartTagField;
        return packed != kMaxStartTagField ? packed : LongLength(longStartTags_, n, packed);
    }
    // End-tag length of entry n (0 = none), including lengths too long for the packed field.
    uint32_t EndTagLength(uint32_t n) const {
        const uint32_t packed = (*this)[n].tagLengths >> 22;
        return packed != kMaxEndTagField ? packed : LongLength(longEndTags_, n, packed);
    }
    // Stores the start-tag length; a length beyond the field's width is kept on the side.
    void SetStartTagLength(uint32_t n, uint32_t length) {
        ElementEntry& e = (*this)[n];
        if (length >= kMaxStartTagField) length = KeepLong(longStartTags_, n, length, kMaxStartTagField);
        e.tagLengths = (e.tagLengths & ~kMaxStartTagField) | length;
    }
    // Stores the end-tag length; a length beyond the field's width is kept on the side.
    void SetEndTagLength(uint32_t n, uint32_t length) {
        ElementEntry& e = (*this)[n];
        if (length >= kMaxEndTagField) length = KeepLong(longEndTags_, n, length, kMaxEndTagField);
        e.tagLengths = (e.tagLengths & kMaxStartTagField) | (length << 22);
    }

private:
    // The recorded length of entry n, or the marker when it was not too long after all.
    static uint32_t LongLength(const std::unordered_map<uint32_t, uint32_t>& side, uint32_t n,
                               uint32_t marker);
    // Records a length too long for its field; returns the field's marker value.
    static uint32_t KeepLong(std::unordered_map<uint32_t, uint32_t>& side, uint32_t n, uint32_t length,
                             uint32_t marker);

    std::vector<std::unique_ptr<ElementEntry[]>> segments_;
    uint64_t firstCapacity_ = 0;  // entries of segments_[0]; kSegmentSize once there are more
    uint64_t capacity_ = 0;
    // Tags whose lengths do not fit their bits; empty for any sensible document.
    std::unordered_map<uint32_t, uint32_t> longStartTags_;
    std::unordered_map<uint32_t, uint32_t> longEndTags_;
};

}  // namespace lumora
