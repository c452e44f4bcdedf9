// The C-Gear timer's plan from the timing results: the console clock setting
// the player confirms, and the countdown from that moment: phase 1 to the
// boot, phase 2 (the interval D) to the C-Gear switch-on, with beeps before
// and at the end of each phase.
#pragma once

#include <cstdint>

#include "core/state.h"
#include "timing/cgear_timing.h"
#include "timing/beep_tone.h"


// Short beeps this many seconds before the end of each phase, and a long one at each end.
constexpr int32_t kCountdownBeeps = 3;
constexpr uint32_t kBeepSpacingMs = 1000;
constexpr int32_t kTimerMaxEvents = 2 * (kCountdownBeeps + 1);


// Why no attempt gives the target of a calculation that found a date.
enum class Unmakeable : int32_t {
    kNo,        // it can be made
    kHour,      // its hour byte is 24 or more
    kInterval,  // the corrected interval D is not positive: the C-Gear would not come after the boot
};
Unmakeable unmakeable_reason(const TimingResults& r);

// True after a calculation that found a date for a target that cannot be made:
// the reason is painted where the clock line would be.
bool unmakeable_line_shown(const TimingResults& r);

// "このseedは作れません(時が%d)" or "このseedは作れません(間隔が%.2f秒)", the hour first, into buffer (256 bytes).
void format_unmakeable_line(const TimingResults& r, char* buffer);

// What the player sets the console's clock to.
struct ClockSetting {
    int32_t month, day, hour, minute;
    bool minute_before;  // the boot second is below kShortestBootSecond
};

// True after a timing calculation that found a date for a target that can be made.
bool clock_setting_shown(const TimingResults& r);

// The boot's date, hour and minute; when its second is below
// kShortestBootSecond, the minute before, carried back through the hour, the
// day and the month by the calculation's calendar (a day of 1 or below goes
// to the last day of the month before; before January, or a month below 1,
// comes December).
ClockSetting clock_setting(const TimingResults& r);

// True when the results give a countdown: the clock line is shown (so D > 0).
// A found date bounds D to 256 hours, so every moment fits 32 bits of milliseconds.
bool timer_ready(const TimingResults& r);

// One run of the C-Gear timer, from the press of its button: every moment is
// milliseconds after press_ms on the timing thread's clock.
struct TimerSchedule {
    uint32_t run;            // the run's number, carried by the messages it sends the window
    uint32_t press_ms;       // clock reading at the press
    uint32_t boot_ms;        // phase 1: the press to the boot
    uint32_t end_ms;         // phase 2 ends: the C-Gear switch-on
    int32_t interval_centiseconds;  // D, phase 2 in hundredths
    int32_t event_count;
    uint32_t event_ms[kTimerMaxEvents];  // beep moments, in order
    BeepKind event_kind[kTimerMaxEvents];
};

// The run that starts at press_ms. Requires timer_ready(r).
TimerSchedule make_timer_schedule(const TimingResults& r, uint32_t press_ms);

// What the display shows at a moment of a run.
struct TimerShown {
    int32_t phase;       // 1 to the boot, 2 to the switch-on, 0 when done
    int32_t hundredths;  // left in the phase, rounded up
};
TimerShown timer_shown_at(const TimerSchedule& s, uint32_t elapsed_ms);

// A TimerShown as one message word and back.
inline int64_t pack_timer_shown(const TimerShown& shown) { return static_cast<int64_t>(shown.hundredths) * 4 + shown.phase; }
inline TimerShown unpack_timer_shown(int64_t word) {
    return {static_cast<int32_t>(word % 4), static_cast<int32_t>(word / 4)};
}

// "起動まで 12.34", "Cギアまで 20.76" or "完了" into text (256 bytes).
void format_timer_text(const TimerShown& shown, char* text);
