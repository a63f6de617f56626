// The window's commands while idle: Build checks, build modes, platform and format changes,
// the options panel, the busy bar, browsing, the boxes and the settings kept on close.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "bankbuilder/build_state.h"
#include "bankbuilder/command_line.h"
#include "bankbuilder/settings_store.h"
#include "bankbuilder/window/user_dialogs.h"
#include "window_fixture.h"

namespace wc_test {
namespace {

TEST_F(WindowTest, BuildChecksRefuseInOrderWithTheirMessages) {
    TempDir dir;
    struct Case {
        const char* what;
        const char* source;
        const char* dest;
        int mode_command;
        int platform;
        int format;
        bool file_list, rebuild;
        const char* message;
    } cases[] = {
        {"no source", "", "out.wvc", 40001, PLATFORM_CROSS, FORMAT_PCM, false, false,
         "Source directory is invalid"},
        {"no destination", "src", "", 40001, PLATFORM_CROSS, FORMAT_PCM, false, false,
         "destination file/directory is invalid"},
        // Both empty: the first check speaks.
        {"nothing", "", "", 40001, PLATFORM_CROSS, FORMAT_PCM, false, false,
         "Source directory is invalid"},
        {"list with rebuild", "list.txt", "out", 40002, PLATFORM_CROSS, FORMAT_PCM, true, true,
         "Can't rebuild directory tree when using a file list"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        ASSERT_EQ(start_window(), -1);
        choose(1033, c.platform);
        choose(1034, c.format);
        window_->command(c.mode_command);
        get<QLineEdit>(1001)->setText(QString::fromLatin1(c.source));
        get<QLineEdit>(1004)->setText(QString::fromLatin1(c.dest));
        get<QCheckBox>(1022)->setChecked(c.file_list);
        window_->command(1022);
        get<QCheckBox>(1020)->setChecked(c.rebuild);
        window_->command(1000);
        ASSERT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_EQ(dialogs_.messages[0].caption, QStringLiteral("Wavecrate - ERROR"));
        EXPECT_EQ(dialogs_.messages[0].icon, ICON_WARNING);
        EXPECT_EQ(dialogs_.messages[0].text, QString::fromLatin1(c.message));
        EXPECT_FALSE(window_->worker_running());
        EXPECT_EQ(get<QPushButton>(1000)->text(), QStringLiteral("Build"));
        dialogs_.messages.clear();
        TearDown();
    }
}

TEST_F(WindowTest, RebuildBoxCheckedInMultipleModeStillRefusesInSingleMode) {
    ASSERT_EQ(start_window(), -1);
    get<QLineEdit>(1001)->setText("list.txt");
    get<QLineEdit>(1004)->setText("out.wvc");
    window_->command(40002);
    get<QCheckBox>(1020)->setChecked(true);
    window_->command(40001);
    // The disabled box keeps its check mark.
    EXPECT_FALSE(get<QCheckBox>(1020)->isEnabled());
    EXPECT_TRUE(get<QCheckBox>(1020)->isChecked());
    get<QCheckBox>(1022)->setChecked(true);
    window_->command(1022);
    window_->command(1000);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text,
              QStringLiteral("Can't rebuild directory tree when using a file list"));
}

TEST_F(WindowTest, UnavailablePlatformAndGrayedModeAreRefused) {
    ASSERT_EQ(start_window(), -1);
    get<QLineEdit>(1001)->setText("src");
    get<QLineEdit>(1004)->setText("out.wvc");
    // Interleaved chosen on PlayStation 2 VAG, then the item grays: a registry or a command line
    // can leave the mode set although its item is grayed.
    window_->command(40004);
    window_->menu_item(40004)->setEnabled(false);
    window_->command(1000);
    // The platform goes away after the list was filled (its library was unloaded).
    build_settings.build_mode = BUILD_SINGLE;
    encoder_libraries.vag_loaded = false;
    window_->command(1000);
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[0].text,
              QStringLiteral("You are trying to build with an invalid build mode"));
    EXPECT_EQ(dialogs_.messages[1].text, QStringLiteral("You cannot build with this platform"));
}

TEST_F(WindowTest, BuildModeCommandsSetMarksLabelAndRebuildBox) {
    ASSERT_EQ(start_window(), -1);
    struct Case {
        int command;
        int mode;
        const char* label;
        bool rebuild_enabled;
    } cases[] = {
        {40002, BUILD_MULTIPLE, "Destination Directory", true},
        {40004, BUILD_INTERLEAVED, "Destination File", false},
        {40001, BUILD_SINGLE, "Destination File", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        window_->command(c.command);
        EXPECT_EQ(build_settings.build_mode, c.mode);
        for (int id : {40001, 40002, 40004})
            EXPECT_EQ(window_->menu_item(id)->isChecked(), id == c.command) << id;
        EXPECT_EQ(get<QGroupBox>(1019)->title(), QString::fromLatin1(c.label));
        EXPECT_EQ(get<QCheckBox>(1020)->isEnabled(), c.rebuild_enabled);
    }
}

TEST_F(WindowTest, BrowsingFollowsModeAndCancellingKeepsTheField) {
    ASSERT_EQ(start_window(), -1);
    get<QLineEdit>(1001)->setText("/data/sounds");
    get<QLineEdit>(1004)->setText("/out/bank.wvc");

    dialogs_.next_path.reset();
    window_->command(1002);
    window_->command(1005);
    EXPECT_EQ(get<QLineEdit>(1001)->text(), QStringLiteral("/data/sounds"));
    EXPECT_EQ(get<QLineEdit>(1004)->text(), QStringLiteral("/out/bank.wvc"));

    dialogs_.next_path = QStringLiteral("/chosen");
    get<QCheckBox>(1022)->setChecked(true);
    window_->command(1022);
    window_->command(1002);
    window_->command(40002);
    window_->command(1005);
    EXPECT_EQ(get<QLineEdit>(1001)->text(), QStringLiteral("/chosen"));
    EXPECT_EQ(get<QLineEdit>(1004)->text(), QStringLiteral("/chosen"));
    EXPECT_EQ(build_settings.source_path, "/chosen");
    EXPECT_EQ(dialogs_.calls,
              (std::vector<QString>{"choose_folder:/data/sounds", "save_bank:/out/bank.wvc",
                                    "open_file_list:/data/sounds", "choose_folder:"}));
    EXPECT_EQ(get<QGroupBox>(1017)->title(), QStringLiteral("Source File List"));
}

TEST(BrowseDialogsTest, DialogsHaveTheirTitlesFiltersAndModes) {
    ensure_application();
    TempDir dir;
    write_text(dir / "list.txt", "a.wav\n");
    std::filesystem::create_directories(dir / "sub");

    std::unique_ptr<QFileDialog> list(
        make_file_list_dialog(nullptr, QString::fromStdString(dir / "list.txt")));
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Select File List"));
    EXPECT_EQ(list->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(list->nameFilters(), QStringList{"All files (*)"});
    EXPECT_EQ(QDir(list->directory()).canonicalPath(),
              QDir(QString::fromStdString(dir.path())).canonicalPath());

    std::unique_ptr<QFileDialog> folder(
        make_folder_dialog(nullptr, QString::fromStdString(dir / "sub")));
    EXPECT_EQ(folder->windowTitle(), QStringLiteral("Select root folder of data"));
    EXPECT_EQ(folder->fileMode(), QFileDialog::Directory);
    auto* status = folder->findChild<QLabel*>(QStringLiteral("status"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), QString::fromStdString(dir / "sub"));
    emit folder->currentChanged(QString::fromStdString(dir.path()));
    EXPECT_EQ(status->text(), QString::fromStdString(dir.path()));

    std::unique_ptr<QFileDialog> save(
        make_save_bank_dialog(nullptr, QString::fromStdString(dir / "bank.wvc")));
    EXPECT_EQ(save->windowTitle(), QStringLiteral("Save As"));
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    ASSERT_EQ(save->nameFilters().size(), 2);
    EXPECT_TRUE(save->nameFilters()[0].startsWith("Zelvo Sample Bank Format"));
    EXPECT_EQ(save->selectedNameFilter(), save->nameFilters()[0]);
    EXPECT_TRUE(save->defaultSuffix().isEmpty());
}

TEST_F(WindowTest, CrossImaAdpcmWhileInterleavedFallsBackToSingle) {
    ASSERT_EQ(start_window(), -1);
    choose(1033, PLATFORM_CROSS);
    EXPECT_TRUE(window_->menu_item(40004)->isEnabled());
    window_->command(40004);
    choose(1034, FORMAT_IMA_ADPCM);
    EXPECT_FALSE(window_->menu_item(40004)->isEnabled());
    EXPECT_TRUE(window_->menu_item(40001)->isChecked());
    EXPECT_FALSE(window_->menu_item(40004)->isChecked());
    EXPECT_EQ(get<QGroupBox>(1019)->title(), QStringLiteral("Destination File"));
    EXPECT_FALSE(get<QCheckBox>(1020)->isEnabled());
    EXPECT_EQ(build_settings.build_mode, BUILD_SINGLE);
}

TEST_F(WindowTest, InterleavedItemFollowsEveryCombination) {
    ASSERT_EQ(start_window(), -1);
    struct Case {
        int platform, format;
        bool allowed;
    } cases[] = {
        {PLATFORM_PS2, FORMAT_VAG, true},          {PLATFORM_PS2, FORMAT_PCM, true},
        {PLATFORM_GAMECUBE, FORMAT_GCADPCM, true}, {PLATFORM_GAMECUBE, FORMAT_PCM, true},
        {PLATFORM_XBOX, FORMAT_XADPCM, true},      {PLATFORM_XBOX, FORMAT_PCM, true},
        {PLATFORM_CROSS, FORMAT_PCM, true},        {PLATFORM_CROSS, FORMAT_IMA_ADPCM, false},
        {PLATFORM_CROSS, FORMAT_SOURCE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.platform) + "/" + std::to_string(c.format));
        choose(1033, c.platform);
        choose(1034, c.format);
        EXPECT_EQ(window_->menu_item(40004)->isEnabled(), c.allowed);
        EXPECT_EQ(build_settings.platform, c.platform);
        EXPECT_EQ(build_settings.format, c.format);
    }
}

TEST_F(WindowTest, PlatformChangeKeepsFormatWhenOfferedElseTakesFirst) {
    ASSERT_EQ(start_window(), -1);
    choose(1034, FORMAT_PCM);
    choose(1033, PLATFORM_GAMECUBE);
    EXPECT_EQ(build_settings.format, FORMAT_PCM);
    EXPECT_EQ(get<QComboBox>(1034)->currentText(), QStringLiteral("PCM (1:1)"));
    choose(1034, FORMAT_GCADPCM);
    choose(1033, PLATFORM_CROSS);
    EXPECT_EQ(build_settings.format, FORMAT_PCM);
    EXPECT_EQ(get<QLabel>(1018)->text(), QStringLiteral("       0 kb"));
    choose(1033, PLATFORM_XBOX);
    EXPECT_EQ(get<QLabel>(1018)->text(), QStringLiteral("    8192 kb"));
}

TEST_F(WindowTest, ReverbCoreBoxesChangeTheBudgetAtOnce) {
    ASSERT_EQ(start_window(), -1);
    ASSERT_EQ(window_->options_panel()->kind(), PANEL_VAG);
    auto* core0 = window_->options_panel()->findChild<QCheckBox*>(QStringLiteral("1012"));
    auto* core1 = window_->options_panel()->findChild<QCheckBox*>(QStringLiteral("1014"));
    ASSERT_TRUE(core0 && core1);
    EXPECT_TRUE(core0->isChecked());
    EXPECT_EQ(get<QLabel>(1018)->text(), QStringLiteral("    1790 kb"));
    core0->click();
    EXPECT_FALSE(build_settings.reverb_core0);
    EXPECT_EQ(get<QLabel>(1018)->text(), QStringLiteral("    1918 kb"));
    core1->click();
    EXPECT_EQ(get<QLabel>(1018)->text(), QStringLiteral("    2046 kb"));
    // A new panel takes its boxes from the settings: nothing is lost on a format change.
    choose(1034, FORMAT_PCM);
    choose(1034, FORMAT_VAG);
    core0 = window_->options_panel()->findChild<QCheckBox*>(QStringLiteral("1012"));
    EXPECT_FALSE(core0->isChecked());
    auto* small = window_->options_panel()->findChild<QCheckBox*>(QStringLiteral("1013"));
    small->click();
    EXPECT_TRUE(build_settings.basic_headers);
    choose(1033, PLATFORM_CROSS);
    EXPECT_TRUE(
        window_->options_panel()->findChild<QCheckBox*>(QStringLiteral("1013"))->isChecked());
}

TEST_F(WindowTest, HelpButtonOpensTheFormatsTopic) {
    ASSERT_EQ(start_window(), -1);
    window_->set_help_path(QStringLiteral("/somewhere/wavecrate.hlp"));
    choose(1033, PLATFORM_GAMECUBE);
    window_->options_panel()->findChild<QPushButton*>(QStringLiteral("1041"))->click();
    choose(1033, PLATFORM_CROSS);
    choose(1034, FORMAT_IMA_ADPCM);
    window_->options_panel()->findChild<QPushButton*>(QStringLiteral("1041"))->click();
    EXPECT_EQ(dialogs_.calls, (std::vector<QString>{"help:/somewhere/wavecrate.hlp:101",
                                                    "help:/somewhere/wavecrate.hlp:105"}));
}

TEST_F(WindowTest, SetBuildingGraysMenuAndControlsButNotBuildAndList) {
    ASSERT_EQ(start_window(), -1);
    window_->command(40002);
    const int controls[] = {1001, 1002, 1022, 1004, 1005, 1020, 1033, 1034};
    const int items[] = {40005, 40001, 40002, 40004, 40007, 40006};
    auto panel_box = [&] {
        return window_->options_panel()->findChild<QCheckBox*>(QStringLiteral("1013"));
    };
    window_->set_building(true);
    for (int id : controls)
        EXPECT_FALSE(widget(id)->isEnabled()) << id;
    for (int id : items)
        EXPECT_FALSE(window_->menu_item(id)->isEnabled()) << id;
    EXPECT_TRUE(widget(1000)->isEnabled());
    EXPECT_TRUE(widget(1003)->isEnabled());
    EXPECT_FALSE(panel_box()->isEnabled());
    EXPECT_TRUE(window_->options_panel()->findChild<QWidget*>(QStringLiteral("1041"))->isEnabled());

    window_->set_building(false);
    for (int id : controls)
        EXPECT_TRUE(widget(id)->isEnabled()) << id;
    for (int id : items)
        EXPECT_TRUE(window_->menu_item(id)->isEnabled()) << id;
    EXPECT_TRUE(panel_box()->isEnabled());

    // Outside multiple mode the rebuild box stays as it was.
    window_->command(40001);
    window_->set_building(true);
    window_->set_building(false);
    EXPECT_FALSE(widget(1020)->isEnabled());
}

TEST_F(WindowTest, BusyBarPulsesWhileBuildingAndRestsWhenIdle) {
    ASSERT_EQ(start_window(), -1);
    window_->set_busy_state(0, 40);
    window_->busy_tick();
    EXPECT_EQ(window_->busy_colour(), 0);
    std::vector<int> idle;
    for (int i = 0; i < 3; ++i) {
        window_->busy_tick();
        idle.push_back(window_->busy_colour());
    }
    EXPECT_EQ(idle, (std::vector<int>{50, 50, 50}));

    build_state.building = true;
    std::vector<int> seen;
    for (int i = 0; i < 15; ++i) {
        window_->busy_tick();
        seen.push_back(window_->busy_colour());
    }
    EXPECT_EQ(seen, (std::vector<int>{50, 90, 130, 170, 210, 250, 255, 215, 175, 135, 95, 55, 50,
                                      90, 130}));

    // A build that ends on a falling step: the next build's first tick turns round at 50.
    window_->set_busy_state(50, -40);
    window_->busy_tick();
    EXPECT_EQ(window_->busy_level(), 50);
    EXPECT_EQ(window_->busy_step(), 40);
    window_->busy_tick();
    EXPECT_EQ(window_->busy_colour(), 50);
    window_->busy_tick();
    EXPECT_EQ(window_->busy_colour(), 90);
    build_state.building = false;
}

TEST_F(WindowTest, AboutAndUsageBoxes) {
    ASSERT_EQ(start_window(), -1);
    window_->command(40006);
    window_->command(40007);
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[0].icon, ICON_QUESTION);
    EXPECT_EQ(dialogs_.messages[0].caption, QStringLiteral("Zelvo Sample Bank Generator 1.15"));
    EXPECT_FALSE(dialogs_.messages[0].text.isEmpty());
    EXPECT_EQ(dialogs_.messages[1].icon, ICON_INFORMATION);
    EXPECT_EQ(dialogs_.messages[1].caption, QStringLiteral("Wavecrate - Command line options"));
    EXPECT_EQ(dialogs_.messages[1].text, QString::fromLatin1(USAGE_TEXT));
}

TEST_F(WindowTest, CloseSavesSettingsAndExitDoesNot) {
    TempDir dir;
    ASSERT_EQ(start_window(), -1);
    get<QLineEdit>(1001)->setText(QString::fromStdString(dir / "src"));
    get<QLineEdit>(1004)->setText(QString::fromStdString(dir / "out"));
    window_->command(40002);
    get<QCheckBox>(1020)->setChecked(true);
    choose(1033, PLATFORM_GAMECUBE);
    choose(1034, FORMAT_PCM);
    window_->options_panel()->findChild<QCheckBox*>(QStringLiteral("1013"))->click();
    window_->close();
    ASSERT_EQ(quit_code_, 0);

    // A new window shows everything that was saved.
    build_settings = BuildSettings{};
    quit_code_.reset();
    ASSERT_EQ(start_window(), -1);
    EXPECT_EQ(get<QLineEdit>(1001)->text(), QString::fromStdString(dir / "src"));
    EXPECT_EQ(get<QLineEdit>(1004)->text(), QString::fromStdString(dir / "out"));
    EXPECT_TRUE(window_->menu_item(40002)->isChecked());
    EXPECT_EQ(get<QGroupBox>(1019)->title(), QStringLiteral("Destination Directory"));
    EXPECT_TRUE(get<QCheckBox>(1020)->isChecked());
    EXPECT_TRUE(get<QCheckBox>(1020)->isEnabled());
    EXPECT_EQ(get<QComboBox>(1033)->currentText(), QStringLiteral("GameCube"));
    EXPECT_EQ(get<QComboBox>(1034)->currentText(), QStringLiteral("PCM (1:1)"));
    EXPECT_TRUE(
        window_->options_panel()->findChild<QCheckBox*>(QStringLiteral("1013"))->isChecked());

    // File > Exit ends at once and keeps the saved values as they were.
    get<QLineEdit>(1001)->setText(QStringLiteral("/elsewhere"));
    window_->command(40005);
    EXPECT_EQ(quit_code_, 0);
    EXPECT_FALSE(window_->isVisible());
    BuildSettings saved;
    load_settings(saved);
    EXPECT_EQ(saved.source_path, dir / "src");
}

TEST_F(WindowTest, WarningsWindowSortsWithoutCaseAndOkHidesIt) {
    ASSERT_EQ(start_window(), -1);
    window_->begin_warnings();
    for (const char* line : {"b.wav - file not found", "C.wav - file not found",
                             "a.wav - file not found", "B.wav - file not found"})
        window_->add_warning(QString::fromLatin1(line));
    WarningsWindow* warnings = window_->warnings_window();
    ASSERT_NE(warnings, nullptr);
    EXPECT_FALSE(warnings->isVisible());
    EXPECT_EQ(warnings->windowTitle(), QStringLiteral("Warnings during sound compilation"));
    EXPECT_EQ(warnings->lines(), (QStringList{"a.wav - file not found", "b.wav - file not found",
                                              "B.wav - file not found", "C.wav - file not found"}));
    window_->show_warnings();
    EXPECT_TRUE(warnings->isVisible());
    EXPECT_TRUE(window_->warnings_open());
    warnings->findChild<QPushButton*>(QStringLiteral("1"))->click();
    EXPECT_FALSE(warnings->isVisible());
    EXPECT_FALSE(window_->warnings_open());
}

} // namespace
} // namespace wc_test

namespace wc_test {
namespace {

TEST(MessageBoxTextTest, TabbedUsageTextBecomesTwoColumns) {
    ensure_application();
    QTextDocument document;
    document.setHtml(tabbed_text_html(QString::fromLatin1(USAGE_TEXT)));
    QTextTable* table = nullptr;
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if ((table = qobject_cast<QTextTable*>(frame))) break;
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columns(), 2);
    auto cell = [&](int row, int column) {
        QTextTableCell c = table->cellAt(row, column);
        return document.toPlainText().mid(c.firstPosition(), c.lastPosition() - c.firstPosition());
    };
    // The switches, one per row, with their descriptions beside them; the usage line above.
    EXPECT_EQ(table->rows(), 12);
    EXPECT_EQ(cell(0, 0).trimmed(), QStringLiteral("-o dest"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("Destination WVC file/directory"));
    EXPECT_EQ(cell(5, 1).trimmed(), QStringLiteral("s = Single WVC (default)"));
    EXPECT_EQ(cell(11, 0).trimmed(), QStringLiteral("-?"));
    EXPECT_TRUE(document.toPlainText().startsWith(QStringLiteral("Usage: wavecrate <-o dest>")));
    EXPECT_FALSE(document.toPlainText().contains(QLatin1Char('\t')));
    // Markup in the text is shown, not obeyed.
    EXPECT_TRUE(tabbed_text_html(QStringLiteral("<b>\tx")).contains(QStringLiteral("&lt;b&gt;")));
}

} // namespace
} // namespace wc_test
