// The builder's main window: the source and destination fields, the Build/Cancel button, the
// file list, platform and format, the options panel, the memory bars and the menu. It starts
// the build on a worker thread and ends the program in an orderly way.
#pragma once

#include <QDialog>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "bankbuilder/encoder.h"
#include "bankbuilder/reporter.h"
#include "bankbuilder/window/options_panel.h"
#include "bankbuilder/window/user_dialogs.h"
#include "bankbuilder/window/warnings_window.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QProgressBar;
class QPushButton;
class WindowReporter;

// Menu and control ids.
enum WindowId {
    ID_OK = 1,
    ID_CANCEL = 2,
    ID_BUILD = 1000,
    ID_SOURCE = 1001,
    ID_SOURCE_BROWSE = 1002,
    ID_FILE_LIST = 1003,
    ID_DEST = 1004,
    ID_DEST_BROWSE = 1005,
    ID_MEMORY_BAR = 1013,
    ID_CURRENT_SIZE = 1015,
    ID_SOURCE_BOX = 1017,
    ID_BUDGET = 1018,
    ID_DEST_BOX = 1019,
    ID_REBUILD = 1020,
    ID_BUSY_BAR = 1021,
    ID_USE_FILE_LIST = 1022,
    ID_PLATFORM = 1033,
    ID_FORMAT = 1034,
    ID_OPTIONS_BOX = 1037,
    ID_OPTIONS_PLACE = 1040,
    ID_MENU_SINGLE = 40001,
    ID_MENU_MULTIPLE = 40002,
    ID_MENU_INTERLEAVED = 40004,
    ID_MENU_EXIT = 40005,
    ID_MENU_ABOUT = 40006,
    ID_MENU_USAGE = 40007,
};

constexpr const char* WINDOW_PROGRAM_NAME = "Zelvo Sample Bank Generator";
constexpr float WINDOW_VERSION = 1.15f;
// "%s %.2f" with the program name and version.
QString window_title();

// What the program around the window supplies: the encoders and the loading of the encoder
// libraries (which also decides "XDK").
struct WindowHooks {
    EncoderTable encoders;
    void (*load_libraries)() = nullptr;
    void (*unload_libraries)() = nullptr;
};

class MainWindow : public QDialog {
  public:
    MainWindow(const WindowHooks& hooks, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up after the window exists: settings, command line, lists, panel, timer, and in
    // command-line mode the posted Build command. Returns -1 when the program runs on, else
    // the exit code of a program that ends at once (bad command line, help, no timer).
    int start(const QString& command_line);

    // Called with the exit code when the window has ended and the program should quit.
    void on_quit(std::function<void(int)> callback) { quit_ = std::move(callback); }

    void set_building(bool on);
    void update_interleaved_mode();
    void show_options_panel();
    // One tick of the 50 ms timer: the busy bar's colour and the next red level.
    void busy_tick();
    // A command of the window or its menu, as if the control or the item had been used.
    void command(int id);

    // The directory the program started in + "/wavecrate.hlp".
    QString help_path() const { return help_path_; }
    void set_help_path(const QString& path) { help_path_ = path; }

    bool building() const;
    int busy_level() const { return busy_level_; }
    int busy_step() const { return busy_step_; }
    void set_busy_state(int level, int step) {
        busy_level_ = level;
        busy_step_ = step;
    }
    // The red level the busy bar was last painted with.
    int busy_colour() const;
    OptionsPanel* options_panel() const { return options_panel_; }
    WarningsWindow* warnings_window() const { return warnings_; }
    QAction* menu_item(int id) const;
    bool command_line_mode() const;
    int exit_code() const { return exit_code_; }
    // Whether a worker thread is running (it ends a moment after building is cleared).
    bool worker_running() const { return worker_active_; }
    Reporter& reporter();

    // Operations the worker's reporter runs on the window's thread.
    void clear_file_list();
    void add_file(const QString& path);
    void select_file(int index);
    void set_current_size_text(const QString& text);
    void set_budget_text(const QString& text);
    void set_memory_bar_range(int maximum);
    void set_memory_bar(int position, bool over_budget);
    void set_busy_bar(int maximum, int position);
    void set_build_button_text(const QString& text);
    void message(MessageIcon icon, const QString& caption, const QString& text);
    void begin_warnings();
    void add_warning(const QString& text);
    // Shows the warnings window; warnings_open() stays true until the user hides it.
    void show_warnings();
    bool warnings_open() const { return warnings_open_; }
    void build_ended();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void create_controls();
    void create_menu(QMenuBar* bar);
    void apply_settings_to_controls();
    void set_mode_controls(int mode);
    void fill_platform_list();
    void fill_format_list();
    void selection_changed();
    void start_build();
    void cancel_build();
    void wait_for_worker();
    void browse_source();
    void browse_dest();
    void exit_without_saving();
    void quit(int code);
    void show_budget();

    WindowHooks hooks_;
    UserDialogs& dialogs_;
    std::unique_ptr<WindowReporter> reporter_;
    QString help_path_;

    QLineEdit* source_ = nullptr;
    QLineEdit* dest_ = nullptr;
    QPushButton* source_browse_ = nullptr;
    QPushButton* dest_browse_ = nullptr;
    QCheckBox* use_file_list_ = nullptr;
    QCheckBox* rebuild_ = nullptr;
    QGroupBox* source_box_ = nullptr;
    QGroupBox* dest_box_ = nullptr;
    QPushButton* build_ = nullptr;
    QProgressBar* busy_bar_ = nullptr;
    QListWidget* file_list_ = nullptr;
    QComboBox* platform_ = nullptr;
    QComboBox* format_ = nullptr;
    QWidget* options_place_ = nullptr;
    QLabel* current_size_ = nullptr;
    QProgressBar* memory_bar_ = nullptr;
    QLabel* budget_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* single_ = nullptr;
    QAction* multiple_ = nullptr;
    QAction* interleaved_ = nullptr;
    QAction* usage_ = nullptr;
    QAction* about_ = nullptr;

    QPointer<OptionsPanel> options_panel_;
    QPointer<WarningsWindow> warnings_;
    std::atomic<bool> warnings_open_{false};

    int busy_level_ = 0;
    int busy_step_ = 40;
    int timer_ = 0;

    std::thread worker_;
    std::atomic<bool> worker_active_{false};
    std::atomic<int> build_result_{0};
    int exit_code_ = 0;
    bool ended_ = false;
    std::function<void(int)> quit_;
};
