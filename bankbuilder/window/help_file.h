// The help file "wavecrate.hlp": plain text in topics. A line "@topic <context> <title>" starts
// a topic; the lines after it, up to the next topic, are its text, in paragraphs separated by
// blank lines. Lines starting with ";" are comments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct HelpTopic {
    int context = 0;
    std::string title;
    std::vector<std::string> paragraphs;
};

// Help files larger than this are not read.
constexpr size_t HELP_FILE_MAX_BYTES = 1 << 20;

// The topics of a help file's text, in file order. Malformed topic lines are skipped with the
// text that follows them.
std::vector<HelpTopic> parse_help(std::string_view text);

// Reads and parses a help file; false when it cannot be read or is too large.
bool load_help_file(const std::string& path, std::vector<HelpTopic>& topics);

// The topic of a context number, or null.
const HelpTopic* find_help_topic(const std::vector<HelpTopic>& topics, int context);
