// A Pokémon's stats from its base stats, IVs, level and nature, for a
// Pokémon without effort values: one formula for the confirmation list and
// the possible IVs.
#pragma once

#include <cstdint>

#include "core/game.h"

// The stat that IV iv gives with base stat base at level, before the nature:
// (IV + 2 × base) × level / 100 truncated toward zero, plus level + 10 for H
// and 5 for the others, in 32-bit arithmetic that wraps.
int32_t stat_before_nature(Stat s, int32_t base, int32_t iv, int32_t level);

// stat_before_nature, except that a base H of 1 always gives H 1, as the game does.
int32_t neutral_stat(Stat s, int32_t base, int32_t iv, int32_t level);

// A stat as nature n (0..24; any other value: none) gives it: the stat it
// raises times 110 / 100, the one it lowers times 90 / 100, truncated toward
// zero in 32-bit arithmetic that wraps; H and the other stats unchanged.
int32_t stat_with_nature(int32_t neutral, Stat s, int32_t nature);
