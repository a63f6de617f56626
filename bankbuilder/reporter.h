// What the build reports to its user: the file list, the size labels, the bars, per-file
// warnings and message boxes. The window implements it; so does the console reporter.
#pragma once

#include <string>

class Reporter {
  public:
    virtual ~Reporter() = default;

    // The file list (control 1003).
    virtual void clear_file_list() = 0;
    virtual void add_file(const std::string& path) = 0;
    virtual void select_file(int index) = 0;

    // Text of the current bank size (1015) and of the budget (1018), already formatted.
    virtual void set_current_size_text(const std::string& text) = 0;
    virtual void set_budget_text(const std::string& text) = 0;
    // The memory bar (1013): range 0..maximum; over_budget paints it red (200, 0, 0).
    virtual void set_memory_bar_range(int maximum) = 0;
    virtual void set_memory_bar(int position, bool over_budget) = 0;
    // The small busy bar (1021): range 0..maximum at position.
    virtual void set_busy_bar(int maximum, int position) = 0;

    // The building state of the window and the text of the Build button.
    virtual void set_building(bool on) = 0;
    virtual void set_build_button_text(const std::string& text) = 0;

    // A warning box (warning icon) and an information box.
    virtual void warning_box(const std::string& caption, const std::string& text) = 0;
    virtual void information_box(const std::string& caption, const std::string& text) = 0;

    // The warnings window of one bank: created hidden and empty, one line per problem, then
    // shown; show_warnings returns when the user has closed it.
    virtual void begin_warnings() = 0;
    virtual void add_warning(const std::string& text) = 0;
    virtual void show_warnings() = 0;

    // The build has ended; in command-line mode the window closes itself now.
    virtual void build_ended() = 0;
};
