// The straightforward seed search and candidate search: every raw seed is
// prepared in full with prepare_generator and every frame read with
// read_iv_set. The engine in tools/seed_scan must give exactly their results;
// the tests compare the two and the benchmark times both.
#pragma once

#include <cstdint>

#include "app/text_file.h"
#include "tools/seed_scan.h"

// Same contract as scan_seed_search: hit lines of the search in g_app, in loop order.
int64_t straight_seed_search(TextWriter* out, HourStarted hour_started);

// The seed search restricted to top bytes first_top..last_top of one hour
// (for timing a fraction of a search); returns the number of lines.
int64_t straight_seed_search_part(TextWriter* out, int32_t hour, int32_t first_top, int32_t last_top);

// Raw seed of second s at low value d: top byte (month*day+minute+s) mod 256,
// then the hour, then d.
uint32_t candidate_raw_seed(int32_t s, int32_t d);

// Adds raw seed r to g_app's candidate list once for each frame of the
// prepared generator whose IvSet equals the known IVs, while the list has room.
void collect_candidate_matches(uint32_t r);

// Same contract as scan_candidate_seeds: the first max candidates in loop
// order. Uses g_app's candidate list as it goes.
int32_t straight_candidate_seeds(uint32_t* seeds, int32_t max);
