// The timing base of both frame loops: the performance counter's readings, the fixed-interval
// timers, and the measured frame rate that scales every per-frame step of the game.
#pragma once

#include <cstdint>

extern int64_t perf_frequency;
extern int64_t perf_now;
extern int64_t fps_timer;
extern int64_t message_timer;
extern int64_t menu_timer;
extern int64_t movement_timer;
extern int64_t combat_timer;
extern int64_t end_timer;
extern int64_t scratch_timer;
extern double last_interval;
extern int32_t frames_per_second;
extern int32_t frame_counter;
extern bool first_fps_sample;

// Seconds from stamp to now, in double precision.
double seconds_since(int64_t stamp, int64_t now);

// Reads the counter's frequency and sets every start-time timer to the current reading.
// message_timer is left alone and starts at 0.
void start_timers();

// First step of both display callbacks: counts the frame and, every half second, turns the
// count into frames_per_second (doubled, not divided by the real interval). With clamp (the game
// display) the first measurement of the run gives 100 and later ones never less than 10.
// Returns the interval since the previous measurement, or a negative value when none was taken.
double measure_frame_rate(bool clamp);

// The menu-button animation's cadence: true (and menu_timer reset) when more than 1/30 s has
// passed since the last step.
bool menu_animation_due();

// Updates both message queues when more than 1/30 s has passed; returns the interval used, or a
// negative value when the update was skipped.
double update_messages_if_due();
