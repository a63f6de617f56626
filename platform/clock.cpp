#include "platform/clock.h"

#include <ctime>

namespace {

int64_t monotonic_frequency() {
    return 1000000000;
}

int64_t monotonic_counter() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

const PerfClockSource monotonic_source{monotonic_frequency, monotonic_counter};
const PerfClockSource* current = &monotonic_source;

} // namespace

int64_t perf_counter_frequency() {
    return current->frequency();
}
int64_t perf_counter_now() {
    return current->counter();
}

void set_perf_clock_source(const PerfClockSource* source) {
    current = source ? source : &monotonic_source;
}
