// The seed search: every raw seed of hours 0..23, top bytes 0..255 and the
// typed low-16-bit range, every frame up to the frame limit, into result.txt.
#pragma once

#include <cstdint>

#include "app/app_state.h"
#include "app/text_file.h"

// Writes result.txt from the inputs in g_app, showing progress in the title,
// then hands the file to the viewer. An unopenable file changes nothing.
void run_seed_search();

// The search's tests on one IvSet, in order: Hidden Power power, type filter,
// minimum IVs. True for a hit, with its power in *power.
bool passes_search_tests(const IvSet& s, int32_t* power);

// Writes the hit line of frame f of raw seed r.
void write_search_hit(TextWriter* out, uint32_t r, int32_t f, const IvSet& s, int32_t power);

// All raw seeds of one hour in loop order (top byte, then low value, then
// frame): writes their hit lines and adds their number to *lines.
void search_hour(TextWriter* out, int32_t hour, int32_t* lines);
