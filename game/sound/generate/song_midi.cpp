// "Bard_Dance.mid": a dance in D dorian and 6/8 for recorder, oboe, lute, plucked bass and hand
// drums. 64 bars, every track ending on the same tick, so the file loops without a seam.
#include "game/sound/generate/songs.h"

#include "game/sound/generate/midi_writer.h"
#include "game/sound/generate/notes.h"

#include <algorithm>
#include <map>

namespace song_writer {

namespace {

constexpr int DIV = 480;    // ticks per quarter
constexpr int EIGHTH = 240; // the melody's unit
constexpr int BAR = 6 * EIGHTH;

// Chord tones (root, third, fifth) in octave 3.
const std::map<std::string, std::vector<int>> CHORDS = {
    {"Dm", {50, 53, 57}}, {"C", {48, 52, 55}}, {"Am", {45, 48, 52}},
    {"F", {41, 45, 48}},  {"G", {43, 47, 50}}, {"A", {45, 49, 52}},
};

const char* A_CHORDS[8] = {"Dm", "C", "Dm", "Am", "Dm", "C", "F", "Dm"};
const char* B_CHORDS[8] = {"F", "C", "Dm", "Am", "G", "C", "Am", "Dm"};

const char* A1 =
    "D5:2 E5:1 F5:2 G5:1  E5:2 C5:1 G4:3  A4:1 D5:1 E5:1 F5:1 E5:1 D5:1  C5:2 A4:1 A4:3 "
    "D5:2 E5:1 F5:2 A5:1  G5:2 E5:1 C5:2 E5:1  F5:1 E5:1 D5:1 C5:2 E5:1  D5:5 R:1";
const char* A2 =
    "D5:2 E5:1 F5:2 G5:1  E5:2 C5:1 G4:3  A4:1 D5:1 E5:1 F5:1 E5:1 D5:1  C5:2 A4:1 A4:3 "
    "D5:2 E5:1 F5:2 A5:1  G5:2 E5:1 C5:2 E5:1  F5:1 G5:1 A5:1 G5:2 E5:1  D5:6";
const char* B1 =
    "A5:2 A5:1 C6:2 A5:1  G5:2 E5:1 C5:3  F5:2 F5:1 A5:2 F5:1  E5:3 C5:3 "
    "D5:1 E5:1 F5:1 G5:2 B4:1  C5:1 D5:1 E5:1 G5:3  A5:2 G5:1 F5:1 E5:1 C5:1  D5:5 R:1";
const char* B2 =
    "A5:2 A5:1 C6:2 A5:1  G5:2 E5:1 C5:3  F5:2 F5:1 A5:2 F5:1  E5:3 C5:3 "
    "D5:1 E5:1 F5:1 G5:2 B4:1  C5:1 D5:1 E5:1 G5:3  A5:1 G5:1 F5:1 E5:1 D5:1 C#5:1  D5:6";

// The dorian scale on D; a diatonic third below a melody note, for the oboe's second voice.
int third_below(int key) {
    static const int scale[7] = {2, 4, 5, 7, 9, 11, 0}; // D E F G A B C
    int pc = key % 12;
    for (int i = 0; i < 7; ++i)
        if (scale[i] == pc) {
            int target = scale[(i + 5) % 7];
            int k = key - 1;
            while (k % 12 != target)
                --k;
            return k;
        }
    return key - 3; // a chromatic note (C#): a minor third below
}

// Soft, deterministic accent variation.
int velocity(int base, uint32_t tick) {
    return base + int((tick * 2654435761u) >> 29) - 4;
}

struct Section {
    const char* melody; // nullptr: no melody
    const char* const* chords;
    bool oboe; // second voice a third below
    bool full_drums;
};

} // namespace

std::vector<uint8_t> make_bard_dance() {
    MidiTrack conductor, recorder, oboe, lute, bass, drums;
    conductor.name("Bard Dance");
    conductor.tempo(0, 150.0); // quarter = 150: a lively dotted-quarter pulse of 100
    conductor.time_signature(0, 6, 3);

    const int REC = 0, OBO = 1, LUT = 2, BAS = 3, DRM = 9;
    recorder.name("Recorder");
    recorder.program(0, REC, 74);
    recorder.control(0, REC, 7, 100), recorder.control(0, REC, 10, 72);
    recorder.control(0, REC, 91, 60);
    oboe.name("Oboe");
    oboe.program(0, OBO, 68);
    oboe.control(0, OBO, 7, 78), oboe.control(0, OBO, 10, 52), oboe.control(0, OBO, 91, 60);
    lute.name("Lute");
    lute.program(0, LUT, 24);
    lute.control(0, LUT, 7, 96), lute.control(0, LUT, 10, 44), lute.control(0, LUT, 91, 50);
    bass.name("Bass");
    bass.program(0, BAS, 45);
    bass.control(0, BAS, 7, 100), bass.control(0, BAS, 10, 64), bass.control(0, BAS, 91, 40);
    drums.name("Drums");
    drums.control(0, DRM, 7, 92), drums.control(0, DRM, 91, 45);

    const char* INTRO[4] = {"Dm", "Dm", "C", "Dm"};
    const char* OUTRO[4] = {"Dm", "C", "Dm", "A"};
    std::vector<Section> form = {
        {nullptr, INTRO, false, false}, {A1, A_CHORDS, false, false}, {A2, A_CHORDS, false, true},
        {B1, B_CHORDS, false, true},    {B2, B_CHORDS, true, true},   {A1, A_CHORDS, true, true},
        {A2, A_CHORDS, true, true},     {B2, B_CHORDS, false, true},  {nullptr, OUTRO, false, true},
    };

    uint32_t bar_start = 0;
    for (const Section& section : form) {
        const int bars = section.melody ? 8 : 4;
        if (section.melody) {
            uint32_t t = bar_start;
            for (const Note& n : parse_notes(section.melody)) {
                uint32_t len = uint32_t(n.length * EIGHTH);
                if (n.key >= 0) {
                    bool strong = (t % (3 * EIGHTH)) == 0;
                    recorder.note(t, len - 20, REC, n.key, velocity(strong ? 100 : 84, t));
                    if (section.oboe)
                        oboe.note(t, len - 20, OBO, third_below(n.key),
                                  velocity(strong ? 84 : 70, t));
                }
                t += len;
            }
        }
        for (int b = 0; b < bars; ++b) {
            const uint32_t t = bar_start + uint32_t(b * BAR);
            const std::vector<int>& chord = CHORDS.at(section.chords[b]);
            // Lute: a rolling figure over the chord, root - fifth - octave - third - fifth -
            // octave.
            const int figure[6] = {chord[0],      chord[2], chord[0] + 12,
                                   chord[1] + 12, chord[2], chord[0] + 12};
            for (int i = 0; i < 6; ++i)
                lute.note(t + uint32_t(i * EIGHTH), EIGHTH * 2, LUT, figure[i],
                          velocity(i % 3 == 0 ? 88 : 66, t + uint32_t(i)));
            // Bass: root and fifth on the two beats of the bar.
            bass.note(t, 3 * EIGHTH - 30, BAS, chord[0] - 12, velocity(96, t));
            bass.note(t + 3 * EIGHTH, 3 * EIGHTH - 30, BAS, chord[2] - 12, velocity(84, t + 1));
            // Drums: a frame drum on the beats, tambourine on the off-eighths.
            drums.note(t, 120, DRM, 36, velocity(92, t));
            drums.note(t + 3 * EIGHTH, 120, DRM, section.full_drums ? 36 : 64, velocity(76, t));
            if (section.full_drums) {
                for (int i : {1, 2, 4, 5})
                    drums.note(t + uint32_t(i * EIGHTH), 60, DRM, 54,
                               velocity(i == 2 || i == 5 ? 64 : 48, t + uint32_t(i)));
                if (b % 2 == 1) drums.note(t + 5 * EIGHTH, 60, DRM, 60, velocity(70, t));
            } else {
                drums.note(t + 2 * EIGHTH, 60, DRM, 63, velocity(58, t));
                drums.note(t + 5 * EIGHTH, 60, DRM, 63, velocity(58, t + 5));
            }
        }
        bar_start += uint32_t(bars * BAR);
    }
    std::vector<MidiTrack> tracks = {conductor, recorder, oboe, lute, bass, drums};
    for (MidiTrack& t : tracks)
        t.end_at(bar_start);
    return write_midi(DIV, tracks);
}

} // namespace song_writer
