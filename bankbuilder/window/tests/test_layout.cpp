// The window as laid out: every control's id, kind, text and place, the menu, the tooltips.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

#include "bankbuilder/build_state.h"
#include "bankbuilder/window/dialog_units.h"
#include "bankbuilder/window/options_panel.h"
#include "window_fixture.h"

namespace wc_test {
namespace {

struct Place {
    const char* name;
    const char* kind;
    const char* text;
    int x, y, width, height;
};

// The controls with their dialog-unit places. Drop-down lists are checked for their left, top
// and width; their height is the closed box's.
const Place MAIN_CONTROLS[] = {
    {"banner", "QLabel", nullptr, 7, 7, 376, 52},
    {"1017", "QGroupBox", "Source Data Directory", 7, 64, 315, 43},
    {"1001", "QLineEdit", "", 14, 75, 273, 14},
    {"1002", "QPushButton", "...", 293, 74, 23, 16},
    {"1022", "QCheckBox", "Open file list", 16, 91, 53, 14},
    {"1019", "QGroupBox", "Destination File", 7, 112, 315, 43},
    {"1004", "QLineEdit", "", 14, 123, 273, 14},
    {"1005", "QPushButton", "...", 293, 123, 23, 16},
    {"1020", "QCheckBox", "Rebuild source directory tree to destination", 16, 139, 148, 14},
    {"1000", "QPushButton", "Build", 332, 68, 50, 70},
    {"1021", "QProgressBar", nullptr, 332, 144, 50, 11},
    {"1003", "QListWidget", nullptr, 7, 161, 376, 136},
    {"platform_label", "QLabel", "Platform :", 7, 303, 50, 8},
    {"1033", "QComboBox", nullptr, 7, 312, 93, -1},
    {"format_label", "QLabel", "Format :", 7, 328, 49, 8},
    {"1034", "QComboBox", nullptr, 7, 337, 93, -1},
    {"1037", "QGroupBox", "Options", 107, 301, 276, 55},
    {"1040", "QWidget", nullptr, 109, 311, 271, 43},
    {"memory_box", "QGroupBox", "Memory Usage for sample banks (Ignore for streams)", 7, 359, 376,
     28},
    {"1015", "QLabel", nullptr, 13, 369, 64, 12},
    {"1013", "QProgressBar", nullptr, 81, 369, 222, 12},
    {"1018", "QLabel", nullptr, 307, 369, 64, 12},
};

QString text_of(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    return {};
}

void expect_places(QWidget* parent, const Place* places, size_t count) {
    DialogUnits du(dialog_font());
    for (size_t i = 0; i < count; ++i) {
        const Place& p = places[i];
        SCOPED_TRACE(p.name);
        QWidget* w = parent->findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), p.kind);
        if (p.text) {
            EXPECT_EQ(text_of(w), QString::fromLatin1(p.text));
        }
        QRect want = du.rect(p.x, p.y, p.width, p.height < 0 ? 0 : p.height);
        EXPECT_EQ(w->x(), want.x());
        EXPECT_EQ(w->y(), want.y());
        EXPECT_EQ(w->width(), want.width());
        if (p.height >= 0) {
            EXPECT_EQ(w->height(), want.height());
        }
    }
}

TEST(DialogUnitsTest, ConvertsWithTheFontsAverageWidthAndHeight) {
    ensure_application();
    DialogUnits du(dialog_font());
    QFontMetrics metrics(dialog_font());
    EXPECT_EQ(du.base_y(), metrics.height());
    // Four horizontal units are one average character, eight vertical ones the font's height.
    EXPECT_EQ(du.x(4), du.base_x());
    EXPECT_EQ(du.y(8), du.base_y());
    EXPECT_NEAR(du.base_x(), metrics.horizontalAdvance(QStringLiteral("x")) + 0.0, 3.0);
    // Places convert their corners, so neighbouring controls share edges exactly.
    QRect a = du.rect(7, 7, 376, 52), b = du.rect(383, 59, 10, 10);
    EXPECT_EQ(a.right() + 1, b.left());
    EXPECT_EQ(a.bottom() + 1, b.top());
}

TEST_F(WindowTest, ControlsHaveTheirIdsKindsTextsAndPlaces) {
    ASSERT_EQ(start_window(), -1);
    expect_places(window_.get(), MAIN_CONTROLS, std::size(MAIN_CONTROLS));
    DialogUnits du(dialog_font());
    QWidget* client = window_->findChild<QWidget*>(QStringLiteral("client"));
    EXPECT_EQ(client->size(), QSize(du.x(390), du.y(394)));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Zelvo Sample Bank Generator 1.15"));
    EXPECT_TRUE(get<QPushButton>(1000)->isDefault());
    EXPECT_EQ(get<QLabel>(1015)->text(), QStringLiteral("       0 kb"));
    // With nothing saved the window starts on PlayStation 2 VAG, both reverb cores on.
    EXPECT_EQ(get<QLabel>(1018)->text(), QStringLiteral("    1790 kb"));
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(WindowTest, PanelsHaveTheirControlsAndTooltips) {
    ASSERT_EQ(start_window(), -1);
    DialogUnits du(dialog_font());
    const Place VAG[] = {
        {"1013", "QCheckBox", "Small sample headers", 6, 3, 257, 10},
        {"1012", "QCheckBox", "Reverb core 0", 6, 15, 61, 10},
        {"1014", "QCheckBox", "Reverb core 1", 6, 27, 61, 10},
        {"1041", "QPushButton", "?", 255, 27, 14, 14},
    };
    ASSERT_EQ(window_->options_panel()->kind(), PANEL_VAG);
    expect_places(window_->options_panel(), VAG, std::size(VAG));
    EXPECT_EQ(window_->options_panel()->geometry(),
              QRect(QPoint(0, 0), du.rect(109, 311, 271, 43).size()));

    struct Tip {
        QWidget* parent;
        int id;
        const char* text;
    };
    OptionsPanel* panel = window_->options_panel();
    const Tip tips[] = {
        {window_.get(), 1015, "Memory usage for current WVC"},
        {window_.get(), 1018, "Maximum available memory"},
        {panel, 1041, TIP_MORE_INFO},
        {panel, 1013, TIP_SMALL_HEADERS},
        {panel, 1012, TIP_REVERB_CORE0},
        {panel, 1014, TIP_REVERB_CORE1},
    };
    for (const Tip& t : tips) {
        SCOPED_TRACE(t.id);
        // The memory bar and the panel's box share 1013; look inside the panel for the latter.
        QWidget* w = t.parent == panel ? panel->findChild<QWidget*>(QString::number(t.id))
                                       : t.parent->findChild<QWidget*>(QString::number(t.id));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->toolTip(), QString::fromLatin1(t.text));
    }
    EXPECT_TRUE(window_->testAttribute(Qt::WA_AlwaysShowToolTips));

    choose(1033, PLATFORM_CROSS);
    ASSERT_EQ(window_->options_panel()->kind(), PANEL_GENERAL);
    panel = window_->options_panel();
    EXPECT_EQ(panel->findChild<QWidget*>(QStringLiteral("1012")), nullptr);
    expect_places(panel, VAG, 1);
    expect_places(panel, VAG + 3, 1);
    EXPECT_EQ(panel->findChild<QWidget*>(QStringLiteral("1013"))->toolTip(),
              QString::fromLatin1(TIP_SMALL_HEADERS));
}

TEST_F(WindowTest, MenuHasItsIdsTextsAndStartStates) {
    ASSERT_EQ(start_window(), -1);
    struct Item {
        int id;
        const char* text;
        bool checked, enabled;
    } items[] = {
        {40005, "E&xit", false, true},
        {40001, "Generate &Single WVC File", true, true},
        {40002, "Generate &Multiple WVC Files", false, true},
        // PlayStation 2 VAG may be interleaved.
        {40004, "Generate Single &Interleaved WVC File", false, true},
        {40007, "Command line options...", false, true},
        {40006, "&About...", false, true},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.id);
        QAction* action = window_->findChild<QAction*>(QString::number(item.id));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromLatin1(item.text));
        EXPECT_EQ(action->isChecked(), item.checked);
        EXPECT_EQ(action->isEnabled(), item.enabled);
    }
    QStringList menus;
    for (QAction* a : window_->findChild<QMenuBar*>()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Build mode", "&Help"}));
}

TEST_F(WindowTest, PlatformAndFormatListsHoldTheAvailableEntries) {
    ASSERT_EQ(start_window(), -1);
    auto* platforms = get<QComboBox>(1033);
    ASSERT_EQ(platforms->count(), 4);
    EXPECT_EQ(platforms->itemText(0), QStringLiteral("PlayStation 2"));
    EXPECT_EQ(platforms->itemText(3), QStringLiteral("Cross-platform"));
    auto* formats = get<QComboBox>(1034);
    ASSERT_EQ(formats->count(), 2);
    EXPECT_EQ(formats->itemText(1), QStringLiteral("PCM (IOP) (1:1)"));
    choose(1033, PLATFORM_CROSS);
    QStringList names;
    for (int i = 0; i < formats->count(); ++i)
        names << formats->itemText(i);
    EXPECT_EQ(names, (QStringList{"PCM (1:1)", "IMA ADPCM (3.5:1)", "Retain original format"}));
}

TEST_F(WindowTest, WithoutLibrariesOnlyCrossPlatformIsOffered) {
    WindowHooks hooks;
    hooks.encoders = encoders_;
    window_ = std::make_unique<MainWindow>(hooks, dialogs_);
    ASSERT_EQ(window_->start(QString()), -1);
    auto* platforms = get<QComboBox>(1033);
    ASSERT_EQ(platforms->count(), 1);
    EXPECT_EQ(platforms->currentData().toInt(), int(PLATFORM_CROSS));
    EXPECT_EQ(build_settings.platform, PLATFORM_CROSS);
    EXPECT_EQ(build_settings.format, FORMAT_PCM);
    EXPECT_EQ(get<QLabel>(1018)->text(), QStringLiteral("       0 kb"));
}

} // namespace
} // namespace wc_test
