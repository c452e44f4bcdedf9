// The words the window's thread and the timing thread share. One timing
// thread serves the stopwatch and the C-Gear timer, never both at once: each
// button starts its own only while the other's word is idle, and only the
// buttons, on the window's thread, move a word out of idle.
#pragma once

#include <atomic>
#include <cstdint>

enum StopwatchState : int32_t { kStopwatchIdle = 0, kStopwatchStartRequested = 1, kStopwatchRunning = 2 };

// A stopped run is idle only once the thread has taken up the stop (and
// silenced its beeps), so that a new run never overwrites a schedule the
// thread may still be reading.
enum TimerState : int32_t { kTimerIdle = 0, kTimerStartRequested = 1, kTimerRunning = 2, kTimerStopRequested = 3 };

struct TimingWords {
    // written by the stopwatch button (idle to requested, running to idle) and
    // the timing thread (requested to running); read by both buttons and the thread
    std::atomic<int32_t> stopwatch{kStopwatchIdle};
    // written by the timer button (idle to requested, requested or running to
    // stop requested) and the timing thread (requested to running, running or
    // stop requested to idle); read by both buttons and the thread
    std::atomic<int32_t> timer{kTimerIdle};
};

inline TimingWords g_timing_words;

// True while the stopwatch or the timer has a count requested, running or stopping.
inline bool timing_counting() {
    return g_timing_words.stopwatch.load() != kStopwatchIdle || g_timing_words.timer.load() != kTimerIdle;
}

// Wakes the timing thread from its idle wait; set once before the first
// press by whoever runs the thread, called after a word leaves idle.
inline void (*g_timing_wake)() = nullptr;
inline void wake_timing_thread() {
    if (g_timing_wake) g_timing_wake();
}
