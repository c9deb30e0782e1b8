#include "xml/XmlProblemLog.h"

#include <gtest/gtest.h>

#include "xml/XmlReader.h"

namespace lumora {
namespace {

TEST(XmlProblemLogTest, AttributesInOrderAndEscaped) {
    XmlProblemLog log;
    log.Add(
        {.name = u"p", .type = u"t", .tagname = u"&<>\"'", .offset = 0, .offset2 = 18446744073709551615u});
    log.Add({.name = u"q", .tagname = u""});
    EXPECT_EQ(
        log.Text(),
        u"<p type=\"t\" tagname=\"&amp;&lt;&gt;&quot;&apos;\" offset=\"0\" offset2=\"18446744073709551615\"/>"
        u"<q tagname=\"\"/>");
}

TEST(XmlProblemLogTest, TagNamesFromTheDocumentAreEscaped) {
    XmlReader r;
    EXPECT_FALSE(r.LoadText(u"<r></a&\"'<b></r>"));
    EXPECT_EQ(r.ProblemLog(), u"<lone_end_tag tagname=\"a&amp;&quot;&apos;&lt;b\" offset=\"3\"/>");
    EXPECT_FALSE(r.LoadText(u"<x&'\"<>"));
    EXPECT_EQ(r.ProblemLog(),
              u"<unended_start_tag tagname=\"x&amp;&apos;&quot;&lt;\" offset=\"0\" offset2=\"7\"/>");
}

TEST(XmlProblemLogTest, NothingIsAddedOnceTheLogReachesTheCutOff) {
    XmlReader r;
    std::u16string doc = u"<r>";
    for (int i = 0; i < 100; ++i) doc += u"</x>";  // 36 characters a problem
    doc += u"</r>";
    EXPECT_FALSE(r.LoadText(doc));
    const std::u16string& log = r.ProblemLog();
    const std::u16string one = u"<lone_end_tag tagname=\"x\" offset=\"3\"/>";
    ASSERT_EQ(log.substr(0, one.size()), one);
    // Problems are written while the log is shorter than 1000 characters, so it
    // stops at the first length of 1000 or more.
    EXPECT_GE(log.size(), XmlProblemLog::kCutOff);
    EXPECT_LT(log.size(), XmlProblemLog::kCutOff + one.size() + 2);
    EXPECT_EQ(log.back(), u'>');

    // The cut-off does not change the reading.
    r.LoadText(u"<r>" + std::u16string(2000, u'<') + u"<v>1</v></r>");
    EXPECT_LT(r.ProblemLog().size(), 1100u);
    ASSERT_TRUE(r.FindNextChild(u"v"));
    EXPECT_EQ(r.ChildText(), u"1");
}

}  // namespace
}  // namespace lumora
