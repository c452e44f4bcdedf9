// The fast engine behind the seed search and the candidate search. It gives
// exactly the results of preparing the generator for every raw seed and
// reading every frame, but computes only the state words the frame limit
// reads, 64 raw seeds at a time with vector instructions (AVX2 where the
// processor has it), on every core. It returns only when the search is done.
#pragma once

#include <cstdint>

#include "app/text_file.h"

// Called before each hour h (0..23) of the seed search with the number of
// hit lines written for hours 0..h-1.
using HourStarted = void (*)(int32_t hour, int64_t lines_so_far);

// Appends the hit lines of the seed search that g_app describes (thresholds,
// low-16-bit range, frame limit, Hidden Power filter and power, MacOffset,
// roaming flag) to out, in the search's loop order: hour, top byte, low value,
// frame. Each line is "%08X,%d,%d,%d,%d,%d,%d,%d,%s,%d" with CR LF, RawSeed
// first. A roaming walk ends at frame 615. Returns the number of lines.
int64_t scan_seed_search(TextWriter* out, HourStarted hour_started);

// Finds the raw seeds whose IvSet at some frame 0..frame limit equals
// g_app.iv_thresholds, for the C-Gear switch-on in g_app (seconds 0..59, low
// values 0x300..0x1000), in loop order: second, low value, frame. Stores the
// first max of them (a seed once per matching frame) and returns how many.
// Frames past the state's last frame are not walked.
int32_t scan_candidate_seeds(uint32_t* seeds, int32_t max);

// For tests and benchmarks: use the portable kernel even where AVX2 exists.
void seed_scan_force_portable(bool on);

// True when the searches run on the AVX2 kernel.
bool seed_scan_uses_avx2();

// For tests and benchmarks: the number of threads to use; 0 means one per core.
void seed_scan_set_threads(int32_t count);
