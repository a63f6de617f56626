// The reporter the build pipeline talks to while the window is up. The worker thread never
// touches a widget: every call is served on the window's thread and the worker waits for it.
#pragma once

#include "bankbuilder/reporter.h"

class MainWindow;

class WindowReporter : public Reporter {
  public:
    explicit WindowReporter(MainWindow* window) : window_(window) {}

    void clear_file_list() override;
    void add_file(const std::string& path) override;
    void select_file(int index) override;
    void set_current_size_text(const std::string& text) override;
    void set_budget_text(const std::string& text) override;
    void set_memory_bar_range(int maximum) override;
    void set_memory_bar(int position, bool over_budget) override;
    void set_busy_bar(int maximum, int position) override;
    void set_building(bool on) override;
    void set_build_button_text(const std::string& text) override;
    void warning_box(const std::string& caption, const std::string& text) override;
    void information_box(const std::string& caption, const std::string& text) override;
    void begin_warnings() override;
    void add_warning(const std::string& text) override;
    // Shows the window, then waits until the user hides it (or the build is cancelled).
    void show_warnings() override;
    void build_ended() override;

  private:
    template <class Call> void on_window(Call call);

    MainWindow* window_;
};
