#include "bankbuilder/console_reporter.h"

#include <algorithm>
#include <strings.h>

void sort_warnings(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    });
}

void ConsoleReporter::warning_box(const std::string& caption, const std::string& text) {
    std::fprintf(err_, "%s: %s", caption.c_str(), text.c_str());
    if (text.empty() || text.back() != '\n') std::fputc('\n', err_);
    std::fflush(err_);
}

void ConsoleReporter::information_box(const std::string&, const std::string& text) {
    std::fputs(text.c_str(), out_);
    std::fflush(out_);
}

void ConsoleReporter::show_warnings() {
    sort_warnings(warnings_);
    std::fprintf(err_, "Warnings during sound compilation:\n");
    for (const std::string& w : warnings_)
        std::fprintf(err_, "  %s\n", w.c_str());
    std::fflush(err_);
}
