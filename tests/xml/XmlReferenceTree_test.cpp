// The reader's one-pass index against the plain rendering of the same rules, on
// documents pieced together at random from markup fragments.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/XmlReferenceTree.h"
#include "xml/XmlReader.h"

namespace lumora {
namespace {

void ExpectSameTree(const XmlReader& r, const test::ReferenceTree& ref, const std::u16string& doc) {
    const std::string where(doc.begin(), doc.end());
    ASSERT_EQ(r.EntryCount(), ref.entries.size()) << where;
    EXPECT_EQ(r.ProblemLog(), ref.log) << where;
    for (uint32_t n = 0; n < r.EntryCount(); ++n) {
        const ElementEntry& a = r.Entry(n);
        const ElementEntry& b = ref.entries[n];
        EXPECT_EQ(a.tagStart, b.tagStart) << n << " " << where;
        EXPECT_EQ(a.spanLength, b.spanLength) << n << " " << where;
        EXPECT_EQ(a.entryFlags, b.entryFlags) << n << " " << where;
        EXPECT_EQ(a.parentEntry, b.parentEntry) << n << " " << where;
        EXPECT_EQ(a.firstChild, b.firstChild) << n << " " << where;
        EXPECT_EQ(a.nextSibling, b.nextSibling) << n << " " << where;
        EXPECT_EQ(a.prevSibling, b.prevSibling) << n << " " << where;
        if (n == 0) continue;
        EXPECT_EQ(r.Table().StartTagLength(n), ref.startLength[n]) << n << " " << where;
        EXPECT_EQ(r.Table().EndTagLength(n), ref.endLength[n]) << n << " " << where;
    }
}

TEST(XmlReferenceTreeTest, RandomDocumentsIndexAsTheRulesSay) {
    const std::u16string pieces[] = {
        u"<a>",
        u"</a>",
        u"<b x='1>'>",
        u"</b >",
        u"<c/>",
        u"</c>",
        u"<a/>",
        u"text",
        u" ",
        u"&amp;",
        u"<!-- - -->",
        u"<?p?>",
        u"<![CDATA[<a>]]>",
        u"<!x>",
        u"<1",
        u"</>",
        u"<",
        u">",
        u"</zz>",
        u"<!DOCTYPE d [<!ELEMENT a 'x>'>]>",
        u"<b\t/>",
        u"<a x=1/>",
        u"'",
        u"=\"",
    };
    std::mt19937 rng(4242);
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1), count(0, 40);
    XmlReader r;
    for (int round = 0; round < 3000; ++round) {
        std::u16string doc;
        for (size_t i = count(rng); i > 0; --i) doc += pieces[pick(rng)];
        const bool wellFormed = r.LoadText(doc);
        const test::ReferenceTree ref = test::BuildReferenceTree(doc);
        EXPECT_EQ(wellFormed, ref.wellFormed) << std::string(doc.begin(), doc.end());
        ExpectSameTree(r, ref, doc);
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace lumora
