// The C-Gear timer: the console clock setting that the timing results ask
// for, and the countdown from the moment the player confirms it: phase 1 to
// the boot, phase 2 (the interval D) to the C-Gear switch-on, with beeps
// before and at the end of each phase. The timing thread runs the countdown
// on the stopwatch's millisecond clock; the two exclude each other.
#pragma once

#include <cstdint>

#include "core/state.h"

extern const char kTimerCaption[];       // "タイマー"
extern const char kTimerNotReadyText[];  // "先に計算して下さい"
extern const char kTimerDoneText[];      // "完了"
extern const char kTimerStoppedText[];   // "中止"

// A boot second below this is too soon after the confirmation to boot: the
// clock is set to the minute before.
constexpr int32_t kShortestBootSecond = 10;

// Short beeps this many seconds before the end of each phase.
constexpr int32_t kCountdownBeeps = 3;
constexpr uint32_t kBeepSpacingMs = 1000;

// The two sounds: short ones count down, a longer and higher one ends a phase.
struct BeepTone {
    int32_t milliseconds;
    int32_t hertz;
};
constexpr BeepTone kBeepTones[] = {{100, 1000}, {400, 2000}};  // by BeepKind
constexpr int32_t kBeepSampleRate = 22050;  // 16-bit mono samples
constexpr int32_t beep_sample_count(BeepKind kind) { return kBeepSampleRate * kBeepTones[kind].milliseconds / 1000; }

// The sine tone of a beep, with 5 ms ramps so that it starts and stops without
// a click; samples holds beep_sample_count(kind) values.
void fill_beep(BeepKind kind, int16_t* samples);

// What the player sets the console's clock to.
struct ClockSetting {
    int32_t month, day, hour, minute;
    bool minute_before;  // the boot second is below kShortestBootSecond
};

// True after a timing calculation that found a date: the clock line is painted.
bool clock_setting_shown();

// The boot's date, hour and minute; when its second is below
// kShortestBootSecond, the minute before, carried back through the hour, the
// day and the month by the calculation's calendar (a day of 1 or below goes
// to the last day of the month before; before January, or a month below 1,
// comes December).
ClockSetting clock_setting();

// True when the timing results give a countdown: a date was found and D > 0.
// A found date bounds D to 256 hours, so every moment fits 32 bits of milliseconds.
bool timer_ready();

// The run that starts at press_ms, from the timing results. Requires timer_ready().
TimerSchedule make_timer_schedule(uint32_t press_ms);

// What a press of the timer button does now.
enum TimerPress : int32_t {
    kTimerPressIgnored,   // the stopwatch runs, or a stop is not yet taken up
    kTimerPressNotReady,  // no usable timing calculation
    kTimerPressStart,
    kTimerPressStop,
};
TimerPress timer_press_kind();

// Puts a new run into timer_schedule (prepare, when given, is called with it
// before the timing thread may take it up), then hands it to that thread.
// Requires timer_press_kind() == kTimerPressStart.
void start_timer(uint32_t press_ms, void (*prepare)(const TimerSchedule&));

// Stops the countdown; false when it had already ended by itself. Messages of
// the stopped run are no longer shown (the run number moves on). Requires
// timer_press_kind() == kTimerPressStop.
bool stop_timer();

// True from a start request until the countdown has ended, or its stop has
// been taken up by the timing thread.
bool timer_busy();

// What the display shows at a moment of a run.
struct TimerShown {
    int32_t phase;       // 1 to the boot, 2 to the switch-on, 0 when done
    int32_t hundredths;  // left in the phase, rounded up
};
TimerShown timer_shown_at(const TimerSchedule& s, uint32_t elapsed_ms);

// "起動まで 12.34", "Cギアまで 20.76" or "完了" into text (256 bytes).
void format_timer_text(const TimerShown& shown, char* text);

// What one pass of the timing thread has to do (a due beep before anything
// else), with what it needs of the run: once the run has ended the schedule is
// the button's again.
struct TimerStep {
    int32_t event;  // beep event to start now, or -1
    BeepKind kind;  // of that event
    uint32_t due_ms;
    bool show;      // the display changes to shown
    TimerShown shown;
    bool done;      // the run has ended: the stopwatch reading is D
    uint32_t run;
    uint32_t press_ms;
    int32_t interval_centiseconds;
};

// One pass of the timing thread at clock reading now_ms: takes up a requested
// start or stop, or advances the running countdown. Returns true when step holds
// something to do. At most one beep per pass, so each is started (and
// recorded) at its own pass. Called from the timing thread only.
bool timer_pass(uint32_t now_ms, TimerStep* step);
