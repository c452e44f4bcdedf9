#include "engine/seed_scan.h"

#include <atomic>

#include "engine/kernel.h"
#include "engine/pipeline.h"
#include "engine/processor.h"
#include "engine/scan_plan.h"
#include "rng/frame.h"
#include "rng/mt.h"

namespace {

// The low 16 bits of a block's raw seeds, which count on modulo 2^16.
constexpr uint32_t kLowBits = 0xFFFFu;

// Adds the hits of one kernel call (lanes 0..valid-1 of a group of `lanes`)
// to the chunk's result, lane by lane and frame by frame.
void keep_hits(const ScanJob& job, const ScanPlan& plan, const uint32_t* raw_seeds, int32_t lanes, int32_t valid,
               const ScanScratch& scratch, ChunkResult* out) {
    // the frames that passed in some lane, in order
    int16_t frames[final_frame(false) + 1];
    int32_t frame_count = 0;
    for (int32_t f = 0; f < plan.frames; ++f) {
        uint64_t some = 0;
        for (int32_t m = 0; m < kLaneWords; ++m) some |= scratch.lane_bits[f * kLaneWords + m];
        if (some != 0) frames[frame_count++] = static_cast<int16_t>(f);
    }
    const size_t room = static_cast<size_t>(valid) * static_cast<size_t>(frame_count) * job.hit_bytes;
    if (out->kept.size() < out->used + room) out->kept.resize(out->used + room);
    char* p = out->kept.data() + out->used;
    for (int32_t l = 0; l < valid; ++l) {
        const int32_t word = l / kLaneWordBits;
        const uint64_t bit = uint64_t{1} << (l % kLaneWordBits);
        for (int32_t i = 0; i < frame_count; ++i) {
            const int32_t f = frames[i];
            if ((scratch.lane_bits[f * kLaneWords + word] & bit) == 0) continue;
            ScanHit hit{raw_seeds[l], f, {}};
            // the twisted words are still there: their IVs as the kernel read them
            for (int32_t s = 0; s < kStatCount; ++s)
                hit.ivs.iv[s] = iv_of_word(scratch.words[(f + plan.offset[s]) * lanes + l]);
            if (job.accept != nullptr && !job.accept(hit.ivs, job.accept_context)) continue;
            p += job.keep_hit(hit, p);
            ++out->hits;
        }
    }
    out->used = static_cast<size_t>(p - out->kept.data());
}

bool stop_requested(const ScanJob& job) {
    return job.stop != nullptr && job.stop->load(std::memory_order_relaxed) != 0;
}

// One scan's chunks for the pipeline: everything its threads share stays fixed.
class Scan final : public ChunkWork {
public:
    explicit Scan(const ScanJob& job)
        : job_(job), plan_(make_plan(job)), cut_(make_chunking(job, plan_)), kernel_(choose_kernel(job.kernel)) {}
    uint64_t total() const { return cut_.total; }

    void scan(uint64_t chunk, ScanScratch* scratch, ChunkResult* out) const override {
        scan_chunk(chunk, scratch, out);
    }
    bool take(uint64_t chunk, const ChunkResult& result) const override {
        const int32_t block = static_cast<int32_t>(chunk / cut_.chunks_per_block);
        return job_.take(job_.context, block, result.kept.data(), result.used, result.hits);
    }
    bool stopped() const override { return stop_requested(job_); }

private:
    void scan_chunk(uint64_t chunk, ScanScratch* scratch, ChunkResult* out) const;

    const ScanJob& job_;
    const ScanPlan plan_;
    const Chunking cut_;
    const GroupKernel kernel_;
};

// Runs the raw seeds of one chunk through the kernel, a group at a time.
void Scan::scan_chunk(uint64_t chunk, ScanScratch* scratch, ChunkResult* out) const {
    const int32_t lanes = kernel_.lanes;
    out->used = 0;
    out->hits = 0;
    out->complete = false;
    const ScanBlock& block = job_.blocks[chunk / cut_.chunks_per_block];
    const uint64_t first = chunk % cut_.chunks_per_block * cut_.chunk_seeds;
    const uint64_t end = first + cut_.chunk_seeds < cut_.seeds_per_block ? first + cut_.chunk_seeds : cut_.seeds_per_block;
    uint64_t top = first / job_.width;
    uint64_t low = first % job_.width;
    // bits of low above the 16 that count on are ORed in as they are
    const uint32_t hour_bits = block.hour << 16 | (block.low & ~kLowBits);
    uint32_t raw_seeds[kMaxGroupLanes];
    for (uint64_t i = first; i < end; i += static_cast<uint64_t>(lanes)) {
        if (stop_requested(job_)) return;
        const int32_t valid = end - i < static_cast<uint64_t>(lanes) ? static_cast<int32_t>(end - i) : lanes;
        for (int32_t l = 0; l < valid;) {
            const uint32_t top_bits = ((block.top_base + static_cast<uint32_t>(top)) & 0xFFu) << 24 | hour_bits;
            // the lanes up to the end of this top byte's run of low values
            const uint64_t run = job_.width - low < static_cast<uint64_t>(valid - l) ? job_.width - low : valid - l;
            const uint32_t first_low = block.low + static_cast<uint32_t>(low);
            for (uint32_t k = 0; k < run; ++k) raw_seeds[l + k] = top_bits | ((first_low + k) & kLowBits);
            l += static_cast<int32_t>(run);
            low += run;
            if (low == job_.width) {
                low = 0;
                ++top;
            }
        }
        // lanes past the chunk's end repeat its last seed and are not kept
        for (int32_t l = valid; l < lanes; ++l) raw_seeds[l] = raw_seeds[valid - 1];
        if (kernel_.scan(plan_, raw_seeds, scratch)) keep_hits(job_, plan_, raw_seeds, lanes, valid, *scratch, out);
    }
    out->complete = true;
}

}  // namespace

void run_scan(const ScanJob& job) {
    const Scan scan(job);
    run_chunks(scan, scan.total(), job.threads);
}
