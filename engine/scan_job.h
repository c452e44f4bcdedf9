// What one seed scan is asked: which raw seeds, which frames pass, what is
// kept of a hit and how the scan runs. The tools fill it in; run_scan
// (engine/seed_scan.h) carries it out.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "core/game.h"
#include "engine/scan_settings.h"

// Raw seed i (0 <= i < tops * width) of a block: top byte
// (top_base + i / width) mod 256 in bits 24..31, ORed with the hour in bits
// 16..23 and with low whose low 16 bits count on by i % width modulo 2^16
// (low 0xFFFE, i % width 3: 0x0001). Bits of low above 16 are ORed in as
// they are.
struct ScanBlock {
    uint32_t top_base;
    uint32_t hour;
    uint32_t low;
};

// One frame of one raw seed that passed the tests.
struct ScanHit {
    uint32_t raw_seed;
    int32_t frame;
    IvSet ivs;
};

struct ScanJob {
    // Which raw seeds: block_count blocks of tops x width seeds, in order.
    ScanBlock blocks[24];
    int32_t block_count;
    uint64_t tops;
    uint64_t width;

    // Which frames pass: frames 0..last_frame, never past the final frame, of
    // the generator seeded with raw seed + mac_offset, read in the roaming
    // order when roaming. With match_allowed, the allowed IVs below; otherwise
    // every IV at least ivs, Hidden Power at least min_power and of type
    // type_filter (-1: any).
    int32_t last_frame;
    bool roaming;
    uint32_t mac_offset;
    bool match_allowed;
    // match_allowed: stat s passes when bit iv of allowed[s] is set (exact IVs
    // are the one-bit case, an empty mask passes nothing); every IV passes a
    // mask of all 32 bits.
    uint32_t allowed[kStatCount];
    int32_t ivs[kStatCount];
    int32_t min_power;
    int32_t type_filter;
    // Called on a scanning thread for each frame that passed the IV tests (and
    // Hidden Power's), before it is kept; false drops the frame (null: every
    // frame is kept).
    bool (*accept)(const IvSet& ivs, const void* context);
    const void* accept_context;

    // What is kept of a hit: at most hit_bytes bytes that keep_hit writes, on
    // a scanning thread.
    size_t hit_bytes;
    size_t (*keep_hit)(const ScanHit& hit, char* out);

    // Takes the bytes one chunk of raw seeds kept and their number of hits,
    // on the thread that called run_scan, strictly in seed order; false ends
    // the scan. Every chunk lies in one block.
    bool (*take)(void* context, int32_t block, const char* kept, size_t size, int64_t hits);
    void* context;

    // How: the kernel (automatic: the widest available), the threads (0: one
    // per core), and a word another thread may set to non-zero to end the
    // scan early (null: none).
    ScanKernel kernel;
    int32_t threads;
    const std::atomic<int32_t>* stop;
};
