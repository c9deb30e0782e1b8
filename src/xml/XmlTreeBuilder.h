#pragma once
// Builds the element table of a document in one pass over its tokens, repairing
// unended elements and ignoring lone end tags as the reader's rules say.

#include <cstdint>
#include <string_view>
#include <vector>

namespace lumora {

class ElementTable;
class XmlProblemLog;
struct XmlToken;

class XmlTreeBuilder {
public:
    // An open element; the bottom of the stack is the document itself (entry 0).
    struct Level {
        uint32_t entry;
        uint32_t nameStart;
        uint32_t nameLength;
        // Kept here while the element is open, so linking a child reads nothing from
        // the table; the parent's first-child link and the first child's backward link
        // are written when the level closes.
        uint32_t firstChild;
        uint32_t lastChild;
    };

    // The stack of open elements; its storage outlives a builder so loads reuse it.
    using OpenStack = std::vector<Level>;

    // Fills `table` (entry 0 cleared by the caller) from `text`, logging problems to `log`.
    XmlTreeBuilder(std::u16string_view text, ElementTable& table, XmlProblemLog& log, OpenStack& open);

    // Scans the whole text; returns the number of entries in use, entry 0 included.
    uint32_t Build();

private:
    [[gnu::always_inline]] inline void StartTag(const XmlToken& token);
    void EndTag(const XmlToken& token);
    // Ends the innermost element with the end tag at `endTagStart` and pops it.
    [[gnu::always_inline]] inline void Close(size_t endTagStart, size_t endTagLength);
    void Problem();
    // Marks the open elements above stack index `keep` unended, innermost first.
    void UnendAbove(size_t keep, uint64_t offset2);
    // Writes the first child of `level` into its entry and points it back at the last child.
    void LinkLastChild(const Level& level);
    // Whether the `length` characters at offsets a and b are equal.
    bool SameName(size_t a, size_t b, size_t length) const;
    std::u16string_view NameOf(const Level& e) const { return text_.substr(e.nameStart, e.nameLength); }

    std::u16string_view text_;
    ElementTable& table_;
    XmlProblemLog& log_;
    OpenStack& open_;
    uint32_t count_ = 1;
};

}  // namespace lumora
