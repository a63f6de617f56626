// Frame-rate measurement and the fixed cadences, driven by a fake performance counter.
#include "game/shell/timing.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t kFrequency = 1000000; // ticks per second
int64_t fake_now = 0;

const PerfClockSource fake{[] { return kFrequency; }, [] { return fake_now; }};

int64_t at(double seconds) {
    return static_cast<int64_t>(seconds * kFrequency);
}

class Timing : public testing::Test {
  protected:
    void SetUp() override {
        set_perf_clock_source(&fake);
        fake_now = at(100.0);
        start_timers();
        message_timer = 0;
        frames_per_second = 100;
        frame_counter = 0;
        first_fps_sample = true;
    }
    void TearDown() override { set_perf_clock_source(nullptr); }

    // Draws `frames` frames: all but the last within the half second after the previous
    // measurement, the last 0.6 s after it, which measures.
    void frames_then_measure(int frames, bool clamp) {
        const int64_t start = fps_timer;
        for (int i = 1; i < frames; ++i) {
            fake_now = start + at(0.5 * i / frames);
            measure_frame_rate(clamp);
        }
        fake_now = start + at(0.6);
        measure_frame_rate(clamp);
    }
};

TEST_F(Timing, StartTimersStampsEveryTimerButTheMessageTimer) {
    EXPECT_EQ(perf_frequency, kFrequency);
    for (int64_t stamp : {fps_timer, menu_timer, combat_timer, movement_timer, end_timer})
        EXPECT_EQ(stamp, at(100.0));
    EXPECT_EQ(message_timer, 0);
}

TEST_F(Timing, MeasurementDoublesTheFrameCountEveryHalfSecond) {
    first_fps_sample = false;
    // 24 frames within the half second measure nothing; the 25th at 0.6 s does.
    for (int i = 1; i < 25; ++i) {
        fake_now = fps_timer + at(0.02 * i);
        EXPECT_LT(measure_frame_rate(true), 0);
    }
    EXPECT_EQ(frame_counter, 24);
    fake_now = fps_timer + at(0.6);
    EXPECT_NEAR(measure_frame_rate(true), 0.6, 1e-9);
    EXPECT_EQ(frames_per_second, 50);
    EXPECT_EQ(frame_counter, 0);
    EXPECT_EQ(fps_timer, fake_now);
}

TEST_F(Timing, GameDisplayClampsFirstSampleTo100AndLaterOnesTo10) {
    frames_then_measure(3, true);
    EXPECT_EQ(frames_per_second, 100);
    EXPECT_FALSE(first_fps_sample);
    frames_then_measure(2, true);
    EXPECT_EQ(frames_per_second, 10);
    frames_then_measure(40, true);
    EXPECT_EQ(frames_per_second, 80);
}

TEST_F(Timing, MenuDisplayNeitherClampsNorClearsTheFirstSample) {
    fake_now += at(0.7);
    measure_frame_rate(false); // one slow frame: the frame being drawn counts
    EXPECT_EQ(frames_per_second, 2);
    EXPECT_TRUE(first_fps_sample);
}

TEST_F(Timing, MessagesUpdateOnlyAfterAThirtiethOfASecondWithTheWholeInterval) {
    message_timer = fake_now;
    perf_now = fake_now + at(0.03);
    EXPECT_LT(update_messages_if_due(), 0);
    EXPECT_EQ(message_timer, fake_now); // not advanced by a fixed step
    fake_now += at(0.5);
    perf_now = fake_now;
    EXPECT_NEAR(update_messages_if_due(), 0.5, 1e-9);
    EXPECT_EQ(message_timer, fake_now);
}

TEST_F(Timing, MenuAnimationStepsAtMostEveryThirtiethOfASecond) {
    fake_now = menu_timer + at(0.033);
    EXPECT_FALSE(menu_animation_due());
    fake_now = menu_timer + at(0.034);
    EXPECT_TRUE(menu_animation_due());
    EXPECT_EQ(menu_timer, fake_now);
    EXPECT_FALSE(menu_animation_due());
}

} // namespace
