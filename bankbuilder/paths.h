// How the builder forms file names: extensions, header guards, #define names and the base path
// of each bank in multiple mode. Paths use "/" as separator.
#pragma once

#include <string>

// The text after the last "/" (the whole path when there is none).
std::string path_file_name(const std::string& path);
// The text up to and including the last "/" (empty when there is none).
std::string path_directory(const std::string& path);

// Removes the extension of the last path component (from its last "." on), if it has one, and
// appends ext (which includes its dot).
std::string replace_extension(const std::string& path, const std::string& ext);

// The guard name of a bank's C header: last component, upper case, cut at its first ".".
std::string header_guard_name(const std::string& base_path);

// The #define line of one sample, from its 30-character name field.
std::string define_line(const char* name_field, int index);

// Base path of the bank for one list entry in multiple mode: dest + "/" + (with rebuild_tree,
// the entry's directory relative to source_dir, which ends in "/") + the entry's file name cut
// at its first ".". relative_dir receives the relative directory part ("" when none).
std::string multiple_bank_base(const std::string& dest, const std::string& source_dir,
                               const std::string& entry, bool rebuild_tree,
                               std::string& relative_dir);

// Fills a 30-byte name field from a file name: cut to 30 characters, zero-padded.
void fill_name_field(char* field, const std::string& file_name);
