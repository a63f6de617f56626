// The game's sound: start-up of the sound library with its version check, the ten sample slots,
// the three songs, and play_sample. Songs start and stop by direct ZTUNE_PlaySong/ZTUNE_StopSong
// calls on the handles below at the events that own them.
#pragma once

#include "soundlib/zelvo.h"

#include <string>

// Sample slots (the slot is the sample's identity).
enum SampleSlot {
    SND_STONE = 0,  // the hero takes damage
    SND_STEP_L = 1, // footsteps on ordinary ground
    SND_STEP_R = 2,
    SND_WHOOSH = 3,       // the hero's swing misses
    SND_HIT = 4,          // the hero's swing hits
    SND_WATER_STEP_L = 5, // footsteps on a river floor
    SND_WATER_STEP_R = 6,
    SND_MESSAGE = 7, // a teletubby is killed
    SND_KLIRR = 8,   // a monster's attack misses
    SND_DOOR = 9,    // the lever opens the door
    SND_SAMPLE_COUNT = 10
};

extern const char* const sample_files[SND_SAMPLE_COUNT];

constexpr float SOUND_REQUIRED_VERSION = 3.71f;
constexpr int SOUND_MIX_RATE = 32000;
constexpr int SOUND_CHANNELS = 64;
constexpr int GAME_SONG_VOLUME = 155;

extern ZTUNE_SONG menu_song;   // "barbaria.mod": start menu, story and controls screens
extern ZTUNE_SONG win_song;    // "dreamles.it": end screen
extern ZTUNE_SONG game_song;   // "Bard_Dance.mid": playing
extern bool menu_song_pending; // true until the first menu reshape starts the menu song

// Starts the library, loads the songs and samples; on failure prints the reason on standard
// output and ends the process with exit code 1.
void start_sound();

// The steps of start_sound without ending the process: false with the line to print.
bool sound_start_up(std::string& failure);

// Whether a library of this version may be used (compared in single precision).
bool sound_version_ok(float version);
std::string sound_version_message();

const char* sound_error_text(int code);

// Fire and forget: the sample in slot plays on any free channel.
void play_sample(int slot);

// The first menu reshape: starts the menu song once per run.
void start_menu_song_once();
