// The help file: its reader, the shipped file's topics, and the help window.
#include <QCoreApplication>
#include <QDir>
#include <filesystem>

#include "bankbuilder/settings.h"
#include "bankbuilder/window/help_window.h"
#include "window_fixture.h"

namespace wc_test {
namespace {

TEST(HelpFileTest, ParsesTopicsParagraphsAndSkipsWhatIsMalformed) {
    std::vector<HelpTopic> topics = parse_help("; comment\n"
                                               "text before any topic\n"
                                               "@topic 100 First title\n"
                                               "line one\n"
                                               "  line two  \r\n"
                                               "\n"
                                               "second\n"
                                               "@topic no number\n"
                                               "lost text\n"
                                               "@topic 1234567 too long\n"
                                               "@topic 7\n"
                                               "; not shown\n"
                                               "last");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].context, 100);
    EXPECT_EQ(topics[0].title, "First title");
    EXPECT_EQ(topics[0].paragraphs, (std::vector<std::string>{"line one line two", "second"}));
    EXPECT_EQ(topics[1].context, 7);
    EXPECT_EQ(topics[1].title, "");
    EXPECT_EQ(topics[1].paragraphs, std::vector<std::string>{"last"});
    EXPECT_EQ(find_help_topic(topics, 7), &topics[1]);
    EXPECT_EQ(find_help_topic(topics, 101), nullptr);
    EXPECT_TRUE(parse_help("").empty());
}

TEST(HelpFileTest, ShippedFileHasATopicForEveryFormat) {
    std::vector<HelpTopic> topics;
    ASSERT_TRUE(load_help_file(DH_SOURCE_DIR "/bankbuilder/window/wavecrate.hlp", topics));
    for (int format = 0; format < FORMAT_COUNT; ++format) {
        SCOPED_TRACE(format);
        const HelpTopic* topic = find_help_topic(topics, 100 + format);
        ASSERT_NE(topic, nullptr);
        // Each topic is named after the format as the format list shows it.
        EXPECT_EQ(topic->title, format_name(PLATFORM_CROSS, format));
        EXPECT_FALSE(topic->paragraphs.empty());
    }
}

TEST(HelpFileTest, RefusesMissingAndOversizedFiles) {
    TempDir dir;
    std::vector<HelpTopic> topics;
    EXPECT_FALSE(load_help_file(dir / "none.hlp", topics));
    write_text(dir / "big.hlp", "@topic 100 x\n" + std::string(HELP_FILE_MAX_BYTES, 'a'));
    EXPECT_FALSE(load_help_file(dir / "big.hlp", topics));
}

TEST(HelpWindowTest, OpensAtTheTopicOfTheContext) {
    ensure_application();
    HelpWindow window(nullptr);
    ASSERT_TRUE(
        window.open(QStringLiteral(DH_SOURCE_DIR "/bankbuilder/window/wavecrate.hlp"), 101));
    EXPECT_EQ(window.current_context(), 101);
    EXPECT_TRUE(window.current_text().contains(QStringLiteral("GameCube")));
    ASSERT_TRUE(
        window.open(QStringLiteral(DH_SOURCE_DIR "/bankbuilder/window/wavecrate.hlp"), 105));
    EXPECT_EQ(window.current_context(), 105);
    EXPECT_FALSE(window.open(QStringLiteral("/nonexistent/wavecrate.hlp"), 100));
}

TEST(HelpWindowTest, MissingHelpPathFallsBackBesideTheProgram) {
    ensure_application();
    TempDir dir;
    QString here = QString::fromStdString(dir / "wavecrate.hlp");
    QString missing = QString::fromStdString(dir / "elsewhere/wavecrate.hlp");
    std::string beside = QCoreApplication::applicationDirPath().toStdString() + "/wavecrate.hlp";
    ASSERT_FALSE(std::filesystem::exists(beside)) << "left over from another run";
    // Nothing anywhere: the path stays as asked, and opening it fails.
    EXPECT_EQ(resolve_help_file(missing), missing);
    write_text(beside, "@topic 100 x\n");
    EXPECT_EQ(resolve_help_file(missing), QString::fromStdString(beside));
    write_text(dir / "wavecrate.hlp", "@topic 100 y\n");
    EXPECT_EQ(resolve_help_file(here), here);
    std::filesystem::remove(beside);
}

} // namespace
} // namespace wc_test
