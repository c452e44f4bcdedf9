// The game's MT19937: seeded from raw seed + mac_offset, twisted exactly once,
// read by output position (output i is word i of the twisted state).
//
// The three steps are templates so that the seed scan engine runs the very
// same arithmetic on vectors of words (GCC vector types) as this scalar code.
#pragma once

#include <cstdint>

#include "core/game.h"

// Distance of the word each twist step mixes in.
constexpr int32_t kMtMiddle = 397;
// The first word of a twist that mixes in a word the same twist renewed
// (i + kMtMiddle wraps to i - kTwistSplit) rather than a seeded one.
constexpr int32_t kTwistSplit = kStateWords - kMtMiddle;

// Seeding: word i from word i - 1.
template <class W>
__attribute__((always_inline)) inline W mt_seed_step(W previous, uint32_t i) {
    return (previous ^ (previous >> 30)) * 1812433253u + i;
}

// Twist: the renewed word from its own top bit, the lower 31 bits of the
// next word and the word kMtMiddle places on.
template <class W>
__attribute__((always_inline)) inline W mt_twist_step(W word, W next, W far) {
    const W y = (word & 0x80000000u) | (next & 0x7FFFFFFFu);
    return far ^ (y >> 1) ^ ((0u - (y & 1u)) & 0x9908B0DFu);
}

// IV of a twisted word: the top five bits of its tempered output. Tempering's
// last step touches no bit above 13 and its third is needed at bits 27..31 only.
template <class W>
__attribute__((always_inline)) inline W mt_iv_bits(W x) {
    W y = x ^ (x >> 11);
    y ^= (y << 7) & 0x9D2C5680u;
    return (y >> 27) ^ ((y >> 12) & 0x1Du);
}

// Fills the state w from the generator seed g.
void mt_seed(uint32_t* w, uint32_t g);

// w seeded with (raw_seed + mac_offset) mod 2^32 and twisted once.
void prepare_generator(uint32_t* w, uint32_t raw_seed, uint32_t mac_offset);

// The IV, 0..31, that output x gives.
inline int32_t iv_of_word(uint32_t x) { return static_cast<int32_t>(mt_iv_bits(x)); }
