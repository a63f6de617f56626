// Reading the source list: a list file's lines, or a directory tree.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class Reporter;

// The paths a list file names, from its text. base_dir is the list file's own directory with
// its trailing "/" (or empty). is_directory tells which lines name directories; such a line
// becomes the base for the bare names after it. "\\" is accepted as a separator.
std::vector<std::string>
parse_list_text(const char* data, size_t size, std::string base_dir,
                const std::function<bool(const std::string&)>& is_directory);

// Whether a list-file line names a sound file (".wav", ".mp3", ".ogg", ".aiff", any case).
bool list_line_is_sound(const std::string& line);
// Whether a directory entry's full path is collected (the case-sensitive test).
bool directory_path_is_sound(const std::string& path);

// Adds the paths of a list file to list (and to the reporter's file list). Returns true when at
// least one path was added; a missing file returns false without a message, a file that cannot
// be read shows its message in a warning box.
bool collect_from_list_file(Reporter& reporter, const std::string& list_path,
                            std::vector<std::string>& list);

// Adds the sound files below directory, depth first in name order. The directory text gets a
// trailing "/" when it has none. Returns true when at least one file was added, false when
// none was or the build was cancelled.
bool collect_from_directory(Reporter& reporter, std::string& directory,
                            std::vector<std::string>& list);
