// The performance counter every game timer reads: ticks and ticks per second of a monotonic
// clock. Tests install a fake source to drive the timers by hand.
#pragma once
#include <cstdint>

struct PerfClockSource {
    int64_t (*frequency)();
    int64_t (*counter)();
};

int64_t perf_counter_frequency();
int64_t perf_counter_now();

// Replaces the clock; nullptr restores the monotonic one.
void set_perf_clock_source(const PerfClockSource* source);
