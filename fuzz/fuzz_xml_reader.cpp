// Feeds arbitrary bytes to the XML reader as UTF-16 (two bytes a code unit,
// little-endian, an odd last byte dropped), then walks the whole tree with every
// cursor operation and text request (copied and viewed), checking the index's own
// invariants and the element bound, and comparing it with the plain rendering of the
// building rules.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../tests/support/XmlReferenceTree.h"
#include "xml/XmlReader.h"

namespace {

using lumora::ElementEntry;
using lumora::XmlReader;

void Check(bool ok) {
    if (!ok) std::abort();
}

void CheckEntry(const XmlReader& r, uint32_t n) {
    const ElementEntry& e = r.Entry(n);
    const size_t size = r.Document().size();
    const uint32_t start = r.Table().StartTagLength(n), end = r.Table().EndTagLength(n);
    Check(e.tagStart < size && e.spanLength <= size - e.tagStart);
    Check(start >= 3);
    Check(e.spanLength >= start && (end == 0 ? e.spanLength == start : e.spanLength >= start + end));
    Check(e.parentEntry < n && e.firstChild < r.EntryCount() && e.nextSibling < r.EntryCount());
    Check(e.nextSibling == 0 || e.nextSibling > n);
    Check(r.Document()[e.tagStart] == u'<');
}

// Visits the children of the cursor's current element the way the reply handlers
// do, reading every text on the way, and recurses through Descend/Ascend.
void Walk(XmlReader& r, int depth, uint64_t& visits) {
    while (r.FindNextChild() && ++visits < 200000) {
        const uint32_t child = r.ChildPos();
        CheckEntry(r, child);
        std::u16string scratch;
        const std::u16string text = r.ChildText();
        Check(r.ChildTextView(scratch) == text);
        (void)r.NameOf(child);
        Check(r.Descend());
        Check(r.CurrentPos() == child);
        Check(r.CurrentTextView(scratch) == text);
        if (depth < 200) Walk(r, depth + 1, visits);
        Check(r.Ascend());
        Check(r.ChildPos() == child);
        // A named search only ever moves forward; the walk goes on from where it lands.
        const std::u16string name(r.NameOf(child));
        if (!name.empty() && (visits & 1)) Check(!r.FindNextChild(name) || r.ChildPos() > child);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i + 1 < size; i += 2)
        text[i / 2] = static_cast<char16_t>(data[i] | (data[i + 1] << 8));

    // One reader for every input: reloading must forget everything of the last document.
    static XmlReader r;
    const bool wellFormed = r.LoadText(text);
    Check(r.Document() == text);
    Check(r.Entry(0).spanLength == text.size());
    // The bound the first table segment is sized from really holds.
    Check(r.EntryCount() - 1 <= XmlReader::MaxElements(text));
    for (uint32_t n = 1; n < r.EntryCount(); ++n) CheckEntry(r, n);

    const lumora::test::ReferenceTree ref = lumora::test::BuildReferenceTree(text);
    Check(wellFormed == ref.wellFormed && r.ProblemLog() == ref.log && r.EntryCount() == ref.entries.size());
    for (uint32_t n = 0; n < r.EntryCount(); ++n) {
        const ElementEntry &a = r.Entry(n), &b = ref.entries[n];
        Check(a.tagStart == b.tagStart && a.spanLength == b.spanLength && a.entryFlags == b.entryFlags &&
              a.parentEntry == b.parentEntry && a.firstChild == b.firstChild &&
              a.nextSibling == b.nextSibling && a.prevSibling == b.prevSibling);
        Check(n == 0 || (r.Table().StartTagLength(n) == ref.startLength[n] &&
                         r.Table().EndTagLength(n) == ref.endLength[n]));
    }

    // Top level by siblings, each element entered and walked.
    uint64_t visits = 0;
    while (r.FindNext() && ++visits < 200000) {
        (void)r.CurrentText();
        Walk(r, 0, visits);
    }
    // A second pass the way handlers start: FindNextChild from a fresh cursor.
    r.LoadText(std::move(text));
    Walk(r, 0, visits);
    while (r.Ascend()) {}
    Check(!r.Descend() || r.ParentPos() != 0);
    (void)r.ProblemLog();
    return 0;
}
