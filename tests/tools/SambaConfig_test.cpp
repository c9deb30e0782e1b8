#include "SambaConfig.h"

#include <gtest/gtest.h>

namespace lumora::sim {
namespace {

TEST(SambaConfig, ServesTheWebSidesSharesAndAccountsAndLeavesOutWhatSmbConfCannotHold) {
    std::string error;
    auto set = ParseApplianceConfig(
        "[appliance]\nname = Office\nmac = 00:00:00:00:00:01\ninterface = n\nip = 192.0.2.10\n"
        "account = bob:secret\nweb.password.ann = pw\nsamba = 1\n"
        "web.shares = Public,My Files,Evil]\\n[global,100%\n"
        "[appliance]\nname = Other\nmac = 00:00:00:00:00:02\ninterface = n\nip = 192.0.2.11\n",
        error);
    ASSERT_TRUE(set) << error;
    EXPECT_TRUE(WantsSamba(*(*set)[0]));
    EXPECT_FALSE(WantsSamba(*(*set)[1]));

    const SambaPlan plan = PlanSamba(*(*set)[0]);
    EXPECT_EQ(plan.shares, (std::vector<std::string>{"Public", "My Files"}));
    EXPECT_EQ(plan.skipped.size(), 2u);
    ASSERT_EQ(plan.accounts.size(), 2u);  // ann from the web side, bob

    const std::string conf = SambaConfText(plan, "/tmp/x", "root");
    EXPECT_NE(conf.find("interfaces = 192.0.2.10\n  bind interfaces only = yes\n"), std::string::npos);
    EXPECT_NE(conf.find("[My Files]\n  path = /tmp/x/shares/My Files\n"), std::string::npos);
    EXPECT_EQ(conf.find("Evil"), std::string::npos);

    const std::string passwd = SambaPasswdText(plan, "root", 0, 0);
    EXPECT_EQ(passwd.find("root:x:0:0:"), 0u);
    EXPECT_NE(passwd.find("\nbob:x:"), std::string::npos);
    EXPECT_NE(passwd.find("\nnobody:x:65534:"), std::string::npos);
}

}  // namespace
}  // namespace lumora::sim
