// The reporter for runs without a display: message boxes and warnings go to standard error with
// their captions, the usage text to standard output, and nothing waits for a user.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "bankbuilder/reporter.h"

class ConsoleReporter : public Reporter {
  public:
    ConsoleReporter(std::FILE* out = stdout, std::FILE* err = stderr) : out_(out), err_(err) {}

    void clear_file_list() override {}
    void add_file(const std::string&) override {}
    void select_file(int) override {}
    void set_current_size_text(const std::string&) override {}
    void set_budget_text(const std::string&) override {}
    void set_memory_bar_range(int) override {}
    void set_memory_bar(int, bool) override {}
    void set_busy_bar(int, int) override {}
    void set_building(bool) override {}
    void set_build_button_text(const std::string&) override {}
    void build_ended() override {}

    void warning_box(const std::string& caption, const std::string& text) override;
    // The only information box is the usage text: it goes to standard output as it is.
    void information_box(const std::string& caption, const std::string& text) override;
    void begin_warnings() override { warnings_.clear(); }
    void add_warning(const std::string& text) override { warnings_.push_back(text); }
    // Prints the window's title, then the lines sorted as the window's list sorts them.
    void show_warnings() override;

  private:
    std::FILE* out_;
    std::FILE* err_;
    std::vector<std::string> warnings_;
};

// The warnings window's order: alphabetical without regard to case.
void sort_warnings(std::vector<std::string>& lines);
