// Initial seed candidates: the raw seeds a trial C-Gear switch-on can have
// hit, from its date and time and the exact IVs it gave.
#pragma once

#include <cstdint>

// Replaces g_app.candidate_seeds/candidate_count with up to twenty raw seeds,
// in loop order (second, low value 0x300..0x1000, frame), whose IvSet equals
// the known IVs at some frame 0..frame limit; later matches are dropped.
void search_candidate_seeds();

// Destroys the previous adopt buttons, runs the search and gives each of the
// first ten candidates its adopt button (Windows front end only).
void find_candidate_seeds();
