#pragma once
// Fast searches for one or two code units in UTF-16 text: the reader spends most
// of its time looking for the next '<', '>', '=' or quote.

#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumora::xml_search {

// Offset of the first `a` or `b` at or after `from`, eight units at a time;
// text.size() when there is none.
inline size_t FindEitherWide(std::u16string_view text, size_t from, char16_t a, char16_t b) {
    const size_t n = text.size();
    const char16_t* p = text.data();
    size_t i = from;
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi16(static_cast<short>(a));
    const __m128i vb = _mm_set1_epi16(static_cast<short>(b));
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(v, va), _mm_cmpeq_epi16(v, vb)));
        if (mask != 0) return i + (__builtin_ctz(static_cast<unsigned>(mask)) >> 1);
    }
#endif
    for (; i < n; ++i)
        if (p[i] == a || p[i] == b) return i;
    return n;
}

// The same, looking at the first few units one by one: for short runs such as
// attribute values, where the wide steps cost more than they save.
inline size_t FindEither(std::u16string_view text, size_t from, char16_t a, char16_t b) {
    const size_t n = text.size();
    const size_t stop = from + 8 < n ? from + 8 : n;
    for (size_t i = from; i < stop; ++i)
        if (text[i] == a || text[i] == b) return i;
    return stop == n ? n : FindEitherWide(text, stop, a, b);
}

// Number of `a` in `text`; the count stops growing once it has reached `limit`
// (it may pass it). Counted in 16-bit lanes, summed after each block of units.
inline size_t CountWide(std::u16string_view text, char16_t a, size_t limit) {
    const size_t n = text.size();
    const char16_t* p = text.data();
    size_t count = 0, i = 0;
#if defined(__SSE2__)
    constexpr size_t kBlock = 8 * 4096;  // at most 4096 per lane: no lane overflows
    const __m128i va = _mm_set1_epi16(static_cast<short>(a));
    while (i + 8 <= n && count < limit) {
        const size_t stop = i + kBlock < n ? i + kBlock : n;
        // Two chains of lanes, so one step need not wait for the last.
        __m128i lanes = _mm_setzero_si128(), lanes2 = _mm_setzero_si128();
        for (; i + 16 <= stop; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 8));
            lanes = _mm_sub_epi16(lanes, _mm_cmpeq_epi16(v, va));  // a match is -1
            lanes2 = _mm_sub_epi16(lanes2, _mm_cmpeq_epi16(w, va));
        }
        for (; i + 8 <= stop; i += 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            lanes = _mm_sub_epi16(lanes, _mm_cmpeq_epi16(v, va));
        }
        const __m128i ones = _mm_set1_epi16(1);
        const __m128i pairs = _mm_add_epi32(_mm_madd_epi16(lanes, ones), _mm_madd_epi16(lanes2, ones));
        alignas(16) int sums[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(sums), pairs);
        count += static_cast<size_t>(sums[0]) + sums[1] + sums[2] + sums[3];
    }
#endif
    for (; i < n && count < limit; ++i) count += p[i] == a;
    return count;
}

// Offset of the first `a` at or after `from`; text.size() when there is none.
inline size_t Find(std::u16string_view text, size_t from, char16_t a) { return FindEither(text, from, a, a); }
// The same, eight units at a time from the start.
inline size_t FindWide(std::u16string_view text, size_t from, char16_t a) {
    return FindEitherWide(text, from, a, a);
}

}  // namespace lumora::xml_search
