// The whole format sequence against the simulated appliance's disk manager.

#include "protocol/cgi/FormatSequence.h"

#include "platform/Text.h"
#include "CgiTestFixture.h"

namespace lumora::test {
namespace {

class FormatSequenceTest : public CgiEndToEnd {
protected:
    static VolumeSpec Standard(int number, const char* disk, int size) {
        VolumeSpec v;
        v.volumeNumber = number;
        CopyToField(v.raidLevel, "standard");
        CopyToField(v.fileSystem, "ext4");
        CopyToField(v.devices, disk);
        v.sizeGiB = size;
        return v;
    }
    sim::CgiState TwoDisks() {
        sim::CgiState state;
        state.disks = {{"sda", 1000}, {"sdb", 500}};
        state.formatSeconds = 1.5;
        return state;
    }
};

TEST_F(FormatSequenceTest, FormatsAndTheVolumeListShowsTheNewLayout) {
    StartServer(TwoDisks());
    VolumeSpec volumes = Standard(1, "sda", 1000);
    volumes.next = std::make_unique<VolumeSpec>(Standard(2, "sdb", 500));
    std::vector<FormatSequence::Event> events;
    FormatSequence sequence(0, volumes, [&](const FormatSequence::Event& e) { events.push_back(e); });
    ASSERT_TRUE(sequence.Start());
    ASSERT_TRUE(loop.RunUntil([&] { return sequence.finished(); }, std::chrono::seconds(60)));
    EXPECT_TRUE(sequence.succeeded());
    EXPECT_FALSE(sequence.formatError());

    std::vector<std::string> steps;
    int lastPercent = -1;
    bool rising = true;
    for (const auto& e : events) {
        if (e.kind == FormatSequence::Event::Progress) {
            rising = rising && e.percent >= lastPercent;
            lastPercent = e.percent;
        } else {
            steps.push_back(e.text);
        }
    }
    EXPECT_TRUE(rising);
    EXPECT_EQ(lastPercent, 100);
    EXPECT_EQ(steps, (std::vector<std::string>{"file browser stopped", "volumes created", "disks remounted",
                                               "remount checked", "Complete"}));
    const sim::CgiState state = server->StateCopy();
    ASSERT_EQ(state.volumes.size(), 2u);
    EXPECT_EQ(state.volumes[0].devices, "sda");
    EXPECT_EQ(state.volumes[1].sizeGiB, 500);
    // The description went out unencoded: it holds nothing but plain characters.
    bool sawCreate = false;
    for (const std::string& r : server->ReceivedRequests())
        sawCreate |= r.ends_with(
            "f_create_volume_info=1,standard,ext4,1000,sda,none,0,1,1000,0,none,0,0,0,null,"
            "2,standard,ext4,500,sdb,none,0,1,500,0,none,0,0,0,null&f_create_type=1&f_auto_sync=0");
    EXPECT_TRUE(sawCreate);
}

TEST_F(FormatSequenceTest, AFormatErrorStillRemountsAndARefusedLayoutStops) {
    sim::CgiState state = TwoDisks();
    state.faults.formatError = true;
    StartServer(state);
    VolumeSpec one = Standard(1, "sda", 1000);
    std::vector<std::string> steps;
    auto keep = [&](const FormatSequence::Event& e) {
        if (e.kind != FormatSequence::Event::Progress) steps.push_back(e.text);
    };
    {
        FormatSequence sequence(0, one, keep);
        ASSERT_TRUE(sequence.Start());
        ASSERT_TRUE(loop.RunUntil([&] { return sequence.finished(); }, std::chrono::seconds(60)));
        EXPECT_TRUE(sequence.formatError());
        EXPECT_TRUE(sequence.succeeded());
        EXPECT_EQ(steps.at(2), "format error.");
    }
    // A volume larger than its disk is refused by the appliance.
    steps.clear();
    VolumeSpec tooBig = Standard(1, "sdb", 501);
    FormatSequence refused(0, tooBig, keep);
    ASSERT_TRUE(refused.Start());
    ASSERT_TRUE(loop.RunUntil([&] { return refused.finished(); }, std::chrono::seconds(60)));
    EXPECT_FALSE(refused.succeeded());
    EXPECT_EQ(steps.back(), "setting failed.");
}

}  // namespace
}  // namespace lumora::test
