#pragma once
// The tolerant XML reader every reply handler uses. It indexes the elements of a
// UTF-16 document in one pass, never rejects a document (malformed markup is
// skipped or repaired and noted in a diagnostic log), and lets the caller walk the
// tree with a three-level cursor: parent, current element, current child.
// Offsets count UTF-16 code units. One thread at a time; no shared state.

#include <cstdint>
#include <string>
#include <string_view>

#include "xml/ElementTable.h"
#include "xml/XmlProblemLog.h"
#include "xml/XmlTreeBuilder.h"

namespace lumora {

class XmlReader {
public:
    // An empty reader, as after LoadText of an empty text.
    XmlReader();

    // Replaces the document, rebuilds the index, empties the log and resets the cursor;
    // true when the document is well-formed with exactly one root element.
    bool LoadText(std::u16string_view text);
    bool LoadText(std::u16string&& text);
    // A null text counts as empty.
    bool LoadText(const char16_t* text);

    // Makes the next matching child of the parent (after the current element) current;
    // an empty or null name matches any element. False, cursor unchanged, when none.
    bool FindNext(std::u16string_view name = {});
    bool FindNext(const char16_t* name);
    // Makes the next matching child of the current element (after the current child) the
    // child; with no current element, first makes the first element of the level current.
    // A miss returns false and keeps the previous child.
    bool FindNextChild(std::u16string_view name = {}) {
        if (currentPos_ == 0) FindNext();
        if (currentPos_ == 0) return false;
        const uint32_t from = childPos_ != 0 ? table_[childPos_].nextSibling : table_[currentPos_].firstChild;
        const uint32_t found = Search(from, name);
        if (found == 0) return false;
        childPos_ = found;
        return true;
    }
    bool FindNextChild(const char16_t* name);
    // The current element becomes the parent and the child becomes current.
    bool Descend() {
        if (currentPos_ == 0 || !currentIsElement_) return false;
        parentPos_ = currentPos_;
        currentPos_ = childPos_;
        childPos_ = 0;
        currentIsElement_ = currentPos_ != 0;
        return true;
    }
    // The parent becomes current and the former current element becomes the child.
    bool Ascend() {
        if (parentPos_ == 0) return false;
        childPos_ = currentPos_;
        currentPos_ = parentPos_;
        parentPos_ = table_[currentPos_].parentEntry;
        currentIsElement_ = true;
        return true;
    }
    // Puts the cursor back at the document level, where LoadText leaves it.
    void Rewind();

    // Text of the current element; empty for none, an empty or unended element, or one with children.
    std::u16string CurrentText() const { return TextOf(currentPos_); }
    // Text of the current child, the same way.
    std::u16string ChildText() const { return TextOf(childPos_); }
    // CurrentText without a copy where it can: a view of the document when the text needs
    // no decoding, else of `scratch`, which then holds it. Valid until LoadText or a change of `scratch`.
    std::u16string_view CurrentTextView(std::u16string& scratch) const {
        return TextViewOf(currentPos_, scratch);
    }
    // ChildText the same way.
    std::u16string_view ChildTextView(std::u16string& scratch) const {
        return TextViewOf(childPos_, scratch);
    }
    // The problems met by the last LoadText, each as an empty element.
    const std::u16string& ProblemLog() const { return log_.Text(); }

    // --- Inspection (tests, tools)

    // Most elements `text` can hold, up to `cap`: every element needs a '<' of its own
    // and at least three code units ("<a>"). The first table segment is sized from it.
    static uint32_t MaxElements(std::u16string_view text, uint32_t cap = UINT32_MAX);

    // The document as loaded.
    std::u16string_view Document() const { return docText_; }
    // Entries in use, entry 0 (the document) included.
    uint32_t EntryCount() const { return entryCount_; }
    // Entry n (n < EntryCount()).
    const ElementEntry& Entry(uint32_t n) const { return table_[n]; }
    // The whole index, with the true tag lengths of entries.
    const ElementTable& Table() const { return table_; }
    // Name of element n as searches read it; empty for entry 0.
    std::u16string_view NameOf(uint32_t n) const;
    uint32_t ParentPos() const { return parentPos_; }
    uint32_t CurrentPos() const { return currentPos_; }
    uint32_t ChildPos() const { return childPos_; }

private:
    bool Index();
    // First entry from `candidate` on (through next siblings) whose name matches; 0 when none.
    uint32_t Search(uint32_t candidate, std::u16string_view name) const {
        return name.empty() ? candidate : SearchNamed(candidate, name);
    }
    uint32_t SearchNamed(uint32_t candidate, std::u16string_view name) const;
    std::u16string TextOf(uint32_t n) const;
    std::u16string_view TextViewOf(uint32_t n, std::u16string& scratch) const;

    std::u16string docText_;
    XmlProblemLog log_;
    ElementTable table_;
    XmlTreeBuilder::OpenStack openStack_;  // kept between loads, like the table
    uint32_t entryCount_ = 1;
    uint32_t parentPos_ = 0;
    uint32_t currentPos_ = 0;
    uint32_t childPos_ = 0;
    bool currentIsElement_ = false;
};

}  // namespace lumora
