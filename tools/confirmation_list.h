// The seed confirmation list: the stats of the chosen species at the chosen
// level for the 33 raw seeds around the target, into zure.txt.
#pragma once

#include <cstdint>

#include "core/game.h"

// The confirmation list's fields as the window holds them.
struct ConfirmationTexts {
    const char* species_name;
    const char* frames_consumed;
    const char* level;
    const char* target_seed;  // hexadecimal
    int32_t nature_entry;     // selected entry of the nature list: 0 no modifier, n + 1 nature n
};

// Reads the fields into g_app: looks the species name up (an unknown or
// empty name keeps the species chosen before and is remembered as not
// found), the nature, frames consumed and level as typed, the target seed.
void store_confirmation_inputs(const ConfirmationTexts& t);

// The stat that IV iv gives with base stat base at level, before the nature:
// (IV + 2 × base) × level / 100 truncated toward zero, plus level + 10 for H
// and 5 for the others, in 32-bit arithmetic that wraps.
int32_t stat_before_nature(Stat s, int32_t base, int32_t iv, int32_t level);

// A stat as nature n (0..24; any other value: none) gives it: the stat it
// raises times 110 / 100, the one it lowers times 90 / 100, truncated toward
// zero in 32-bit arithmetic that wraps; H and the other stats unchanged.
int32_t stat_with_nature(int32_t neutral, Stat s, int32_t nature);

// Everything one confirmation list reads.
struct ConfirmationInputs {
    uint32_t target_seed;
    int32_t frames_consumed;
    int32_t level;
    const SpeciesRecord* species;  // null: the name was not found
    const char* species_name;      // as it was looked up
    int32_t nature_entry;          // 0 no modifier, n + 1 nature n
    int32_t mac_offset;
    bool roaming;
};

// The inputs as g_app holds them.
ConfirmationInputs confirmation_inputs();

// Writes zure.txt and hands it to the viewer once it is written whole: the
// stats of the species at the level, nature and frame for each of the 33 raw
// seeds around the target. A species name that was not found gives the
// header and a line that says so; frames consumed outside what one prepared
// generator serves (0..616, roaming 0..615) give the header and a line that
// names the range; neither writes stat lines. Nothing is written or shown
// when the file cannot be opened.
void write_confirmation_list(const ConfirmationInputs& in);
inline void write_confirmation_list() { write_confirmation_list(confirmation_inputs()); }
