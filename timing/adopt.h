// What an adopt button puts into the timing fields: the measured interval
// and the adopted raw seed's low 16 bits.
#pragma once

#include <cstdint>

// The measured interval as the measured-seconds field takes it ("%.2f"),
// into buffer (256 bytes); false, and nothing to copy, before any
// measurement (a typed interval stays) and while the stopwatch or the timer
// counts (the interval is not measured yet).
bool adopted_seconds_text(char* buffer);

// The low 16 bits of raw_seed as the obtained-low field takes them: "%04X", into buffer (256 bytes).
void format_adopted_low(uint32_t raw_seed, char* buffer);
