// The configuration file "dnh_config.cfg": one key, "GameModeString", read line by line.
#pragma once

#include <string>

extern std::string game_mode_string;

// Reads the whole file and hands each line to parse_config_line. Ends the process with exit
// code 1 when the file cannot be opened.
void read_config_file(const std::string& path);

// Applies the grammar to one line; may set game_mode_string and report it on standard error.
void parse_config_line(const std::string& line);
