// Initial seed candidates: the raw seeds a trial C-Gear switch-on can have
// hit, from its date and time and the IVs it gave.
#pragma once

#include <cstdint>

#include "core/game.h"
#include "engine/scan_settings.h"
#include "tools/frame_match.h"

// The candidate search's fields as the window holds them.
struct CandidateTexts {
    const char* switch_on[4];           // month, day, hour, minute
    const char* known_ivs[kStatCount];  // H..S
    const char* last_frame;
};

// Everything one candidate search reads.
struct CandidateInputs {
    int32_t switch_on_month, switch_on_day, switch_on_hour, switch_on_minute;
    FrameMatch match;
    int32_t last_frame;
    int32_t mac_offset;
    bool roaming;
    ScanSettings scan;
};

// The fields as one search reads them: exactly the known IVs (each 0..31),
// month 1..12, day 1..31, hour 0..24, minute 0..59, last frame 0 or more,
// with the generator setting and the scan settings.
CandidateInputs read_candidate_inputs(const CandidateTexts& t, const GeneratorSetting& generator);

// Up to twenty raw seeds, in loop order (second 0..59, low value
// 0x300..0x1000, frame), whose IvSet matches at some frame 0..last frame
// (never past the final frame); a seed once per matching frame, later
// matches dropped.
CandidateList search_candidate_seeds(const CandidateInputs& in);
