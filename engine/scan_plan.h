// How a scan job becomes the kernels' plan and chunks of raw seeds: pure
// functions of the job.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/kernel.h"
#include "engine/scan_job.h"

// Bytes one chunk may keep: a chunk is cut to keep a quarter of this on
// average (all of it when every frame is a hit), so that the chunks in
// flight stay within a few megabytes while sparse searches get long chunks.
constexpr size_t kChunkByteBudget = size_t{2} << 20;
constexpr double kChunkByteMargin = 4.0;
constexpr uint64_t kMaxChunkSeeds = 16384;

// How the job's raw seeds are cut into chunks, each inside one block.
struct Chunking {
    uint64_t seeds_per_block;
    uint64_t chunk_seeds;       // whole groups of every kernel; a block's last chunk may be shorter
    uint64_t chunks_per_block;  // 0 when the plan tests no frame
    uint64_t total;
};

// The frames, words and tests of a job. Minimums above 31 are brought to 32
// and masks to their bits, which fail exactly the same IVs; a job that can
// pass nothing (an empty mask) tests no frame.
ScanPlan make_plan(const ScanJob& job);

Chunking make_chunking(const ScanJob& job, const ScanPlan& plan);
