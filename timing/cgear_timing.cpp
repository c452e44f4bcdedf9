#include "timing/cgear_timing.h"

#include "core/convert.h"
#include "core/fields.h"
#include "core/state.h"

namespace {

constexpr int32_t kLargestSum = 59 + 59;  // minute + second

bool fits_int32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// The fixed values of one calculation and how far its date search got.
struct DateSearch {
    int32_t top_byte;
    int32_t hour_byte;
    int32_t whole_seconds;     // Ds: whole seconds of the interval
    int32_t hundredths;        // h: the interval's hundredths
    int32_t preferred_second;  // P: C-Gear second when booted on second 15
    int32_t minute;            // of the last date that reached the acceptance test
    int32_t centiseconds;
    bool accepted;
    int32_t month;
    int32_t day;
};

// Tests one date; true when it is accepted, which ends the search.
bool try_date(DateSearch& s, int32_t m, int32_t d) {
    // only the low byte of m * d matters, and unsigned wrap keeps it exact
    const uint32_t product = static_cast<uint32_t>(m) * static_cast<uint32_t>(d);
    const int32_t sum = static_cast<int32_t>((static_cast<uint32_t>(s.top_byte) - product) & 0xFFu);
    if (sum > kLargestSum) return false;
    const int32_t p = s.preferred_second;
    int32_t second;
    if (sum < p) {
        s.minute = 0;
        second = sum;
    } else if (sum > p + 59) {
        s.minute = 59;
        second = sum - 59;
    } else {
        s.minute = sum - p;
        second = p;
    }
    s.centiseconds = second * 100 + s.hundredths;
    // the boot must not fall before midnight of the date
    const int64_t boot = s.hour_byte * 360000 + s.minute * 6000 + s.centiseconds - int64_t{s.whole_seconds} * 100;
    if (boot < 0) return false;
    // a countdown from a clock set the minute before March 1 starts on
    // February 28, and in a leap year the console runs into February 29
    const bool counts_down = s.hour_byte < kHoursOfTheClock && s.whole_seconds * 100 + s.hundredths > 0;
    if (m == 3 && d == 1 && counts_down && boot < kShortestBootSecond * 100) return false;
    s.accepted = true;
    s.month = m;
    s.day = d;
    return true;
}

// Days first..last of month m in order. The sum byte repeats every 256 days,
// so a longer run tries only its first and its last 256 days: they accept
// the same first date and leave the same last tested date.
bool try_days(DateSearch& s, int32_t m, int32_t first, int32_t last) {
    if (static_cast<int64_t>(last) - first >= 512) {
        for (int32_t d = first; d < first + 256; ++d)
            if (try_date(s, m, d)) return true;
        first = last - 255;
    }
    for (int32_t d = first; d <= last; ++d)
        if (try_date(s, m, d)) return true;
    return false;
}

// From month/day to December 31, in calendar order.
void search_dates(DateSearch& s, int32_t month, int32_t day) {
    if (month > 12) return;
    if (try_days(s, month, day, days_in_month(month))) return;
    int32_t m = month + 1;
    if (m < 1) {
        // months below 1 all have 31 days and repeat every 256 months
        if (0 - m >= 512) {
            for (const int32_t end = m + 256; m < end; ++m)
                if (try_days(s, m, 1, 31)) return;
            m = -255;
        }
        for (; m < 1; ++m)
            if (try_days(s, m, 1, 31)) return;
    }
    for (; m <= 12; ++m)
        if (try_days(s, m, 1, days_in_month(m))) return;
}

}  // namespace

int32_t days_in_month(int32_t month) {
    if (month == 2) return 28;
    if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
    return 31;
}

int32_t centiseconds_from_seconds(double seconds) {
    const double hundredths = seconds * 100.0;
    // truncation is defined only strictly inside -2^31 - 1 .. 2^31
    if (hundredths >= 2147483648.0) return INT32_MAX;
    if (!(hundredths > -2147483649.0)) return INT32_MIN;
    return static_cast<int32_t>(hundredths);
}

int32_t read_measured_centiseconds(const char* seconds_text) {
    return centiseconds_from_seconds(ms_atof(take_field(seconds_text, kWholeFieldChars).text));
}

TimingInputs read_timing_inputs(const TimingTexts& t) {
    return {read_measured_centiseconds(t.seconds),
            field_hex(t.obtained_low, kWholeFieldChars),
            field_hex_unsigned(t.target_seed, kWholeFieldChars),
            field_int(t.month, kWholeFieldChars),
            field_int(t.day, kWholeFieldChars),
            t.date_mode_entry == 0};
}

TimingResults calculate_cgear_timing(const TimingInputs& in, const TimingResults& previous) {
    TimingResults r = previous;
    r.cgear_hour = static_cast<int32_t>((in.target_seed >> 16) & 0xFFu);
    r.cgear_day = -1;
    if (in.search_dates) compute_cgear_timing(in, &r);
    return r;
}

void compute_cgear_timing(const TimingInputs& in, TimingResults* results) {
    TimingResults& r = *results;
    DateSearch s{};
    s.top_byte = static_cast<int32_t>(in.target_seed >> 24);
    s.hour_byte = static_cast<int32_t>((in.target_seed >> 16) & 0xFFu);
    s.minute = r.cgear_minute;
    s.centiseconds = r.cgear_centiseconds;

    // One unit of the low 16 bits is a sixtieth of a second. Every step is
    // checked against the 32-bit range the results are kept in.
    const int64_t difference = static_cast<int64_t>(in.target_seed & 0xFFFFu) - in.obtained_low;
    const int64_t correction_scaled = difference * 100;
    const int64_t interval = in.measured_centiseconds + correction_scaled / 60;
    bool in_range = in.measured_centiseconds != INT32_MIN && in.measured_centiseconds != INT32_MAX &&
                    fits_int32(correction_scaled) && fits_int32(interval);

    int64_t boot_total = 0;
    if (in_range) {
        const int32_t d = static_cast<int32_t>(interval);
        s.whole_seconds = d / 100;
        s.hundredths = d - s.whole_seconds * 100;
        s.preferred_second = (s.whole_seconds + 15) % 60;
        search_dates(s, in.month, in.day);
        // boot = C-Gear switch-on less the interval, in hundredths since midnight
        const int64_t clock_seconds = (static_cast<int64_t>(r.cgear_hour) * 60 + s.minute) * 60 - s.whole_seconds;
        const int64_t clock_scaled = clock_seconds * 100;
        boot_total = clock_scaled + s.centiseconds;
        in_range = fits_int32(clock_scaled) && fits_int32(boot_total);
    }

    if (in_range) {
        if (s.accepted) {
            r.cgear_month = s.month;
            r.cgear_day = s.day;
        } else {
            r.cgear_day = -1;
        }
        r.cgear_minute = s.minute;
        r.cgear_centiseconds = s.centiseconds;
        r.interval_centiseconds = s.whole_seconds * 100 + s.hundredths;
        const int32_t t = static_cast<int32_t>(boot_total);
        r.boot_hour = t / 360000;
        r.boot_minute = (t % 360000) / 6000;
        r.boot_second = (t % 6000) / 100;
    } else {
        // no interval this long exists: no date and no boot time
        r.cgear_day = -1;
        r.boot_hour = -1;
        r.boot_minute = -1;
        r.boot_second = -1;
    }
    r.boot_month = r.cgear_month;
    r.boot_day = r.cgear_day;
    r.shown = 1;
}
