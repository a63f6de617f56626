// The C interface: handle tables for samples, streams and songs, slots, the error code, and the
// start and shutdown of the mixer and its output.
#include "soundlib/zelvo.h"

#include "soundlib/mixer.h"
#include "soundlib/output.h"
#include "soundlib/resample.h"
#include "soundlib/sample_data.h"
#include "soundlib/song.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>

namespace {

using namespace zelvo;

constexpr float VERSION = 3.71f;
constexpr float SAMPLE_GAIN = 0.8f; // one sample at full volume leaves headroom for the rest
constexpr int EAGER_CONVERT_SECONDS = 10;

// Handles carry their kind in the top four bits and never repeat within a run, so a stale or
// foreign handle is recognised instead of reaching another object.
constexpr uint32_t KIND_SAMPLE = 1u << 28, KIND_STREAM = 2u << 28, KIND_SONG = 3u << 28;
constexpr uint32_t KIND_MASK = 0xFu << 28;

struct Sample {
    SampleData data;
    unsigned mode = 0;
    int slot = -1;
    bool stream_owned = false;
    std::shared_ptr<const MixSource> mix; // at the mix rate: made at load or on first play
};

struct State {
    std::atomic<int> error{0};
    bool initialised = false;
    std::unique_ptr<Mixer> mixer;
    std::unique_ptr<Output> output;
    std::unordered_map<uint32_t, std::unique_ptr<Sample>> samples;
    std::unordered_map<uint32_t, uint32_t> streams; // stream -> its sample
    std::unordered_map<uint32_t, std::unique_ptr<Song>> songs;
    std::array<uint32_t, ZVOICE_MAX_SLOTS> slots{};
    uint32_t next_id = 1;
    bool exit_hook = false;
    std::mutex api; // calls come from one thread at a time; this makes a slip harmless
};

// Never destroyed: the exit handler and a late audio callback must not find it gone.
State& state() {
    static State* s = new State;
    return *s;
}

template <typename T> T fail(int code, T value) {
    state().error = code;
    return value;
}

uint32_t new_handle(uint32_t kind) {
    State& s = state();
    uint32_t id = s.next_id++ & ~KIND_MASK;
    if (id == 0) id = s.next_id++ & ~KIND_MASK;
    return kind | id;
}

Sample* find_sample(uint32_t handle) {
    if ((handle & KIND_MASK) != KIND_SAMPLE) return nullptr;
    auto it = state().samples.find(handle);
    return it == state().samples.end() ? nullptr : it->second.get();
}

Song* find_song(uint32_t handle) {
    if ((handle & KIND_MASK) != KIND_SONG) return nullptr;
    auto it = state().songs.find(handle);
    return it == state().songs.end() ? nullptr : it->second.get();
}

void release_sample(uint32_t handle) {
    State& s = state();
    auto it = s.samples.find(handle);
    if (it == s.samples.end()) return;
    Sample& sample = *it->second;
    if (s.mixer && sample.mix) s.mixer->stop_source(sample.mix.get());
    if (sample.slot >= 0 && s.slots[size_t(sample.slot)] == handle)
        s.slots[size_t(sample.slot)] = 0;
    s.samples.erase(it);
}

// Converts the sample for the mixer; false when memory runs out.
bool make_mix_source(Sample& sample, int rate) {
    if (sample.mix) return true;
    try {
        auto source = std::make_shared<MixSource>();
        source->frames = resample_for_mix(sample.data, rate);
        source->channels = sample.data.channels;
        if (source->frames.empty()) return false;
        sample.mix = std::move(source);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void shutdown_output() {
    State& s = state();
    if (s.output) s.output->stop();
    s.output.reset();
}

// exit() (the game's Escape) must still leave a complete WAV file and a quiet device.
void at_exit() {
    shutdown_output();
}

uint32_t load_into(int slot, const char* file, unsigned mode, int offset, int length,
                   bool stream_owned) {
    State& s = state();
    if (!file || offset < 0 || length < 0 || slot < -1 || slot >= ZVOICE_MAX_SLOTS)
        return fail(ZVOICE_ERR_INVALID_PARAM, 0u);
    if (slot == -1 && !stream_owned) {
        for (int i = 0; i < ZVOICE_MAX_SLOTS; ++i)
            if (s.slots[size_t(i)] == 0) {
                slot = i;
                break;
            }
        if (slot == -1) return fail(ZVOICE_ERR_MEMORY, 0u);
    }
    std::unique_ptr<Sample> sample;
    try {
        sample = std::make_unique<Sample>();
    } catch (const std::bad_alloc&) {
        return fail(ZVOICE_ERR_MEMORY, 0u);
    }
    int code = decode_sample_file(file, offset, length, sample->data);
    if (code != 0) return fail(code, 0u);
    const unsigned layout = ZVOICE_8BITS | ZVOICE_16BITS | ZVOICE_MONO | ZVOICE_STEREO;
    sample->mode = (mode & ~layout) | (sample->data.bits == 8 ? ZVOICE_8BITS : ZVOICE_16BITS) |
                   (sample->data.channels == 1 ? ZVOICE_MONO : ZVOICE_STEREO);
    sample->stream_owned = stream_owned;
    // Short samples loaded after Init (the game's effects) are converted to the mix rate now, so
    // their first play costs the caller nothing; long ones wait until they are played, if ever.
    if (s.initialised && !stream_owned &&
        sample->data.frames <= uint32_t(EAGER_CONVERT_SECONDS * sample->data.rate))
        make_mix_source(*sample, s.mixer->rate());
    uint32_t handle = new_handle(KIND_SAMPLE);
    if (slot >= 0) {
        if (s.slots[size_t(slot)] != 0) release_sample(s.slots[size_t(slot)]);
        s.slots[size_t(slot)] = handle;
        sample->slot = slot;
    }
    s.samples[handle] = std::move(sample);
    return handle;
}

} // namespace

extern "C" {

float ZVOICE_GetVersion(void) {
    return VERSION;
}

int ZVOICE_GetError(void) {
    return state().error;
}

int ZVOICE_Init(int mix_rate, int max_channels, unsigned int flags) {
    (void)flags; // no optional features: every flag value is accepted
    State& s = state();
    std::lock_guard guard(s.api);
    if (s.initialised) return fail(ZVOICE_ERR_INIT, 0);
    if (mix_rate < 8000 || mix_rate > 192000 || max_channels < 1 || max_channels > 4096)
        return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    try {
        s.mixer = std::make_unique<Mixer>(mix_rate, max_channels);
        const char* env = std::getenv("ZELVO_OUTPUT");
        s.output = open_output(env ? env : "", *s.mixer);
    } catch (const std::bad_alloc&) {
        s.output.reset();
        s.mixer.reset();
        return fail(ZVOICE_ERR_MEMORY, 0);
    }
    if (!s.output) {
        s.mixer.reset();
        return fail(ZVOICE_ERR_OUTPUT_INIT, 0);
    }
    if (!s.exit_hook) {
        std::atexit(at_exit);
        s.exit_hook = true;
    }
    s.initialised = true;
    s.error = ZVOICE_ERR_NONE;
    return 1;
}

void ZVOICE_Close(void) {
    State& s = state();
    std::lock_guard guard(s.api);
    if (!s.initialised) {
        s.error = ZVOICE_ERR_UNINITIALIZED;
        return;
    }
    shutdown_output();
    s.songs.clear();
    s.samples.clear();
    s.streams.clear();
    s.slots.fill(0);
    s.mixer.reset();
    s.initialised = false;
}

ZVOICE_SAMPLE ZVOICE_Sample_Load(int slot, const char* file, unsigned int mode, int offset,
                                 int length) {
    std::lock_guard guard(state().api);
    return load_into(slot, file, mode, offset, length, false);
}

ZVOICE_SAMPLE ZVOICE_Sample_Get(int slot) {
    State& s = state();
    std::lock_guard guard(s.api);
    if (slot < 0 || slot >= ZVOICE_MAX_SLOTS || s.slots[size_t(slot)] == 0)
        return fail(ZVOICE_ERR_INVALID_PARAM, 0u);
    return s.slots[size_t(slot)];
}

int ZVOICE_PlaySound(int channel, ZVOICE_SAMPLE handle) {
    State& s = state();
    std::lock_guard guard(s.api);
    if (!s.initialised) return fail(ZVOICE_ERR_UNINITIALIZED, -1);
    Sample* sample = find_sample(handle);
    if (!sample || channel < -1 || channel >= s.mixer->channel_count())
        return fail(ZVOICE_ERR_INVALID_PARAM, -1);
    if (!make_mix_source(*sample, s.mixer->rate())) return fail(ZVOICE_ERR_MEMORY, -1);
    // The sample's pan (0 left .. 255 right) as a balance that leaves the centre at full level.
    const float pan = ZVOICE_DEFAULT_PAN / 255.0f;
    const float gain = SAMPLE_GAIN * ZVOICE_DEFAULT_VOLUME / 255.0f;
    const float left = gain * std::min(1.0f, 2.0f * (1.0f - pan));
    const float right = gain * std::min(1.0f, 2.0f * pan);
    int played = s.mixer->play(channel, sample->mix, left, right);
    if (played == -1) return fail(ZVOICE_ERR_CHANNEL_ALLOC, -1);
    if (played < 0) return fail(ZVOICE_ERR_INVALID_PARAM, -1);
    return played;
}

unsigned int ZVOICE_Sample_GetMode(ZVOICE_SAMPLE handle) {
    std::lock_guard guard(state().api);
    Sample* sample = find_sample(handle);
    return sample ? sample->mode : fail(ZVOICE_ERR_INVALID_PARAM, 0u);
}

unsigned int ZVOICE_Sample_GetLength(ZVOICE_SAMPLE handle) {
    std::lock_guard guard(state().api);
    Sample* sample = find_sample(handle);
    return sample ? sample->data.frames : fail(ZVOICE_ERR_INVALID_PARAM, 0u);
}

int ZVOICE_Sample_GetDefaults(ZVOICE_SAMPLE handle, int* frequency, int* volume, int* pan,
                              int* priority) {
    std::lock_guard guard(state().api);
    Sample* sample = find_sample(handle);
    if (!sample) return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    if (frequency) *frequency = sample->data.rate;
    if (volume) *volume = ZVOICE_DEFAULT_VOLUME;
    if (pan) *pan = ZVOICE_DEFAULT_PAN;
    if (priority) *priority = ZVOICE_DEFAULT_PRIORITY;
    return 1;
}

int ZVOICE_Sample_GetLoopPoints(ZVOICE_SAMPLE handle, int* loop_start, int* loop_end) {
    std::lock_guard guard(state().api);
    Sample* sample = find_sample(handle);
    if (!sample) return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    if (loop_start) *loop_start = int(sample->data.loop_start);
    if (loop_end) *loop_end = int(sample->data.loop_end);
    return 1;
}

int ZVOICE_Sample_Lock(ZVOICE_SAMPLE handle, int offset, int length, void** ptr1, void** ptr2,
                       unsigned int* len1, unsigned int* len2) {
    std::lock_guard guard(state().api);
    Sample* sample = find_sample(handle);
    if (!sample || !ptr1 || offset < 0 || length < 0) return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    const size_t total = sample->data.bytes.size();
    if (size_t(offset) >= total) return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    size_t available = total - size_t(offset);
    size_t n = length == 0 ? available : std::min(available, size_t(length));
    *ptr1 = sample->data.bytes.data() + offset;
    if (len1) *len1 = unsigned(n);
    if (ptr2) *ptr2 = nullptr;
    if (len2) *len2 = 0;
    return 1;
}

int ZVOICE_Sample_Unlock(ZVOICE_SAMPLE handle, void* ptr1, void* ptr2, unsigned int len1,
                         unsigned int len2) {
    (void)ptr2, (void)len1, (void)len2;
    std::lock_guard guard(state().api);
    Sample* sample = find_sample(handle);
    if (!sample || !ptr1) return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    const uint8_t* p = static_cast<const uint8_t*>(ptr1);
    const uint8_t* begin = sample->data.bytes.data();
    if (p < begin || p >= begin + sample->data.bytes.size())
        return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    return 1;
}

void ZVOICE_Sample_Free(ZVOICE_SAMPLE handle) {
    std::lock_guard guard(state().api);
    Sample* sample = find_sample(handle);
    // A stream's sample goes with its stream.
    if (!sample || sample->stream_owned) {
        state().error = ZVOICE_ERR_INVALID_PARAM;
        return;
    }
    release_sample(handle);
}

ZVOICE_STREAM ZVOICE_Stream_Open(const char* file, unsigned int mode, int offset, int length) {
    State& s = state();
    std::lock_guard guard(s.api);
    uint32_t sample = load_into(-1, file, mode, offset, length, true);
    if (sample == 0) return 0;
    uint32_t handle = new_handle(KIND_STREAM);
    s.streams[handle] = sample;
    return handle;
}

ZVOICE_SAMPLE ZVOICE_Stream_GetSample(ZVOICE_STREAM stream) {
    State& s = state();
    std::lock_guard guard(s.api);
    auto it = s.streams.find(stream);
    if (it == s.streams.end()) return fail(ZVOICE_ERR_INVALID_PARAM, 0u);
    return it->second;
}

int ZVOICE_Stream_Close(ZVOICE_STREAM stream) {
    State& s = state();
    std::lock_guard guard(s.api);
    auto it = s.streams.find(stream);
    if (it == s.streams.end()) return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    release_sample(it->second);
    s.streams.erase(it);
    return 1;
}

ZTUNE_SONG ZTUNE_LoadSong(const char* file) {
    State& s = state();
    std::lock_guard guard(s.api);
    if (!s.initialised) return fail(ZVOICE_ERR_UNINITIALIZED, 0u);
    if (!file) return fail(ZVOICE_ERR_INVALID_PARAM, 0u);
    int code = 0;
    std::unique_ptr<Song> song = load_song(file, s.mixer->rate(), code);
    if (!song) return fail(code, 0u);
    uint32_t handle = new_handle(KIND_SONG);
    s.mixer->add_song(song.get());
    s.songs[handle] = std::move(song);
    return handle;
}

int ZTUNE_SetMasterVolume(ZTUNE_SONG handle, int volume) {
    State& s = state();
    std::lock_guard guard(s.api);
    Song* song = find_song(handle);
    if (!song || volume < 0 || volume > ZTUNE_MAX_VOLUME) return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    std::lock_guard mix(s.mixer->lock());
    song->volume = volume;
    return 1;
}

int ZTUNE_PlaySong(ZTUNE_SONG handle) {
    State& s = state();
    std::lock_guard guard(s.api);
    Song* song = find_song(handle);
    if (!song) return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    std::lock_guard mix(s.mixer->lock());
    song->restart();
    song->playing = true;
    return 1;
}

int ZTUNE_StopSong(ZTUNE_SONG handle) {
    State& s = state();
    std::lock_guard guard(s.api);
    Song* song = find_song(handle);
    if (!song) return fail(ZVOICE_ERR_INVALID_PARAM, 0);
    std::lock_guard mix(s.mixer->lock());
    song->playing = false;
    return 1;
}

} // extern "C"
