#include "ui/skin/core/AddressCheck.h"

#include <gtest/gtest.h>

#include "app/Language.h"
#include "support/ScriptedDialogs.h"

namespace lumora {
namespace {

constexpr HWND kControl = 77;

const std::u16string kAddress = u"is not a valid entry in IP address.Please specify a value between 1 and";
const std::u16string kGateway = u"is not a valid entry in GateWay IP.  Please specify a value between 1 and";
const std::u16string kDns = u"is not a valid entry in DNS.  Please specify a value between 1 and";
const std::u16string kMask = u"Please enter a valid address in SubnetMask.";
const std::u16string kMissing = u"Missing value in address";

// The message for a host-style failure, as the user reads it.
std::u16string host(int octet, const std::u16string& middle, int highest) {
    auto number = [](int n) {
        std::string s = std::to_string(n);
        return std::u16string(s.begin(), s.end());
    };
    return number(octet) + u" " + middle + u" " + number(highest) + u" for this field.";
}

struct Case {
    OctetTexts fields;
    int kind;
    int result;
    std::uint32_t value;   // delivered address (0 on failure)
    std::u16string shown;  // the message, empty when none
};

TEST(AddressCheck, ResultsAndMessages) {
    const Case cases[] = {
        {{u"192", u"168", u"1", u"20"}, CheckAddress, 4, 0xC0A80114, u""},
        {{u"223", u"1", u"2", u"3"}, CheckAddress, 4, 0xDF010203, u""},
        {{u"1", u"0", u"0", u"254"}, CheckDns, 4, 0x010000FE, u""},
        {{u"10", u"0", u"0", u"0"}, CheckAddress, 0, 0, host(0, kAddress, 254)},
        {{u"0", u"1", u"2", u"3"}, CheckAddress, 0, 0, host(0, kAddress, 223)},
        {{u"224", u"1", u"2", u"3"}, CheckAddress, 0, 0, host(224, kAddress, 223)},
        {{u"0", u"1", u"2", u"255"}, CheckAddress, 0, 0, host(0, kAddress, 223)},  // first octet judged first
        {{u"192", u"168", u"1", u"255"}, CheckGateway, 0, 0, host(255, kGateway, 254)},
        {{u"240", u"1", u"1", u"1"}, CheckGateway, 0, 0, host(240, kGateway, 223)},
        {{u"8", u"8", u"8", u"0"}, CheckDns, 0, 0, host(0, kDns, 254)},
        {{u"255", u"255", u"255", u"0"}, CheckMask, 4, 0xFFFFFF00, u""},
        {{u"255", u"255", u"255", u"255"}, CheckMask, 4, 0xFFFFFFFF, u""},
        {{u"128", u"0", u"0", u"0"}, CheckMask, 4, 0x80000000, u""},
        {{u"255", u"255", u"0", u"255"}, CheckMask, 0, 0, kMask},
        {{u"255", u"0", u"255", u"0"}, CheckMask, 0, 0, kMask},
        {{u"0", u"0", u"0", u"0"}, CheckMask, 0, 0, kMask},
        {{u"255", u"255", u"255", u"254"}, CheckMask, 4, 0xFFFFFFFE, u""},
        {{u"0", u"0", u"0", u"0"}, CheckNone, 4, 0, u""},
        {{u"999", u"256", u"-1", u"7x"}, CheckNone, 4, 0xE700FF07, u""},  // lowest 8 bits of a pasted number
        {{u"999", u"1", u"1", u"1"}, CheckAddress, 0, 0, host(231, kAddress, 223)},
        {{u"abc", u"1", u"1", u"1"}, CheckNone, 4, 0x00010101, u""},
        {{u"1", u"2", u"3", u"4"}, 9, 4, 0x01020304, u""},  // unknown kind: filled is enough
        {{u"192", u"", u"1", u"1"}, CheckAddress, 1, 0, kMissing},
        {{u"", u"", u"", u""}, CheckAddress, 0, 0, kMissing},
        {{u"1", u"2", u"3", u""}, CheckMask, 3, 0, kMissing},
        {{u"1", u"2", u"", u"x"}, CheckNone, 2, 0, kMissing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fields[0].begin(), c.fields[0].end()) + " kind " + std::to_string(c.kind));
        test::ScriptedDialogs dialogs;
        std::uint8_t b[4] = {9, 9, 9, 9};
        EXPECT_EQ(GetOctets(c.fields, c.kind, b[0], b[1], b[2], b[3], kControl), c.result);
        std::uint32_t octets = (std::uint32_t{b[0]} << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
        EXPECT_EQ(octets, c.value);

        std::uint32_t value = 12345;
        EXPECT_EQ(GetOctetsValue(c.fields, c.kind, value, kControl), c.result);
        EXPECT_EQ(value, c.value);

        auto shown = dialogs.shown();
        if (c.shown.empty()) {
            EXPECT_TRUE(shown.empty());
            continue;
        }
        ASSERT_EQ(shown.size(), 2u);  // once for each call
        for (const auto& box : shown) {
            EXPECT_EQ(box.text, c.shown);
            EXPECT_EQ(box.caption, u"Error");
            EXPECT_EQ(box.icon, MessageIcon::Exclamation);
            EXPECT_EQ(box.buttons, MessageButtons::Ok);
            EXPECT_EQ(box.owner, kControl);
        }
    }
}

TEST(AddressCheck, MessagesAndCaptionGoThroughTheCatalogue) {
    auto catalogue = std::make_unique<CLanguageBase>();
    ASSERT_TRUE(catalogue->ParseTable(
        u"|%d is not a valid entry in GateWay IP.  Please specify a value between 1 and %d for this field."
        u"||Passerelle : %d invalide, de 1 %c %d.|"
        u"|Error||Erreur|"
        u"|Missing value in address||Valeur manquante|"));
    g_pLanguage = std::move(catalogue);
    test::ScriptedDialogs dialogs;
    std::uint32_t value = 0;
    EXPECT_EQ(GetOctetsValue({u"192", u"168", u"1", u"255"}, CheckGateway, value), 0);
    EXPECT_EQ(GetOctetsValue({u"192", u"", u"1", u"1"}, CheckGateway, value), 1);
    g_pLanguage.reset();

    auto shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, u"Passerelle : 255 invalide, de 1 %c 254.");  // a stray "%c" shows as written
    EXPECT_EQ(shown[0].caption, u"Erreur");
    EXPECT_EQ(shown[1].text, u"Valeur manquante");
}

}  // namespace
}  // namespace lumora
