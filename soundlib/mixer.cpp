// Mixing of sample voices and songs.
#include "soundlib/mixer.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {
constexpr float KNEE = 0.8f;
constexpr int BLOCK = 256;
} // namespace

float soft_limit(float x) {
    float a = std::fabs(x);
    if (a <= KNEE) return x;
    // tanh keeps the curve's slope continuous at the knee and never reaches 1.
    float over = (a - KNEE) / (1.0f - KNEE);
    float y = KNEE + (1.0f - KNEE) * std::tanh(over);
    return x < 0 ? -y : y;
}

Mixer::Mixer(int rate, int channels) : rate_(rate), voices_(size_t(channels)) {}

int Mixer::play(int channel, std::shared_ptr<const MixSource> source, float left, float right) {
    std::lock_guard guard(mutex_);
    if (channel < -1 || channel >= int(voices_.size())) return -2;
    if (channel == -1) {
        for (size_t i = 0; i < voices_.size(); ++i)
            if (!voices_[i].source) {
                channel = int(i);
                break;
            }
        if (channel == -1) return -1;
    }
    Voice& v = voices_[size_t(channel)];
    v.source = std::move(source);
    v.position = 0;
    v.left = left;
    v.right = right;
    return channel;
}

void Mixer::stop_source(const MixSource* source) {
    std::lock_guard guard(mutex_);
    for (Voice& v : voices_)
        if (v.source.get() == source) v.source.reset();
}

void Mixer::stop_all() {
    std::lock_guard guard(mutex_);
    for (Voice& v : voices_)
        v.source.reset();
    for (Song* s : songs_)
        s->playing = false;
}

int Mixer::active_voices() const {
    std::lock_guard guard(mutex_);
    return int(std::count_if(voices_.begin(), voices_.end(),
                             [](const Voice& v) { return v.source != nullptr; }));
}

void Mixer::add_song(Song* song) {
    std::lock_guard guard(mutex_);
    songs_.push_back(song);
}

void Mixer::remove_song(Song* song) {
    std::lock_guard guard(mutex_);
    songs_.erase(std::remove(songs_.begin(), songs_.end(), song), songs_.end());
}

void Mixer::render_block(float* out, int frames) {
    std::fill(out, out + size_t(frames) * 2, 0.0f);
    for (Voice& v : voices_) {
        if (!v.source) continue;
        const MixSource& s = *v.source;
        const size_t n = std::min(size_t(frames), s.length() - v.position);
        const float* in = s.frames.data() + v.position * size_t(s.channels);
        if (s.channels == 1) {
            for (size_t i = 0; i < n; ++i) {
                out[2 * i] += in[i] * v.left;
                out[2 * i + 1] += in[i] * v.right;
            }
        } else {
            for (size_t i = 0; i < n; ++i) {
                out[2 * i] += in[2 * i] * v.left;
                out[2 * i + 1] += in[2 * i + 1] * v.right;
            }
        }
        v.position += n;
        if (v.position >= s.length()) v.source.reset(); // fire and forget: the channel is free
    }
    for (Song* song : songs_)
        if (song->playing && song->volume > 0) song->render_add(out, frames, song->volume / 256.0f);
    for (size_t i = 0; i < size_t(frames) * 2; ++i)
        out[i] = soft_limit(out[i]);
}

void Mixer::render(float* out, int frames) {
    std::lock_guard guard(mutex_);
    for (int done = 0; done < frames; done += BLOCK)
        render_block(out + size_t(done) * 2, std::min(BLOCK, frames - done));
}

void Mixer::render_s16(int16_t* out, int frames) {
    std::lock_guard guard(mutex_);
    scratch_.resize(size_t(BLOCK) * 2);
    for (int done = 0; done < frames; done += BLOCK) {
        int n = std::min(BLOCK, frames - done);
        render_block(scratch_.data(), n);
        for (int i = 0; i < n * 2; ++i)
            out[size_t(done) * 2 + size_t(i)] =
                int16_t(std::lrintf(scratch_[size_t(i)] * 32767.0f));
    }
}

} // namespace zelvo
