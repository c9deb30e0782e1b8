#include "xml/XmlTreeBuilder.h"

#include <algorithm>

#include "xml/ElementTable.h"
#include "xml/XmlProblemLog.h"
#include "xml/XmlScanner.h"

namespace lumora {

using namespace entry_flags;

XmlTreeBuilder::XmlTreeBuilder(std::u16string_view text, ElementTable& table, XmlProblemLog& log,
                               OpenStack& open)
    : text_(text), table_(table), log_(log), open_(open) {
    open_.clear();
    open_.reserve(8);  // the document level and room for 7 open elements
    open_.push_back({0, 0, 0, 0, 0});
}

bool XmlTreeBuilder::SameName(size_t a, size_t b, size_t length) const {
    // Names are short; a plain loop beats a library call here.
    const char16_t* p = text_.data();
    for (size_t i = 0; i < length; ++i)
        if (p[a + i] != p[b + i]) return false;
    return true;
}

uint32_t XmlTreeBuilder::Build() {
    const XmlScanner scanner(text_, &log_);
    const size_t n = text_.size();
    // Text and whitespace make no entries and never a problem, so only markup is scanned as tokens.
    for (size_t pos = scanner.NextMarkup(0); pos < n; pos = scanner.NextMarkup(pos)) {
        // Most end tags are exactly "</" + the innermost name + ">": close it without a scan.
        if (pos + 1 < n && text_[pos + 1] == u'/' && open_.size() > 1) {
            const Level& top = open_.back();
            const size_t close = pos + 2 + top.nameLength;
            if (close < n && text_[close] == u'>' && SameName(top.nameStart, pos + 2, top.nameLength)) {
                Close(pos, close + 1 - pos);
                pos = close + 1;
                continue;
            }
        }
        const XmlToken token = scanner.ScanMarkup(pos);
        switch (token.kind) {
            case XmlTokenKind::StartTag: StartTag(token); break;
            case XmlTokenKind::EndTag: EndTag(token); break;
            case XmlTokenKind::Problem: Problem(); break;
            default: break;  // comments, declarations, CDATA: no entries
        }
        pos = token.start + token.length;
    }
    UnendAbove(1, n);
    LinkLastChild(open_.front());
    return count_;
}

void XmlTreeBuilder::StartTag(const XmlToken& token) {
    if (count_ >= table_.Capacity()) table_.Reserve(table_.Capacity() + table_.Capacity() / 2);
    const uint32_t n = count_++;
    Level& parent = open_.back();
    uint32_t flags = static_cast<uint32_t>(std::min<size_t>(open_.size() - 1, kDepthMask));
    uint32_t prev = parent.lastChild;
    if (prev == 0) {
        parent.firstChild = n;  // written into the parent's entry when it closes
        prev = n;
        flags |= kLinkedFirst;
    } else {
        table_[prev].nextSibling = n;
    }
    parent.lastChild = n;
    const bool longTag = token.length >= ElementTable::kMaxStartTagField;
    table_[n] =
        ElementEntry{token.start, token.length, longTag ? 0 : token.length, flags, parent.entry, 0, 0, prev};
    if (longTag) table_.SetStartTagLength(n, token.length);
    if (!token.emptyElement) open_.push_back({n, token.NameStart(), token.nameLength, 0, 0});
}

void XmlTreeBuilder::EndTag(const XmlToken& token) {
    const std::u16string_view name = text_.substr(token.NameStart(), token.nameLength);
    for (size_t k = open_.size(); k-- > 1;) {
        if (NameOf(open_[k]) != name) continue;
        UnendAbove(k + 1, token.start + 1u);
        Close(token.start, token.length);
        return;
    }
    log_.Add({.name = u"lone_end_tag", .tagname = name, .offset = token.start});
    Problem();
}

void XmlTreeBuilder::Close(size_t endTagStart, size_t endTagLength) {
    const Level& top = open_.back();
    ElementEntry& e = table_[top.entry];
    e.spanLength = static_cast<uint32_t>(endTagStart + endTagLength - e.tagStart);
    table_.SetEndTagLength(top.entry, static_cast<uint32_t>(endTagLength));
    LinkLastChild(top);
    open_.pop_back();
}

void XmlTreeBuilder::LinkLastChild(const Level& level) {
    if (level.lastChild == 0) return;
    table_[level.entry].firstChild = level.firstChild;
    table_[level.firstChild].prevSibling = level.lastChild;
}

void XmlTreeBuilder::Problem() {
    table_[0].entryFlags |= kNotWellFormed;
    table_[open_.back().entry].entryFlags |= kHasProblem;
}

void XmlTreeBuilder::UnendAbove(size_t keep, uint64_t offset2) {
    while (open_.size() > keep) {
        const Level top = open_.back();
        open_.pop_back();
        Level& parent = open_.back();
        const uint32_t u = top.entry;
        ElementEntry& e = table_[u];
        e.entryFlags |= kUnended;
        table_.SetEndTagLength(u, 0);
        e.spanLength = table_.StartTagLength(u);
        if (top.lastChild != 0) {
            // Its children become the siblings right after it (it is the last child of
            // its parent while open). Their parent links are fixed once below for the
            // whole run, so nested unended elements stay linear.
            e.firstChild = 0;
            e.nextSibling = top.firstChild;
            table_[top.firstChild].prevSibling = u;
            parent.lastChild = top.lastChild;
        }
        if (e.entryFlags & kHasProblem) {
            e.entryFlags &= ~kHasProblem;
            table_[parent.entry].entryFlags |= kHasProblem;
        }
        log_.Add(
            {.name = u"unended_start_tag", .tagname = NameOf(top), .offset = e.tagStart, .offset2 = offset2});
        table_[0].entryFlags |= kNotWellFormed;
        if (open_.size() == keep) {
            // u is the outermost of the run: everything after it now belongs to its parent.
            for (uint32_t c = e.nextSibling; c != 0; c = table_[c].nextSibling)
                table_[c].parentEntry = parent.entry;
        }
    }
}

}  // namespace lumora
