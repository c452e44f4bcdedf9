// The timing thread's loop, pass by pass: each press from each state is taken
// up at the next pass, and the thread sleeps, holds the fine clock and makes an
// adopt wait exactly as something counts.
#include <gtest/gtest.h>
#include <utility>

#include "tests/native/temp_dir.h"
#include "timing/adopt.h"
#include "timing/cgear_timer.h"
#include "timing/timing_loop.h"

namespace {

bool g_asleep = false, g_pending = false;  // a wait with no wake pending sleeps until the next wake

struct ModelHost final : TimingHost {
    bool fine = false;
    uint32_t now_ms() override { return 5000; }
    void wait_for_wake() override { g_asleep = !std::exchange(g_pending, false); }
    void pause() override {}
    void hold_fine_clock(bool hold) override { fine = hold; }
    void show_reading(uint32_t) override {}
    void timer_pass(uint32_t now) override {
        TimerStep step;
        ::timer_pass(now, &step, nullptr);
    }
};

enum Press { kNothing, kStopwatch, kTimer, kExit };

void press(Press p, TimingLoop& loop) {
    static const TimingResults ready = {9, 12, 12, 55, 3576, 2076, 9, 12, 12, 55, 15, 1};
    const TimerPress timer = timer_press_kind(ready);
    if (p == kStopwatch) press_stopwatch();
    if (p == kTimer && timer == kTimerPressStart) start_timer(ready, 5000, nullptr);
    if (p == kTimer && timer == kTimerPressStop) stop_timer();
    if (p == kExit) request_timing_exit(loop);
    EXPECT_EQ(g_asleep, p == kNothing) << "a press finds the thread awake or wakes it";
}

using TimingLoopModel = TempDirTest;
TEST_F(TimingLoopModel, EveryPressFromEveryStateIsTakenUpAtTheNextPass) {
    g_timing_wake = [] { g_asleep ? g_asleep = false : g_pending = true; };
    g_measured = {2050, true};
    for (Press running : {kNothing, kStopwatch, kTimer})
        for (Press p : {kStopwatch, kTimer, kExit}) {
            SCOPED_TRACE(testing::Message() << "running " << running << ", press " << p);
            g_timing_words.stopwatch.store(kStopwatchIdle);
            g_timing_words.timer.store(kTimerIdle);
            g_asleep = g_pending = false;
            TimingLoop loop;
            ModelHost host;
            ASSERT_EQ(timing_loop_pass(loop, host), LoopPass::kWaited);
            press(running, loop);
            if (running != kNothing) { ASSERT_EQ(timing_loop_pass(loop, host), LoopPass::kCounted); }
            press(p, loop);
            const LoopPass pass = timing_loop_pass(loop, host);
            const int32_t stopwatch = g_timing_words.stopwatch.load(), timer = g_timing_words.timer.load();
            const bool counting = stopwatch != kStopwatchIdle || timer != kTimerIdle;
            EXPECT_TRUE(stopwatch != kStopwatchStartRequested && timer != kTimerStartRequested && timer != kTimerStopRequested);
            // the button that runs stops; the other starts, or is ignored while the first runs
            EXPECT_EQ(counting, p == kExit ? running != kNothing : p != running);
            EXPECT_EQ(pass == LoopPass::kExited, p == kExit);
            char seconds[256];
            EXPECT_EQ(adopted_seconds_text(seconds), !counting);
            // a stop taken up by the pass lets the fine clock go at the next
            if (pass == LoopPass::kCounted && !counting) { EXPECT_EQ(timing_loop_pass(loop, host), LoopPass::kWaited); }
            EXPECT_EQ(host.fine, counting && p != kExit);
            EXPECT_EQ(g_asleep, !counting && p != kExit);
        }
}

}  // namespace
