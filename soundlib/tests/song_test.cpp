// Songs: the three kinds load and make sound at the mix rate, loop, restart, obey the master
// volume; broken song files give the right codes.
#include "game/sound/generate/songs.h"
#include "soundlib/mixer.h"
#include "soundlib/song.h"
#include "soundlib/tests/sound_files.h"
#include "soundlib/zelvo.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zelvo;
using namespace zelvo_test;

namespace {

const std::string& song_file(const char* name) {
    static std::map<std::string, std::string> made;
    auto it = made.find(name);
    if (it != made.end()) return it->second;
    std::vector<uint8_t> bytes;
    std::string n = name;
    if (n == "barbaria.mod")
        bytes = song_writer::make_barbaria();
    else if (n == "dreamles.it")
        bytes = song_writer::make_dreamless();
    else
        bytes = song_writer::make_bard_dance();
    return made[n] = write_bytes(n, bytes);
}

std::vector<float> render(Song& song, int frames, float gain = 1.0f) {
    std::vector<float> out(size_t(frames) * 2, 0.0f);
    for (int done = 0; done < frames; done += 512)
        song.render_add(out.data() + size_t(done) * 2, std::min(512, frames - done), gain);
    return out;
}

double rms(const std::vector<float>& v) {
    double s = 0;
    for (float x : v)
        s += double(x) * x;
    return std::sqrt(s / double(v.size()));
}

// A format-0 MIDI file around one track's event bytes.
std::vector<uint8_t> midi_file(const std::vector<uint8_t>& track, int division = 480) {
    std::vector<uint8_t> d = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
    d.push_back(uint8_t(division >> 8));
    d.push_back(uint8_t(division));
    d.insert(d.end(),
             {'M', 'T', 'r', 'k', 0, 0, uint8_t(track.size() >> 8), uint8_t(track.size())});
    d.insert(d.end(), track.begin(), track.end());
    return d;
}

class Songs : public testing::TestWithParam<const char*> {};

TEST_P(Songs, LoadRenderRestartAndLoop) {
    int error = -1;
    std::unique_ptr<Song> song = load_song(song_file(GetParam()).c_str(), 32000, error);
    ASSERT_TRUE(song) << "error " << error;
    std::vector<float> first = render(*song, 32000 * 3);
    EXPECT_GT(rms(first), 0.03) << "the first three seconds are (nearly) silent";
    for (float v : first)
        ASSERT_TRUE(std::isfinite(v));

    // Restart goes back to the beginning: the same opening again.
    song->restart();
    std::vector<float> again = render(*song, 32000 * 3);
    double diff = 0;
    for (size_t i = 0; i < first.size(); ++i)
        diff += std::fabs(first[i] - again[i]);
    EXPECT_LT(diff / double(first.size()), 0.01);

    // Songs loop: well past their length (every song is under 90 s) they still play.
    song->restart();
    render(*song, 32000 * 90);
    EXPECT_GT(rms(render(*song, 32000 * 8)), 0.02);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Songs,
                         testing::Values("barbaria.mod", "dreamles.it", "Bard_Dance.mid"),
                         [](const auto& info) {
                             std::string n = info.param;
                             return n.substr(n.find('.') + 1);
                         });

TEST(SongErrors, MissingUnknownAndBrokenFiles) {
    std::vector<uint8_t> midi = read_bytes(song_file("Bard_Dance.mid"));
    std::vector<uint8_t> cut_midi(midi.begin(), midi.begin() + 40); // first track cut short
    std::vector<uint8_t> it = read_bytes(song_file("dreamles.it"));
    std::vector<uint8_t> cut_it(it.begin(), it.begin() + 100);
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        int code;
    } cases[] = {
        {"empty.mod", {}, ZVOICE_ERR_FILE_FORMAT},
        {"text.mod",
         {'h', 'e', 'l', 'l', 'o', ' ', 'm', 'u', 's', 'i', 'c'},
         ZVOICE_ERR_FILE_FORMAT},
        {"cut.mid", cut_midi, ZVOICE_ERR_FILE_LOAD},
        // Broken event streams: FluidSynth would only find them while playing, and a looping
        // player then retries for ever (seen as a hang with a flood of error lines).
        {"vlq.mid",
         midi_file({0x81, 0x81, 0x81, 0x81, 0x81, 0x00, 0x90, 60, 100, 0, 0xFF, 0x2F, 0}),
         ZVOICE_ERR_FILE_LOAD},
        {"running.mid", midi_file({0x00, 60, 100, 0, 0xFF, 0x2F, 0}), ZVOICE_ERR_FILE_LOAD},
        {"tempo.mid", midi_file({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1, 0, 0xFF, 0x2F, 0}),
         ZVOICE_ERR_FILE_LOAD},
        {"no_end.mid", midi_file({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0}), ZVOICE_ERR_FILE_LOAD},
        {"smpte.mid", midi_file({0x00, 0x90, 60, 100, 0, 0xFF, 0x2F, 0}, 0xE728),
         ZVOICE_ERR_FILE_LOAD},
        {"cut.it", cut_it, ZVOICE_ERR_FILE_LOAD},
    };
    for (const auto& c : cases) {
        int error = 0;
        EXPECT_FALSE(load_song(write_bytes(c.name, c.bytes).c_str(), 32000, error)) << c.name;
        EXPECT_EQ(error, c.code) << c.name;
    }
    int error = 0;
    // The same small file, well formed, loads.
    EXPECT_TRUE(load_song(write_bytes("tiny.mid", midi_file({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0,
                                                             0, 0xFF, 0x2F, 0}))
                              .c_str(),
                          32000, error))
        << error;
    EXPECT_FALSE(load_song("/nonexistent/song.mod", 32000, error));
    EXPECT_EQ(error, ZVOICE_ERR_FILE_NOT_FOUND);

    // A SoundFont that cannot be read makes MIDI fail clearly instead of playing silence.
    setenv("ZELVO_SOUNDFONT", "/nonexistent/font.sf2", 1);
    EXPECT_FALSE(load_song(song_file("Bard_Dance.mid").c_str(), 32000, error));
    EXPECT_EQ(error, ZVOICE_ERR_CODEC);
    unsetenv("ZELVO_SOUNDFONT");
}

TEST(SongMixing, MasterVolumeScalesAndStoppedSongsAreSilent) {
    int error = 0;
    auto loud = load_song(song_file("dreamles.it").c_str(), 32000, error);
    auto quiet = load_song(song_file("dreamles.it").c_str(), 32000, error);
    ASSERT_TRUE(loud && quiet);
    Mixer a(32000, 4), b(32000, 4);
    a.add_song(loud.get());
    b.add_song(quiet.get());
    loud->playing = quiet->playing = true;
    quiet->volume = 155;
    std::vector<float> la(2 * 32000 * 4), qb(2 * 32000 * 4);
    a.render(la.data(), 32000 * 4);
    b.render(qb.data(), 32000 * 4);
    // Quiet enough here that the limiter stays out of the way.
    EXPECT_NEAR(rms(qb) / rms(la), 155.0 / 256.0, 0.02);

    loud->playing = false;
    a.render(la.data(), 32000);
    EXPECT_EQ(rms(std::vector<float>(la.begin(), la.begin() + 64000)), 0.0);
}

// The C interface around songs and playing: initialisation rules and bad arguments.
TEST(LibraryApi, InitPlayAndSongCallsCheckStateAndArguments) {
    setenv("ZELVO_OUTPUT", "null", 1);
    std::string wav = write_sound("api.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 22050);
    ZVOICE_SAMPLE s = ZVOICE_Sample_Load(0, wav.c_str(), 0, 0, 0);
    ASSERT_NE(s, 0u);
    EXPECT_EQ(ZVOICE_PlaySound(-1, s), -1);
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_UNINITIALIZED);
    EXPECT_EQ(ZTUNE_LoadSong(song_file("barbaria.mod").c_str()), 0u);
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_UNINITIALIZED);

    for (auto [rate, channels] : {std::pair{7999, 8}, {192001, 8}, {32000, 0}, {32000, 5000}}) {
        EXPECT_FALSE(ZVOICE_Init(rate, channels, 0));
        EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_INVALID_PARAM);
    }
    setenv("ZELVO_OUTPUT", "speakers", 1);
    EXPECT_FALSE(ZVOICE_Init(32000, 4, 0));
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_OUTPUT_INIT);
    setenv("ZELVO_OUTPUT", "null", 1);

    ASSERT_TRUE(ZVOICE_Init(32000, 4, 0));
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_NONE);
    EXPECT_FALSE(ZVOICE_Init(32000, 4, 0));
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_INIT);

    // Samples loaded before Init play after it; channels fill up, then report busy.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ZVOICE_PlaySound(ZVOICE_FREE, s), i);
    EXPECT_EQ(ZVOICE_PlaySound(ZVOICE_FREE, s), -1);
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_CHANNEL_ALLOC);
    EXPECT_EQ(ZVOICE_PlaySound(2, s), 2);
    EXPECT_EQ(ZVOICE_PlaySound(4, s), -1);
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_INVALID_PARAM);
    EXPECT_EQ(ZVOICE_PlaySound(0, 0), -1);
    EXPECT_EQ(ZVOICE_PlaySound(ZVOICE_FREE, ZVOICE_Sample_Get(5)), -1);
    ZVOICE_Sample_Free(s); // while it plays: the voices stop, nothing dangles
    EXPECT_EQ(ZVOICE_PlaySound(ZVOICE_FREE, s), -1);

    ZTUNE_SONG song = ZTUNE_LoadSong(song_file("barbaria.mod").c_str());
    ASSERT_NE(song, 0u);
    EXPECT_TRUE(ZTUNE_SetMasterVolume(song, 155));
    EXPECT_TRUE(ZTUNE_PlaySong(song));
    EXPECT_TRUE(ZTUNE_StopSong(song));
    for (ZTUNE_SONG bad : {0u, song + 1, 0x10000001u}) {
        EXPECT_FALSE(ZTUNE_PlaySong(bad));
        EXPECT_FALSE(ZTUNE_StopSong(bad));
        EXPECT_FALSE(ZTUNE_SetMasterVolume(bad, 100));
        EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_INVALID_PARAM);
    }
    EXPECT_FALSE(ZTUNE_SetMasterVolume(song, -1));
    EXPECT_FALSE(ZTUNE_SetMasterVolume(song, ZTUNE_MAX_VOLUME + 1));
    EXPECT_EQ(ZTUNE_LoadSong("/nonexistent/a.mod"), 0u);
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_FILE_NOT_FOUND);
    EXPECT_EQ(ZTUNE_LoadSong(nullptr), 0u);
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_INVALID_PARAM);

    ZVOICE_Close();
    EXPECT_FALSE(ZTUNE_PlaySong(song)); // Close freed it
    ZVOICE_Close();
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_UNINITIALIZED);
    ASSERT_TRUE(ZVOICE_Init(44100, 32, 0)); // and the library starts again
    ZVOICE_Close();
    unsetenv("ZELVO_OUTPUT");
}

} // namespace
