#include "timing/timer_schedule.h"

#include <cstdio>

#include "timing/cgear_timing.h"
#include "timing/stopwatch.h"


namespace {

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

bool date_found(const TimingResults& r) { return r.shown == 1 && r.boot_day != -1; }

}  // namespace

Unmakeable unmakeable_reason(const TimingResults& r) {
    if (r.cgear_hour >= kHoursOfTheClock) return Unmakeable::kHour;
    if (r.interval_centiseconds <= 0) return Unmakeable::kInterval;
    return Unmakeable::kNo;
}

bool unmakeable_line_shown(const TimingResults& r) { return date_found(r) && unmakeable_reason(r) != Unmakeable::kNo; }

void format_unmakeable_line(const TimingResults& r, char* buffer) {
    if (unmakeable_reason(r) == Unmakeable::kHour) std::snprintf(buffer, 256, tr(TextId::kUnmakeableHour), r.cgear_hour);
    else std::snprintf(buffer, 256, tr(TextId::kUnmakeableInterval), r.interval_centiseconds / 100.0);
}

bool clock_setting_shown(const TimingResults& r) { return date_found(r) && unmakeable_reason(r) == Unmakeable::kNo; }

ClockSetting clock_setting(const TimingResults& r) {
    ClockSetting c{r.boot_month, r.boot_day, r.boot_hour, r.boot_minute, r.boot_second < kShortestBootSecond};
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

bool timer_ready(const TimingResults& r) { return clock_setting_shown(r) && r.interval_centiseconds > 0; }

TimerSchedule make_timer_schedule(const TimingResults& r, uint32_t press_ms) {
    const ClockSetting c = clock_setting(r);
    TimerSchedule s{};
    s.press_ms = press_ms;
    s.boot_ms = static_cast<uint32_t>(r.boot_second + (c.minute_before ? 60 : 0)) * 1000u;
    s.interval_centiseconds = r.interval_centiseconds;
    s.end_ms = s.boot_ms + static_cast<uint32_t>(s.interval_centiseconds) * 10u;
    add_phase_beeps(s, 0, s.boot_ms);
    add_phase_beeps(s, s.boot_ms, s.end_ms);
    return s;
}

TimerShown timer_shown_at(const TimerSchedule& s, uint32_t elapsed_ms) {
    if (elapsed_ms < s.boot_ms) return {1, hundredths_left(s.boot_ms - elapsed_ms)};
    if (elapsed_ms < s.end_ms) return {2, hundredths_left(s.end_ms - elapsed_ms)};
    return {0, 0};
}

void format_timer_text(const TimerShown& shown, char* text) {
    if (shown.phase == 0) {
        std::snprintf(text, 256, "%s", tr(TextId::kTimerDone));
        return;
    }
    char reading[256];
    format_stopwatch_reading(static_cast<uint32_t>(shown.hundredths), reading);
    // a reading has at most 11 characters ("42949672.95")
    std::snprintf(text, 256, "%s %.16s", tr(shown.phase == 1 ? TextId::kTimerBootIn : TextId::kTimerCGearIn), reading);
}
