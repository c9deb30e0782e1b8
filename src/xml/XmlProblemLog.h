#pragma once
// The diagnostic log of an XmlReader: one empty element per problem met while
// reading a document, appended without separators, until the log is long enough.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// What one problem reports; attributes left empty are not written.
struct XmlProblem {
    std::u16string_view name = {};                    // e.g. u"lone_end_tag"
    std::u16string_view type = {};                    // kind of token left open, when unterminated
    std::optional<std::u16string_view> tagname = {};  // element name, which may itself be empty
    std::optional<uint64_t> offset = {};
    std::optional<uint64_t> offset2 = {};
};

class XmlProblemLog {
public:
    // A problem met once the log has reached this many characters is not written.
    static constexpr size_t kCutOff = 1000;

    // Appends <name type=".." tagname=".." offset=".." offset2=".."/> unless the log is full.
    void Add(const XmlProblem& problem);
    // Empties the log.
    void Clear() { text_.clear(); }
    // The log so far.
    const std::u16string& Text() const { return text_; }

private:
    void AddAttribute(std::u16string_view name, std::u16string_view value);
    void AddAttribute(std::u16string_view name, uint64_t value);

    std::u16string text_;
};

}  // namespace lumora
