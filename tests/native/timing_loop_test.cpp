// The timing thread's loop: it sleeps while nothing counts, a press wakes it
// and its next pass takes the start up, and stop, start and exit work from
// every state; the fine clock is held exactly while something counts.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "tests/native/temp_dir.h"
#include "timing/cgear_timer.h"
#include "timing/stopwatch.h"
#include "timing/timing_loop.h"

namespace {

using TimingLoopModel = TempDirTest;

// The thread driven by the test: a wait with no wake pending puts it to
// sleep, and a wake ends that sleep as the event does.
bool g_asleep = false, g_pending = false;
void model_wake() {
    if (g_asleep) g_asleep = false;
    else g_pending = true;
}

struct ModelHost final : TimingHost {
    uint32_t clock = 5000;
    bool fine = false;
    uint32_t now_ms() override { return clock; }
    void wait_for_wake() override {
        if (g_pending) g_pending = false;
        else g_asleep = true;
    }
    void pause() override { ++clock; }
    void hold_fine_clock(bool hold) override {
        EXPECT_NE(hold, fine);
        fine = hold;
    }
    void show_reading(uint32_t) override {}
    void timer_pass(uint32_t now) override {
        TimerStep step;
        ::timer_pass(now, &step, nullptr);
    }
};

const TimingResults kReady = {9, 12, 12, 55, 3576, 2076, 9, 12, 12, 55, 15, 1};

enum Press { kNothing, kStopwatchPress, kTimerPress, kExit };
void press(Press p, TimingLoop& loop, uint32_t now) {
    const TimerPress timer = timer_press_kind(kReady);
    if (p == kStopwatchPress) press_stopwatch();
    if (p == kTimerPress && timer == kTimerPressStart) start_timer(kReady, now, nullptr);
    if (p == kTimerPress && timer == kTimerPressStop) stop_timer();
    if (p == kExit) request_timing_exit(loop);
}

TEST_F(TimingLoopModel, PressesWakeAndStopStartAndExitFromEveryState) {
    const struct {
        Press running;  // what runs before the press
        Press press;
        LoopPass pass;  // the pass right after the press
        bool fine;
        int32_t stopwatch, timer;
    } cases[] = {
        {kNothing, kStopwatchPress, LoopPass::kCounted, true, kStopwatchRunning, kTimerIdle},
        {kNothing, kTimerPress, LoopPass::kCounted, true, kStopwatchIdle, kTimerRunning},
        {kNothing, kExit, LoopPass::kExited, false, kStopwatchIdle, kTimerIdle},
        {kStopwatchPress, kStopwatchPress, LoopPass::kWaited, false, kStopwatchIdle, kTimerIdle},
        {kStopwatchPress, kTimerPress, LoopPass::kCounted, true, kStopwatchRunning, kTimerIdle},
        {kStopwatchPress, kExit, LoopPass::kExited, false, kStopwatchRunning, kTimerIdle},
        {kTimerPress, kTimerPress, LoopPass::kCounted, true, kStopwatchIdle, kTimerIdle},
        {kTimerPress, kStopwatchPress, LoopPass::kCounted, true, kStopwatchIdle, kTimerRunning},
        {kTimerPress, kExit, LoopPass::kExited, false, kStopwatchIdle, kTimerRunning},
    };
    g_timing_wake = model_wake;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "running " << c.running << ", press " << c.press);
        g_timing_words.stopwatch.store(kStopwatchIdle);
        g_timing_words.timer.store(kTimerIdle);
        g_asleep = g_pending = false;
        TimingLoop loop;
        ModelHost host;
        ASSERT_EQ(timing_loop_pass(loop, host), LoopPass::kWaited);
        ASSERT_TRUE(g_asleep);
        if (c.running != kNothing) {
            press(c.running, loop, host.clock);
            ASSERT_FALSE(g_asleep) << "a start press wakes the thread";
            ASSERT_EQ(timing_loop_pass(loop, host), LoopPass::kCounted);
        }
        press(c.press, loop, host.clock);
        ASSERT_FALSE(g_asleep) << "every press finds the thread awake or wakes it";
        EXPECT_EQ(timing_loop_pass(loop, host), c.pass);
        EXPECT_EQ(g_asleep, c.pass == LoopPass::kWaited);
        EXPECT_EQ(host.fine, c.fine);
        EXPECT_EQ(g_timing_words.stopwatch.load(), c.stopwatch);
        EXPECT_EQ(g_timing_words.timer.load(), c.timer);
        if (c.pass != LoopPass::kCounted || c.fine != (c.stopwatch == kStopwatchIdle && c.timer == kTimerIdle)) continue;
        // a stop taken up: the next pass gives the fine clock back and sleeps
        EXPECT_EQ(timing_loop_pass(loop, host), LoopPass::kWaited);
        EXPECT_FALSE(host.fine);
    }
}

// On a real thread the loop takes a start up from its sleep and is joined at exit.
TEST_F(TimingLoopModel, RealThreadStartsFromItsSleepAndJoinsAtExit) {
    static struct ThreadHost final : TimingHost {
        std::mutex m;
        std::condition_variable woken;
        bool pending = false;
        uint32_t now_ms() override { return 0; }
        void wait_for_wake() override {
            std::unique_lock<std::mutex> lock(m);
            woken.wait(lock, [this] { return pending; });
            pending = false;
        }
        void pause() override { std::this_thread::yield(); }
        void hold_fine_clock(bool) override {}
        void show_reading(uint32_t) override {}
        void timer_pass(uint32_t) override {}
    } host;
    g_timing_wake = [] {
        std::lock_guard<std::mutex> lock(host.m);
        host.pending = true;
        host.woken.notify_one();
    };
    TimingLoop loop;
    std::thread thread([&loop] { run_timing_loop(loop, host); });
    press_stopwatch();
    while (g_timing_words.stopwatch.load() != kStopwatchRunning) std::this_thread::yield();
    press_stopwatch();
    request_timing_exit(loop);
    thread.join();
    EXPECT_FALSE(loop.fine_clock);
}

}  // namespace
