#include "timing/stopwatch.h"

#include <cstdio>

#include "timing/timing_words.h"


namespace {

// The running count; the timing thread's own.
struct StopwatchCount {
    uint32_t start_ms;      // clock reading when the count started
    uint32_t centiseconds;  // the last reading
} g_count;

std::atomic<int32_t>& state() { return g_timing_words.stopwatch; }

}  // namespace

bool stopwatch_pass(uint32_t now_ms, uint32_t* hundredths) {
    const int32_t s = state().load();
    if (s == kStopwatchStartRequested) {
        g_count = {now_ms, 0};
        // published last, so the count never runs from a stale start time
        state().store(kStopwatchRunning);
        return false;
    }
    if (s != kStopwatchRunning) return false;
    // unsigned difference: a wrap of the clock during a count does no harm
    const uint32_t reading = (now_ms - g_count.start_ms) / 10;
    if (reading <= g_count.centiseconds) return false;
    g_count.centiseconds = reading;
    *hundredths = reading;
    return true;
}

void record_measured_interval(uint32_t hundredths, char* text) {
    g_measured = {hundredths, true};
    format_stopwatch_reading(hundredths, text);
}

void format_stopwatch_reading(uint32_t hundredths, char* text) {
    std::snprintf(text, 256, "%.2f", static_cast<double>(hundredths) / 100.0);
}

TextId stopwatch_caption() { return state().load() == kStopwatchIdle ? TextId::kStopwatchIdle : TextId::kStopwatchRunning; }

TextId press_stopwatch() {
    // each side moves the state only out of states the other never writes,
    // so plain loads and stores lose no transition
    const int32_t s = state().load();
    // the timer's word leaves idle only by the other button, on this same thread
    if (s == kStopwatchIdle && g_timing_words.timer.load() == kTimerIdle) {
        state().store(kStopwatchStartRequested);
        wake_timing_thread();
        return TextId::kStopwatchRunning;
    }
    if (s == kStopwatchRunning) {
        state().store(kStopwatchIdle);
        return TextId::kStopwatchIdle;
    }
    return TextId::kNone;
}
