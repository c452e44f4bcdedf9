// The vector kernels of the seed scan: what one group of raw seeds shares
// (the plan) and the kernels built for each instruction set.
#pragma once

#include <cstdint>

#include "core/game.h"
#include "rng/frame.h"
#include "rng/mt.h"

// Vectors of raw seeds one kernel call seeds side by side: enough independent
// seeding chains to hide the multiplication's latency.
constexpr int32_t kGroupVectors = 8;
// Raw seeds of the widest kernel's group (8 vectors of 16 lanes).
constexpr int32_t kMaxGroupLanes = kGroupVectors * 16;

// Lanes of a group as bits: lane l is bit l % 64 of word l / 64.
constexpr int32_t kLaneWordBits = 64;
constexpr int32_t kLaneWords = kMaxGroupLanes / kLaneWordBits;
static_assert(kMaxGroupLanes % kLaneWordBits == 0, "a group fills whole words of lane bits");

// IVs of the last kIvRing twisted words, enough for every stat of a frame.
constexpr int32_t kIvRing = 16;
static_assert(kIvRing > kFrameOffsets[1][kC] && (kIvRing & (kIvRing - 1)) == 0, "a frame's words fit the ring");

// Everything a kernel needs about the frames it tests, fixed for one scan.
struct ScanPlan {
    int32_t frames;               // frames 0..frames-1 are tested; 0 tests nothing
    int32_t first_word;           // lowest twisted word any frame reads
    int32_t last_word;            // highest twisted word any frame reads
    int32_t last_seeded;          // highest seeded word the twist of 0..last_word needs
    int32_t offset[kStatCount];   // stat s (H, A, B, C, D, S) of frame k is word k + offset[s]
    bool match_allowed;           // candidates: IVs in allowed sets; seed search: at least
    // The IV tests: each word's IV is put to compare_count distinct
    // comparisons. Comparison c < value_count asks it equal compare_value[c]
    // (match_allowed) or more than it (at least); the others ask its bit in
    // compare_mask[c]. A frame passes when its stat s word passes comparison
    // tested_compare[s] for each of the tested_count stats that can fail, at
    // offset tested_offset[s].
    int32_t compare_count;
    int32_t value_count;
    int32_t compare_value[kStatCount];
    uint32_t compare_mask[kStatCount];
    int32_t tested_count;
    int32_t tested_offset[kStatCount];
    int32_t tested_compare[kStatCount];
    int32_t power_bits_min;       // power test passes when the power bits are >= this
    int32_t type_bits_lo;         // type test passes when the type bits are in lo..hi
    int32_t type_bits_hi;
    uint32_t mac_offset;          // added to every raw seed before seeding
};

// Per-thread buffers of one kernel call. With a group of n lanes, lane l of
// word j is at [j * n + l].
struct alignas(64) ScanScratch {
    uint32_t words[kStateWords * kMaxGroupLanes];  // seeded, then (0..last_word) twisted
    int32_t ivs[kIvRing * kMaxGroupLanes];         // IV of word j at ring place j % kIvRing
    // lanes whose word j passed comparison c, at [(j % kIvRing) * kStatCount + c) * kLaneWords]
    uint64_t compare_bits[kIvRing * kStatCount * kLaneWords];
    uint64_t lane_bits[(final_frame(false) + 1) * kLaneWords];  // lanes whose frame f passed, at [f * kLaneWords]
};

// One kernel: seeds, twists and tests `lanes` raw seeds; fills scratch and
// returns whether any frame of any lane passed. Every kernel gives the same
// results.
struct GroupKernel {
    bool (*scan)(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch);
    int32_t lanes;
};
extern const GroupKernel kScanGroupSse2;
extern const GroupKernel kScanGroupAvx2;
extern const GroupKernel kScanGroupAvx512;
