#pragma once
// The appliance's 96 time zones: it knows a zone only by its position (1 to 96) here.

#include <array>
#include <string_view>

namespace lumora {

struct TimeZoneRow {
    std::u16string_view location;  // English name, the key of its translation
    std::u16string_view offset;    // "GMT+05:30", never translated
};

inline constexpr int kTimeZoneCount = 96;
extern const std::array<TimeZoneRow, kTimeZoneCount> kTimeZones;

// The list row of zone `number`, or -1 when the number names no zone (outside 1-96).
inline int TimeZoneRowOf(int number) { return number >= 1 && number <= kTimeZoneCount ? number - 1 : -1; }

}  // namespace lumora
