// Runs the game's sound start-up alone, as the game does at start: prints "started" when
// start_sound returns, then plays the menu song and a sample for the given seconds and ends
// through exit() (as the game's Escape does). Used by tests that swap the library underneath.
#include "game/sound/sound.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    start_sound();
    std::printf("started\n");
    std::fflush(stdout);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 0.0;
    if (seconds > 0) {
        start_menu_song_once();
        play_sample(SND_HIT);
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    }
    std::exit(0);
}
