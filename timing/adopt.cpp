#include "timing/adopt.h"

#include <cstdio>
#include <cstring>

#include "timing/stopwatch.h"

bool adopts_stopwatch_text(const char* display_text) { return std::strcmp(display_text, kStopwatchStartText) != 0; }

void format_adopted_low(uint32_t raw_seed, char* buffer) {
    std::snprintf(buffer, 256, "%04X", static_cast<unsigned>(raw_seed & 0xFFFFu));
}
