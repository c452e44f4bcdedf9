// The seed search: every raw seed of hours 0..23, top bytes 0..255 and the
// typed low-16-bit range, every frame up to the last frame, into result.txt.
#pragma once

#include <cstdint>

#include "core/state.h"

// The seed search's fields as the window holds them.
struct SeedSearchTexts {
    const char* ivs[kStatCount];  // minimum IVs H..S
    const char* low_min;          // hexadecimal
    const char* low_max;
    const char* last_frame;
    int32_t type_entry;           // selected entry of the type list: 0 none, n + 1 type n
    const char* min_power;
};

// Reads the fields into g_app: minimum IVs 0..31, low values 0..0xFFFF, last
// frame 0..616, type filter, minimum power 30..70.
void store_seed_search_inputs(const SeedSearchTexts& t);

// Writes result.txt from the inputs in g_app, showing progress in the title
// ("%d時計算中 候補:%d個" before each hour), then hands the file to the viewer.
// An unopenable file changes nothing. Returns the number of hit lines.
int64_t run_seed_search();
