// A song the mixer plays: a tracker module or a MIDI file rendered straight at the mix rate.
#pragma once

#include <memory>
#include <string>

namespace zelvo {

class Song {
  public:
    virtual ~Song() = default;
    // Back to the first row / tick, silencing anything still sounding.
    virtual void restart() = 0;
    // Adds frames of interleaved stereo to out, scaled by gain. Loops at the song's end.
    virtual void render_add(float* out, int frames, float gain) = 0;

    bool playing = false;
    int volume = 256; // 0..ZTUNE_MAX_VOLUME
};

// Loads a MOD, IT (or other module) or standard MIDI file for playback at rate.
// Returns null and sets error to one of the library's codes on failure.
std::unique_ptr<Song> load_song(const char* path, int rate, int& error);

// The General MIDI SoundFont: ZELVO_SOUNDFONT when set, else the system's default.
std::string soundfont_path();

} // namespace zelvo
