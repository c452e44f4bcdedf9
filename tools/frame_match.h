// Which frames a candidate-like search keeps: each stat's IV allowed, then the
// whole IvSet accepted. One piece for the candidate search and the hit search.
#pragma once

#include <cstdint>

#include "core/game.h"
#include "engine/scan_job.h"

struct FrameMatch {
    uint32_t allowed[kStatCount];                           // bit iv of allowed[s]: stat s may have IV iv
    bool (*accept)(const IvSet& ivs, const void* context);  // the whole IvSet fits (null: every one)
    const void* accept_context;
};

// Sets the job's frames: 0..last_frame of raw seed + mac_offset, in the roaming
// order when roaming, those that match.
inline void set_frames(ScanJob* job, const FrameMatch& match, int32_t last_frame, int32_t mac_offset, bool roaming) {
    job->last_frame = last_frame;
    job->roaming = roaming;
    job->mac_offset = static_cast<uint32_t>(mac_offset);
    job->match_allowed = true;
    for (int32_t s = 0; s < kStatCount; ++s) job->allowed[s] = match.allowed[s];
    job->accept = match.accept;
    job->accept_context = match.accept_context;
}
