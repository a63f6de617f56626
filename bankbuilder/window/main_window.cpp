#include "bankbuilder/window/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>

#include "bankbuilder/app.h"
#include "bankbuilder/build_state.h"
#include "bankbuilder/command_line.h"
#include "bankbuilder/pipeline.h"
#include "bankbuilder/settings_store.h"
#include "bankbuilder/window/artwork.h"
#include "bankbuilder/window/dialog_units.h"
#include "bankbuilder/window/options_panel.h"
#include "bankbuilder/window/tooltips.h"
#include "bankbuilder/window/warnings_window.h"
#include "bankbuilder/window/window_reporter.h"
#include "soundlib/zelvo.h"

namespace {
constexpr const char* ABOUT_TEXT =
    "Wavecrate builds sample banks for games.\n\n"
    "It collects .wav, .mp3, .ogg and .aiff files from a folder tree or a list file, encodes "
    "them for PlayStation 2 (VAG), GameCube (DSP ADPCM), Xbox (Xbox ADPCM) or any platform "
    "(PCM, IMA ADPCM or the source files as they are) and writes WVC banks with a C header "
    "that names every sample.\n\n"
    "Run \"wavecrate -?\" or use Help > Command line options... to build from a script.";

QGroupBox* make_group(QWidget* parent, const QString& name, const QString& text,
                      const QRect& place) {
    auto* box = new QGroupBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

QLabel* make_sunken_text(QWidget* parent, int id, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::number(id));
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QProgressBar* make_bar(QWidget* parent, int id, const QRect& place) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::number(id));
    bar->setGeometry(place);
    bar->setTextVisible(false);
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

void set_bar_colour(QProgressBar* bar, const QColor& colour) {
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Highlight, colour);
    bar->setPalette(palette);
}

// The combo box entry whose value is wanted, else the first.
int entry_of(QComboBox* list, int wanted) {
    int index = list->findData(wanted);
    return index >= 0 ? index : 0;
}
} // namespace

QString window_title() {
    return QString::asprintf("%s %.2f", WINDOW_PROGRAM_NAME, double(WINDOW_VERSION));
}

MainWindow::MainWindow(const WindowHooks& hooks, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), hooks_(hooks), dialogs_(dialogs),
      reporter_(std::make_unique<WindowReporter>(this)) {
    setObjectName(QStringLiteral("main_window"));
    setFont(dialog_font());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Tooltips show even while another program is active.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    help_path_ = QDir::currentPath() + QStringLiteral("/wavecrate.hlp");

    // Initialisation of the window: title, tooltips, focus, encoder libraries, sound library.
    setWindowTitle(window_title());
    create_controls();
    add_tooltip(this, ID_CURRENT_SIZE, QStringLiteral("Memory usage for current WVC"));
    add_tooltip(this, ID_BUDGET, QStringLiteral("Maximum available memory"));
    setFocus();
    if (hooks_.load_libraries) hooks_.load_libraries();
    ZVOICE_Init(44100, 32, 0);
    setWindowIcon(make_window_icon());
}

MainWindow::~MainWindow() {
    // Never leave a worker behind that would call into a window that no longer exists.
    if (worker_active_) {
        build_state.cancel_requested = true;
        wait_for_worker();
        build_state.cancel_requested = false;
    }
    if (worker_.joinable()) worker_.join();
    delete warnings_;
}

void MainWindow::create_controls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menu"));
    layout->setMenuBar(bar);
    create_menu(bar);

    DialogUnits du(font());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(du.x(390), du.y(394));
    layout->addWidget(client);

    // Frames first, so that the controls they frame lie above them.
    auto* banner = new QLabel(client);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    banner->setGeometry(du.rect(7, 7, 376, 52));
    banner->setAlignment(Qt::AlignCenter);
    banner->setPixmap(make_banner(banner->contentsRect().size()));

    source_box_ = make_group(client, QStringLiteral("1017"),
                             QStringLiteral("Source Data Directory"), du.rect(7, 64, 315, 43));
    dest_box_ = make_group(client, QStringLiteral("1019"), QStringLiteral("Destination File"),
                           du.rect(7, 112, 315, 43));
    make_group(client, QStringLiteral("1037"), QStringLiteral("Options"),
               du.rect(107, 301, 276, 55));
    make_group(client, QStringLiteral("memory_box"),
               QStringLiteral("Memory Usage for sample banks (Ignore for streams)"),
               du.rect(7, 359, 376, 28));

    source_ = new QLineEdit(client);
    source_->setObjectName(QStringLiteral("1001"));
    source_->setGeometry(du.rect(14, 75, 273, 14));
    source_browse_ = new QPushButton(QStringLiteral("..."), client);
    source_browse_->setObjectName(QStringLiteral("1002"));
    source_browse_->setGeometry(du.rect(293, 74, 23, 16));
    use_file_list_ = new QCheckBox(QStringLiteral("Open file list"), client);
    use_file_list_->setObjectName(QStringLiteral("1022"));
    use_file_list_->setGeometry(du.rect(16, 91, 53, 14));

    dest_ = new QLineEdit(client);
    dest_->setObjectName(QStringLiteral("1004"));
    dest_->setGeometry(du.rect(14, 123, 273, 14));
    dest_browse_ = new QPushButton(QStringLiteral("..."), client);
    dest_browse_->setObjectName(QStringLiteral("1005"));
    dest_browse_->setGeometry(du.rect(293, 123, 23, 16));
    rebuild_ =
        new QCheckBox(QStringLiteral("Rebuild source directory tree to destination"), client);
    rebuild_->setObjectName(QStringLiteral("1020"));
    rebuild_->setGeometry(du.rect(16, 139, 148, 14));

    build_ = new QPushButton(QStringLiteral("Build"), client);
    build_->setObjectName(QStringLiteral("1000"));
    build_->setGeometry(du.rect(332, 68, 50, 70));
    build_->setDefault(true);
    busy_bar_ = make_bar(client, ID_BUSY_BAR, du.rect(332, 144, 50, 11));
    set_bar_colour(busy_bar_, QColor(busy_level_, 0, 0));

    file_list_ = new QListWidget(client);
    file_list_->setObjectName(QStringLiteral("1003"));
    file_list_->setGeometry(du.rect(7, 161, 376, 136));
    file_list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    file_list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    file_list_->setUniformItemSizes(true);

    auto* platform_label = new QLabel(QStringLiteral("Platform :"), client);
    platform_label->setObjectName(QStringLiteral("platform_label"));
    platform_label->setGeometry(du.rect(7, 303, 50, 8));
    platform_ = new QComboBox(client);
    platform_->setObjectName(QStringLiteral("1033"));
    QRect place = du.rect(7, 312, 93, 110);
    platform_->setGeometry(place.x(), place.y(), place.width(), du.y(13));
    auto* format_label = new QLabel(QStringLiteral("Format :"), client);
    format_label->setObjectName(QStringLiteral("format_label"));
    format_label->setGeometry(du.rect(7, 328, 49, 8));
    format_ = new QComboBox(client);
    format_->setObjectName(QStringLiteral("1034"));
    place = du.rect(7, 337, 93, 110);
    format_->setGeometry(place.x(), place.y(), place.width(), du.y(13));

    options_place_ = new QWidget(client);
    options_place_->setObjectName(QStringLiteral("1040"));
    options_place_->setGeometry(du.rect(109, 311, 271, 43));

    current_size_ =
        make_sunken_text(client, ID_CURRENT_SIZE, QStringLiteral("0 kb"), du.rect(13, 369, 64, 12));
    memory_bar_ = make_bar(client, ID_MEMORY_BAR, du.rect(81, 369, 222, 12));
    budget_ = make_sunken_text(client, ID_BUDGET, kb_text(0).c_str(), du.rect(307, 369, 64, 12));

    // Text boxes show their numbers in the fixed-width "%8d" layout; a fixed-pitch face keeps
    // the digits right-aligned as the format means them.
    QFont digits(QStringLiteral("Monospace"));
    digits.setStyleHint(QFont::TypeWriter);
    digits.setPointSize(font().pointSize());
    current_size_->setFont(digits);
    budget_->setFont(digits);

    connect(build_, &QPushButton::clicked, this, [this] { command(ID_BUILD); });
    connect(source_browse_, &QPushButton::clicked, this, [this] { command(ID_SOURCE_BROWSE); });
    connect(dest_browse_, &QPushButton::clicked, this, [this] { command(ID_DEST_BROWSE); });
    connect(use_file_list_, &QCheckBox::clicked, this, [this] { command(ID_USE_FILE_LIST); });
    connect(rebuild_, &QCheckBox::toggled, this, [](bool on) { build_settings.rebuild_tree = on; });
    connect(source_, &QLineEdit::textChanged, this,
            [](const QString& text) { build_settings.source_path = text.toStdString(); });
    connect(dest_, &QLineEdit::textChanged, this,
            [](const QString& text) { build_settings.dest_path = text.toStdString(); });
    connect(platform_, &QComboBox::activated, this, [this] { command(ID_PLATFORM); });
    connect(format_, &QComboBox::activated, this, [this] { command(ID_FORMAT); });
}

void MainWindow::create_menu(QMenuBar* bar) {
    auto item = [this](QMenu* menu, int id, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::number(id));
        connect(action, &QAction::triggered, this, [this, id] { command(id); });
        return action;
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    exit_ = item(file, ID_MENU_EXIT, QStringLiteral("E&xit"));
    QMenu* mode = bar->addMenu(QStringLiteral("&Build mode"));
    single_ = item(mode, ID_MENU_SINGLE, QStringLiteral("Generate &Single WVC File"));
    multiple_ = item(mode, ID_MENU_MULTIPLE, QStringLiteral("Generate &Multiple WVC Files"));
    interleaved_ =
        item(mode, ID_MENU_INTERLEAVED, QStringLiteral("Generate Single &Interleaved WVC File"));
    for (QAction* action : {single_, multiple_, interleaved_})
        action->setCheckable(true);
    single_->setChecked(true);
    interleaved_->setEnabled(false);
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    usage_ = item(help, ID_MENU_USAGE, QStringLiteral("Command line options..."));
    about_ = item(help, ID_MENU_ABOUT, QStringLiteral("&About..."));
}

QAction* MainWindow::menu_item(int id) const {
    switch (id) {
    case ID_MENU_EXIT:
        return exit_;
    case ID_MENU_SINGLE:
        return single_;
    case ID_MENU_MULTIPLE:
        return multiple_;
    case ID_MENU_INTERLEAVED:
        return interleaved_;
    case ID_MENU_USAGE:
        return usage_;
    case ID_MENU_ABOUT:
        return about_;
    default:
        return nullptr;
    }
}

bool MainWindow::command_line_mode() const {
    return build_settings.command_line_mode;
}

Reporter& MainWindow::reporter() {
    return *reporter_;
}

bool MainWindow::building() const {
    return build_state.building;
}

// The fields, boxes, labels and menu marks that follow from the settings.
void MainWindow::apply_settings_to_controls() {
    source_->setText(QString::fromStdString(build_settings.source_path));
    dest_->setText(QString::fromStdString(build_settings.dest_path));
    use_file_list_->setChecked(build_settings.use_file_list);
    source_box_->setTitle(QString::fromLatin1(source_box_label(build_settings.use_file_list)));
    rebuild_->setChecked(build_settings.rebuild_tree);
    set_mode_controls(build_settings.build_mode);
}

// The menu marks, the destination frame's label and the rebuild box of a build mode.
void MainWindow::set_mode_controls(int mode) {
    single_->setChecked(mode == BUILD_SINGLE);
    multiple_->setChecked(mode == BUILD_MULTIPLE);
    interleaved_->setChecked(mode == BUILD_INTERLEAVED);
    dest_box_->setTitle(QString::fromLatin1(dest_box_label(mode)));
    rebuild_->setEnabled(mode == BUILD_MULTIPLE);
    build_settings.build_mode = mode;
}

int MainWindow::start(const QString& command_line) {
    load_settings(build_settings);
    apply_settings_to_controls();
    current_size_->setText(QStringLiteral("0 kb"));
    set_building(false);
    build_settings.reverb_core0 = true;
    build_settings.reverb_core1 = true;

    std::string text = command_line.toStdString();
    CommandLineError error = CMD_OK;
    if (!parse_command_line(text, build_settings, error)) {
        if (error == CMD_HELP) {
            dialogs_.message(nullptr, ICON_INFORMATION, QString::fromLatin1(USAGE_CAPTION),
                             QString::fromLatin1(USAGE_TEXT));
            return EXIT_BUILT;
        }
        dialogs_.message(nullptr, ICON_WARNING, QString::fromLatin1(ERROR_CAPTION),
                         QString::fromStdString(bad_command_line_text(text, error)));
        return EXIT_BAD_COMMAND_LINE;
    }
    if (build_settings.command_line_mode) apply_settings_to_controls();
    if (!build_settings.hidden) show();

    fill_platform_list();
    fill_format_list();
    if (build_settings.command_line_mode) {
        // The interleaved item is judged by the platform and format this run builds with, not
        // by those of the last interactive run.
        interleaved_->setEnabled(
            interleave_allowed(build_settings.platform, build_settings.format));
    }
    show_options_panel();
    show_budget();
    current_size_->setText(QString::fromStdString(kb_text(0)));

    timer_ = startTimer(50);
    if (timer_ == 0) {
        dialogs_.message(nullptr, ICON_ERROR, QString::fromLatin1(ERROR_CAPTION),
                         QStringLiteral("Too many timers in use"));
        return EXIT_BUILD_FAILED;
    }
    if (build_settings.command_line_mode)
        QTimer::singleShot(0, this, [this] { command(ID_BUILD); });
    return -1;
}

void MainWindow::fill_platform_list() {
    platform_->clear();
    for (int32_t platform : available_platforms())
        platform_->addItem(QString::fromLatin1(platform_name(platform)), platform);
    platform_->setCurrentIndex(entry_of(platform_, build_settings.platform));
    if (platform_->currentIndex() >= 0) build_settings.platform = platform_->currentData().toInt();
}

void MainWindow::fill_format_list() {
    format_->clear();
    for (int32_t format : platform_format_list(build_settings.platform))
        format_->addItem(QString::fromLatin1(format_name(build_settings.platform, format)), format);
    format_->setCurrentIndex(entry_of(format_, build_settings.format));
    if (format_->currentIndex() >= 0) build_settings.format = format_->currentData().toInt();
}

void MainWindow::set_building(bool on) {
    for (QAction* action : {exit_, single_, multiple_, interleaved_, usage_, about_})
        if (on) action->setEnabled(false);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{source_, source_browse_, use_file_list_, dest_,
                                         dest_browse_, rebuild_, platform_, format_})
        if (on) widget->setEnabled(false);
    if (!on) {
        exit_->setEnabled(true);
        single_->setEnabled(true);
        multiple_->setEnabled(true);
        update_interleaved_mode();
        usage_->setEnabled(true);
        about_->setEnabled(true);
        for (QWidget* widget : {source_, dest_})
            widget->setEnabled(true);
        for (QWidget* widget :
             std::initializer_list<QWidget*>{source_browse_, use_file_list_, dest_browse_})
            widget->setEnabled(true);
        if (build_settings.build_mode == BUILD_MULTIPLE) rebuild_->setEnabled(true);
        platform_->setEnabled(true);
        format_->setEnabled(true);
    }
    if (options_panel_) options_panel_->enable(on);
}

void MainWindow::update_interleaved_mode() {
    bool allowed = interleave_allowed(build_settings.platform, build_settings.format);
    interleaved_->setEnabled(allowed);
    if (!allowed && build_settings.build_mode == BUILD_INTERLEAVED) set_mode_controls(BUILD_SINGLE);
}

void MainWindow::show_options_panel() {
    if (options_panel_) options_panel_->close_request();
    options_panel_ = nullptr;
    OptionsPanel::Actions actions;
    actions.budget_changed = [this] { show_budget(); };
    actions.help = [this] { dialogs_.show_help(this, help_path_, 100 + build_settings.format); };
    options_panel_ = new OptionsPanel(panel_kind(build_settings.platform, build_settings.format),
                                      options_place_, std::move(actions));
    options_panel_->show();
    options_panel_->enable(building());
}

void MainWindow::show_budget() {
    show_memory_budget(*reporter_, build_settings.platform, build_settings.format);
}

void MainWindow::busy_tick() {
    set_bar_colour(busy_bar_, QColor(busy_level_, 0, 0));
    busy_bar_->update();
    if (building()) {
        busy_level_ += busy_step_;
        if (busy_level_ > 255 || busy_level_ < 50) {
            busy_step_ = -busy_step_;
            busy_level_ = busy_level_ > 255 ? 255 : 50;
        }
    } else {
        busy_level_ = 50;
    }
}

int MainWindow::busy_colour() const {
    return busy_bar_->palette().color(QPalette::Highlight).red();
}

void MainWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_)
        busy_tick();
    else
        QDialog::timerEvent(event);
}

void MainWindow::command(int id) {
    switch (id) {
    case ID_BUILD:
        // Until the worker has marked the build as running, the button already reads Cancel.
        if (building() || worker_active_)
            cancel_build();
        else
            start_build();
        break;
    case ID_SOURCE_BROWSE:
        browse_source();
        break;
    case ID_DEST_BROWSE:
        browse_dest();
        break;
    case ID_USE_FILE_LIST:
        build_settings.use_file_list = use_file_list_->isChecked();
        source_box_->setTitle(QString::fromLatin1(source_box_label(build_settings.use_file_list)));
        break;
    case ID_PLATFORM:
        if (platform_->currentIndex() < 0) break;
        build_settings.platform = platform_->currentData().toInt();
        fill_format_list();
        selection_changed();
        break;
    case ID_FORMAT:
        if (format_->currentIndex() < 0) break;
        build_settings.format = format_->currentData().toInt();
        selection_changed();
        break;
    case ID_MENU_SINGLE:
        set_mode_controls(BUILD_SINGLE);
        break;
    case ID_MENU_MULTIPLE:
        set_mode_controls(BUILD_MULTIPLE);
        break;
    case ID_MENU_INTERLEAVED:
        set_mode_controls(BUILD_INTERLEAVED);
        break;
    case ID_MENU_EXIT:
    case ID_CANCEL:
        exit_without_saving();
        break;
    case ID_MENU_ABOUT:
        dialogs_.message(this, ICON_QUESTION, window_title(), QString::fromLatin1(ABOUT_TEXT));
        break;
    case ID_MENU_USAGE:
        dialogs_.message(this, ICON_INFORMATION, QString::fromLatin1(USAGE_CAPTION),
                         QString::fromLatin1(USAGE_TEXT));
        break;
    default:
        break;
    }
}

void MainWindow::selection_changed() {
    show_options_panel();
    update_interleaved_mode();
    set_building(false);
    show_budget();
}

void MainWindow::start_build() {
    if (!build_checks(*reporter_, interleaved_->isEnabled())) {
        // A command line that the checks refuse builds nothing: the program ends as it would
        // after a failed build, instead of waiting invisibly for a user.
        if (command_line_mode()) {
            build_result_ = EXIT_BUILD_FAILED;
            close();
        }
        return;
    }
    if (worker_.joinable()) worker_.join();
    worker_active_ = true;
    build_result_ = EXIT_BUILD_FAILED;
    worker_ = std::thread([this] {
        build_result_ = run_build(*reporter_, hooks_.encoders);
        worker_active_ = false;
    });
    build_->setText(QStringLiteral("Cancel"));
}

// Serves the window's events until the worker has ended, so that its calls into the window
// are answered meanwhile.
void MainWindow::wait_for_worker() {
    while (worker_active_) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (worker_.joinable()) worker_.join();
}

void MainWindow::cancel_build() {
    build_state.cancel_requested = true;
    wait_for_worker();
    build_state.cancel_requested = false;
}

void MainWindow::browse_source() {
    std::optional<QString> chosen = use_file_list_->isChecked()
                                        ? dialogs_.open_file_list(this, source_->text())
                                        : dialogs_.choose_folder(this, source_->text());
    if (chosen) source_->setText(*chosen);
}

void MainWindow::browse_dest() {
    std::optional<QString> chosen = build_settings.build_mode == BUILD_MULTIPLE
                                        ? dialogs_.choose_folder(this, QString())
                                        : dialogs_.save_bank(this, dest_->text());
    if (chosen) dest_->setText(*chosen);
}

void MainWindow::clear_file_list() {
    file_list_->clear();
}

void MainWindow::add_file(const QString& path) {
    file_list_->addItem(path);
    file_list_->repaint();
}

void MainWindow::select_file(int index) {
    if (index < 0 || index >= file_list_->count()) return;
    file_list_->setCurrentRow(index);
    file_list_->scrollToItem(file_list_->item(index));
}

void MainWindow::set_current_size_text(const QString& text) {
    current_size_->setText(text);
}

void MainWindow::set_budget_text(const QString& text) {
    budget_->setText(text);
}

void MainWindow::set_memory_bar_range(int maximum) {
    // No budget: an empty bar that never moves (a range of 0..0 would make it a busy indicator).
    memory_bar_->setRange(0, maximum > 0 ? maximum : 1);
}

void MainWindow::set_memory_bar(int position, bool over_budget) {
    memory_bar_->setValue(std::min(std::max(position, 0), memory_bar_->maximum()));
    if (over_budget)
        set_bar_colour(memory_bar_, QColor(200, 0, 0));
    else
        memory_bar_->setPalette(QPalette());
    memory_bar_->repaint();
}

void MainWindow::set_busy_bar(int maximum, int position) {
    busy_bar_->setRange(0, maximum);
    busy_bar_->setValue(position);
}

void MainWindow::set_build_button_text(const QString& text) {
    build_->setText(text);
}

void MainWindow::message(MessageIcon icon, const QString& caption, const QString& text) {
    dialogs_.message(this, icon, caption, text);
}

void MainWindow::begin_warnings() {
    delete warnings_;
    warnings_open_ = false;
    warnings_ = new WarningsWindow(nullptr);
    warnings_->on_hidden([this] { warnings_open_ = false; });
}

void MainWindow::add_warning(const QString& text) {
    if (warnings_) warnings_->add_line(text);
}

void MainWindow::show_warnings() {
    if (!warnings_) return;
    warnings_open_ = true;
    warnings_->show();
    warnings_->raise();
}

void MainWindow::build_ended() {
    if (command_line_mode()) QTimer::singleShot(0, this, [this] { close(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    if (building() &&
        !dialogs_.ask_yes_no(
            this, QStringLiteral("Building in progress"),
            QStringLiteral("You are still building, are you sure you want to quit?"))) {
        event->ignore();
        return;
    }
    build_state.cancel_requested = true;
    wait_for_worker();
    build_state.cancel_requested = false;
    ZVOICE_Close();
    if (!command_line_mode()) save_settings(build_settings);
    if (hooks_.unload_libraries) hooks_.unload_libraries();
    if (warnings_) warnings_->hide();
    event->accept();
    quit(command_line_mode() ? build_result_.load() : EXIT_BUILT);
}

void MainWindow::reject() {
    // Escape is the dialog's cancel command; while a build runs it must not pull the window
    // away from under the worker, so it waits for the idle state like File > Exit does.
    if (building() || worker_active_) return;
    command(ID_CANCEL);
}

void MainWindow::exit_without_saving() {
    if (worker_active_) {
        build_state.cancel_requested = true;
        wait_for_worker();
        build_state.cancel_requested = false;
    }
    if (warnings_) warnings_->hide();
    quit(command_line_mode() ? build_result_.load() : EXIT_BUILT);
}

void MainWindow::quit(int code) {
    ended_ = true;
    exit_code_ = code;
    if (timer_) killTimer(timer_);
    timer_ = 0;
    hide();
    if (quit_) quit_(code);
}
