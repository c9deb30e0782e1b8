#include "protocol/cgi/VolumeLayout.h"

#include <gtest/gtest.h>

#include "platform/Text.h"
#include "protocol/cgi/CgiForms.h"

namespace lumora {
namespace {

HdInfo Disks(int count, int a, int b, const char* nameA = "sda", const char* nameB = "sdb") {
    HdInfo info;
    info.diskCount = count;
    CopyToField(info.disk1Name, nameA);
    info.disk1SizeGiB = a;
    CopyToField(info.disk2Name, nameB);
    info.disk2SizeGiB = b;
    return info;
}

TEST(VolumeLayoutTest, LayoutsGiveTheVolumePageChains) {
    struct Case {
        HdInfo disks;
        const char* layout;
        const char* description;
        int autoSync;
    };
    const Case cases[] = {
        {Disks(2, 1000, 1000), "raid1", "1,raid1,ext4,997,sdasdb,none,0,1,997,0,none,1,0,0,null", 1},
        {Disks(2, 1000, 500), "raid0",
         "1,raid0,ext4,994,sdasdb,none,0,1,994,0,none,0,0,0,null,2,linear,ext4,494,sdasdb,none,1,1,494,0,none,0,0,0,null",
         0},
        {Disks(2, 1000, 500), "standard",
         "1,standard,ext4,1000,sda,none,0,1,1000,0,none,0,0,0,null,2,standard,ext4,500,sdb,none,0,1,500,0,none,0,0,0,null",
         0},
        {Disks(2, 1000, 500), "raid1",
         "1,raid1,ext4,497,sdasdb,none,0,1,497,0,none,0,0,0,null,2,linear,ext4,494,sdasdb,none,1,1,494,0,none,0,0,0,null",
         1},
        {Disks(2, 800, 800), "linear", "1,linear,ext4,1594,sdasdb,none,0,1,1594,0,none,1,0,0,null", 0},
        {Disks(1, 500, 0), "standard", "1,standard,ext4,497,sda,none,0,1,497,0,none,1,0,0,null", 0},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<VolumeSpec> chain = BuildVolumeChain(c.disks, c.layout);
        ASSERT_TRUE(chain) << c.layout;
        EXPECT_EQ(VolumeDescription(*chain), c.description);
        EXPECT_EQ(chain->autoSync, c.autoSync);
    }
}

TEST(VolumeLayoutTest, ImpossibleLayoutsAreRefused) {
    EXPECT_FALSE(BuildVolumeChain(Disks(0, 0, 0), "standard"));
    EXPECT_FALSE(BuildVolumeChain(Disks(3, 1, 1), "standard"));
    EXPECT_FALSE(BuildVolumeChain(Disks(2, 10, 10), "raid5"));
    EXPECT_FALSE(BuildVolumeChain(Disks(1, 10, 0), "raid1"));
    EXPECT_FALSE(
        BuildVolumeChain(Disks(2, 10, 10, "disk_one", "disk_two"), "raid1"));  // names too long joined
}

}  // namespace
}  // namespace lumora
