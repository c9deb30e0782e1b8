#pragma once
// A plain, slow rendering of the XML reader's tree building, written straight from
// the rules with no shortcuts (every token scanned, names copied onto the stack,
// children re-linked one by one). Tests and the fuzzer compare the real index with it.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xml/ElementTable.h"
#include "xml/XmlProblemLog.h"
#include "xml/XmlScanner.h"

namespace lumora::test {

struct ReferenceTree {
    std::vector<ElementEntry> entries;  // tagLengths left 0; the lengths are below
    std::vector<uint32_t> startLength, endLength;
    std::u16string log;
    bool wellFormed = false;
};

inline ReferenceTree BuildReferenceTree(std::u16string_view text) {
    using namespace entry_flags;
    ReferenceTree t;
    t.entries.push_back({});
    t.startLength.push_back(0);
    t.endLength.push_back(0);
    if (text.empty()) return t;
    XmlProblemLog log;
    struct Open {
        uint32_t entry;
        std::u16string name;
    };
    std::vector<Open> open;
    auto& es = t.entries;
    auto innermost = [&] { return open.empty() ? 0u : open.back().entry; };
    auto unend = [&](uint64_t offset2) {
        const Open top = open.back();
        open.pop_back();
        const uint32_t u = top.entry, parent = innermost();
        es[u].entryFlags |= kUnended;
        t.endLength[u] = 0;
        es[u].spanLength = t.startLength[u];
        std::vector<uint32_t> children;
        for (uint32_t c = es[u].firstChild; c != 0; c = es[c].nextSibling) children.push_back(c);
        es[u].firstChild = 0;
        if (!children.empty()) {
            for (uint32_t c : children) es[c].parentEntry = parent;
            es[u].nextSibling = children.front();
            es[children.front()].prevSibling = u;
            es[es[parent].firstChild].prevSibling = children.back();
        }
        if (es[u].entryFlags & kHasProblem) {
            es[u].entryFlags &= ~kHasProblem;
            es[parent].entryFlags |= kHasProblem;
        }
        log.Add({.name = u"unended_start_tag",
                 .tagname = top.name,
                 .offset = es[u].tagStart,
                 .offset2 = offset2});
        es[0].entryFlags |= kNotWellFormed;
    };
    auto problem = [&] {
        es[0].entryFlags |= kNotWellFormed;
        es[innermost()].entryFlags |= kHasProblem;
    };

    const XmlScanner scanner(text, &log);
    for (size_t pos = 0;;) {
        const XmlToken tok = scanner.Next(pos);
        if (tok.kind == XmlTokenKind::End) break;
        pos = tok.start + tok.length;
        const std::u16string name(
            text.substr(tok.NameStart(), tok.kind <= XmlTokenKind::EndTag ? tok.nameLength : 0));
        if (tok.kind == XmlTokenKind::StartTag) {
            const auto n = static_cast<uint32_t>(es.size());
            const uint32_t parent = innermost();
            ElementEntry e{};
            e.tagStart = tok.start;
            e.spanLength = tok.length;
            e.entryFlags = static_cast<uint32_t>(std::min<size_t>(open.size(), kDepthMask));
            e.parentEntry = parent;
            if (es[parent].firstChild == 0) {
                es[parent].firstChild = n;
                e.prevSibling = n;
                e.entryFlags |= kLinkedFirst;
            } else {
                const uint32_t first = es[parent].firstChild, last = es[first].prevSibling;
                es[last].nextSibling = n;
                e.prevSibling = last;
                es[first].prevSibling = n;
            }
            es.push_back(e);
            t.startLength.push_back(tok.length);
            t.endLength.push_back(0);
            if (!tok.emptyElement) open.push_back({n, name});
        } else if (tok.kind == XmlTokenKind::EndTag) {
            size_t k = open.size();
            while (k > 0 && open[k - 1].name != name) --k;
            if (k == 0) {
                log.Add({.name = u"lone_end_tag", .tagname = name, .offset = tok.start});
                problem();
                continue;
            }
            while (open.size() > k) unend(tok.start + 1u);
            const uint32_t n = open.back().entry;
            es[n].spanLength = tok.start + tok.length - es[n].tagStart;
            t.endLength[n] = tok.length;
            open.pop_back();
        } else if (tok.kind == XmlTokenKind::Problem) {
            problem();
        }
    }
    while (!open.empty()) unend(text.size());
    es[0].spanLength = static_cast<uint32_t>(text.size());
    if (es.size() == 1) {
        log.Add({.name = u"no_root_element"});
    } else {
        es[0].firstChild = 1;
        if (es[1].nextSibling != 0) log.Add({.name = u"root_has_sibling"});
        t.wellFormed = es[1].nextSibling == 0 && !(es[0].entryFlags & kNotWellFormed);
    }
    t.log = log.Text();
    return t;
}

}  // namespace lumora::test
