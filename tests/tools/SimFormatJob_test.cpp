#include "web/FormatJob.h"

#include <gtest/gtest.h>

namespace lumora::sim {
namespace {

using std::chrono::milliseconds;

const std::vector<SimDisk> kDisks{{"sda", 1000}, {"sdb", 500}};

TEST(SimFormatJobTest, VolumeDescriptionsAreCheckedAgainstTheDisks) {
    const auto two = ParseVolumeDescription(
        "1,raid0,ext4,994,sdasdb,none,0,1,994,0,none,0,0,0,null,2,linear,ext4,494,sdasdb,none,1,1,494,0,none,0,0,0,null",
        kDisks);
    ASSERT_TRUE(two);
    ASSERT_EQ(two->size(), 2u);
    EXPECT_EQ((*two)[0].raidLevel, "raid0");
    EXPECT_EQ((*two)[1].sizeGiB, 494);
    EXPECT_EQ((*two)[1].devices, "sdasdb");

    const char* bad[] = {
        "1,raid5,ext4,10,sda,none,0,1,10,0,none,1,0,0,null",         // unknown level
        "1,standard,ext4,10,sdc,none,0,1,10,0,none,1,0,0,null",      // unknown disk
        "1,standard,ext4,600,sdb,none,0,1,600,0,none,1,0,0,null",    // larger than the disk
        "1,standard,ext4,10,sda,none,0,1,11,0,none,1,0,0,null",      // sizes disagree
        "1,standard,ext4,10,sda,none,0,1,10,0,none,1,0,0",           // 14 values
        "1,standard%2Cx,ext4,10,sda,none,0,1,10,0,none,1,0,0,null",  // encoded comma stays inside its field
    };
    for (const char* text : bad) EXPECT_FALSE(ParseVolumeDescription(text, kDisks)) << text;
}

TEST(SimFormatJobTest, RunsTheWholeSequenceInOrder) {
    CgiState state;
    state.disks = kDisks;
    state.formatSeconds = 2;
    FormatJob job;
    const auto t0 = SimClock::now();
    const std::string one = "1,standard,ext4,1000,sda,none,0,1,1000,0,none,0,0,0,null";

    EXPECT_FALSE(job.Create(one, state, t0));  // the file browser still runs
    job.StopFileBrowser();
    EXPECT_FALSE(job.Remount(t0, false));
    ASSERT_TRUE(job.Create(one, state, t0));

    EXPECT_EQ(job.Read(t0 + milliseconds(500), false).percent, 25);
    EXPECT_FALSE(job.Read(t0 + milliseconds(500), false).finished);
    EXPECT_FALSE(job.Remount(t0 + milliseconds(500), false));  // still formatting
    EXPECT_FALSE(job.RemountDone());
    EXPECT_FALSE(job.Finish(state));

    const FormatJob::Progress done = job.Read(t0 + milliseconds(2500), false);
    EXPECT_TRUE(done.finished);
    EXPECT_EQ(done.percent, 100);
    ASSERT_TRUE(job.Remount(t0 + milliseconds(2500), false));
    EXPECT_TRUE(job.RemountDone());
    ASSERT_TRUE(job.Finish(state));
    ASSERT_EQ(state.volumes.size(), 1u);
    EXPECT_EQ(state.volumes[0].raidLevel, "standard");
    EXPECT_EQ(state.volumes[0].sizeGiB, 1000);
    EXPECT_EQ(state.volumes[0].usedGiB, 0);
    EXPECT_FALSE(job.Finish(state));
}

TEST(SimFormatJobTest, AFailingFormatStillAllowsTheRemount) {
    CgiState state;
    state.disks = kDisks;
    FormatJob job;
    const auto t0 = SimClock::now();
    job.StopFileBrowser();
    ASSERT_TRUE(job.Create("1,standard,ext4,10,sda,none,0,1,10,0,none,0,0,0,null", state, t0));
    EXPECT_TRUE(job.Read(t0, true).error);
    EXPECT_TRUE(job.Remount(t0, true));
}

}  // namespace
}  // namespace lumora::sim
