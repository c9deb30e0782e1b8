#include "platform/FileContents.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "support/Sandbox.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(ReplaceFileContents, NewFileGetsTheContentsAndTheNewMode) {
    test::Sandbox box;
    const fs::path file = box.path() / "a.ini";
    ASSERT_TRUE(ReplaceFileContents(file, std::string("x\0y", 3)));
    EXPECT_EQ(slurp(file), std::string("x\0y", 3));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(entries(box.path()), 1u);
}

TEST(ReplaceFileContents, TheOldFileIsReplacedWholeNeverRewrittenInPlace) {
    // A second name for the old file still sees the old bytes afterwards: the new
    // contents went into another file that was renamed over the name, so a write
    // cut short at any moment leaves either the old file or the new one.
    test::Sandbox box;
    const fs::path file = box.path() / "a.ini";
    const fs::path before = box.path() / "before";
    std::ofstream(file, std::ios::binary) << "old contents";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    fs::create_hard_link(file, before);

    ASSERT_TRUE(ReplaceFileContents(file, "new"));
    EXPECT_EQ(slurp(file), "new");
    EXPECT_EQ(slurp(before), "old contents");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    EXPECT_EQ(entries(box.path()), 2u);  // no temporary file left behind
}

TEST(ReplaceFileContents, RefusesAndKeepsTheOldFile) {
    test::Sandbox box;
    // Marked read-only for its owner (root included: the mode is what counts).
    const fs::path locked = box.path() / "locked.ini";
    std::ofstream(locked) << "keep";
    fs::permissions(locked, fs::perms::owner_read);
    EXPECT_FALSE(ReplaceFileContents(locked, "new"));
    EXPECT_EQ(slurp(locked), "keep");

    // Not a regular file.
    const fs::path folder = box.path() / "folder.ini";
    fs::create_directory(folder);
    EXPECT_FALSE(ReplaceFileContents(folder, "new"));
    EXPECT_TRUE(fs::is_directory(folder));

    // No folder to write the temporary file into.
    EXPECT_FALSE(ReplaceFileContents(box.path() / "missing" / "a.ini", "new"));
    EXPECT_EQ(entries(box.path()), 2u);
}

TEST(ReadFileContents, TellsMissingFromUnreadable) {
    test::Sandbox box;
    std::string out = "stale";
    EXPECT_EQ(ReadFileContents(box.path() / "none", out), FileRead::Missing);
    EXPECT_EQ(out, "");

    out = "stale";
    EXPECT_EQ(ReadFileContents(box.path(), out), FileRead::Failed);  // a folder
    EXPECT_EQ(out, "");

    // A fifo under the name must neither block the reader nor count as a file.
    const fs::path fifo = box.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadFileContents(fifo, out), FileRead::Failed);

    const fs::path big = box.path() / "big";
    const std::string bytes(200000, 'b');  // more than one read's worth
    std::ofstream(big, std::ios::binary) << bytes;
    EXPECT_EQ(ReadFileContents(big, out), FileRead::Ok);
    EXPECT_EQ(out, bytes);
}

}  // namespace
}  // namespace lumora
