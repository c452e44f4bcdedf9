// The 30 characteristics (個性) that a Pokémon's summary screen shows, in the
// game's order: each names the stat of the highest IV and that IV mod 5.
#pragma once

#include <cstdint>

#include "core/game.h"
#include "core/texts.h"

constexpr int32_t kCharacteristicCount = 30;

// The text of characteristic k, 0..29: the Japanese game's, with its full-width
// spaces, or the English game's.
const char* characteristic_text(int32_t k, Language language);
inline const char* characteristic_text(int32_t k) { return characteristic_text(k, shown_language()); }

// The stat whose IV characteristic k says is the highest (when several share
// the highest, the game picks one by a value the player cannot see).
Stat characteristic_stat(int32_t k);

// The remainder mod 5 that characteristic k says that IV leaves.
int32_t characteristic_remainder(int32_t k);
