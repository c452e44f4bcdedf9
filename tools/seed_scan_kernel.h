// The vector kernel of the seed scan: what one group of 64 raw seeds shares
// (the plan) and the kernels built for each instruction set.
#pragma once

#include <cstdint>

// Raw seeds handled together by one kernel call.
constexpr int kGroupLanes = 64;

// Everything a kernel needs about the frames it tests, fixed for one search.
struct ScanPlan {
    int32_t frames;          // frames 0..frames-1 are tested; 0 tests nothing
    int32_t first_word;      // lowest twisted word any frame reads
    int32_t last_word;       // highest twisted word any frame reads
    int32_t last_seeded;     // highest seeded word the twist of 0..last_word needs
    int32_t offset[6];       // stat s (H, A, B, C, D, S) of frame k is word k + offset[s]
    int32_t iv_value[6];     // at least this IV (exact: equal to it), H..S
    bool exact;              // candidates: every IV equal; seed search: at least
    int32_t power_bits_min;  // power test passes when the power bits are >= this
    int32_t type_bits_lo;    // type test passes when the type bits are in lo..hi
    int32_t type_bits_hi;
    uint32_t mac_offset;     // added to every raw seed before seeding
};

// Per-worker buffers of one kernel call, lane l of word j at [j * kGroupLanes + l].
struct alignas(64) ScanScratch {
    uint32_t words[624 * kGroupLanes];  // seeded, then (0..last_word) twisted
    int32_t ivs[624 * kGroupLanes];     // IV of words first_word..last_word
    int32_t masks[617 * kGroupLanes];   // frame f of lane l passed when nonzero
};

// Seeds, twists and tests the 64 raw seeds; fills scratch and returns whether
// any frame of any lane passed. Both kernels give identical results.
bool scan_group_portable(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch);
bool scan_group_avx2(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch);
