// The generated data, checked from outside the game's sound library: the songs load in
// libopenmpt and FluidSynth without a single warning, last at least a minute and loop without a
// gap; the samples are valid WAV files with sound in them and no clipping.
#include "game/sound/sound.h"

#include <fluidsynth.h>
#include <libopenmpt/libopenmpt.h>
#include <sndfile.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path RUN = fs::path(DH_BUILD_DIR) / "run";

std::vector<std::string> messages;
void collect_openmpt(const char* message, void*) {
    messages.push_back(message);
}
void collect_fluid(int level, const char* message, void*) {
    if (level <= FLUID_WARN) messages.push_back(message);
}

double rms(const float* v, size_t n) {
    double s = 0;
    for (size_t i = 0; i < n; ++i)
        s += double(v[i]) * v[i];
    return std::sqrt(s / double(n));
}

TEST(SongData, ModulesLoadCleanlyLastAMinuteAndLoopWithoutAGap) {
    for (const char* name : {"barbaria.mod", "dreamles.it"}) {
        std::ifstream in(RUN / name, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        ASSERT_FALSE(bytes.empty()) << name;
        messages.clear();
        int error = 0;
        openmpt_module* m = openmpt_module_create_from_memory2(
            bytes.data(), bytes.size(), collect_openmpt, nullptr, openmpt_error_func_ignore,
            nullptr, &error, nullptr, nullptr);
        ASSERT_TRUE(m) << name << " error " << error;
        EXPECT_TRUE(messages.empty()) << name << ": " << messages.front();
        const double length = openmpt_module_get_duration_seconds(m);
        EXPECT_GE(length, 60.0) << name;
        EXPECT_LE(length, 120.0) << name;
        const char* type = openmpt_module_get_metadata(m, "type");
        EXPECT_EQ(std::string(type), std::string(name).substr(std::string(name).find('.') + 1));
        openmpt_free_string(type);
        if (std::string(name) == "barbaria.mod") {
            EXPECT_EQ(openmpt_module_get_num_channels(m), 4);
        }

        // Across the loop point every 50 ms window carries sound: no silent seam.
        openmpt_module_set_repeat_count(m, -1);
        openmpt_module_set_position_seconds(m, length - 2.0);
        std::vector<float> pcm(2 * 1600);
        for (int window = 0; window < 80; ++window) {
            ASSERT_EQ(openmpt_module_read_interleaved_float_stereo(m, 32000, 1600, pcm.data()),
                      1600u);
            EXPECT_GT(rms(pcm.data(), pcm.size()), 0.003) << name << " window " << window;
        }
        openmpt_module_destroy(m);
    }
}

TEST(SongData, MidiPlaysInFluidSynthWithoutWarningsForOverAMinute) {
    messages.clear();
    for (int level = FLUID_PANIC; level <= FLUID_WARN; ++level)
        fluid_set_log_function(level, collect_fluid, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", 32000.0);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    ASSERT_NE(fluid_synth_sfload(synth, "/usr/share/sounds/sf2/TimGM6mb.sf2", 1), FLUID_FAILED);
    fluid_player_t* player = new_fluid_player(synth);
    ASSERT_EQ(fluid_player_add(player, (RUN / "Bard_Dance.mid").c_str()), FLUID_OK);
    fluid_player_play(player);
    std::vector<float> left(3200), right(3200);
    int blocks = 0, loud_blocks = 0;
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && blocks < 32000) {
        fluid_synth_write_float(synth, 3200, left.data(), 0, 1, right.data(), 0, 1);
        if (rms(left.data(), left.size()) > 0.01) ++loud_blocks;
        ++blocks;
    }
    const double seconds = blocks * 0.1;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 120.0);
    EXPECT_GT(loud_blocks, blocks * 9 / 10) << "long silent stretches";
    EXPECT_TRUE(messages.empty()) << messages.front();
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}

TEST(SampleData, EveryGameSampleIsAValidUnclippedSound) {
    for (const char* name : sample_files) {
        SF_INFO info{};
        SNDFILE* f = sf_open((RUN / name).c_str(), SFM_READ, &info);
        ASSERT_TRUE(f) << name;
        EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << name;
        std::vector<float> pcm(size_t(info.frames * info.channels));
        sf_readf_float(f, pcm.data(), info.frames);
        sf_close(f);
        const double seconds = double(info.frames) / info.samplerate;
        EXPECT_GT(seconds, 0.15) << name;
        EXPECT_LT(seconds, 5.0) << name;
        float peak = 0;
        double mean = 0;
        for (float v : pcm)
            peak = std::max(peak, std::fabs(v)), mean += v;
        mean /= double(pcm.size());
        EXPECT_GT(peak, 0.3f) << name;
        EXPECT_LT(peak, 0.99f) << name;
        EXPECT_LT(std::fabs(mean), 0.02) << name << " has a DC offset";
        // Starts and ends quietly: no click when it starts or stops.
        EXPECT_LT(std::fabs(pcm.front()), 0.01f) << name;
        EXPECT_LT(std::fabs(pcm.back()), 0.01f) << name;
    }
}

} // namespace
