#include "timing/cgear_timer.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>

#include "timing/cgear_timing.h"
#include "timing/stopwatch.h"

const char kTimerCaption[] = "タイマー";
const char kTimerNotReadyText[] = "先に計算して下さい";  // 144 pixels: the display is 155 wide
const char kTimerDoneText[] = "完了";
const char kTimerStoppedText[] = "中止";

namespace {

constexpr double kBeepAmplitude = 12000.0;  // of 32767: clearly audible, far from clipping
constexpr int32_t kBeepRampSamples = kBeepSampleRate * 5 / 1000;

// The state word, shared with the timing thread: every access is one indivisible operation.
std::atomic_ref<int32_t> timer_word() { return std::atomic_ref<int32_t>(g_app.timer_state); }

// Short beeps before the end of the phase start..end (those not after its
// start are left out), then the long one at its end.
void add_phase_beeps(TimerSchedule& s, uint32_t start, uint32_t end) {
    for (int32_t k = kCountdownBeeps; k >= 1; --k) {
        const int64_t at = static_cast<int64_t>(end) - static_cast<int64_t>(k) * kBeepSpacingMs;
        if (at <= static_cast<int64_t>(start)) continue;
        s.event_ms[s.event_count] = static_cast<uint32_t>(at);
        s.event_kind[s.event_count++] = kShortBeep;
    }
    s.event_ms[s.event_count] = end;
    s.event_kind[s.event_count++] = kLongBeep;
}

// Milliseconds left, in hundredths rounded up: the display reaches 0.00 only at the end.
int32_t hundredths_left(uint32_t ms) { return static_cast<int32_t>((ms + 9) / 10); }

}  // namespace

void fill_beep(BeepKind kind, int16_t* samples) {
    const int32_t n = beep_sample_count(kind);
    const double step = 2.0 * 3.14159265358979323846 * kBeepTones[kind].hertz / kBeepSampleRate;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t edge = std::min(i, n - 1 - i);
        const double gain = edge < kBeepRampSamples ? static_cast<double>(edge) / kBeepRampSamples : 1.0;
        samples[i] = static_cast<int16_t>(std::lround(kBeepAmplitude * gain * std::sin(step * i)));
    }
}

bool clock_setting_shown() { return g_app.timing_shown == 1 && g_app.boot_day != -1; }

ClockSetting clock_setting() {
    const AppState& a = g_app;
    ClockSetting c{a.boot_month, a.boot_day, a.boot_hour, a.boot_minute, a.boot_second < kShortestBootSecond};
    if (!c.minute_before) return c;
    if (--c.minute >= 0) return c;
    c.minute = 59;
    if (--c.hour >= 0) return c;
    c.hour = 23;
    if (c.day > 1) {
        --c.day;
        return c;
    }
    c.month = c.month > 1 && c.month <= 12 ? c.month - 1 : 12;
    c.day = days_in_month(c.month);
    return c;
}

bool timer_ready() { return clock_setting_shown() && g_app.cgear_interval_centiseconds > 0; }

TimerSchedule make_timer_schedule(uint32_t press_ms) {
    const ClockSetting c = clock_setting();
    TimerSchedule s{};
    s.press_ms = press_ms;
    s.boot_ms = static_cast<uint32_t>(g_app.boot_second + (c.minute_before ? 60 : 0)) * 1000u;
    s.interval_centiseconds = g_app.cgear_interval_centiseconds;
    s.end_ms = s.boot_ms + static_cast<uint32_t>(s.interval_centiseconds) * 10u;
    add_phase_beeps(s, 0, s.boot_ms);
    add_phase_beeps(s, s.boot_ms, s.end_ms);
    return s;
}

bool timer_busy() { return timer_word().load() != kTimerIdle; }

TimerPress timer_press_kind() {
    if (stopwatch_busy()) return kTimerPressIgnored;
    const int32_t state = timer_word().load();
    if (state == kTimerStopRequested) return kTimerPressIgnored;
    if (state != kTimerIdle) return kTimerPressStop;
    return timer_ready() ? kTimerPressStart : kTimerPressNotReady;
}

void start_timer(uint32_t press_ms, void (*prepare)(const TimerSchedule&)) {
    // only this side moves the word out of idle, so the schedule is the button's until the store
    g_app.timer_schedule = make_timer_schedule(press_ms);
    g_app.timer_schedule.run = ++g_app.timer_run;
    if (prepare) prepare(g_app.timer_schedule);
    timer_word().store(kTimerStartRequested);
}

bool stop_timer() {
    // the thread may take up the start or end the run meanwhile: whichever
    // moves the word first wins. A start not yet taken up is simply dropped.
    int32_t state = timer_word().load();
    while (state == kTimerStartRequested || state == kTimerRunning) {
        const int32_t stopped = state == kTimerRunning ? kTimerStopRequested : kTimerIdle;
        if (timer_word().compare_exchange_weak(state, stopped)) {
            ++g_app.timer_run;
            return true;
        }
    }
    return false;
}

TimerShown timer_shown_at(const TimerSchedule& s, uint32_t elapsed_ms) {
    if (elapsed_ms < s.boot_ms) return {1, hundredths_left(s.boot_ms - elapsed_ms)};
    if (elapsed_ms < s.end_ms) return {2, hundredths_left(s.end_ms - elapsed_ms)};
    return {0, 0};
}

void format_timer_text(const TimerShown& shown, char* text) {
    if (shown.phase == 0) {
        std::snprintf(text, 256, "%s", kTimerDoneText);
        return;
    }
    char reading[256];
    format_stopwatch_reading(static_cast<uint32_t>(shown.hundredths), reading);
    // a reading has at most 11 characters ("42949672.95")
    std::snprintf(text, 256, "%s %.16s", shown.phase == 1 ? "起動まで" : "Cギアまで", reading);
}

bool timer_pass(uint32_t now_ms, TimerStep* step) {
    AppState& a = g_app;
    int32_t state = timer_word().load();
    if (state == kTimerStartRequested) {
        if (!timer_word().compare_exchange_strong(state, kTimerRunning)) return false;  // stopped before it began
        a.timer_next_event = 0;
        a.timer_shown_phase = -1;
        state = kTimerRunning;
    }
    if (state == kTimerStopRequested) {
        // the last pass that read the schedule has ended: it is the button's again
        timer_word().store(kTimerIdle);
        return false;
    }
    if (state != kTimerRunning) return false;
    const TimerSchedule& s = a.timer_schedule;
    // a reading taken just before the press counts as the press itself
    const int32_t since_press = static_cast<int32_t>(now_ms - s.press_ms);
    const uint32_t elapsed = since_press > 0 ? static_cast<uint32_t>(since_press) : 0u;
    *step = {};
    step->event = -1;
    step->run = s.run;
    step->press_ms = s.press_ms;
    step->interval_centiseconds = s.interval_centiseconds;
    const int32_t next = a.timer_next_event;
    if (next < s.event_count && elapsed >= s.event_ms[next]) {
        step->event = next;
        step->kind = s.event_kind[next];
        step->due_ms = s.event_ms[next];
        a.timer_next_event = next + 1;
    }
    const TimerShown shown = timer_shown_at(s, elapsed);
    if (shown.phase != a.timer_shown_phase || shown.hundredths != a.timer_shown_hundredths) {
        step->show = true;
        step->shown = shown;
        a.timer_shown_phase = shown.phase;
        a.timer_shown_hundredths = shown.hundredths;
    }
    if (shown.phase == 0 && a.timer_next_event == s.event_count) {
        // the last read of the schedule is above: from here on it is the button's
        int32_t running = kTimerRunning;
        if (timer_word().compare_exchange_strong(running, kTimerIdle)) {
            step->done = true;
            // as if the stopwatch had been pressed at the boot and at the switch-on
            a.stopwatch_centiseconds = static_cast<uint32_t>(step->interval_centiseconds);
        }
    }
    return step->event >= 0 || step->show || step->done;
}
