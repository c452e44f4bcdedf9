// The C-Gear timer's run between its button and the timing thread: the
// button hands a schedule over through the timer's state word, the thread
// counts it down on its millisecond clock, starts the beeps and takes up a stop.
#pragma once

#include <cstdint>

#include "core/state.h"
#include "timing/timer_schedule.h"


// What a press of the timer button does now.
enum TimerPress : int32_t {
    kTimerPressIgnored,     // the stopwatch runs, or a stop is not yet taken up
    kTimerPressNotReady,    // no usable timing calculation
    kTimerPressUnmakeable,  // the calculation's target cannot be made
    kTimerPressStart,
    kTimerPressStop,
};
TimerPress timer_press_kind(const TimingResults& r);

// Puts a new run from r into the schedule (prepare, when given, is called
// with it before the timing thread may take it up), then hands it to that
// thread; returns the run's number. Requires timer_press_kind(r) == kTimerPressStart.
uint32_t start_timer(const TimingResults& r, uint32_t press_ms, void (*prepare)(const TimerSchedule&));

// Asks the timing thread to stop the countdown; false when it had already
// ended by itself. The thread silences the run's beeps when it takes the stop
// up (TimerStep::stopped). Requires timer_press_kind() == kTimerPressStop.
bool stop_timer();

// The number of the last run started: the window shows that run's messages only.
uint32_t current_timer_run();

// What one pass of the timing thread has to do (a due beep before anything
// else), with what it needs of the run: once the run has ended the schedule is
// the button's again.
struct TimerStep {
    int32_t event;  // beep event to start now, or -1
    BeepKind kind;  // of that event
    uint32_t due_ms;
    bool show;      // the display changes to shown
    TimerShown shown;
    bool done;      // the run has ended by itself: the stopwatch reading is D
    bool stopped;   // a stop was taken up: silence the run's beeps, then say so
    uint32_t run;
    uint32_t press_ms;
    int32_t interval_centiseconds;
};

// One pass of the timing thread at clock reading now_ms: takes up a requested
// start or stop, or advances the running countdown. Returns true when step
// holds something to do. At most one beep per pass, so each is started (and
// recorded) at its own pass. A pass that takes up a stop starts none and
// calls silence (when given) before the timer is idle again. Called from the
// timing thread only.
bool timer_pass(uint32_t now_ms, TimerStep* step, void (*silence)());
