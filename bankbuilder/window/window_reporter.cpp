#include "bankbuilder/window/window_reporter.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <chrono>
#include <thread>

#include "bankbuilder/build_state.h"
#include "bankbuilder/window/main_window.h"

namespace {
QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

template <class Call> void WindowReporter::on_window(Call call) {
    if (QThread::currentThread() == window_->thread())
        call();
    else
        QMetaObject::invokeMethod(window_, std::move(call), Qt::BlockingQueuedConnection);
}

void WindowReporter::clear_file_list() {
    on_window([w = window_] { w->clear_file_list(); });
}

void WindowReporter::add_file(const std::string& path) {
    on_window([w = window_, p = text_of(path)] { w->add_file(p); });
}

void WindowReporter::select_file(int index) {
    on_window([w = window_, index] { w->select_file(index); });
}

void WindowReporter::set_current_size_text(const std::string& text) {
    on_window([w = window_, t = text_of(text)] { w->set_current_size_text(t); });
}

void WindowReporter::set_budget_text(const std::string& text) {
    on_window([w = window_, t = text_of(text)] { w->set_budget_text(t); });
}

void WindowReporter::set_memory_bar_range(int maximum) {
    on_window([w = window_, maximum] { w->set_memory_bar_range(maximum); });
}

void WindowReporter::set_memory_bar(int position, bool over_budget) {
    on_window([w = window_, position, over_budget] { w->set_memory_bar(position, over_budget); });
}

void WindowReporter::set_busy_bar(int maximum, int position) {
    on_window([w = window_, maximum, position] { w->set_busy_bar(maximum, position); });
}

void WindowReporter::set_building(bool on) {
    on_window([w = window_, on] { w->set_building(on); });
}

void WindowReporter::set_build_button_text(const std::string& text) {
    on_window([w = window_, t = text_of(text)] { w->set_build_button_text(t); });
}

void WindowReporter::warning_box(const std::string& caption, const std::string& text) {
    on_window(
        [w = window_, c = text_of(caption), t = text_of(text)] { w->message(ICON_WARNING, c, t); });
}

void WindowReporter::information_box(const std::string& caption, const std::string& text) {
    on_window([w = window_, c = text_of(caption), t = text_of(text)] {
        w->message(ICON_INFORMATION, c, t);
    });
}

void WindowReporter::begin_warnings() {
    on_window([w = window_] { w->begin_warnings(); });
}

void WindowReporter::add_warning(const std::string& text) {
    on_window([w = window_, t = text_of(text)] { w->add_warning(t); });
}

void WindowReporter::show_warnings() {
    on_window([w = window_] { w->show_warnings(); });
    // The bank is finished only after the user has read its warnings. A cancel (Cancel or
    // closing the program) ends the wait too, so that closing never hangs on a window that
    // nobody answers.
    bool on_window_thread = QThread::currentThread() == window_->thread();
    while (window_->warnings_open() && !build_state.cancel_requested) {
        if (on_window_thread) QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void WindowReporter::build_ended() {
    on_window([w = window_] { w->build_ended(); });
}
