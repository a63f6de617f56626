#include "game/shell/config.h"

#include <cstdio>
#include <cstdlib>

std::string game_mode_string;

void read_config_file(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) {
        std::fprintf(stderr, "ERROR: cannot open configuration file \"%s\"\n", path.c_str());
        std::fflush(stderr);
        std::exit(1);
    }
    std::string line;
    for (int c; (c = std::fgetc(file)) != EOF;) {
        if (c == '\n') {
            parse_config_line(line);
            line.clear();
        } else if (c == '\r') {
            // Text-mode reading: the CR of a CR LF pair is dropped, a lone CR is kept.
            int next = std::fgetc(file);
            if (next != '\n') line += '\r';
            if (next != EOF) std::ungetc(next, file);
        } else {
            line += static_cast<char>(c);
        }
    }
    parse_config_line(line);
    std::fclose(file);
}

void parse_config_line(const std::string& original) {
    static const std::string key = "GameModeString";
    std::string line = original;
    if (size_t comment = line.find("//"); comment != std::string::npos) line.resize(comment);
    if (line.empty()) return;
    size_t at = line.find(key);
    if (at == std::string::npos) return;
    line.erase(at, key.size());
    for (char& c : line)
        if (c == '\t') c = ' ';
    if (line.find_first_not_of(' ') != std::string::npos)
        line.erase(0, line.find_first_not_of(' '));
    if (size_t space = line.find(' '); space != std::string::npos) line.resize(space);
    game_mode_string = line;
    std::fprintf(stderr, "GameModeString: %s\n", game_mode_string.c_str());
    std::fflush(stderr);
}
