#include "xml/XmlReader.h"

#include <gtest/gtest.h>

#include <string>

namespace lumora {
namespace {

using namespace entry_flags;

TEST(XmlReaderTest, EmptyTextIsNotWellFormedAndLogsNothing) {
    XmlReader r;
    EXPECT_FALSE(r.LoadText(u""));
    EXPECT_FALSE(r.LoadText(static_cast<const char16_t*>(nullptr)));
    EXPECT_EQ(r.ProblemLog(), u"");
    EXPECT_FALSE(r.FindNext());
    EXPECT_FALSE(r.FindNextChild());
    EXPECT_FALSE(r.Descend());
    EXPECT_FALSE(r.Ascend());
    EXPECT_EQ(r.CurrentText(), u"");
    EXPECT_EQ(r.ChildText(), u"");
}

TEST(XmlReaderTest, WholeDocumentResultsAndLogs) {
    struct Case {
        std::u16string text;
        bool wellFormed;
        std::u16string log;
    };
    const Case cases[] = {
        {u"just text", false, u"<no_root_element/>"},
        {u"<?xml version=\"1.0\"?>", false, u"<no_root_element/>"},
        {u"<a/><b/>", false, u"<root_has_sibling/>"},
        {u"<?xml version=\"1.0\"?>\n<!-- note --><r><x>1</x></r>\n", true, u""},
        {u"<!DOCTYPE r [<!ENTITY e \"a>b\"><!-- x > y --><!ATTLIST r v CDATA '<'>]><r/>", true, u""},
        {u"<a><b>x</a>", false, u"<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"8\"/>"},
        {u"<a>x</b></a>", false, u"<lone_end_tag tagname=\"b\" offset=\"4\"/>"},
        {u"<a><b><c>", false,
         u"<unended_start_tag tagname=\"c\" offset=\"6\" offset2=\"9\"/>"
         u"<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"9\"/>"
         u"<unended_start_tag tagname=\"a\" offset=\"0\" offset2=\"9\"/>"
         u"<root_has_sibling/>"},  // a's children came up beside it
        {u"<a t=\"x>y\">z</a>", true, u""},
        {u"<a>1<2</a>", false, u"<first_tag_syntax offset=\"4\"/>"},
        // The problem logged in an internal subset does not make the declaration a problem token.
        {u"<!DOCTYPE r [<!x>]><r/>", true, u"<doctype_tag_syntax offset=\"0\"/>"},
        {u"<!DOCTYPE r [<!x <r/>", false, u"<doctype_tag_syntax offset=\"0\"/>"},
    };
    for (const Case& c : cases) {
        XmlReader r;
        EXPECT_EQ(r.LoadText(c.text), c.wellFormed) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(r.ProblemLog(), c.log) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(XmlReaderTest, SiblingRootsAreStillFound) {
    XmlReader r;
    r.LoadText(u"<a/><b/>");
    EXPECT_TRUE(r.FindNext(u"b"));
    EXPECT_FALSE(r.FindNext(u"a")) << "searches only move forward";
    r.LoadText(u"<a/><b/>");
    EXPECT_TRUE(r.FindNext(u"a"));
    EXPECT_TRUE(r.FindNext(u"b"));
}

TEST(XmlReaderTest, UnendedElementHandsItsChildrenToItsParent) {
    XmlReader r;
    EXPECT_FALSE(r.LoadText(u"<a><br>x<c/></a>"));
    ASSERT_EQ(r.EntryCount(), 4u);
    const ElementEntry& br = r.Entry(2);
    EXPECT_TRUE(br.entryFlags & kUnended);
    EXPECT_EQ(br.firstChild, 0u);
    EXPECT_EQ(br.spanLength, 4u);
    EXPECT_EQ(r.Entry(3).parentEntry, 1u);
    EXPECT_EQ(br.nextSibling, 3u);
    EXPECT_EQ(r.Entry(1).firstChild, 2u);
    EXPECT_EQ(br.prevSibling, 3u) << "the first child points back to the last";
    EXPECT_EQ(r.Entry(3).prevSibling, 2u);
    EXPECT_EQ(r.Entry(1).spanLength, 16u);
    EXPECT_TRUE(r.Entry(0).entryFlags & kNotWellFormed);
}

TEST(XmlReaderTest, NestedUnendedElementsFlattenInDocumentOrder) {
    XmlReader r;
    //               0  3  6    11  15    21  25   30
    EXPECT_FALSE(r.LoadText(u"<r><a><b><x/><c><y/></r>"));
    // a, b and c are unended; every element after a becomes a child of r, in order.
    std::u16string names;
    ASSERT_TRUE(r.FindNext(u"r"));
    while (r.FindNextChild()) names += r.NameOf(r.ChildPos()), names += u',';
    EXPECT_EQ(names, u"a,b,x,c,y,");
    for (uint32_t n = 2; n < r.EntryCount(); ++n) {
        EXPECT_EQ(r.Entry(n).parentEntry, 1u) << n;
        EXPECT_EQ(r.Entry(n).firstChild, 0u) << n;
    }
    EXPECT_EQ(r.Entry(1).firstChild, 2u);
    EXPECT_EQ(r.Entry(2).prevSibling, 6u);
    EXPECT_EQ(r.Entry(5).entryFlags & kDepthMask, 3u) << "depth is where the start tag was met";
}

TEST(XmlReaderTest, LinksFlagsAndDepths) {
    XmlReader r;
    EXPECT_TRUE(r.LoadText(u"<r><a/><b><c/></b><d/></r>"));
    const ElementEntry& root = r.Entry(0);
    EXPECT_EQ(root.spanLength, 26u);
    EXPECT_EQ(root.firstChild, 1u);
    EXPECT_EQ(r.Entry(1).spanLength, 26u);
    EXPECT_EQ(r.Table().StartTagLength(1), 3u);
    EXPECT_EQ(r.Table().EndTagLength(1), 4u);
    EXPECT_EQ(r.Entry(2).prevSibling, 5u);
    EXPECT_TRUE(r.Entry(2).entryFlags & kLinkedFirst);
    EXPECT_FALSE(r.Entry(3).entryFlags & kLinkedFirst);
    EXPECT_EQ(r.Entry(3).nextSibling, 5u);
    EXPECT_EQ(r.Entry(4).entryFlags, 2u | kLinkedFirst);
    EXPECT_EQ(r.Entry(4).parentEntry, 3u);
}

TEST(XmlReaderTest, ProblemsMarkTheInnermostElementAndMoveOutOfUnendedOnes) {
    XmlReader r;
    r.LoadText(u"<r><a>x</b></a><c><d><!x></c></r>");
    EXPECT_TRUE(r.Entry(2).entryFlags & kHasProblem);   // a: lone </b> inside it
    EXPECT_TRUE(r.Entry(3).entryFlags & kHasProblem);   // c: got d's flag when d was unended
    EXPECT_FALSE(r.Entry(4).entryFlags & kHasProblem);  // d
    EXPECT_FALSE(r.Entry(1).entryFlags & kHasProblem);
}

TEST(XmlReaderTest, FieldPattern) {
    XmlReader r;
    ASSERT_TRUE(r.LoadText(u"<r><lan><ip>1.2.3.4</ip><gw>1.2.3.1</gw></lan><lan><ip>5</ip></lan></r>"));
    ASSERT_TRUE(r.FindNextChild(u"lan"));
    ASSERT_TRUE(r.Descend());
    ASSERT_TRUE(r.FindNextChild(u"ip"));
    ASSERT_TRUE(r.Descend());
    EXPECT_EQ(r.CurrentText(), u"1.2.3.4");
    ASSERT_TRUE(r.Ascend());
    // A miss keeps the previous child, so the same steps read ip again.
    EXPECT_FALSE(r.FindNextChild(u"netmask"));
    ASSERT_TRUE(r.Descend());
    EXPECT_EQ(r.CurrentText(), u"1.2.3.4");
    ASSERT_TRUE(r.Ascend());
    EXPECT_TRUE(r.FindNextChild(u"gw"));
    EXPECT_EQ(r.ChildText(), u"1.2.3.1");
    ASSERT_TRUE(r.Ascend());
    EXPECT_EQ(r.CurrentPos(), 1u);
    // The next item of the list.
    ASSERT_TRUE(r.FindNextChild(u"lan"));
    ASSERT_TRUE(r.Descend());
    EXPECT_FALSE(r.FindNextChild(u"gw"));
    ASSERT_TRUE(r.Descend());
    EXPECT_EQ(r.CurrentText(), u"") << "nothing found since entering this lan";
    ASSERT_TRUE(r.Ascend());
    EXPECT_EQ(r.NameOf(r.CurrentPos()), u"lan");
    EXPECT_TRUE(r.FindNextChild(u"ip"));
    EXPECT_EQ(r.ChildText(), u"5");
}

TEST(XmlReaderTest, ChildMissKeepsPreviousChild) {
    XmlReader r;
    r.LoadText(u"<r><ip>a</ip><netmask>b</netmask><e/></r>");
    EXPECT_TRUE(r.FindNextChild(u"netmask"));
    EXPECT_FALSE(r.FindNextChild(u"ip"));
    EXPECT_EQ(r.ChildText(), u"b");
    // Under an element without children.
    EXPECT_TRUE(r.FindNextChild(u"e"));
    ASSERT_TRUE(r.Descend());
    EXPECT_FALSE(r.FindNextChild());
    EXPECT_EQ(r.ChildText(), u"");
}

TEST(XmlReaderTest, SiblingReadingPatternAndNameRules) {
    XmlReader r;
    r.LoadText(u"<reply><IP>x</IP><ip/><ip\tv='1'>a</ip><ip?>b</ip?><ipx>c</ipx></reply>");
    ASSERT_TRUE(r.FindNext(u"reply"));
    ASSERT_TRUE(r.Descend());
    EXPECT_FALSE(r.Descend()) << "no current element yet";
    ASSERT_TRUE(r.FindNext(u"ip"));
    EXPECT_EQ(r.CurrentPos(), 3u) << "IP is a different name";
    ASSERT_TRUE(r.FindNext(std::u16string(u"ip")));
    EXPECT_EQ(r.CurrentText(), u"a");
    ASSERT_TRUE(r.FindNext(u"ip")) << "the search name ends at '?'";
    EXPECT_FALSE(r.FindNext(u"ip"));
    EXPECT_FALSE(r.FindNext(u"ip?")) << "a name never holds a delimiter";
    EXPECT_TRUE(r.FindNext(nullptr));
    EXPECT_EQ(r.CurrentText(), u"c");
    EXPECT_FALSE(r.FindNext(u""));
    ASSERT_TRUE(r.Ascend());
    EXPECT_FALSE(r.Ascend());
    EXPECT_EQ(r.ChildPos(), 6u);
}

TEST(XmlReaderTest, LoadTextResetsEverything) {
    XmlReader r;
    r.LoadText(u"<a><b>x</a>");
    r.FindNextChild(u"b");
    EXPECT_TRUE(r.LoadText(std::u16string(u"<q>1</q>")));
    EXPECT_EQ(r.ProblemLog(), u"");
    EXPECT_EQ(r.CurrentPos(), 0u);
    EXPECT_EQ(r.ChildPos(), 0u);
    EXPECT_EQ(r.EntryCount(), 2u);
    EXPECT_TRUE(r.FindNext());
    EXPECT_EQ(r.CurrentText(), u"1");
}

TEST(XmlReaderTest, MoreThanOneSegmentOfElements) {
    const uint32_t items = 70000;
    std::u16string text = u"<list>";
    for (uint32_t i = 0; i < items; ++i) text += u"<item>" + std::u16string(1, u'a' + i % 26) + u"</item>";
    text += u"</list>";
    XmlReader r;
    ASSERT_TRUE(r.LoadText(text));
    EXPECT_EQ(r.EntryCount(), items + 2);
    EXPECT_GE(r.Table().Capacity(), items + 2);
    const ElementEntry* first = &r.Entry(1);
    ASSERT_TRUE(r.FindNext(u"list"));
    uint32_t seen = 0;
    while (r.FindNextChild(u"item")) {
        ASSERT_EQ(r.ChildText(), std::u16string(1, u'a' + seen % 26));
        ++seen;
    }
    EXPECT_EQ(seen, items);
    EXPECT_EQ(r.ChildPos(), items + 1);
    EXPECT_EQ(r.Entry(70001).prevSibling, 70000u);
    EXPECT_EQ(r.Entry(2).prevSibling, 70001u);
    EXPECT_EQ(&r.Entry(1), first);
}

std::u16string Repeat(std::u16string_view piece, uint32_t times) {
    std::u16string out;
    for (uint32_t i = 0; i < times; ++i) out += piece;
    return out;
}

// The first segment holds every element a text can have: one '<' and three code
// units each. Documents of nothing but the smallest elements sit right on the bound.
TEST(XmlReaderTest, FirstSegmentIsSizedByTheMostElementsTheTextCanHold) {
    XmlReader r;
    for (uint32_t k : {1u, 2u, 100u, 5000u}) {
        for (std::u16string_view piece : {u"<a/>", u"<a>"}) {  // empty elements; unended ones
            const std::u16string text = Repeat(piece, k);
            EXPECT_EQ(XmlReader::MaxElements(text), k);
            r.LoadText(text);
            EXPECT_EQ(r.EntryCount(), k + 1);
            EXPECT_EQ(r.Table().Capacity(), k + 1) << "sized exactly, and never grown";
            EXPECT_EQ(r.Entry(k).tagStart, (k - 1) * piece.size());
        }
    }
    EXPECT_EQ(XmlReader::MaxElements(u"<a"), 0u);
    EXPECT_EQ(XmlReader::MaxElements(u"<<<<<<<"), 2u) << "by length";
    EXPECT_EQ(XmlReader::MaxElements(u"no markup at all"), 0u) << "by '<'";
    EXPECT_EQ(XmlReader::MaxElements(Repeat(u"<a/>", 100), 40), 40u);

    // At the segment's edge the first segment is whole; past it later segments are added.
    const std::u16string fits = Repeat(u"<a/>", ElementTable::kSegmentSize - 1);
    r.LoadText(fits);
    EXPECT_EQ(r.Table().Capacity(), ElementTable::kSegmentSize);
    const ElementEntry* last = &r.Entry(ElementTable::kSegmentSize - 1);
    EXPECT_EQ(last->tagStart, (ElementTable::kSegmentSize - 2) * 4);
    r.LoadText(fits + u"<b/>");
    ASSERT_EQ(r.EntryCount(), ElementTable::kSegmentSize + 1);
    EXPECT_GT(r.Table().Capacity(), ElementTable::kSegmentSize);
    EXPECT_EQ(r.NameOf(ElementTable::kSegmentSize), u"b");
}

// A reply's table is a small multiple of its elements, and a reader that once held a
// large document does not keep its table for small ones.
TEST(XmlReaderTest, TableMemoryPerElementDoesNotGrow) {
    XmlReader reused;
    for (uint32_t items : {1u, 8u, 60u, 1000u, 30000u, 2u}) {
        const std::u16string text = u"<?xml version=\"1.0\"?><list>" +
                                    Repeat(u"<item id=\"1\"><v>x</v><w/></item>\n", items) + u"</list>";
        XmlReader fresh;
        for (XmlReader* r : {&fresh, &reused}) {
            r->LoadText(text);
            ASSERT_EQ(r->EntryCount(), 3 * items + 2);
            EXPECT_LE(r->Table().Capacity(), 2 * r->EntryCount()) << items;
        }
    }
}

TEST(XmlReaderTest, DepthBeyondSixteenBitsLeavesTheFlagBitsAlone) {
    const uint32_t levels = 70000;
    std::u16string open, close;
    for (uint32_t i = 0; i < levels; ++i) open += u"<a>", close += u"</a>";
    XmlReader r;
    ASSERT_TRUE(r.LoadText(open + u"x" + close));
    ASSERT_EQ(r.EntryCount(), levels + 1);
    EXPECT_EQ(r.Entry(65535).entryFlags, 65534u | kLinkedFirst);
    EXPECT_EQ(r.Entry(65536).entryFlags, 65535u | kLinkedFirst);
    EXPECT_EQ(r.Entry(levels).entryFlags, 65535u | kLinkedFirst) << "the depth stops at its largest value";
    EXPECT_EQ(r.Entry(levels).parentEntry, levels - 1);

    // The same nesting left open: every element is unended and ends up at the top level.
    EXPECT_FALSE(r.LoadText(open));
    ASSERT_EQ(r.EntryCount(), levels + 1);
    for (uint32_t n : {1u, 2u, 65536u, levels}) {
        EXPECT_EQ(r.Entry(n).parentEntry, 0u) << n;
        EXPECT_EQ(r.Entry(n).entryFlags & ~kDepthMask, kLinkedFirst | kUnended) << n;
    }
    EXPECT_EQ(r.Entry(1).nextSibling, 2u);
    EXPECT_EQ(r.Entry(1).prevSibling, levels);
    EXPECT_LT(r.ProblemLog().size(), XmlProblemLog::kCutOff + 100);
}

TEST(XmlReaderTest, TagLengthsBeyondTheirBitsStayExact) {
    // An end tag longer than 1,023 and a start tag longer than 4,194,303 code units.
    const std::u16string longEnd = u"</v" + std::u16string(2000, u' ') + u">";
    const std::u16string longStart = u"<w a='" + std::u16string(4200000, u'x') + u"'>";
    XmlReader r;
    ASSERT_TRUE(r.LoadText(u"<r><v>text</v>" + longEnd.substr(0, 0) + u"<v>t2" + longEnd + longStart +
                           u"in</w></r>"));
    EXPECT_EQ(r.Table().EndTagLength(3), longEnd.size());
    EXPECT_EQ(r.Table().StartTagLength(4), longStart.size());
    ASSERT_TRUE(r.FindNextChild(u"v"));
    ASSERT_TRUE(r.FindNextChild(u"v"));
    EXPECT_EQ(r.ChildText(), u"t2");
    ASSERT_TRUE(r.FindNextChild(u"w"));
    EXPECT_EQ(r.ChildText(), u"in");
}

}  // namespace
}  // namespace lumora
