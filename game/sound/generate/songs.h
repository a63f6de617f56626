// The game's three songs, composed in code and written by our own module and MIDI writers.
#pragma once

#include <cstdint>
#include <vector>

namespace song_writer {

std::vector<uint8_t> make_barbaria();   // "barbaria.mod": the menu song
std::vector<uint8_t> make_dreamless();  // "dreamles.it": the win song
std::vector<uint8_t> make_bard_dance(); // "Bard_Dance.mid": the game song

} // namespace song_writer
