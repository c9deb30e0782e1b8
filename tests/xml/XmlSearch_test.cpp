#include "xml/XmlSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace lumora {
namespace {

// Every length and position around the eight-unit steps, against a plain search.
TEST(XmlSearchTest, AgreesWithAPlainSearchAtEveryLengthAndOffset) {
    for (size_t length = 0; length < 40; ++length) {
        for (size_t target = 0; target <= length; ++target) {
            std::u16string text(length, u'x');
            if (target < length) text[target] = u'<';
            if (target + 3 < length) text[target + 3] = u'>';
            text += u"\uFF3C";  // a unit whose low byte is '<' never matches
            for (size_t from = 0; from <= text.size() + 1; ++from) {
                const size_t plain = std::min(text.find(u'<', from), text.size());
                const size_t plainEither = std::min(text.find_first_of(u"<>", from), text.size());
                ASSERT_EQ(xml_search::Find(text, from, u'<'), plain)
                    << length << " " << target << " " << from;
                ASSERT_EQ(xml_search::FindWide(text, from, u'<'), plain)
                    << length << " " << target << " " << from;
                ASSERT_EQ(xml_search::FindEither(text, from, u'<', u'>'), plainEither)
                    << length << " " << from;
                ASSERT_EQ(xml_search::FindEitherWide(text, from, u'<', u'>'), plainEither)
                    << length << " " << from;
            }
        }
    }
}

TEST(XmlSearchTest, CountsAcrossStepsAndBlocksAndStopsNearTheLimit) {
    for (size_t length : {0u, 7u, 8u, 9u, 31u, 32768u, 32775u, 100001u}) {
        std::u16string text(length, u'x');
        size_t plain = 0;
        for (size_t i = 0; i < length; i += 1 + i % 5, ++plain) text[i] = u'<';
        text += u"\uFF3C";
        EXPECT_EQ(xml_search::CountWide(text, u'<', SIZE_MAX), plain) << length;
        const size_t limited = xml_search::CountWide(text, u'<', plain / 2);
        EXPECT_GE(limited, plain / 2) << length;
        EXPECT_LE(limited, plain) << length;
    }
}

}  // namespace
}  // namespace lumora
