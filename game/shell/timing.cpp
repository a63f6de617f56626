#include "game/shell/timing.h"

#include "game/shell/overlay/message_queue.h"
#include "platform/clock.h"

int64_t perf_frequency = 1;
int64_t perf_now = 0;
int64_t fps_timer = 0;
int64_t message_timer = 0;
int64_t menu_timer = 0;
int64_t movement_timer = 0;
int64_t combat_timer = 0;
int64_t end_timer = 0;
int64_t scratch_timer = 0;
double last_interval = 0;
int32_t frames_per_second = 100;
int32_t frame_counter = 0;
bool first_fps_sample = true;

double seconds_since(int64_t stamp, int64_t now) {
    return static_cast<double>(now - stamp) / static_cast<double>(perf_frequency);
}

void start_timers() {
    perf_frequency = perf_counter_frequency();
    const int64_t now = perf_counter_now();
    fps_timer = menu_timer = combat_timer = movement_timer = end_timer = scratch_timer = now;
}

double measure_frame_rate(bool clamp) {
    perf_now = perf_counter_now();
    frame_counter += 1;
    const double interval = seconds_since(fps_timer, perf_now);
    if (interval <= 0.5) return -1.0;
    fps_timer = perf_counter_now();
    frames_per_second = frame_counter * 2;
    if (clamp) {
        if (first_fps_sample) {
            first_fps_sample = false;
            frames_per_second = 100;
        } else if (frames_per_second < 10) {
            frames_per_second = 10;
        }
    }
    frame_counter = 0;
    return interval;
}

bool menu_animation_due() {
    if (seconds_since(menu_timer, perf_counter_now()) <= 0.0333) return false;
    menu_timer = perf_counter_now();
    return true;
}

double update_messages_if_due() {
    const double interval = seconds_since(message_timer, perf_now);
    if (interval <= 0.0333) return -1.0;
    message_timer = perf_counter_now();
    // The two queues advance by the whole interval, so a long frame fades them in one go:
    // message_queue first, then alert_queue.
    message_queue.update(static_cast<float>(interval));
    alert_queue.update(static_cast<float>(interval));
    return interval;
}
