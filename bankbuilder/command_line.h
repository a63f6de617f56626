// The command-line grammar of wavecrate: switches, their error codes and texts, the usage text.
#pragma once

#include <string>

#include "bankbuilder/settings.h"

enum CommandLineError {
    CMD_OK = 0,
    CMD_HELP = 1,
    CMD_DEST_TWICE = 2,
    CMD_NO_DEST_NAME = 3,
    CMD_NO_MODE = 4,
    CMD_END_OF_LINE = 5,
    CMD_BAD_MODE = 6,
    CMD_NO_PLATFORM = 7,
    CMD_BAD_PLATFORM = 8,
    CMD_NO_FORMAT = 9,
    CMD_BAD_FORMAT = 10,
    CMD_NO_REVERB_CORE = 11,
    CMD_BAD_REVERB_CORE = 12,
    CMD_BAD_SWITCH = 13,
    CMD_SOURCE_TWICE = 14,
    CMD_NO_SOURCE = 15,
    CMD_NO_DEST = 16,
    CMD_BAD_SOURCE = 17,
    CMD_NO_INTERLEAVE = 18,
    CMD_FORMAT_NOT_ON_PLATFORM = 19,
};
constexpr int COMMAND_LINE_ERROR_COUNT = 20;

extern const char* const USAGE_TEXT;
constexpr const char* USAGE_CAPTION = "Wavecrate - Command line options";
constexpr const char* ERROR_CAPTION = "Wavecrate - ERROR";

// The reason text of a code ("" for the help code and for codes outside the table).
const char* command_line_reason(int code);

// Applies the command line to the settings. An empty (or all-blank) text returns true and
// changes nothing. On false, error holds the code. The source path must exist: a directory
// selects directory collection, a regular file the list file.
bool parse_command_line(const std::string& text, BuildSettings& settings, CommandLineError& error);

// The text of the "Bad command line" box for a failed parse.
std::string bad_command_line_text(const std::string& text, CommandLineError error);
