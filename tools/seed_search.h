// The seed search: every raw seed of hours 0..23, top bytes 0..255 and the
// typed low-16-bit range, every frame up to the last frame, into result.txt.
#pragma once

#include <atomic>
#include <cstdint>

#include "core/game.h"
#include "core/texts.h"
#include "engine/scan_settings.h"

// The seed search's fields as the window holds them.
struct SeedSearchTexts {
    const char* ivs[kStatCount];  // minimum IVs H..S
    const char* low_min;          // hexadecimal
    const char* low_max;
    const char* last_frame;
    int32_t type_entry;           // selected entry of the type list: 0 none, n + 1 type n
    const char* min_power;
};

// Everything one seed search reads, taken before it starts, so that the
// search can run on a thread of its own while the window goes on.
struct SeedSearchInputs {
    int32_t iv_minimums[kStatCount];
    int32_t low_min, low_max, last_frame;
    int32_t hp_type_filter, hp_min_power;
    int32_t mac_offset;
    bool roaming;
    ScanSettings scan;
    Language language;                   // of the file's words, as shown when the search began
    uint64_t guard_bytes;                // ask before result.txt grows past this; 0: the shipped 1 GiB
    const std::atomic<int32_t>* stop;    // set to non-zero by another thread to stop the search (null: none)
    void (*ended)();                     // called once the search has ended (null: nothing to tell)
};

// The fields as one search reads them: minimum IVs 0..31, low values
// 0..0xFFFF, last frame 0..616, type filter, minimum power 30..70, with the
// generator setting and the scan settings; no stop word, the shipped guard.
SeedSearchInputs read_seed_search_inputs(const SeedSearchTexts& t, const GeneratorSetting& generator);

// Writes result.txt, showing progress in the title (kSearchProgress before
// each hour, in the language shown then) and restoring it at the end, then hands the file to the
// viewer. The lines go to a temporary file that replaces result.txt only
// when the search is complete: a search stopped (by the stop word, or by the
// player's "no" when result.txt would pass the guard) or cut short by a
// failed write leaves the earlier result.txt as it was. A file that cannot
// be written is reported before anything runs. Calls in.ended once the title
// is back and result.txt is in place, before it is shown, or, for a file that
// is dropped, before it is removed (a large file takes a moment to go).
// Returns the lines written.
int64_t run_seed_search(const SeedSearchInputs& in);
