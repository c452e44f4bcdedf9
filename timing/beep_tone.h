// The two sounds of the C-Gear timer: short ones count down, a longer and
// higher one ends a phase.
#pragma once

#include <cstdint>

enum BeepKind : int32_t { kShortBeep = 0, kLongBeep = 1 };

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
