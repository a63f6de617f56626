// Collecting sources: list-file lines, directory trees, and the list file's errors.
#include <gtest/gtest.h>

#include "bankbuilder/build_state.h"
#include "bankbuilder/list_file.h"
#include "recording_reporter.h"
#include "test_support.h"

namespace {

std::vector<std::string> parse(const std::string& text, const std::string& base,
                               std::vector<std::string> dirs = {}) {
    auto is_dir = [&](const std::string& line) {
        return std::find(dirs.begin(), dirs.end(), line) != dirs.end();
    };
    return parse_list_text(text.data(), text.size(), base, is_dir);
}

TEST(ListFile, LinesBecomePaths) {
    using V = std::vector<std::string>;
    // Names keep their case; the extension test ignores it.
    EXPECT_EQ(parse("Boom.WAV\r\nquiet.Ogg\nnotes.txt\n", "lists/"),
              (V{"lists/Boom.WAV", "lists/quiet.Ogg"}));
    // A directory line becomes the base of the bare names after it; "\\" works as "/".
    EXPECT_EQ(parse("sfx\\loud\\\na.wav\nsub\\b.aiff\n", "lists/", {"sfx/loud"}),
              (V{"sfx/loud/a.wav", "sfx/loud/sub/b.aiff"}));
    // Lines that say where they are (absolute, "./", "../", a drive, a share) stay as they are.
    EXPECT_EQ(parse("/abs/x.wav\n..\\up.mp3\n.\\here.wav\nc:\\d\\e.wav\n\\\\srv\\f.wav\n", "b/"),
              (V{"/abs/x.wav", "../up.mp3", "./here.wav", "c:/d/e.wav", "//srv/f.wav"}));
    // Leading blanks and blank lines are skipped; a control character ends a line; trailing
    // spaces are not part of the name.
    EXPECT_EQ(parse("  \n\t one two.wav  \x01tail.wav\x7f\n", ""),
              (V{"one two.wav", "tail.wav\x7f"}));
    EXPECT_EQ(parse("", "b/"), V{});
    EXPECT_EQ(parse("no newline at end.mp3", "b/"), V{"b/no newline at end.mp3"});
}

class Collect : public ::testing::Test {
  protected:
    wc_test::TempDir tmp;
    RecordingReporter reporter;
    std::vector<std::string> list;
    void TearDown() override { build_state.cancel_requested = false; }
};

TEST_F(Collect, DirectoryTreeInNameOrder) {
    for (const char* f : {"b.wav", "A.WAV", "sub/c.ogg", "sub/deep/d.aiff", "e.mp3", "skip.txt",
                          "x.AIFF", "..hidden.wav", "voices.wav/any.bin", "f.flac"})
        wc_test::write_text(tmp / ("src/" + std::string(f)), "x");
    std::string dir = tmp / "src";
    ASSERT_TRUE(collect_from_directory(reporter, dir, list));
    EXPECT_EQ(dir, tmp / "src/") << "the directory text gets its trailing separator";
    std::string s = tmp / "src/";
    // Sub-directories are collected in place; the test on the path is case-sensitive but
    // admits everything below a directory whose name contains ".wav".
    EXPECT_EQ(list,
              (std::vector<std::string>{s + "A.WAV", s + "b.wav", s + "e.mp3", s + "sub/c.ogg",
                                        s + "sub/deep/d.aiff", s + "voices.wav/any.bin"}));
    EXPECT_EQ(reporter.files, list);
}

TEST_F(Collect, EmptyMissingAndLoopingTrees) {
    std::filesystem::create_directories(tmp / "empty");
    std::string dir = tmp / "empty";
    EXPECT_FALSE(collect_from_directory(reporter, dir, list));
    dir = tmp / "missing";
    EXPECT_FALSE(collect_from_directory(reporter, dir, list));
    // A link back up the tree is entered once.
    wc_test::write_text(tmp / "loop/a.wav", "x");
    std::filesystem::create_directory_symlink(tmp / "loop", tmp / "loop/again");
    dir = tmp / "loop";
    EXPECT_TRUE(collect_from_directory(reporter, dir, list));
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(Collect, CancelStopsCollecting) {
    wc_test::write_text(tmp / "src/a.wav", "x");
    build_state.cancel_requested = true;
    std::string dir = tmp / "src";
    EXPECT_FALSE(collect_from_directory(reporter, dir, list));
    EXPECT_TRUE(list.empty());
}

TEST_F(Collect, ListFileRelativeToItsFolder) {
    wc_test::write_text(tmp / "lists/sounds.lst",
                        "Kick.wav\n" + tmp.path() + "/other\nSnare.wav\n");
    std::filesystem::create_directories(tmp / "other");
    ASSERT_TRUE(collect_from_list_file(reporter, tmp / "lists/sounds.lst", list));
    EXPECT_EQ(list, (std::vector<std::string>{tmp / "lists/Kick.wav", tmp / "other/Snare.wav"}));
    EXPECT_TRUE(reporter.boxes.empty());
}

TEST_F(Collect, ListFileProblems) {
    EXPECT_FALSE(collect_from_list_file(reporter, tmp / "none.lst", list));
    EXPECT_TRUE(reporter.boxes.empty()) << "a missing list file has no message";
    // A directory opens but cannot be read as a list.
    std::filesystem::create_directories(tmp / "dir.lst");
    EXPECT_FALSE(collect_from_list_file(reporter, tmp / "dir.lst", list));
    ASSERT_EQ(reporter.boxes.size(), 1u);
    EXPECT_EQ(reporter.boxes[0],
              "Wavecrate - ERROR: ERROR: Failed reading '" + tmp / "dir.lst" + "'\n");
    wc_test::write_text(tmp / "nothing.lst", "readme.txt\n");
    EXPECT_FALSE(collect_from_list_file(reporter, tmp / "nothing.lst", list));
}

} // namespace
