#include "engine/scan_plan.h"

#include <bit>

#include "rng/frame.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"

namespace {

// The place of v among the first *count entries of list, added at the end when new.
template <class T>
int32_t shared_place(T* list, int32_t* count, T v) {
    int32_t c = 0;
    while (c < *count && list[c] != v) ++c;
    if (c == *count) list[(*count)++] = v;
    return c;
}

// The IV tests of a job: value comparisons first, then mask comparisons.
void plan_tests(const ScanJob& job, ScanPlan* plan) {
    uint32_t masks[kStatCount];
    int32_t mask_count = 0;
    bool by_mask[kStatCount] = {};
    for (int32_t s = 0; s < kStatCount; ++s) {
        int32_t c;
        if (job.match_allowed) {
            const uint32_t m = job.allowed[s];
            if (m == ~uint32_t{0}) continue;  // every IV passes
            if (std::has_single_bit(m)) {
                // one allowed IV keeps the plain equality test
                c = shared_place(plan->compare_value, &plan->value_count, std::countr_zero(m));
            } else {
                c = shared_place(masks, &mask_count, m);
                by_mask[plan->tested_count] = true;
            }
        } else {
            // at least v is more than v - 1: at least 0 or less passes every IV
            const int32_t v = job.ivs[s];
            if (v <= 0) continue;
            c = shared_place(plan->compare_value, &plan->value_count, (v > 32 ? 32 : v) - 1);
        }
        plan->tested_offset[plan->tested_count] = plan->offset[s];
        plan->tested_compare[plan->tested_count++] = c;
    }
    for (int32_t t = 0; t < plan->tested_count; ++t)
        if (by_mask[t]) plan->tested_compare[t] += plan->value_count;
    for (int32_t i = 0; i < mask_count; ++i) plan->compare_mask[plan->value_count + i] = masks[i];
    plan->compare_count = plan->value_count + mask_count;
}

// The Hidden Power tests of an at-least job as runs of bit values.
void plan_hidden_power(const ScanJob& job, ScanPlan* plan) {
    plan->power_bits_min = 0;
    plan->type_bits_lo = 0;
    plan->type_bits_hi = 63;
    if (job.match_allowed) return;
    // The power grows with the power bits: the test is bits >= the first that reach min_power.
    plan->power_bits_min = 64;
    for (int32_t p = 0; p < 64; ++p) {
        if (hidden_power_power_of_bits(p) >= job.min_power) {
            plan->power_bits_min = p;
            break;
        }
    }
    // The type grows with the type bits too, so one type is one run of bit values.
    if (job.type_filter == -1) return;
    plan->type_bits_lo = 1;
    plan->type_bits_hi = 0;
    bool seen = false;
    for (int32_t t = 0; t < 64; ++t) {
        if (hidden_power_type_of_bits(t) != job.type_filter) continue;
        if (!seen) plan->type_bits_lo = t;
        plan->type_bits_hi = t;
        seen = true;
    }
}

}  // namespace

ScanPlan make_plan(const ScanJob& job) {
    ScanPlan plan{};
    bool passes_nothing = false;
    for (int32_t s = 0; s < kStatCount; ++s) passes_nothing = passes_nothing || (job.match_allowed && job.allowed[s] == 0);
    const int32_t last_frame = last_served_frame(job.last_frame, job.roaming);
    plan.frames = last_frame < 0 || passes_nothing ? 0 : last_frame + 1;
    for (int32_t s = 0; s < kStatCount; ++s) plan.offset[s] = frame_offsets(job.roaming)[s];
    plan.first_word = lowest_frame_offset(job.roaming);
    plan.last_word = plan.frames == 0 ? plan.first_word : plan.frames - 1 + highest_frame_offset(job.roaming);
    plan.last_seeded = plan.last_word < kTwistSplit ? plan.last_word + kMtMiddle : kStateWords - 1;
    plan.match_allowed = job.match_allowed;
    plan_tests(job, &plan);
    plan_hidden_power(job, &plan);
    plan.mac_offset = job.mac_offset;
    return plan;
}

namespace {

// The chance that a frame passes the plan's IV and Hidden Power tests, its six
// IVs taken as independent and uniform over 0..31 (as the generator's outputs
// are; accept is not counted): the IVs counted by the two low bits Hidden
// Power reads, over the 4^6 combinations of those bits.
double pass_chance(const ScanJob& job, const ScanPlan& plan) {
    double count[kStatCount][4] = {};
    for (int32_t s = 0; s < kStatCount; ++s) {
        for (int32_t iv = 0; iv <= kMaxIv; ++iv)
            if (job.match_allowed ? (job.allowed[s] >> iv & 1u) != 0 : iv >= job.ivs[s]) count[s][iv & 3] += 1;
    }
    double passing = 0;
    for (int32_t combo = 0; combo < 1 << (2 * kStatCount); ++combo) {
        int32_t low[kStatCount];
        double n = 1;
        for (int32_t s = 0; s < kStatCount; ++s) {
            low[s] = combo >> (2 * s) & 3;
            n *= count[s][low[s]];
        }
        if (n == 0) continue;
        if (!job.match_allowed) {
            const int32_t power = hidden_power_bits<1>(low[kH], low[kA], low[kB], low[kS], low[kC], low[kD]);
            const int32_t type = hidden_power_bits<0>(low[kH], low[kA], low[kB], low[kS], low[kC], low[kD]);
            if (power < plan.power_bits_min || type < plan.type_bits_lo || type > plan.type_bits_hi) continue;
        }
        passing += n;
    }
    double all = 1;
    for (int32_t s = 0; s < kStatCount; ++s) all *= kMaxIv + 1;
    return passing / all;
}

}  // namespace

Chunking make_chunking(const ScanJob& job, const ScanPlan& plan) {
    Chunking c{};
    c.seeds_per_block = job.tops * job.width;
    const double margin = pass_chance(job, plan) * kChunkByteMargin;
    const double frame_bytes = static_cast<double>(plan.frames) * static_cast<double>(job.hit_bytes);
    const double bytes_per_seed = frame_bytes * (margin < 1 ? margin : 1);
    const double fitting = static_cast<double>(kChunkByteBudget) / (bytes_per_seed + 1);
    uint64_t per_chunk = fitting < static_cast<double>(kMaxChunkSeeds) ? static_cast<uint64_t>(fitting) : kMaxChunkSeeds;
    // whole groups of every kernel
    per_chunk -= per_chunk % kMaxGroupLanes;
    if (per_chunk < kMaxGroupLanes) per_chunk = kMaxGroupLanes;
    if (per_chunk > kMaxChunkSeeds) per_chunk = kMaxChunkSeeds;
    c.chunk_seeds = per_chunk;
    // a scan that tests no frame finds nothing and needs no chunk
    c.chunks_per_block = plan.frames == 0 ? 0 : (c.seeds_per_block + per_chunk - 1) / per_chunk;
    c.total = c.chunks_per_block * static_cast<uint64_t>(job.block_count);
    return c;
}
