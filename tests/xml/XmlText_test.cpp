#include <gtest/gtest.h>

#include "platform/Text.h"

#include <string>

#include "xml/XmlEntities.h"
#include "xml/XmlReader.h"

namespace lumora {
namespace {

std::u16string TextOfRoot(std::u16string_view doc) {
    XmlReader r;
    r.LoadText(doc);
    r.FindNext();
    return r.CurrentText();
}

bool InDocument(const XmlReader& r, std::u16string_view text) {
    const std::u16string_view doc = r.Document();
    return text.data() >= doc.data() && text.data() + text.size() <= doc.data() + doc.size();
}

TEST(XmlTextTest, ElementText) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"<v>a &amp; b &#65;&#x42;</v>", u"a & b AB"},
        {u"<v>&eacute;&Eacute;&AMP;&Lt;&apos;&APOS;</v>", u"\u00E9\u00C9&<''"},
        {u"<v>&#x1F600;</v>", u"\U0001F600"},
        {u"<v>&#X10ffff;&#1114111;</v>", u"\U0010FFFF\U0010FFFF"},
        {u"<v>&bogus; &#0; & &#; &#x; &#xZ;</v>", u"&bogus; &#0; & &#; &#x; &#xZ;"},
        {u"<v>&#1114112; &#x110000;</v>", u"&#1114112; &#x110000;"},  // past U+10FFFF: no character
        {u"<v>&#65x9; &#x41g;</v>", u"A A"},                          // digits as far as they go
        {u"<v>&a&amp;</v>", u"&a&"},
        {u"<v>&toolongname;&nbsp</v>", u"&toolongname;&nbsp"},
        {u"<v>&\u00E9;x</v>", u"&\u00E9;x"},
        {u"<v>tail &amp;</v>", u"tail &"},
        {u"<v>&lt;</v>", u"<"},
        {u"<v><![CDATA[<x>&amp;]]></v>", u"<x>&amp;"},
        {u"<v>a<![CDATA[]]>b<![Cxyz]]></v>", u"ab"},
        {u"<v> a <!-- c --> b </v>", u" a  b "},
        {u"<v> <?pi?> x&gt;<!---->  </v>", u" x>"},
        {u"<v>  12 </v>", u"  12 "},
        {u"<v><w>1</w></v>", u""},
        {u"<v/>", u""},
        {u"<v></v>", u""},
        {u"<a t=\"x>y\">z</a>", u"z"},
        {u"<a>x</b></a>", u"x"},
        {u"<v>a>b</v>", u"a>b"},
        {u"<v>x</v >", u"x"},
    };
    for (const auto& [doc, text] : cases) {
        EXPECT_EQ(TextOfRoot(doc), text) << WideToUtf8(doc);
        // The view gives the same text, pointing into the document exactly when nothing was decoded.
        XmlReader r;
        r.LoadText(doc);
        r.FindNextChild();
        std::u16string scratch = u"stale";
        const std::u16string_view current = r.CurrentTextView(scratch);
        EXPECT_EQ(current, text) << WideToUtf8(doc);
        if (current.data() == scratch.data())
            EXPECT_EQ(scratch, text) << WideToUtf8(doc);
        else
            EXPECT_TRUE(current.empty() || InDocument(r, current)) << WideToUtf8(doc);
    }
}

TEST(XmlTextTest, ViewsCopyOnlyWhatNeedsDecoding) {
    XmlReader r;
    r.LoadText(u"<r><ip>192.0.2.7</ip><name>a &amp; b</name><c><![CDATA[x]]></c></r>");
    std::u16string scratch;
    ASSERT_TRUE(r.FindNextChild(u"ip"));
    const std::u16string_view ip = r.ChildTextView(scratch);
    EXPECT_EQ(ip, u"192.0.2.7");
    EXPECT_TRUE(InDocument(r, ip));
    EXPECT_TRUE(scratch.empty()) << "a plain text leaves the buffer alone";
    ASSERT_TRUE(r.FindNextChild(u"name"));
    EXPECT_EQ(r.ChildTextView(scratch), u"a & b");
    EXPECT_EQ(scratch, u"a & b");
    ASSERT_TRUE(r.FindNextChild(u"c"));
    ASSERT_TRUE(r.Descend());
    EXPECT_EQ(r.CurrentTextView(scratch), u"x") << "the buffer is rewritten, not appended to";
    EXPECT_EQ(ip, u"192.0.2.7") << "views of the document outlive later reads";
}

TEST(XmlTextTest, UnendedElementHasNoText) {
    XmlReader r;
    r.LoadText(u"<a><b>x</a>");
    ASSERT_TRUE(r.FindNextChild(u"b"));
    EXPECT_EQ(r.ChildText(), u"");
    EXPECT_EQ(r.CurrentText(), u"") << "a has the child b";
}

TEST(XmlTextTest, NamedReferenceTable) {
    const auto table = NamedReferences();
    ASSERT_EQ(table.size(), 253u);
    size_t pairs = 0;
    for (size_t i = 1; i < table.size(); ++i) {
        ASSERT_NE(table[i - 1].name, table[i].name);
        std::u16string a(table[i - 1].name), b(table[i].name);
        for (auto* s : {&a, &b})
            for (auto& c : *s) c = (c >= u'A' && c <= u'Z') ? c + 32 : c;
        ASSERT_LE(a, b) << "sorted by folded name";
        if (a == b) ++pairs;
    }
    EXPECT_EQ(pairs, 64u);
    // Every entry resolves to itself when written exactly.
    for (const NamedReference& e : table)
        EXPECT_EQ(LookUpNamedReference(e.name), e.codePoint) << WideToUtf8(e.name);
    EXPECT_EQ(LookUpNamedReference(u"lArr"), 0x21D0u);
    EXPECT_EQ(LookUpNamedReference(u"larr"), 0x2190u);
    EXPECT_EQ(LookUpNamedReference(u"LARR"), 0x21D0u);
    EXPECT_EQ(LookUpNamedReference(u"EACUTE"), 0xC9u);
    EXPECT_EQ(LookUpNamedReference(u"eACUTE"), 0xE9u);
    EXPECT_EQ(LookUpNamedReference(u"THETASYM"), 977u);
    EXPECT_EQ(LookUpNamedReference(u"euro"), 8364u);
    EXPECT_EQ(LookUpNamedReference(u"Sigmaf"), 962u);
    EXPECT_EQ(LookUpNamedReference(u"sigm"), 0u);
    EXPECT_EQ(LookUpNamedReference(u""), 0u);
}

}  // namespace
}  // namespace lumora
