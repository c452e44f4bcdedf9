#include "timing/cgear_timer.h"

#include "timing/timing_words.h"


namespace {

// One run: the schedule is the button's while the state word is idle and the
// timing thread's otherwise; the progress is the thread's, the number the button's.
struct TimerRun {
    TimerSchedule schedule;
    int32_t next_event;
    int32_t shown_phase;
    int32_t shown_hundredths;
    uint32_t last_run;
} g_run;

std::atomic<int32_t>& state() { return g_timing_words.timer; }

}  // namespace

uint32_t current_timer_run() { return g_run.last_run; }

TimerPress timer_press_kind(const TimingResults& r) {
    if (g_timing_words.stopwatch.load() != kStopwatchIdle) return kTimerPressIgnored;
    const int32_t s = state().load();
    if (s == kTimerStopRequested) return kTimerPressIgnored;
    if (s != kTimerIdle) return kTimerPressStop;
    if (unmakeable_line_shown(r)) return kTimerPressUnmakeable;
    return timer_ready(r) ? kTimerPressStart : kTimerPressNotReady;
}

uint32_t start_timer(const TimingResults& r, uint32_t press_ms, void (*prepare)(const TimerSchedule&)) {
    // only this side moves the word out of idle, so the schedule is the button's until the store
    g_run.schedule = make_timer_schedule(r, press_ms);
    g_run.schedule.run = ++g_run.last_run;
    if (prepare) prepare(g_run.schedule);
    state().store(kTimerStartRequested);
    wake_timing_thread();
    return g_run.schedule.run;
}

bool stop_timer() {
    // the thread may take up the start or end the run meanwhile: whichever
    // moves the word first wins
    int32_t s = state().load();
    while (s == kTimerStartRequested || s == kTimerRunning) {
        if (state().compare_exchange_weak(s, kTimerStopRequested)) return true;
    }
    return false;
}

bool timer_pass(uint32_t now_ms, TimerStep* step, void (*silence)()) {
    int32_t s = state().load();
    if (s == kTimerIdle) return false;  // the schedule is the button's
    const TimerSchedule& run = g_run.schedule;
    *step = {};
    step->event = -1;
    step->run = run.run;
    step->press_ms = run.press_ms;
    step->interval_centiseconds = run.interval_centiseconds;
    if (s == kTimerStopRequested) {
        // no beep of this run is started from here on, and those started are
        // cut off before the button may start another run
        if (silence) silence();
        step->stopped = true;
        state().store(kTimerIdle);
        return true;
    }
    if (s == kTimerStartRequested) {
        if (!state().compare_exchange_strong(s, kTimerRunning)) return false;  // the stop is taken up next pass
        g_run.next_event = 0;
        g_run.shown_phase = -1;
        s = kTimerRunning;
    }
    if (s != kTimerRunning) return false;
    // a reading taken just before the press counts as the press itself
    const int32_t since_press = static_cast<int32_t>(now_ms - run.press_ms);
    const uint32_t elapsed = since_press > 0 ? static_cast<uint32_t>(since_press) : 0u;
    const int32_t next = g_run.next_event;
    if (next < run.event_count && elapsed >= run.event_ms[next]) {
        step->event = next;
        step->kind = run.event_kind[next];
        step->due_ms = run.event_ms[next];
        g_run.next_event = next + 1;
    }
    const TimerShown shown = timer_shown_at(run, elapsed);
    if (shown.phase != g_run.shown_phase || shown.hundredths != g_run.shown_hundredths) {
        step->show = true;
        step->shown = shown;
        g_run.shown_phase = shown.phase;
        g_run.shown_hundredths = shown.hundredths;
    }
    if (shown.phase == 0 && g_run.next_event == run.event_count) {
        // the last read of the schedule is above: from here on it is the button's
        int32_t running = kTimerRunning;
        if (state().compare_exchange_strong(running, kTimerIdle)) step->done = true;
    }
    return step->event >= 0 || step->show || step->done;
}
