// The game's MT19937: seeded from RawSeed + MacOffset, twisted exactly once,
// read by output position (output i is word i of g_app.mt).
#pragma once

#include <cstdint>

// Fills g_app.mt from the generator seed g (standard MT19937 initialisation).
void mt_seed(uint32_t g);

// Regenerates all 624 words of g_app.mt once, in place.
void mt_twist();

// Seeds with (raw_seed + MacOffset) mod 2^32 and twists once.
void prepare_generator(uint32_t raw_seed);

// Top five bits of the tempered word: the IV that output gives, 0..31.
int32_t iv_of_word(uint32_t x);

// The same five bits without the full-width third tempering step.
inline int32_t iv_of_word_short(uint32_t x) {
    uint32_t y = x ^ (x >> 11);
    y ^= (y << 7) & 0x9D2C5680u;
    return static_cast<int32_t>((y >> 27) ^ ((y >> 12) & 0x1Du));
}
