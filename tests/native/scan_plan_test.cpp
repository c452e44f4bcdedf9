// A scan job's plan and chunks, as tables: each row a job and the fields the
// kernels and the pipeline get from it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/scan_plan.h"

namespace {

ScanJob at_least(int32_t last_frame, bool roaming, const int32_t (&ivs)[kStatCount], int32_t min_power = 30,
                 int32_t type_filter = -1) {
    ScanJob job{};
    job.last_frame = last_frame;
    job.roaming = roaming;
    for (int32_t s = 0; s < kStatCount; ++s) job.ivs[s] = ivs[s];
    job.min_power = min_power;
    job.type_filter = type_filter;
    return job;
}

ScanJob allowed(int32_t last_frame, const uint32_t (&masks)[kStatCount]) {
    ScanJob job{};
    job.last_frame = last_frame;
    job.match_allowed = true;
    for (int32_t s = 0; s < kStatCount; ++s) job.allowed[s] = masks[s];
    return job;
}

// The plan's fields in one line: the frames and words, the comparisons
// (values, then masks in hexadecimal), each tested stat as offset:comparison,
// and the Hidden Power runs.
std::string fields(const ScanPlan& p) {
    char line[96];
    std::snprintf(line, sizeof line, "frames %d words %d..%d seeded %d |", p.frames, p.first_word, p.last_word,
                  p.last_seeded);
    std::string s = line;
    for (int32_t c = 0; c < p.compare_count; ++c) {
        const bool value = c < p.value_count;
        std::snprintf(line, sizeof line, value ? " %d" : " %X", value ? p.compare_value[c] : static_cast<int>(p.compare_mask[c]));
        s += line;
    }
    s += " |";
    for (int32_t t = 0; t < p.tested_count; ++t) {
        std::snprintf(line, sizeof line, " %d:%d", p.tested_offset[t], p.tested_compare[t]);
        s += line;
    }
    std::snprintf(line, sizeof line, " | power %d type %d..%d", p.power_bits_min, p.type_bits_lo, p.type_bits_hi);
    return s + line;
}

TEST(ScanPlan, JobsGiveTheirFramesWordsAndTests) {
    const struct {
        const char* what;
        ScanJob job;
        const char* plan;
    } rows[] = {
        {"window defaults: minimum 0 dropped, the 31s share one comparison", at_least(30, false, {31, 31, 31, 0, 31, 31}),
         "frames 31 words 2..37 seeded 434 | 30 | 2:0 3:0 4:0 6:0 7:0 | power 0 type 0..63"},
        {"minimums above 31 fail as 32 does, 0 and less dropped", at_least(5, false, {40, -5, 32, 31, 1, 0}),
         "frames 6 words 2..12 seeded 409 | 31 30 0 | 2:0 4:0 5:1 6:2 | power 0 type 0..63"},
        {"power 60 is bits 48 and up", at_least(3, false, {0, 0, 0, 0, 0, 0}, 60),
         "frames 4 words 2..10 seeded 407 | | | power 48 type 0..63"},
        {"power 70 is bits 63; type fighting is bits 0..4", at_least(3, false, {0, 0, 0, 0, 0, 0}, 70, 0),
         "frames 4 words 2..10 seeded 407 | | | power 63 type 0..4"},
        {"power 71 no bits; type dragon 59..62", at_least(3, false, {0, 0, 0, 0, 0, 0}, 71, 14),
         "frames 4 words 2..10 seeded 407 | | | power 64 type 59..62"},
        {"type dark is bits 63 alone", at_least(0, false, {0, 0, 0, 0, 0, 0}, 30, 15),
         "frames 1 words 2..7 seeded 404 | | | power 0 type 63..63"},
        {"a type no bits have is an empty run", at_least(0, false, {0, 0, 0, 0, 0, 0}, 30, 16),
         "frames 1 words 2..7 seeded 404 | | | power 0 type 1..0"},
        {"roaming offsets; frame limit past the final frame 615", at_least(9999, true, {0, 0, 0, 25, 0, 2}),
         "frames 616 words 3..623 seeded 623 | 24 1 | 8:0 7:1 | power 0 type 0..63"},
        {"normal order ends at frame 616, word 623", at_least(616, false, {0, 0, 0, 0, 0, 9}),
         "frames 617 words 2..623 seeded 623 | 8 | 7:0 | power 0 type 0..63"},
        {"frame 219 is the last whose words all come before the split", at_least(219, false, {0, 0, 0, 0, 0, 0}),
         "frames 220 words 2..226 seeded 623 | | | power 0 type 0..63"},
        {"a negative frame limit tests no frame", at_least(-3, false, {31, 0, 0, 0, 0, 0}),
         "frames 0 words 2..2 seeded 399 | 30 | 2:0 | power 0 type 0..63"},
        {"one bit: equal; all bits: dropped; others: masks, shared as values are",
         allowed(20, {1u << 31, ~0u, 0xF0, 1u << 31, 0xF0, 1u << 5}),
         "frames 21 words 2..27 seeded 424 | 31 5 F0 | 2:0 4:2 5:0 6:2 7:1 | power 0 type 0..63"},
        {"an empty mask passes nothing: no frame", allowed(20, {~0u, 0, ~0u, ~0u, ~0u, ~0u}),
         "frames 0 words 2..2 seeded 399 | 0 | 3:0 | power 0 type 0..63"},
    };
    for (const auto& row : rows) EXPECT_EQ(fields(make_plan(row.job)), row.plan) << row.what;
}

// Chunks of a job of `blocks` blocks of tops x width raw seeds keeping hit_bytes a hit.
std::string chunks(ScanJob job, int32_t blocks, uint64_t tops, uint64_t width, size_t hit_bytes) {
    job.block_count = blocks;
    job.tops = tops;
    job.width = width;
    job.hit_bytes = hit_bytes;
    const Chunking c = make_chunking(job, make_plan(job));
    return std::to_string(c.seeds_per_block) + " seeds a block, chunks of " + std::to_string(c.chunk_seeds) + ", " +
           std::to_string(c.chunks_per_block) + " a block, " + std::to_string(c.total) + " in all";
}

TEST(Chunking, ChunksKeepTheirBytesWithinTheBudget) {
    const uint32_t half[kStatCount] = {0xFFFF, 0xFFFF0000, 0x55555555, 0xAAAAAAAA, 0x0F0F0F0F, 0xF0F0F0F0};
    const int32_t none[kStatCount] = {0, 0, 0, 0, 0, 0};
    const struct {
        const char* what;
        std::string got;
        const char* want;
    } rows[] = {
        {"the default search is sparse: the longest chunks", chunks(at_least(30, false, {31, 31, 31, 0, 31, 31}), 24, 256, 2561, 64),
         "655616 seeds a block, chunks of 16384, 41 a block, 984 in all"},
        {"every frame of 31 a hit: 2 MiB of 64-byte hits", chunks(at_least(30, false, none), 24, 256, 16, 64),
         "4096 seeds a block, chunks of 1024, 4 a block, 96 in all"},
        {"every frame of 617 a hit: one widest group at least", chunks(at_least(9999, false, none), 1, 4, 40, 64),
         "160 seeds a block, chunks of 128, 2 a block, 2 in all"},
        {"masks of 16 values: 1 frame in 64 passes", chunks(allowed(9999, half), 2, 4, 1000, 64),
         "4000 seeds a block, chunks of 768, 6 a block, 12 in all"},
        {"the candidate window: chunks of 16384 and a short last", chunks(allowed(20, {1, 2, 4, 8, 16, 32}), 1, 60, 3329, 4),
         "199740 seeds a block, chunks of 16384, 13 a block, 13 in all"},
        {"a job with no frames needs no chunk", chunks(at_least(-1, false, none), 24, 256, 16, 64),
         "4096 seeds a block, chunks of 16384, 0 a block, 0 in all"},
    };
    for (const auto& row : rows) EXPECT_EQ(row.got, row.want) << row.what;
}

}  // namespace
