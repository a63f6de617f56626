// The configuration grammar, line by line and through whole files.
#include "game/shell/config.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

struct LineCase {
    const char* line;
    bool sets;
    const char* value;
};

class ConfigLine : public testing::TestWithParam<LineCase> {};

TEST_P(ConfigLine, SetsValueAndReportsIt) {
    const LineCase& c = GetParam();
    game_mode_string = "unchanged";
    testing::internal::CaptureStderr();
    parse_config_line(c.line);
    const std::string err = testing::internal::GetCapturedStderr();
    if (c.sets) {
        EXPECT_EQ(game_mode_string, c.value);
        EXPECT_EQ(err, std::string("GameModeString: ") + c.value + "\n");
    } else {
        EXPECT_EQ(game_mode_string, "unchanged");
        EXPECT_EQ(err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ConfigLine,
    testing::Values(LineCase{"GameModeString 1024x768:32 // my mode", true, "1024x768:32"},
                    LineCase{"GameModeString\t\t800x600", true, "800x600"},
                    LineCase{"GameModeString=800x600", true, "=800x600"},
                    LineCase{"xGameModeStringy 640x480", true, "xy"},
                    LineCase{"GameModeString", true, ""}, LineCase{"GameModeString    ", true, ""},
                    LineCase{"   GameModeString   1280x1024@60  trailing", true, "1280x1024@60"},
                    LineCase{"// GameModeString 1024x768", false, ""},
                    LineCase{"gamemodestring 1024x768", false, ""},
                    LineCase{"Resolution 1024x768", false, ""}, LineCase{"", false, ""}));

class ConfigFile : public testing::Test {
  protected:
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("dnh_config_test_" + std::to_string(::getpid()) + ".cfg");
    void write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(ConfigFile, LaterKeyWinsAndEveryKeyLineIsReported) {
    write("// comment\r\nGameModeString 800x600\r\n\r\nother line\nGameModeString 1024x768:32");
    game_mode_string.clear();
    testing::internal::CaptureStderr();
    read_config_file(path.string());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "GameModeString: 800x600\nGameModeString: 1024x768:32\n");
    EXPECT_EQ(game_mode_string, "1024x768:32"); // last line without a line feed still counts
}

TEST_F(ConfigFile, LoneCarriageReturnStaysPartOfTheValue) {
    write("GameModeString 800x600\rX\r\n");
    game_mode_string.clear();
    testing::internal::CaptureStderr();
    read_config_file(path.string());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(game_mode_string, "800x600\rX");
}

TEST_F(ConfigFile, EmptyFileSetsNothing) {
    write("");
    game_mode_string.clear();
    testing::internal::CaptureStderr();
    read_config_file(path.string());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(game_mode_string, "");
}

TEST(ConfigMissing, EndsWithMessageAndExitCode1) {
    EXPECT_EXIT(read_config_file("/nonexistent/dnh_config.cfg"), testing::ExitedWithCode(1),
                "^ERROR: cannot open configuration file \"/nonexistent/dnh_config.cfg\"\n$");
}

} // namespace
