// Note spelling for the song generators: "F#5:8 A5:4 R:4" -> (MIDI key or rest, length) pairs.
#pragma once

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace song_writer {

struct Note {
    int key; // MIDI key number, -1 for a rest
    int length;
};

// Name like "C4", "F#5", "Bb3" to a MIDI key (C4 = 60); -1 for "R".
inline int note_key(const std::string& name) {
    if (name.empty() || name[0] == 'R') return -1;
    static const int base[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int key = base[std::toupper(name[0]) - 'A'];
    size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i)
        key += name[i] == '#' ? 1 : -1;
    int octave = std::stoi(name.substr(i));
    return key + 12 * (octave + 1);
}

inline std::vector<Note> parse_notes(const std::string& text) {
    std::vector<Note> out;
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        size_t colon = token.find(':');
        out.push_back({note_key(token.substr(0, colon)), std::stoi(token.substr(colon + 1))});
    }
    return out;
}

} // namespace song_writer
