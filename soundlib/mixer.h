// The mixer: a fixed number of sample channels plus any playing songs, summed in float at the mix
// rate and passed through a soft limiter so that many overlapping sounds never clip harshly.
#pragma once

#include "soundlib/song.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace zelvo {

// A sample's frames already converted to the mix rate (interleaved float, 1 or 2 channels).
struct MixSource {
    std::vector<float> frames;
    int channels = 1;
    size_t length() const { return frames.size() / size_t(channels); }
};

class Mixer {
  public:
    Mixer(int rate, int channels);

    int rate() const { return rate_; }
    int channel_count() const { return int(voices_.size()); }

    // Starts source on channel (or on the first free one for -1) with gains 0..1 for the two
    // sides. Returns the channel, -1 when every channel is busy, -2 for a bad channel number.
    int play(int channel, std::shared_ptr<const MixSource> source, float left, float right);
    // Silences every channel still playing from source (before the source is freed).
    void stop_source(const MixSource* source);
    void stop_all();
    int active_voices() const;

    void add_song(Song* song);
    void remove_song(Song* song);

    // Interleaved stereo float frames, limited to -1..1.
    void render(float* out, int frames);
    void render_s16(int16_t* out, int frames);

    // The audio thread and the API thread both take this; API calls that change voices or songs
    // hold it for the change only.
    std::recursive_mutex& lock() { return mutex_; }

  private:
    struct Voice {
        std::shared_ptr<const MixSource> source;
        size_t position = 0;
        float left = 0, right = 0;
    };
    void render_block(float* out, int frames);

    int rate_;
    std::vector<Voice> voices_;
    std::vector<Song*> songs_;
    std::vector<float> scratch_;
    mutable std::recursive_mutex mutex_;
};

// The limiter's curve: linear up to the knee, then a smooth approach to full scale.
float soft_limit(float x);

} // namespace zelvo
