// The C-Gear timer: the clock line and the two phases from the timing
// results, the beep schedule, the countdown driven by an injected clock, and
// the presses of the timer and the stopwatch, which exclude each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/main_table.h"
#include "core/state.h"
#include "tests/native/temp_dir.h"
#include "timing/cgear_timer.h"
#include "timing/cgear_timing.h"
#include "timing/stopwatch.h"
#include "timing/timing_words.h"

namespace {

using Timer = TempDirTest;

struct Boot {
    int32_t month, day, hour, minute, second;
};

// Timing results as a calculation that found the date leaves them.
void set_results(const Boot& b, int32_t interval) {
    TimingResults& r = g_app.timing;
    r.boot_month = r.cgear_month = b.month;
    r.boot_day = r.cgear_day = b.day;
    r.boot_hour = b.hour;
    r.boot_minute = b.minute;
    r.boot_second = b.second;
    r.interval_centiseconds = interval;
    r.shown = 1;
}

std::string clock_line() {
    char buffer[256];
    format_clock_line(buffer);
    return buffer;
}

TEST_F(Timer, ClockLineAndPhasesFromTheTimingResults) {
    const struct {
        const char* name;
        Boot boot;
        const char* line;
        uint32_t phase1_ms;
    } cases[] = {
        {"worked example", {9, 12, 12, 55, 15}, "時計合わせ:9月12日12時55分", 15000},
        {"second 10 is enough", {9, 12, 12, 55, 10}, "時計合わせ:9月12日12時55分", 10000},
        {"second 9: the minute before", {9, 12, 12, 30, 9}, "時計合わせ:9月12日12時29分", 69000},
        {"across an hour", {9, 12, 13, 0, 5}, "時計合わせ:9月12日12時59分", 65000},
        {"across a day", {9, 13, 0, 0, 5}, "時計合わせ:9月12日23時59分", 65000},
        {"across a month of 30 days", {10, 1, 0, 0, 0}, "時計合わせ:9月30日23時59分", 60000},
        {"no February 29", {3, 1, 0, 0, 9}, "時計合わせ:2月28日23時59分", 69000},
        {"1 January: December 31", {1, 1, 0, 0, 3}, "時計合わせ:12月31日23時59分", 63000},
        {"hours past 23 as calculated", {9, 12, 32, 0, 5}, "時計合わせ:9月12日31時59分", 65000},
        {"typed day 0", {9, 0, 0, 0, 5}, "時計合わせ:8月31日23時59分", 65000},
        {"typed month 0", {0, 1, 0, 0, 5}, "時計合わせ:12月31日23時59分", 65000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        set_results(c.boot, 2076);
        ASSERT_TRUE(clock_setting_shown(g_app.timing));
        EXPECT_EQ(clock_line(), c.line);
        const TimerSchedule s = make_timer_schedule(g_app.timing, 1000);
        EXPECT_EQ(s.boot_ms, c.phase1_ms);
        EXPECT_EQ(s.end_ms - s.boot_ms, 20760u);
    }
}

TEST_F(Timer, WorkedExampleThroughTheCalculation) {
    g_app.timing.shown = 0;
    EXPECT_FALSE(clock_setting_shown(g_app.timing));
    g_app.timing = calculate_cgear_timing(read_timing_inputs({"20.50", "05F0", "C60C0600", "9", "12", 0}), g_app.timing);
    EXPECT_EQ(clock_line(), "時計合わせ:9月12日12時55分");
    EXPECT_EQ(g_app.timing.interval_centiseconds, 2076);
    EXPECT_TRUE(timer_ready(g_app.timing));
    // no date found: no line and no timer
    g_app.timing = calculate_cgear_timing(read_timing_inputs({"20.50", "05F0", "C60C0600", "13", "1", 0}), g_app.timing);
    EXPECT_FALSE(clock_setting_shown(g_app.timing));
    EXPECT_FALSE(timer_ready(g_app.timing));
}

TEST_F(Timer, BeepsBeforeAndAtTheEndOfEachPhase) {
    struct Beep {
        uint32_t ms;
        BeepKind kind;
    };
    const BeepKind s = kShortBeep, l = kLongBeep;
    const struct {
        const char* name;
        int32_t boot_second;
        int32_t interval;
        std::vector<Beep> beeps;
    } cases[] = {
        {"worked example", 15, 2076,
         {{12000, s}, {13000, s}, {14000, s}, {15000, l}, {32760, s}, {33760, s}, {34760, s}, {35760, l}}},
        {"minute before", 5, 400, {{62000, s}, {63000, s}, {64000, s}, {65000, l}, {66000, s}, {67000, s}, {68000, s}, {69000, l}}},
        {"phase 2 of 2.5 s", 15, 250, {{12000, s}, {13000, s}, {14000, s}, {15000, l}, {15500, s}, {16500, s}, {17500, l}}},
        {"phase 2 of exactly 3 s: none at the boot itself", 15, 300,
         {{12000, s}, {13000, s}, {14000, s}, {15000, l}, {16000, s}, {17000, s}, {18000, l}}},
        {"phase 2 of 0.01 s", 15, 1, {{12000, s}, {13000, s}, {14000, s}, {15000, l}, {15010, l}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        set_results({9, 12, 12, 55, c.boot_second}, c.interval);
        const TimerSchedule got = make_timer_schedule(g_app.timing, 0xFFFFF000u);
        EXPECT_EQ(got.press_ms, 0xFFFFF000u);
        ASSERT_EQ(got.event_count, static_cast<int32_t>(c.beeps.size()));
        for (int32_t i = 0; i < got.event_count; ++i) {
            EXPECT_EQ(got.event_ms[i], c.beeps[i].ms) << "beep " << i;
            EXPECT_EQ(got.event_kind[i], c.beeps[i].kind) << "beep " << i;
        }
    }
}

// One pass of the timing thread at press + offset_ms.
struct Pass {
    int32_t offset_ms;
    int32_t event;     // -1: none
    const char* text;  // "": the display is left alone
    bool done;
};

// Returns D as the pass that ended the run gave it, or -1.
int32_t run_passes(uint32_t press_ms, const std::vector<Pass>& passes) {
    int32_t interval = -1;
    for (const Pass& p : passes) {
        SCOPED_TRACE(p.offset_ms);
        TimerStep step;
        const bool acted = timer_pass(press_ms + static_cast<uint32_t>(p.offset_ms), &step, nullptr);
        char text[256] = "";
        if (acted && step.show) format_timer_text(step.shown, text);
        EXPECT_EQ(acted ? step.event : -1, p.event);
        EXPECT_STREQ(text, p.text);
        EXPECT_EQ(acted && step.done, p.done);
        if (acted && step.done) interval = step.interval_centiseconds;
    }
    return interval;
}

TEST_F(Timer, CountdownOfTheWorkedExample) {
    set_results({9, 12, 12, 55, 15}, 2076);
    const uint32_t press = 0xFFFFFF00u;  // the clock wraps during the run
    ASSERT_EQ(timer_press_kind(g_app.timing), kTimerPressStart);
    start_timer(g_app.timing, press, nullptr);
    run_passes(press, {
                          {-3, -1, "起動まで 15.00", false},  // read just before the press: the press itself
                          {1, -1, "", false},
                          {10, -1, "起動まで 14.99", false},
                          {11999, -1, "起動まで 3.01", false},
                          {12000, 0, "起動まで 3.00", false},
                          {12001, -1, "", false},
                          // a late pass takes one due beep at a time
                          {13500, 1, "起動まで 1.50", false},
                          {13501, -1, "", false},
                          {14000, 2, "起動まで 1.00", false},
                          {15000, 3, "Cギアまで 20.76", false},
                          // beeps 4 to 6 all missed: still one per pass, in order
                          {35759, 4, "Cギアまで 0.01", false},
                          {35759, 5, "", false},
                      });
    // the run ends with D for the stopwatch display
    EXPECT_EQ(run_passes(press, {{35760, 6, "完了", false}, {35760, 7, "", true}, {35761, -1, "", false}}), 2076);
    EXPECT_FALSE(g_timing_words.timer.load() != kTimerIdle);
    EXPECT_FALSE(stop_timer());  // ended by itself
}

TEST_F(Timer, PressesOfTimerAndStopwatchExcludeEachOther) {
    // no calculation, no date; an interval of 0 cannot be made
    set_results({9, 12, 12, 55, 15}, 2076);
    g_app.timing.shown = 0;
    EXPECT_EQ(timer_press_kind(g_app.timing), kTimerPressNotReady);
    set_results({9, -1, 12, 55, 15}, 2076);
    EXPECT_EQ(timer_press_kind(g_app.timing), kTimerPressNotReady);
    set_results({9, 12, 12, 55, 15}, 0);
    EXPECT_EQ(timer_press_kind(g_app.timing), kTimerPressUnmakeable);

    // the stopwatch counting, or about to: the timer button does nothing
    set_results({9, 12, 12, 55, 15}, 2076);
    ASSERT_NE(press_stopwatch(), TextId::kNone);
    EXPECT_EQ(timer_press_kind(g_app.timing), kTimerPressIgnored);
    uint32_t hundredths;
    stopwatch_pass(100, &hundredths);
    EXPECT_EQ(timer_press_kind(g_app.timing), kTimerPressIgnored);
    ASSERT_NE(press_stopwatch(), TextId::kNone);  // stopped
    EXPECT_EQ(timer_press_kind(g_app.timing), kTimerPressStart);

    // the timer requested or running: the stopwatch button does nothing
    const uint32_t run = current_timer_run();
    EXPECT_EQ(start_timer(g_app.timing, 5000, nullptr), run + 1);
    EXPECT_EQ(current_timer_run(), run + 1);
    EXPECT_EQ(press_stopwatch(), TextId::kNone);
    EXPECT_EQ(g_timing_words.stopwatch.load(), kStopwatchIdle);
    // stopped before the thread took it up: it never starts, and the thread says so
    EXPECT_EQ(timer_press_kind(g_app.timing), kTimerPressStop);
    EXPECT_TRUE(stop_timer());
    TimerStep step;
    EXPECT_TRUE(timer_pass(5001, &step, nullptr));
    EXPECT_TRUE(step.stopped);
    EXPECT_EQ(step.event, -1);
    EXPECT_EQ(step.run, run + 1);

    start_timer(g_app.timing, 6000, nullptr);
    run_passes(6000, {{0, -1, "起動まで 15.00", false}});
    EXPECT_EQ(press_stopwatch(), TextId::kNone);
    EXPECT_TRUE(stop_timer());
    EXPECT_EQ(current_timer_run(), run + 2);
    // until the thread has taken up the stop, both buttons wait
    EXPECT_EQ(timer_press_kind(g_app.timing), kTimerPressIgnored);
    EXPECT_EQ(press_stopwatch(), TextId::kNone);
    run_passes(6000, {{12000, -1, "", false}});  // the stop taken up: no more beeps
    EXPECT_EQ(timer_press_kind(g_app.timing), kTimerPressStart);
    EXPECT_EQ(press_stopwatch(), TextId::kStopwatchRunning);
}

// A target no attempt can make: the reason in place of the clock line, and a
// timer that refuses; the hour goes first.
TEST_F(Timer, UnmakeableTargetsSayWhyAndTheTimerRefuses) {
    const struct {
        int32_t hour_byte, interval;
        const char* line;  // "": the clock line is shown
    } cases[] = {
        {23, 2076, ""},
        {24, 2076, "このseedは作れません(時が24)"},
        {255, 2076, "このseedは作れません(時が255)"},
        {12, 0, "このseedは作れません(間隔が0.00秒)"},
        {12, -1, "このseedは作れません(間隔が-0.01秒)"},
        {12, -456, "このseedは作れません(間隔が-4.56秒)"},
        {32, -456, "このseedは作れません(時が32)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        set_results({9, 12, 12, 55, 15}, c.interval);
        g_app.timing.cgear_hour = c.hour_byte;
        const bool unmakeable = c.line[0] != '\0';
        EXPECT_EQ(unmakeable_line_shown(g_app.timing), unmakeable);
        EXPECT_EQ(clock_setting_shown(g_app.timing), !unmakeable);
        char line[256] = "";
        if (unmakeable) format_unmakeable_line(g_app.timing, line);
        EXPECT_STREQ(line, c.line);
        const TimerPress want = unmakeable ? kTimerPressUnmakeable : c.interval > 0 ? kTimerPressStart : kTimerPressNotReady;
        EXPECT_EQ(timer_press_kind(g_app.timing), want);
        // no date found: neither line
        g_app.timing.boot_day = -1;
        EXPECT_FALSE(unmakeable_line_shown(g_app.timing));
    }
}

// What the timing thread did, in order: 'b' a beep started, 's' the device
// silenced, 'x' the stop taken up.
std::mutex g_log_mutex;
std::string g_log;
void note(char c) {
    std::lock_guard<std::mutex> lock(g_log_mutex);
    g_log += c;
}
std::string logged() {
    std::lock_guard<std::mutex> lock(g_log_mutex);
    return g_log;
}

// The timing thread takes up a stop pressed at any moment of the countdown:
// every beep of the run is started before the device is silenced, and the
// button sees the timer idle only after that, so no beep sounds after 「中止」.
TEST_F(Timer, StopSilencesOnTheTimingThreadAfterItsLastBeep) {
    set_results({9, 12, 12, 55, 15}, 300);  // beeps from pass 120 on, at 100 ms a pass
    for (int trial = 0; trial < 50; ++trial) {
        g_log.clear();
        std::atomic<bool> quit{false};
        std::thread timing([&] {
            for (uint32_t now = 0; !quit.load(); now += 100) {
                TimerStep step;
                if (!timer_pass(now, &step, [] { note('s'); })) continue;
                if (step.event >= 0) note('b');
                if (step.stopped) note('x');
                std::this_thread::yield();
            }
        });
        start_timer(g_app.timing, 0, nullptr);
        for (int spin = 0; spin < trial * 7; ++spin) std::this_thread::yield();
        const bool stopped = stop_timer();
        while (g_timing_words.timer.load() != kTimerIdle) std::this_thread::yield();
        const std::string at_idle = logged();
        quit.store(true);
        timing.join();
        const std::string order = logged();
        SCOPED_TRACE(order);
        if (!stopped) continue;  // the run had ended by itself
        EXPECT_NE(at_idle.find('s'), std::string::npos);
        ASSERT_GE(order.size(), 2u);
        EXPECT_EQ(order.substr(order.size() - 2), "sx");
        EXPECT_EQ(order.find('s'), order.size() - 2);
    }
}

TEST(Beep, ToneOfItsLengthAndPitchWithoutClicks) {
    for (BeepKind kind : {kShortBeep, kLongBeep}) {
        SCOPED_TRACE(kind);
        std::vector<int16_t> samples(static_cast<size_t>(beep_sample_count(kind)));
        fill_beep(kind, samples.data());
        EXPECT_EQ(static_cast<int32_t>(samples.size()), kBeepSampleRate * kBeepTones[kind].milliseconds / 1000);
        EXPECT_EQ(samples.front(), 0);
        EXPECT_EQ(samples.back(), 0);
        int32_t rises = 0;  // one per period of the tone
        int16_t loudest = 0;
        for (size_t i = 1; i < samples.size(); ++i) {
            rises += samples[i - 1] < 0 && samples[i] >= 0;
            loudest = std::max<int16_t>(loudest, samples[i]);
        }
        const int32_t periods = kBeepTones[kind].hertz * kBeepTones[kind].milliseconds / 1000;
        EXPECT_NEAR(rises, periods, 1);
        EXPECT_GT(loudest, 8000);
    }
}

}  // namespace
