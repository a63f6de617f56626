// Builds run from the window: the worker fills the window through calls served on the window's
// thread, Cancel and closing wait for it, the warnings window holds the build until it is read,
// and the command line drives a build by itself.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "bankbuilder/build_state.h"
#include "bankbuilder/command_line.h"
#include "bankbuilder/settings_store.h"
#include "bankbuilder/window/warnings_window.h"
#include "window_fixture.h"

namespace wc_test {
namespace {

// A PCM writer that, after the file numbered gate_at has been written, holds the worker until
// the build is cancelled or the test releases it: the test then knows exactly where the build
// stands.
std::atomic<int> encoded{0};
std::atomic<int> gate_at{-1};
std::atomic<bool> at_gate{false};
std::atomic<bool> release{false};

bool gated_pcm(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working, uint32_t& bytes,
               uint32_t& frames, std::vector<std::string>& warnings) {
    bool ok = encode_pcm(path, sample, working, bytes, frames, warnings);
    if (++encoded == gate_at) {
        at_gate = true;
        while (!build_state.cancel_requested && !release)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        at_gate = false;
    }
    return ok;
}

class BuildTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        encoded = 0;
        gate_at = -1;
        at_gate = false;
        release = false;
        encoders_.pcm = gated_pcm;
        for (int i = 0; i < 5; ++i)
            make_wav(dir_ / ("src/s" + std::to_string(i) + ".wav"), 100);
        std::filesystem::create_directories(dir_ / "out");
    }

    // A cross-platform PCM single build of src into out/bank.wvc, started from the window.
    void start_pcm_build() {
        ASSERT_EQ(start_window(), -1);
        choose(1033, PLATFORM_CROSS);
        get<QLineEdit>(1001)->setText(QString::fromStdString(dir_ / "src"));
        get<QLineEdit>(1004)->setText(QString::fromStdString(dir_ / "out/bank.wvc"));
        window_->command(1000);
    }

    bool build_finished() {
        return wait_until([&] { return !window_->worker_running(); });
    }

    TempDir dir_;
};

TEST_F(BuildTest, BuildFillsTheWindowAndRestoresItAtTheEnd) {
    start_pcm_build();
    EXPECT_EQ(get<QPushButton>(1000)->text(), QStringLiteral("Cancel"));
    ASSERT_TRUE(build_finished());
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(get<QListWidget>(1003)->count(), 5);
    EXPECT_EQ(get<QListWidget>(1003)->currentRow(), 4);
    EXPECT_EQ(get<QPushButton>(1000)->text(), QStringLiteral("Build"));
    EXPECT_TRUE(get<QLineEdit>(1001)->isEnabled());
    EXPECT_TRUE(window_->menu_item(40005)->isEnabled());
    EXPECT_FALSE(window_->building());

    std::vector<uint8_t> bank = read_bytes(dir_ / "out/bank.wvc");
    ASSERT_GE(bank.size(), 24u);
    EXPECT_EQ(le32(bank, 4), 5u);
    EXPECT_EQ(le32(bank, 12), 5u * 100 * 2);
    EXPECT_EQ(bank.size(), 24 + le32(bank, 8) + le32(bank, 12));
    // Five files of 200 bytes: 0 kb shown (truncated), as the size label counts whole kb.
    EXPECT_EQ(get<QLabel>(1015)->text(), QStringLiteral("       0 kb"));
}

TEST_F(BuildTest, CancelMidwayLeavesABankOfTheSamplesWritten) {
    gate_at = 3;
    start_pcm_build();
    ASSERT_TRUE(wait_until([] { return at_gate.load(); }));
    EXPECT_TRUE(window_->building());
    EXPECT_FALSE(get<QLineEdit>(1001)->isEnabled());
    EXPECT_FALSE(window_->menu_item(40005)->isEnabled());
    window_->command(1000); // Cancel: returns once the worker has ended
    EXPECT_FALSE(window_->worker_running());
    EXPECT_FALSE(build_state.cancel_requested);
    EXPECT_EQ(get<QPushButton>(1000)->text(), QStringLiteral("Build"));

    std::vector<uint8_t> bank = read_bytes(dir_ / "out/bank.wvc");
    ASSERT_GE(bank.size(), 24u);
    EXPECT_EQ(le32(bank, 4), 3u);
    EXPECT_EQ(le32(bank, 8), 3u * 64);
    EXPECT_EQ(le32(bank, 12), 3u * 200);
    EXPECT_EQ(bank.size(), 24u + 3 * 64 + 3 * 200);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out/bank.wvc.tmp"));

    // The window builds again after a cancel.
    gate_at = -1;
    encoded = 0;
    window_->command(1000);
    ASSERT_TRUE(build_finished());
    EXPECT_EQ(le32(read_bytes(dir_ / "out/bank.wvc"), 4), 5u);
}

TEST_F(BuildTest, ClosingWhileBuildingAsksAndNoLetsTheBuildGoOn) {
    gate_at = 2;
    start_pcm_build();
    ASSERT_TRUE(wait_until([] { return at_gate.load(); }));
    dialogs_.answer_yes = false;
    EXPECT_FALSE(window_->close());
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].caption, QStringLiteral("Building in progress"));
    EXPECT_EQ(dialogs_.questions[0].text,
              QStringLiteral("You are still building, are you sure you want to quit?"));
    EXPECT_TRUE(window_->building());
    EXPECT_FALSE(quit_code_.has_value());
    release = true;
    ASSERT_TRUE(build_finished());
    EXPECT_EQ(le32(read_bytes(dir_ / "out/bank.wvc"), 4), 5u);
}

TEST_F(BuildTest, ClosingWhileBuildingAnsweredYesCancelsAndEnds) {
    gate_at = 2;
    start_pcm_build();
    ASSERT_TRUE(wait_until([] { return at_gate.load(); }));
    dialogs_.answer_yes = true;
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(quit_code_, 0);
    EXPECT_FALSE(window_->worker_running());
    EXPECT_EQ(le32(read_bytes(dir_ / "out/bank.wvc"), 4), 2u);
}

TEST_F(BuildTest, WarningsWindowHoldsTheBuildUntilHidden) {
    write_text(dir_ / "src/broken.wav", "this is no sound file");
    start_pcm_build();
    ASSERT_TRUE(wait_until([&] { return window_->warnings_open(); }));
    WarningsWindow* warnings = window_->warnings_window();
    ASSERT_TRUE(warnings && warnings->isVisible());
    EXPECT_EQ(warnings->lines(),
              QStringList{QString::fromStdString(dir_ / "src/broken.wav - file not found")});
    // The bank is not finished while the warnings are up.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(window_->worker_running());
    warnings->findChild<QPushButton*>(QStringLiteral("1"))->click();
    ASSERT_TRUE(build_finished());
    EXPECT_EQ(le32(read_bytes(dir_ / "out/bank.wvc"), 4), 5u);
}

TEST_F(BuildTest, ClosingWhileTheWarningsWaitDoesNotHang) {
    write_text(dir_ / "src/broken.wav", "this is no sound file");
    start_pcm_build();
    ASSERT_TRUE(wait_until([&] { return window_->warnings_open(); }));
    EXPECT_TRUE(window_->close());
    EXPECT_FALSE(window_->worker_running());
    EXPECT_EQ(quit_code_, 0);
    // The bank that was open is finished with every sample encoded before the close.
    EXPECT_EQ(le32(read_bytes(dir_ / "out/bank.wvc"), 4), 5u);
}

TEST_F(BuildTest, BuildLevelErrorShowsItsBoxFromTheWorker) {
    ASSERT_EQ(start_window(), -1);
    choose(1033, PLATFORM_CROSS);
    std::filesystem::create_directories(dir_ / "empty");
    get<QLineEdit>(1001)->setText(QString::fromStdString(dir_ / "empty"));
    get<QLineEdit>(1004)->setText(QString::fromStdString(dir_ / "out/bank.wvc"));
    window_->command(1000);
    ASSERT_TRUE(build_finished());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].caption, QStringLiteral("Wavecrate - ERROR"));
    EXPECT_EQ(dialogs_.messages[0].text, QStringLiteral("No files to process!"));
    EXPECT_EQ(get<QPushButton>(1000)->text(), QStringLiteral("Build"));
}

TEST_F(BuildTest, CommandLineBuildsByItselfAndEndsWithItsExitCode) {
    QString line =
        QString::fromStdString("-o " + (dir_ / "out/cl.wvc") + " " + (dir_ / "src") + " -h");
    ASSERT_EQ(start_window(line), -1);
    EXPECT_FALSE(window_->isVisible());
    ASSERT_TRUE(wait_until([&] { return quit_code_.has_value(); }));
    EXPECT_EQ(*quit_code_, 0);
    EXPECT_EQ(le32(read_bytes(dir_ / "out/cl.wvc"), 4), 5u);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(BuildTest, CommandLineFailuresEndAtOnceWithTheirCodes) {
    struct Case {
        const char* line;
        int code;
        MessageIcon icon;
        const char* caption;
    } cases[] = {
        {"-?", 0, ICON_INFORMATION, "Wavecrate - Command line options"},
        {"-o a -o b", 2, ICON_WARNING, "Wavecrate - ERROR"},
        {"-p ps2 -f gcadpcm -o x /", 2, ICON_WARNING, "Wavecrate - ERROR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        dialogs_.messages.clear();
        EXPECT_EQ(start_window(QString::fromLatin1(c.line)), c.code);
        ASSERT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_EQ(dialogs_.messages[0].icon, c.icon);
        EXPECT_EQ(dialogs_.messages[0].caption, QString::fromLatin1(c.caption));
        EXPECT_FALSE(window_->isVisible());
    }
}

TEST_F(BuildTest, CommandLineRefusedByTheBuildChecksEndsWithCode1) {
    write_text(dir_ / "list.txt", "s0.wav\n");
    // A list file with -d passes the parser and is refused by the Build checks.
    QString line =
        QString::fromStdString("-o " + (dir_ / "out") + " " + (dir_ / "list.txt") + " -m m -d -h");
    ASSERT_EQ(start_window(line), -1);
    ASSERT_TRUE(wait_until([&] { return quit_code_.has_value(); }));
    EXPECT_EQ(*quit_code_, 1);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text,
              QStringLiteral("Can't rebuild directory tree when using a file list"));
}

TEST_F(BuildTest, CommandLineInterleavedFollowsItsOwnPlatformAndFormat) {
    // The last interactive run left Cross-platform IMA ADPCM, where interleaving is not offered;
    // the command line asks for PCM, where it is.
    build_settings.platform = PLATFORM_CROSS;
    build_settings.format = FORMAT_IMA_ADPCM;
    save_settings(build_settings);
    build_settings = BuildSettings{};
    QString line = QString::fromStdString("-o " + (dir_ / "out/il.wvc") + " " + (dir_ / "src") +
                                          " -p cross -f pcm -m i -h");
    ASSERT_EQ(start_window(line), -1);
    ASSERT_TRUE(wait_until([&] { return quit_code_.has_value(); }));
    EXPECT_EQ(*quit_code_, 0);
    EXPECT_TRUE(dialogs_.messages.empty());
    std::vector<uint8_t> bank = read_bytes(dir_ / "out/il.wvc");
    ASSERT_GE(bank.size(), 24u);
    EXPECT_EQ(le32(bank, 4), 1u);
    EXPECT_EQ(le32(bank, 12), 5u * 200);
}

} // namespace
} // namespace wc_test
