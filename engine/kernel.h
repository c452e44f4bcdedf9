// The vector kernels of the seed scan: what one group of raw seeds shares
// (the plan) and the kernels built for each instruction set.
#pragma once

#include <cstdint>

#include "core/game.h"
#include "rng/frame.h"

// Raw seeds handled together by one kernel call.
constexpr int32_t kGroupLanes = 64;

// Everything a kernel needs about the frames it tests, fixed for one scan.
struct ScanPlan {
    int32_t frames;               // frames 0..frames-1 are tested; 0 tests nothing
    int32_t first_word;           // lowest twisted word any frame reads
    int32_t last_word;            // highest twisted word any frame reads
    int32_t last_seeded;          // highest seeded word the twist of 0..last_word needs
    int32_t offset[kStatCount];   // stat s (H, A, B, C, D, S) of frame k is word k + offset[s]
    int32_t iv_value[kStatCount]; // at least this IV (exact: equal to it), H..S
    bool exact;                   // candidates: every IV equal; seed search: at least
    int32_t power_bits_min;       // power test passes when the power bits are >= this
    int32_t type_bits_lo;         // type test passes when the type bits are in lo..hi
    int32_t type_bits_hi;
    uint32_t mac_offset;          // added to every raw seed before seeding
};

// Per-thread buffers of one kernel call, lane l of word j at [j * kGroupLanes + l].
struct alignas(64) ScanScratch {
    uint32_t words[kStateWords * kGroupLanes];  // seeded, then (0..last_word) twisted
    int32_t ivs[kStateWords * kGroupLanes];     // IV of words first_word..last_word
    int32_t masks[(final_frame(false) + 1) * kGroupLanes];  // frame f of lane l passed when nonzero
};

// Seeds, twists and tests the kGroupLanes raw seeds; fills scratch and returns
// whether any frame of any lane passed. Every kernel gives the same results.
using GroupKernel = bool (*)(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch);
bool scan_group_sse2(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch);
bool scan_group_avx2(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch);
