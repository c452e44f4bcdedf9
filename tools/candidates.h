// Initial seed candidates: the raw seeds a trial C-Gear switch-on can have
// hit, from its date and time and the exact IVs it gave.
#pragma once

#include <cstdint>

#include "core/state.h"

// The candidate search's fields as the window holds them.
struct CandidateTexts {
    const char* switch_on[4];           // month, day, hour, minute
    const char* known_ivs[kStatCount];  // H..S
    const char* last_frame;
};

// Reads the fields into g_app: known IVs 0..31, month 1..12, day 1..31,
// hour 0..24, minute 0..59, last frame 0 or more.
void store_candidate_inputs(const CandidateTexts& t);

// Replaces g_app.candidate_seeds/candidate_count with up to twenty raw seeds,
// in loop order (second 0..59, low value 0x300..0x1000, frame), whose IvSet
// equals the known IVs at some frame 0..last frame (never past the final
// frame); a seed once per matching frame, later matches dropped.
void search_candidate_seeds();

// Appends one raw seed found, in loop order, to the candidate list while it
// has room; false once the list is full (nothing found later can change it).
bool add_candidate(uint32_t raw_seed);
