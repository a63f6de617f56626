// Start-up of the sound library and the sample and song tables.
#include "game/sound/sound.h"

#include <cstdio>
#include <cstdlib>

const char* const sample_files[SND_SAMPLE_COUNT] = {
    "snd_ston.wav",  "schritte_l.wav",       "schritte_r.wav",       "whoosh.wav",
    "hit.wav",       "water_schritte_l.wav", "water_schritte_r.wav", "Message.wav",
    "snd_klirr.wav", "snd_door_reverb.wav",
};

ZTUNE_SONG menu_song = 0;
ZTUNE_SONG win_song = 0;
ZTUNE_SONG game_song = 0;
bool menu_song_pending = true;

bool sound_version_ok(float version) {
    return !(version < SOUND_REQUIRED_VERSION);
}

std::string sound_version_message() {
    char line[128];
    std::snprintf(line, sizeof line,
                  "Error : You are using the wrong DLL version!  You should be using Zelvo %.02f\n",
                  double(SOUND_REQUIRED_VERSION));
    return line;
}

const char* sound_error_text(int code) {
    static const char* const texts[] = {
        "No errors",
        "Cannot call this command after ZVOICE_Init.  Call ZVOICE_Close first.",
        "This command failed because ZVOICE_Init was not called",
        "Error initializing output device.",
        "The output device is already in use and cannot be reused.",
        "Playing the sound failed.",
        "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
        "Error setting cooperative level for hardware.",
        "Error creating hardware sound buffer.",
        "File not found",
        "Unknown file format",
        "Error loading file",
        "Not enough memory ",
        "The version number of this file format is not supported",
        "An invalid parameter was passed to this function",
        "Tried to use an EAX command on a non EAX enabled channel or output.",
        "Failed to allocate a new channel",
        "Recording not supported on this device",
        "Required Mediaplayer codec is not installed",
    };
    if (code < 0 || code >= int(sizeof texts / sizeof texts[0])) return "Unknown error";
    return texts[code];
}

bool sound_start_up(std::string& failure) {
    if (!sound_version_ok(ZVOICE_GetVersion())) {
        failure = sound_version_message();
        return false;
    }
    if (!ZVOICE_Init(SOUND_MIX_RATE, SOUND_CHANNELS, 0)) {
        failure = std::string(sound_error_text(ZVOICE_GetError())) + "\n";
        return false;
    }
    menu_song = ZTUNE_LoadSong("barbaria.mod");
    win_song = ZTUNE_LoadSong("dreamles.it");
    game_song = ZTUNE_LoadSong("Bard_Dance.mid");
    ZTUNE_SetMasterVolume(game_song, GAME_SONG_VOLUME);
    ZVOICE_SAMPLE samples[SND_SAMPLE_COUNT];
    for (int slot = 0; slot < SND_SAMPLE_COUNT; ++slot)
        samples[slot] = ZVOICE_Sample_Load(slot, sample_files[slot], 1, 0, 0);
    // The game can do without its song and the last two samples, but not without the rest.
    bool loaded = menu_song && win_song;
    for (int slot = 0; slot <= SND_MESSAGE && loaded; ++slot)
        loaded = samples[slot] != 0;
    if (!loaded) {
        failure = std::string(sound_error_text(ZVOICE_GetError())) + "\n";
        return false;
    }
    return true;
}

void start_sound() {
    std::string failure;
    if (!sound_start_up(failure)) {
        std::fputs(failure.c_str(), stdout);
        std::fflush(stdout);
        std::exit(1);
    }
}

void play_sample(int slot) {
    ZVOICE_PlaySound(ZVOICE_FREE, ZVOICE_Sample_Get(slot));
}

void start_menu_song_once() {
    if (!menu_song_pending) return;
    menu_song_pending = false;
    ZTUNE_PlaySong(menu_song);
}
