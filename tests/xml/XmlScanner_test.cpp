#include "xml/XmlScanner.h"

#include <gtest/gtest.h>

#include "platform/Text.h"

#include <string>
#include <vector>

#include "xml/XmlProblemLog.h"

namespace lumora {
namespace {

using K = XmlTokenKind;

struct Scanned {
    std::vector<std::pair<K, uint32_t>> tokens;  // kind and length
    std::u16string log;
};

Scanned ScanAll(std::u16string_view text) {
    XmlProblemLog log;
    const XmlScanner scanner(text, &log);
    Scanned out;
    size_t pos = 0;
    for (XmlToken t = scanner.Next(pos); t.kind != K::End; t = scanner.Next(pos)) {
        EXPECT_EQ(t.start, pos);
        out.tokens.emplace_back(t.kind, t.length);
        pos = t.start + t.length;
    }
    EXPECT_EQ(pos, text.size());
    out.log = log.Text();
    return out;
}

TEST(XmlScannerTest, TokensAndProblems) {
    struct Case {
        std::u16string_view text;
        std::vector<std::pair<K, uint32_t>> tokens;
        std::u16string_view log;
    };
    const Case cases[] = {
        {u"<a x='1>2' y=\"'\">", {{K::StartTag, 17}}, u""},
        {u"<a x = \"v\"/>", {{K::StartTag, 12}}, u""},
        {u"<?x?><!--c--><!-->", {{K::ProcessingInstruction, 5}, {K::Comment, 8}, {K::Comment, 5}}, u""},
        {u"<?>", {{K::ProcessingInstruction, 3}}, u""},
        {u"<![CDATA[a>]]>", {{K::CData, 14}}, u""},
        {u"<!DOCTYPE r>", {{K::Doctype, 12}}, u""},
        {u"<!DOCTYPE r '>'>", {{K::Doctype, 14}, {K::Text, 2}}, u""},  // its own quotes are not special
        {u"<!DOCTYPE r [<!ELEMENT r 'x>'><!-- > -->]>", {{K::Doctype, 42}}, u""},
        {u" \t\r\n<a>", {{K::Whitespace, 4}, {K::StartTag, 3}}, u""},
        {u"  x > y<a>", {{K::Text, 5}, {K::Text, 2}, {K::StartTag, 3}}, u""},
        {u"</a b>", {{K::EndTag, 6}}, u""},
        {u"</>", {{K::EndTag, 3}}, u""},
        {u"\u00E9<\u00E9/>", {{K::Text, 1}, {K::StartTag, 4}}, u""},
        // Malformed markup continues as a bad tag: to the next '>' or before the next '<'.
        {u"<1a>", {{K::Problem, 4}}, u"<first_tag_syntax offset=\"0\"/>"},
        {u"<>", {{K::Problem, 2}}, u"<first_tag_syntax offset=\"0\"/>"},
        {u"<<a>", {{K::Problem, 1}, {K::StartTag, 3}}, u"<first_tag_syntax offset=\"0\"/>"},
        {u"< x='<>'>", {{K::Problem, 9}}, u"<first_tag_syntax offset=\"0\"/>"},
        {u"<!x>", {{K::Problem, 4}}, u"<exclamation_tag_syntax offset=\"0\"/>"},
        {u"<!-x>", {{K::Problem, 5}}, u"<comment_tag_syntax offset=\"0\"/>"},
        {u"<![x<a/>", {{K::Problem, 4}, {K::StartTag, 4}}, u"<cdata_section_syntax offset=\"0\"/>"},
        {u"x<!DOCTYPE r [<!x>]>", {{K::Text, 1}, {K::Doctype, 19}}, u"<doctype_tag_syntax offset=\"1\"/>"},
        {u"<!DOCTYPE [<!x <a>", {{K::Problem, 15}, {K::StartTag, 3}}, u"<doctype_tag_syntax offset=\"0\"/>"},
        // Every kind of token the text can end inside.
        {u"<", {{K::Problem, 1}}, u"<unterminated_tag_syntax type=\"tag\" offset=\"0\"/>"},
        {u"<!", {{K::Problem, 2}}, u"<unterminated_tag_syntax type=\"tag\" offset=\"0\"/>"},
        {u"<a", {{K::Problem, 2}}, u"<unterminated_tag_syntax type=\"start_tag\" offset=\"0\"/>"},
        {u"<a x='>", {{K::Problem, 7}}, u"<unterminated_tag_syntax type=\"start_tag\" offset=\"0\"/>"},
        {u"x</a",
         {{K::Text, 1}, {K::Problem, 3}},
         u"<unterminated_tag_syntax type=\"end_tag\" offset=\"1\"/>"},
        {u"<?x>",
         {{K::Problem, 4}},
         u"<unterminated_tag_syntax type=\"processing_instruction\" offset=\"0\"/>"},
        {u"<!-- ->", {{K::Problem, 7}}, u"<unterminated_tag_syntax type=\"comment\" offset=\"0\"/>"},
        {u"<![CDATA[x]>",
         {{K::Problem, 12}},
         u"<unterminated_tag_syntax type=\"cdata_section\" offset=\"0\"/>"},
        {u"<!DOCTYPE", {{K::Problem, 9}}, u"<unterminated_tag_syntax type=\"document_type\" offset=\"0\"/>"},
        {u"<!DOCTYPE [<!ENTITY e '>]>",
         {{K::Problem, 26}},
         u"<unterminated_tag_syntax type=\"document_type\" offset=\"0\"/>"},
        {u"<!DOCTYPE [<!-- ",
         {{K::Problem, 16}},
         u"<unterminated_tag_syntax type=\"document_type\" offset=\"0\"/>"},
        {u"<1",
         {{K::Problem, 2}},
         u"<first_tag_syntax offset=\"0\"/><unterminated_tag_syntax type=\"tag\" offset=\"0\"/>"},
        {u"<!DOCTYPE [<!x",
         {{K::Problem, 14}},
         u"<doctype_tag_syntax offset=\"0\"/><unterminated_tag_syntax type=\"tag\" offset=\"0\"/>"},
    };
    for (const Case& c : cases) {
        const Scanned s = ScanAll(c.text);
        EXPECT_EQ(s.tokens, c.tokens) << WideToUtf8(c.text);
        EXPECT_EQ(s.log, c.log) << WideToUtf8(c.text);
    }
}

TEST(XmlScannerTest, StartTagNamesAndEmptyElements) {
    struct Case {
        std::u16string_view text;
        std::u16string_view name;
        bool empty;
    };
    const Case cases[] = {
        {u"<a/>", u"a", true},
        {u"<a />", u"a", true},
        {u"<a x=\"1\"/>", u"a", true},
        {u"<a x=1/>", u"a", false},
        {u"<a//>", u"a", false},
        {u"<a\nb='/>'>", u"a", false},
        {u"<a:b-c.d>", u"a:b-c.d", false},
        {u"<_x?y>", u"_x?y", false},
        {u"<a x=\"/\">", u"a", false},
        {u"<a '/>", u"a", true},
        // An '=' inside the name still opens a quoted value; the name stops at the first '>'.
        {u"<a=\"x>y\">", u"a=\"x", false},
        {u"<a='/>'/>", u"a='", true},
    };
    for (const Case& c : cases) {
        const XmlScanner scanner(c.text, nullptr);
        const XmlToken t = scanner.Next(0);
        ASSERT_EQ(t.kind, K::StartTag) << WideToUtf8(c.text);
        EXPECT_EQ(c.text.substr(t.NameStart(), t.nameLength), c.name) << WideToUtf8(c.text);
        EXPECT_EQ(t.emptyElement, c.empty) << WideToUtf8(c.text);
        EXPECT_EQ(t.length, c.text.size()) << WideToUtf8(c.text);
    }
}

}  // namespace
}  // namespace lumora
