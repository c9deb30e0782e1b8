#include "platform/DriveTable.h"

#include <gtest/gtest.h>

#include "platform/FileContents.h"
#include "support/Sandbox.h"

namespace lumora {
namespace {

TEST(DriveTable, RoundTripsThroughItsFile) {
    test::Sandbox box;
    const auto file = box.path() / "NetworkDrives.txt";
    const DriveTable table = {{'Z', u"\\\\192.0.2.10\\Public"}, {'Y', u"\\\\192.0.2.10\\Caf\u00e9 & Co"}};
    ASSERT_TRUE(WriteDriveTable(file, table));
    EXPECT_EQ(ReadDriveTable(file), table);
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // Written through a temporary file: nothing of it stays behind.
    ASSERT_TRUE(WriteDriveTable(file, {}));
    EXPECT_EQ(ReadDriveTable(file), DriveTable{});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(box.path()), {}), 1);
}

TEST(DriveTable, MissingOrCorruptFilesReadAsEmpty) {
    test::Sandbox box;
    const auto file = box.path() / "NetworkDrives.txt";
    EXPECT_TRUE(ReadDriveTable(file).empty());

    EXPECT_EQ(ParseDriveTable("# comment\r\n\nZ: \\\\192.0.2.10\\Public\r\n"),
              DriveTable({{'Z', u"\\\\192.0.2.10\\Public"}}));
    const char* corrupt[] = {
        "Z: \\\\192.0.2.10\\Public\ngarbage\n",                    // one bad line spoils the table
        "Z: \\\\192.0.2.10\\Public\nZ: \\\\192.0.2.11\\Public\n",  // a letter twice
        "z: \\\\192.0.2.10\\Public\n",                             // letters are stored upper-case
        "Z:\\\\192.0.2.10\\Public\n",
        "Z: \\\\192.0.2.10\\Pub\"lic\n",
        "Z: \\\\192.0.2.10\\Pub/lic\n",
        "Z: \\\\192.0.2.10\\Pub\xff\n",
        "Z: //192.0.2.10/Public\n",
    };
    for (const char* text : corrupt) {
        EXPECT_FALSE(ParseDriveTable(text)) << text;
        ASSERT_TRUE(ReplaceFileContents(file, text));
        EXPECT_TRUE(ReadDriveTable(file).empty()) << text;
    }
}

TEST(DriveTable, UnsafeEntriesNeverReachTheFile) {
    const std::string text =
        FormatDriveTable({{'Z', u"\\\\192.0.2.10\\ok"}, {'Y', u"\\\\192.0.2.10\\a\nX: b"}});
    EXPECT_EQ(ParseDriveTable(text), DriveTable({{'Z', u"\\\\192.0.2.10\\ok"}}));
}

}  // namespace
}  // namespace lumora
