// A reporter that records what the build shows, for tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "bankbuilder/reporter.h"

struct RecordingReporter : Reporter {
    std::vector<std::string> files, boxes, warnings, size_texts, budget_texts;
    std::vector<int> selected;
    std::vector<std::pair<int, bool>> memory_bar;
    int memory_range = 0, shown_warning_windows = 0, ended = 0;
    std::vector<bool> building;
    std::string button;
    std::function<void(int)> on_select; // lets a test cancel at a given entry

    void clear_file_list() override { files.clear(); }
    void add_file(const std::string& p) override { files.push_back(p); }
    void select_file(int i) override {
        selected.push_back(i);
        if (on_select) on_select(i);
    }
    void set_current_size_text(const std::string& t) override { size_texts.push_back(t); }
    void set_budget_text(const std::string& t) override { budget_texts.push_back(t); }
    void set_memory_bar_range(int m) override { memory_range = m; }
    void set_memory_bar(int p, bool over) override { memory_bar.push_back({p, over}); }
    void set_busy_bar(int, int) override {}
    void set_building(bool on) override { building.push_back(on); }
    void set_build_button_text(const std::string& t) override { button = t; }
    void warning_box(const std::string& c, const std::string& t) override {
        boxes.push_back(c + ": " + t);
    }
    void information_box(const std::string& c, const std::string& t) override {
        boxes.push_back(c + ": " + t);
    }
    void begin_warnings() override {}
    void add_warning(const std::string& t) override { warnings.push_back(t); }
    void show_warnings() override { ++shown_warning_windows; }
    void build_ended() override { ++ended; }
};
