// The stopwatch: a state word shared by the stopwatch button and the timing
// thread, and the count that the thread derives from a millisecond clock.
#pragma once

#include <cstdint>

#include "core/texts.h"

// One pass of the timing thread at clock reading now_ms (milliseconds, any
// origin, wrapping at 2^32). Takes up a requested start, or advances the
// running count; returns true when the reading grew, with it in *hundredths.
// Called from the timing thread only.
bool stopwatch_pass(uint32_t now_ms, uint32_t* hundredths);

// Press of the stopwatch button: idle requests a start, running stops. Returns
// the button's new caption, or kNone when the press is ignored (a start is
// still pending, or the C-Gear timer runs). The state is stored before the
// caller shows the caption.
TextId press_stopwatch();
// The button's caption as the stopwatch stands: kStopwatchRunning once a start is asked.
TextId stopwatch_caption();

// A reading as the stopwatch display shows it: "%.2f" seconds, into text (256 bytes).
void format_stopwatch_reading(uint32_t hundredths, char* text);

// The last interval the stopwatch or the timer measured; the window's thread's own.
struct MeasuredInterval {
    uint32_t hundredths;
    bool measured;  // false until the first reading
};
inline MeasuredInterval g_measured;

// Keeps a new reading of the stopwatch, or the interval of a finished
// countdown, as the measured interval and formats it for the display into text (256 bytes).
void record_measured_interval(uint32_t hundredths, char* text);
