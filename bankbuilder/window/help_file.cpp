#include "bankbuilder/window/help_file.h"

#include <cstdio>

namespace {
constexpr std::string_view TOPIC_MARK = "@topic";

std::string_view trim(std::string_view s) {
    size_t begin = s.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos) return {};
    size_t end = s.find_last_not_of(" \t\r");
    return s.substr(begin, end - begin + 1);
}

// "@topic 105 Title": the number and the title; false when the number is missing or too long.
bool parse_topic_line(std::string_view line, int& context, std::string& title) {
    std::string_view rest = trim(line.substr(TOPIC_MARK.size()));
    size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9')
        ++digits;
    if (digits == 0 || digits > 6) return false;
    context = 0;
    for (size_t i = 0; i < digits; ++i)
        context = context * 10 + (rest[i] - '0');
    title = std::string(trim(rest.substr(digits)));
    return true;
}
} // namespace

std::vector<HelpTopic> parse_help(std::string_view text) {
    std::vector<HelpTopic> topics;
    HelpTopic* current = nullptr;
    bool in_paragraph = false;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line[0] == ';') continue;
        if (line.substr(0, TOPIC_MARK.size()) == TOPIC_MARK) {
            int context = 0;
            std::string title;
            current = nullptr;
            if (parse_topic_line(line, context, title)) {
                topics.push_back(HelpTopic{context, std::move(title), {}});
                current = &topics.back();
            }
            in_paragraph = false;
            continue;
        }
        if (!current) continue;
        std::string_view content = trim(line);
        if (content.empty()) {
            in_paragraph = false;
        } else if (in_paragraph) {
            current->paragraphs.back() += ' ';
            current->paragraphs.back() += content;
        } else {
            current->paragraphs.emplace_back(content);
            in_paragraph = true;
        }
    }
    return topics;
}

bool load_help_file(const std::string& path, std::vector<HelpTopic>& topics) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::string text;
    char buffer[4096];
    size_t got = 0;
    bool ok = true;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (text.size() + got > HELP_FILE_MAX_BYTES) {
            ok = false;
            break;
        }
        text.append(buffer, got);
    }
    if (std::ferror(file)) ok = false;
    std::fclose(file);
    if (!ok) return false;
    topics = parse_help(text);
    return true;
}

const HelpTopic* find_help_topic(const std::vector<HelpTopic>& topics, int context) {
    for (const HelpTopic& topic : topics)
        if (topic.context == context) return &topic;
    return nullptr;
}
