// What an adopt button puts into the timing fields: the interval the
// stopwatch display shows and the adopted raw seed's low 16 bits.
#pragma once

#include <cstdint>

// True when the display's text is a measured interval to copy into the
// measured-seconds field; the text it reads before any measurement is not,
// so a typed interval is never replaced by it.
bool adopts_stopwatch_text(const char* display_text);

// The low 16 bits of raw_seed as the obtained-low field takes them: "%04X", into buffer (256 bytes).
void format_adopted_low(uint32_t raw_seed, char* buffer);
