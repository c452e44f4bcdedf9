#include "timing/stopwatch.h"

#include <atomic>
#include <cstdio>

#include "core/state.h"
#include "timing/cgear_timer.h"

const char kStopwatchIdleCaption[] = "起動";
const char kStopwatchRunningCaption[] = "Cギア起動";

namespace {

// Clock reading when the running count started; the stopwatch thread's own.
uint32_t stopwatch_start_ms = 0;

// The state word, shared by the two threads: every access is one indivisible load or store.
std::atomic_ref<int32_t> stopwatch_state() { return std::atomic_ref<int32_t>(g_app.stopwatch_state); }

}  // namespace

bool stopwatch_pass(uint32_t now_ms, char* text) {
    const int32_t state = stopwatch_state().load();
    if (state == kStopwatchStartRequested) {
        stopwatch_start_ms = now_ms;
        g_app.stopwatch_centiseconds = 0;
        // published last, so the count never runs from a stale start time
        stopwatch_state().store(kStopwatchRunning);
        return false;
    }
    if (state != kStopwatchRunning) return false;
    // unsigned difference: a wrap of the clock during a count does no harm
    const uint32_t elapsed = now_ms - stopwatch_start_ms;
    const uint32_t hundredths = elapsed / 10;
    if (hundredths <= g_app.stopwatch_centiseconds) return false;
    g_app.stopwatch_centiseconds = hundredths;
    format_stopwatch_reading(hundredths, text);
    return true;
}

void format_stopwatch_reading(uint32_t hundredths, char* text) {
    std::snprintf(text, 256, "%.2f", static_cast<double>(hundredths) / 100.0);
}

bool stopwatch_busy() { return stopwatch_state().load() != kStopwatchIdle; }

const char* press_stopwatch() {
    // each side moves the state only out of states the other never writes,
    // so plain loads and stores lose no transition
    const int32_t state = stopwatch_state().load();
    // the timer's word leaves idle only by the other button, on this same thread
    if (state == kStopwatchIdle && !timer_busy()) {
        stopwatch_state().store(kStopwatchStartRequested);
        return kStopwatchRunningCaption;
    }
    if (state == kStopwatchRunning) {
        stopwatch_state().store(kStopwatchIdle);
        return kStopwatchIdleCaption;
    }
    return nullptr;
}

void format_adopted_low(int32_t n, char* buffer) {
    std::snprintf(buffer, 256, "%04X", static_cast<unsigned>(g_app.candidate_seeds[n] & 0xFFFFu));
}
