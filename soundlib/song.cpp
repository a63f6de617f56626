// Songs: tracker modules through libopenmpt, MIDI files through FluidSynth with a General MIDI
// SoundFont. Both render at the mix rate, so no further conversion is needed.
#include "soundlib/song.h"

#include "soundlib/zelvo.h"

#include <fluidsynth.h>
#include <libopenmpt/libopenmpt.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <vector>

namespace zelvo {

namespace {

constexpr int64_t MAX_SONG_BYTES = 64 << 20;

int read_whole_file(const char* path, std::vector<uint8_t>& out) {
    struct stat st {};
    if (!path || stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return ZVOICE_ERR_FILE_NOT_FOUND;
    if (st.st_size == 0) return ZVOICE_ERR_FILE_FORMAT;
    if (st.st_size > MAX_SONG_BYTES) return ZVOICE_ERR_MEMORY;
    FILE* f = std::fopen(path, "rb");
    if (!f) return ZVOICE_ERR_FILE_NOT_FOUND;
    out.resize(size_t(st.st_size));
    size_t got = std::fread(out.data(), 1, out.size(), f);
    std::fclose(f);
    out.resize(got);
    return got == 0 ? ZVOICE_ERR_FILE_LOAD : 0;
}

uint32_t be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// A variable-length number of at most four bytes, as the MIDI file format allows.
bool read_varlen(const std::vector<uint8_t>& d, size_t& pos, size_t end, uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end) return false;
        uint8_t b = d[pos++];
        value = (value << 7) | (b & 0x7F);
        if (!(b & 0x80)) return true;
    }
    return false;
}

// One track's events: every event complete inside the chunk, data bytes below 0x80, running
// status only after a channel message, meta events with the lengths their types need, and an
// end-of-track event.
bool midi_track_ok(const std::vector<uint8_t>& d, size_t pos, size_t end) {
    uint8_t running = 0;
    while (pos < end) {
        uint32_t delta = 0, length = 0;
        if (!read_varlen(d, pos, end, delta) || pos >= end) return false;
        uint8_t status = d[pos];
        if (status & 0x80)
            ++pos;
        else if (running)
            status = running;
        else
            return false;
        if (status == 0xFF) {
            if (pos >= end) return false;
            const uint8_t type = d[pos++];
            if (!read_varlen(d, pos, end, length) || length > end - pos) return false;
            if ((type == 0x51 && length != 3) || (type == 0x58 && length != 4) ||
                (type == 0x59 && length != 2) || (type == 0x2F && length != 0))
                return false;
            pos += length;
            if (type == 0x2F) return true;
            running = 0;
        } else if (status == 0xF0 || status == 0xF7) {
            if (!read_varlen(d, pos, end, length) || length > end - pos) return false;
            pos += length;
            running = 0;
        } else if (status >= 0xF0) {
            return false; // system messages have no place in a file
        } else {
            const size_t data = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            if (data > end - pos) return false;
            for (size_t i = 0; i < data; ++i)
                if (d[pos + i] & 0x80) return false;
            pos += data;
            running = status;
        }
    }
    return false; // no end-of-track
}

// FluidSynth parses a MIDI file only when it starts playing, and a file it cannot parse makes a
// looping player retry without end. So the whole file is checked here: the header (metrical
// time only), and every announced track complete and well formed.
bool midi_structure_ok(const std::vector<uint8_t>& d) {
    if (d.size() < 14 || std::memcmp(d.data(), "MThd", 4) != 0) return false;
    uint32_t header_len = be32(&d[4]);
    if (header_len < 6 || header_len > d.size() - 8) return false;
    int format = d[8] << 8 | d[9];
    int tracks = d[10] << 8 | d[11];
    int division = d[12] << 8 | d[13];
    if (format > 2 || tracks == 0 || division == 0 || (division & 0x8000)) return false;
    size_t pos = 8 + size_t(header_len);
    int found = 0;
    while (found < tracks) {
        if (d.size() - pos < 8) return false;
        uint32_t len = be32(&d[pos + 4]);
        if (len > d.size() - pos - 8) return false;
        if (std::memcmp(&d[pos], "MTrk", 4) == 0) {
            if (!midi_track_ok(d, pos + 8, pos + 8 + len)) return false;
            ++found;
        }
        pos += 8 + size_t(len);
    }
    return true;
}

class ModuleSong : public Song {
  public:
    ModuleSong(openmpt_module* m, int rate) : module_(m), rate_(rate) {}
    ~ModuleSong() override { openmpt_module_destroy(module_); }
    void restart() override { openmpt_module_set_position_seconds(module_, 0.0); }
    void render_add(float* out, int frames, float gain) override {
        buffer_.resize(size_t(frames) * 2);
        size_t done = 0;
        while (done < size_t(frames)) {
            size_t got = openmpt_module_read_interleaved_float_stereo(
                module_, rate_, size_t(frames) - done, buffer_.data() + done * 2);
            if (got == 0) { // the module ended despite the endless repeat: start over
                restart();
                got = openmpt_module_read_interleaved_float_stereo(
                    module_, rate_, size_t(frames) - done, buffer_.data() + done * 2);
                if (got == 0) break;
            }
            done += got;
        }
        for (size_t i = 0; i < done * 2; ++i)
            out[i] += buffer_[i] * gain;
    }

  private:
    openmpt_module* module_;
    int rate_;
    std::vector<float> buffer_;
};

void quiet_openmpt_log(const char*, void*) {}

std::unique_ptr<Song> load_module(const std::vector<uint8_t>& data, int rate, int& error) {
    int probe = openmpt_probe_file_header(OPENMPT_PROBE_FILE_HEADER_FLAGS_DEFAULT, data.data(),
                                          data.size(), data.size(), quiet_openmpt_log, nullptr,
                                          openmpt_error_func_ignore, nullptr, nullptr, nullptr);
    if (probe != OPENMPT_PROBE_FILE_HEADER_RESULT_SUCCESS) {
        // A file that starts like a module but is cut short is broken rather than unknown.
        const bool module_magic =
            (data.size() >= 4 && std::memcmp(data.data(), "IMPM", 4) == 0) ||
            (data.size() >= 17 && std::memcmp(data.data(), "Extended Module: ", 17) == 0) ||
            (data.size() >= 48 && std::memcmp(data.data() + 44, "SCRM", 4) == 0);
        error = module_magic ? ZVOICE_ERR_FILE_LOAD : ZVOICE_ERR_FILE_FORMAT;
        return nullptr;
    }
    openmpt_module* m = openmpt_module_create_from_memory2(
        data.data(), data.size(), quiet_openmpt_log, nullptr, openmpt_error_func_ignore, nullptr,
        nullptr, nullptr, nullptr);
    if (!m) {
        error = ZVOICE_ERR_FILE_LOAD;
        return nullptr;
    }
    openmpt_module_set_repeat_count(m, -1);
    // Full hard panning of four-channel modules is tiring on headphones.
    openmpt_module_set_render_param(m, OPENMPT_MODULE_RENDER_STEREOSEPARATION_PERCENT, 70);
    openmpt_module_set_render_param(m, OPENMPT_MODULE_RENDER_INTERPOLATIONFILTER_LENGTH, 8);
    return std::make_unique<ModuleSong>(m, rate);
}

void fluid_log(int level, const char* message, void*) {
    if (level <= FLUID_ERR) std::fprintf(stderr, "zelvo: midi: %s\n", message);
}

class MidiSong : public Song {
  public:
    MidiSong(fluid_settings_t* s, fluid_synth_t* synth, fluid_player_t* p)
        : settings_(s), synth_(synth), player_(p) {}
    ~MidiSong() override {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
    }
    void restart() override {
        fluid_player_stop(player_);
        fluid_synth_all_sounds_off(synth_, -1);
        fluid_synth_system_reset(synth_);
        fluid_player_seek(player_, 0);
        started_ = false;
    }
    void render_add(float* out, int frames, float gain) override {
        if (!started_) {
            fluid_player_play(player_);
            started_ = true;
        }
        left_.resize(size_t(frames));
        right_.resize(size_t(frames));
        fluid_synth_write_float(synth_, frames, left_.data(), 0, 1, right_.data(), 0, 1);
        for (int i = 0; i < frames; ++i) {
            out[2 * i] += left_[size_t(i)] * gain;
            out[2 * i + 1] += right_[size_t(i)] * gain;
        }
    }

  private:
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
    fluid_player_t* player_;
    bool started_ = false;
    std::vector<float> left_, right_;
};

std::unique_ptr<Song> load_midi(const std::vector<uint8_t>& data, int rate, int& error) {
    static std::once_flag log_once;
    std::call_once(log_once, [] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            fluid_set_log_function(level, fluid_log, nullptr);
    });
    if (!midi_structure_ok(data)) {
        error = ZVOICE_ERR_FILE_LOAD;
        return nullptr;
    }
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings) {
        error = ZVOICE_ERR_MEMORY;
        return nullptr;
    }
    fluid_settings_setnum(settings, "synth.sample-rate", double(rate));
    fluid_settings_setnum(settings, "synth.gain", 1.2); // the SoundFont is quiet at the default 0.2
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.reverb.active", 1);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth) {
        delete_fluid_settings(settings);
        error = ZVOICE_ERR_MEMORY;
        return nullptr;
    }
    std::string font = soundfont_path();
    fluid_player_t* player = nullptr;
    if (fluid_synth_sfload(synth, font.c_str(), 1) == FLUID_FAILED) {
        std::fprintf(stderr, "zelvo: cannot load the SoundFont \"%s\"\n", font.c_str());
        error = ZVOICE_ERR_CODEC;
    } else if (!(player = new_fluid_player(synth)) ||
               fluid_player_add_mem(player, data.data(), data.size()) != FLUID_OK) {
        error = ZVOICE_ERR_FILE_LOAD;
    } else {
        fluid_player_set_loop(player, -1);
        return std::make_unique<MidiSong>(settings, synth, player);
    }
    if (player) delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return nullptr;
}

} // namespace

std::string soundfont_path() {
    const char* env = std::getenv("ZELVO_SOUNDFONT");
    if (env && *env) return env;
    return "/usr/share/sounds/sf2/TimGM6mb.sf2";
}

std::unique_ptr<Song> load_song(const char* path, int rate, int& error) {
    std::vector<uint8_t> data;
    try {
        error = read_whole_file(path, data);
        if (error != 0) return nullptr;
        if (data.size() >= 4 && std::memcmp(data.data(), "MThd", 4) == 0)
            return load_midi(data, rate, error);
        return load_module(data, rate, error);
    } catch (const std::bad_alloc&) {
        error = ZVOICE_ERR_MEMORY;
        return nullptr;
    }
}

} // namespace zelvo
