#include "timing/adopt.h"

#include <cstdio>

#include "timing/stopwatch.h"
#include "timing/timing_words.h"

bool adopted_seconds_text(char* buffer) {
    if (!g_measured.measured || timing_counting()) return false;
    format_stopwatch_reading(g_measured.hundredths, buffer);
    return true;
}

void format_adopted_low(uint32_t raw_seed, char* buffer) {
    std::snprintf(buffer, 256, "%04X", static_cast<unsigned>(raw_seed & 0xFFFFu));
}
