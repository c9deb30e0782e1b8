#include "DemoSet.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include "Appliance.h"
#include "web/CgiState.h"

namespace lumora::sim {
namespace {

std::uint32_t Address(const std::string& dotted) {
    in_addr a{};
    EXPECT_EQ(inet_pton(AF_INET, dotted.c_str(), &a), 1) << dotted;
    return ntohl(a.s_addr);
}

bool InDocumentationRange(const std::string& dotted) {
    const std::uint32_t net = Address(dotted) & 0xFFFFFF00u;
    return net == 0xC0000200u || net == 0xC6336400u || net == 0xCB007100u;  // 192.0.2, 198.51.100, 203.0.113
}

// The demo is what a newcomer sees first: every key must be understood, the addresses must
// never be real ones, and the set must show both a reachable appliance and one elsewhere.
TEST(DemoSetTest, EveryApplianceIsUnderstoodAndStaysInTheDocumentationRanges) {
    std::string error;
    auto set = ParseApplianceConfig(std::string(DemoConfig()), error);
    ASSERT_TRUE(set) << error;
    int onPcSubnet = 0, elsewhere = 0;
    bool userWithAuthority = false, volumesAndShares = false;
    for (const auto& a : *set) {
        SCOPED_TRACE(a->name);
        EXPECT_EQ(a->interfaceName, "nas0");
        EXPECT_TRUE(InDocumentationRange(a->ip));
        EXPECT_TRUE(InDocumentationRange(a->gateway));
        EXPECT_TRUE(a->Accepts("admin", "admin"));
        const std::uint32_t mask = Address(a->netmask);
        if ((Address(a->ip) & mask) == (Address("192.0.2.1") & mask))
            ++onPcSubnet;
        else
            ++elsewhere;
        CgiState web;
        for (const auto& [key, value] : a->settings) EXPECT_TRUE(ApplyWebConfig(web, key, value)) << key;
        for (const auto& [user, authority] : web.userAccess)
            userWithAuthority |= user != "admin" && authority.size() >= 11;
        volumesAndShares |= !web.volumes.empty() && !web.shares.empty();
    }
    EXPECT_GE(onPcSubnet, 1);
    EXPECT_GE(elsewhere, 1);
    EXPECT_TRUE(userWithAuthority);
    EXPECT_TRUE(volumesAndShares);
}

}  // namespace
}  // namespace lumora::sim
