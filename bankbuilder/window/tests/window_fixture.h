// Test support for the window: the application on the offscreen platform with its settings in
// a temporary folder, dialogs answered by the test, and a fixture that starts a main window.
#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "bankbuilder/tests/test_support.h"
#include "bankbuilder/window/main_window.h"

namespace wc_test {

// Creates the one QApplication of the test program (offscreen, settings in a private folder).
void ensure_application();
// Removes every saved setting.
void clear_saved_settings();
// Serves events until done() is true or the time runs out; returns done().
bool wait_until(const std::function<bool()>& done, int milliseconds = 20000);

struct ShownMessage {
    MessageIcon icon;
    QString caption;
    QString text;
};

class FakeDialogs : public UserDialogs {
  public:
    void message(QWidget*, MessageIcon icon, const QString& caption, const QString& text) override {
        messages.push_back({icon, caption, text});
        if (on_message) on_message();
    }
    bool ask_yes_no(QWidget*, const QString& caption, const QString& text) override {
        questions.push_back({ICON_QUESTION, caption, text});
        return answer_yes;
    }
    std::optional<QString> open_file_list(QWidget*, const QString& start) override {
        calls.push_back("open_file_list:" + start);
        return next_path;
    }
    std::optional<QString> choose_folder(QWidget*, const QString& preselect) override {
        calls.push_back("choose_folder:" + preselect);
        return next_path;
    }
    std::optional<QString> save_bank(QWidget*, const QString& start) override {
        calls.push_back("save_bank:" + start);
        return next_path;
    }
    void show_help(QWidget*, const QString& file, int context) override {
        calls.push_back("help:" + file + ":" + QString::number(context));
    }

    std::vector<ShownMessage> messages;
    std::vector<ShownMessage> questions;
    std::vector<QString> calls;
    std::optional<QString> next_path;
    bool answer_yes = true;
    std::function<void()> on_message;
};

// Loading the "libraries" makes every platform available, so every panel and list can be
// reached without the real encoder libraries.
void load_all_platforms();

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window and runs its start-up with a command line; returns start's result.
    int start_window(const QString& command_line = QString());
    // Selects a list entry by value as the user would, running the selection command.
    void choose(int list_id, int value);
    QWidget* widget(int id) const;
    template <class T> T* get(int id) const { return qobject_cast<T*>(widget(id)); }

    EncoderTable encoders_;
    FakeDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
    std::optional<int> quit_code_;
};

} // namespace wc_test
