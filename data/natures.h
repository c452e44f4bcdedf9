// The 25 natures in the game's own order and the stat each raises and lowers.
#pragma once

#include <cstdint>

#include "core/game.h"
#include "core/texts.h"

constexpr int32_t kNatureCount = 25;

// The name of nature n, 0..24, in language.
const char* nature_name(int32_t n, Language language);
inline const char* nature_name(int32_t n) { return nature_name(n, shown_language()); }

// Nature n raises stat n / 5 and lowers stat n mod 5 of the order A, B, S, C,
// D; the five whose two are the same change nothing.
Stat nature_raised_stat(int32_t n);
Stat nature_lowered_stat(int32_t n);
