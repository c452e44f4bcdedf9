#include "engine/seed_scan.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "engine/kernel.h"
#include "rng/frame.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"

namespace {

constexpr int32_t kMaxThreads = 16;
// Worst-case bytes one chunk may keep (every frame a hit); sets the chunk size.
constexpr size_t kChunkByteBudget = size_t{2} << 20;
constexpr uint64_t kMaxChunkSeeds = 4096;

// How the job's raw seeds are cut into chunks, each inside one block.
struct Chunking {
    uint64_t seeds_per_block;
    uint64_t chunk_seeds;
    uint64_t chunks_per_block;
    uint64_t total;
};

// What one chunk of raw seeds kept, handed over in order.
struct ChunkResult {
    std::vector<char> kept;
    size_t used = 0;
    int64_t hits = 0;
    bool ready = false;
};

bool cpu_has(ScanKernel kernel) {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    if (kernel == kKernelAvx2) return __builtin_cpu_supports("avx2");
#endif
    return kernel == kKernelSse2;
}

GroupKernel choose_kernel(ScanKernel k) {
    if (k == kKernelAutomatic || !scan_kernel_available(k)) k = scan_kernel_available(kKernelAvx2) ? kKernelAvx2 : kKernelSse2;
    return k == kKernelAvx2 ? scan_group_avx2 : scan_group_sse2;
}

int32_t thread_count(int32_t n) {
    if (n <= 0) n = static_cast<int32_t>(std::thread::hardware_concurrency());
    if (n <= 0) n = 1;
    return n > kMaxThreads ? kMaxThreads : n;
}

// The frames, words and tests of a job. Minimums outside 0..31 are brought to
// 0..32, which passes and fails exactly the same IVs.
ScanPlan make_plan(const ScanJob& job) {
    ScanPlan plan{};
    const int32_t last_frame = last_served_frame(job.last_frame, job.roaming);
    plan.frames = last_frame < 0 ? 0 : last_frame + 1;
    for (int32_t s = 0; s < kStatCount; ++s) plan.offset[s] = frame_offsets(job.roaming)[s];
    plan.first_word = lowest_frame_offset(job.roaming);
    plan.last_word = plan.frames == 0 ? plan.first_word : plan.frames - 1 + highest_frame_offset(job.roaming);
    const int32_t split = kStateWords - kMtMiddle;
    plan.last_seeded = plan.last_word < split ? plan.last_word + kMtMiddle : kStateWords - 1;
    plan.exact = job.exact;
    for (int32_t s = 0; s < kStatCount; ++s) {
        const int32_t v = job.ivs[s];
        plan.iv_value[s] = job.exact ? v : (v < 0 ? 0 : (v > 32 ? 32 : v));
    }
    // The power grows with the power bits: the test is bits >= the first that reach min_power.
    plan.power_bits_min = 0;
    if (!job.exact) {
        plan.power_bits_min = 64;
        for (int32_t p = 0; p < 64; ++p) {
            if (hidden_power_power_of_bits(p) >= job.min_power) {
                plan.power_bits_min = p;
                break;
            }
        }
    }
    // The type grows with the type bits too, so one type is one run of bit values.
    plan.type_bits_lo = 0;
    plan.type_bits_hi = 63;
    if (!job.exact && job.type_filter != -1) {
        plan.type_bits_lo = 1;
        plan.type_bits_hi = 0;
        bool seen = false;
        for (int32_t t = 0; t < 64; ++t) {
            if (hidden_power_type_of_bits(t) != job.type_filter) continue;
            if (!seen) plan.type_bits_lo = t;
            plan.type_bits_hi = t;
            seen = true;
        }
    }
    plan.mac_offset = job.mac_offset;
    return plan;
}

Chunking make_chunking(const ScanJob& job, const ScanPlan& plan) {
    Chunking c{};
    c.seeds_per_block = job.tops * job.width;
    uint64_t per_chunk = kChunkByteBudget / (static_cast<uint64_t>(plan.frames) * job.hit_bytes + 1);
    per_chunk -= per_chunk % kGroupLanes;
    if (per_chunk < kGroupLanes) per_chunk = kGroupLanes;
    if (per_chunk > kMaxChunkSeeds) per_chunk = kMaxChunkSeeds;
    c.chunk_seeds = per_chunk;
    // a scan that tests no frame finds nothing and needs no chunk
    c.chunks_per_block = plan.frames == 0 ? 0 : (c.seeds_per_block + per_chunk - 1) / per_chunk;
    c.total = c.chunks_per_block * static_cast<uint64_t>(job.block_count);
    return c;
}

// Adds the hits of one kernel call (lanes 0..lanes-1 valid) to the chunk's result.
void keep_hits(const ScanJob& job, const ScanPlan& plan, const uint32_t* raw_seeds, int32_t lanes,
               const ScanScratch& scratch, ChunkResult* out) {
    const size_t room = static_cast<size_t>(lanes) * static_cast<size_t>(plan.frames) * job.hit_bytes;
    if (out->kept.size() < out->used + room) out->kept.resize(out->used + room);
    char* p = out->kept.data() + out->used;
    for (int32_t l = 0; l < lanes; ++l) {
        for (int32_t f = 0; f < plan.frames; ++f) {
            if (scratch.masks[f * kGroupLanes + l] == 0) continue;
            ScanHit hit{raw_seeds[l], f, {}};
            for (int32_t s = 0; s < kStatCount; ++s)
                hit.ivs.iv[s] = scratch.ivs[(f + plan.offset[s]) * kGroupLanes + l];
            p += job.keep_hit(hit, p);
            ++out->hits;
        }
    }
    out->used = static_cast<size_t>(p - out->kept.data());
}

bool stop_requested(const ScanJob& job) {
    return job.stop != nullptr && std::atomic_ref<int32_t>(*job.stop).load(std::memory_order_relaxed) != 0;
}

// Runs the raw seeds of one chunk through the kernel, kGroupLanes at a time.
void scan_chunk(const ScanJob& job, const ScanPlan& plan, const Chunking& cut, uint64_t chunk, GroupKernel kernel,
                ScanScratch* scratch, ChunkResult* out) {
    out->used = 0;
    out->hits = 0;
    const ScanBlock& block = job.blocks[chunk / cut.chunks_per_block];
    const uint64_t first = chunk % cut.chunks_per_block * cut.chunk_seeds;
    const uint64_t end = first + cut.chunk_seeds < cut.seeds_per_block ? first + cut.chunk_seeds : cut.seeds_per_block;
    uint64_t top = first / job.width;
    uint64_t low = first % job.width;
    const uint32_t hour_bits = block.hour << 16;
    uint32_t raw_seeds[kGroupLanes];
    for (uint64_t i = first; i < end && !stop_requested(job); i += kGroupLanes) {
        const int32_t lanes = end - i < kGroupLanes ? static_cast<int32_t>(end - i) : kGroupLanes;
        for (int32_t l = 0; l < lanes; ++l) {
            const uint32_t top_byte = (block.top_base + static_cast<uint32_t>(top)) & 0xFFu;
            raw_seeds[l] = (top_byte << 24) | hour_bits | (block.low + static_cast<uint32_t>(low));
            if (++low == job.width) {
                low = 0;
                ++top;
            }
        }
        // lanes past the chunk's end repeat its last seed and are not kept
        for (int32_t l = lanes; l < kGroupLanes; ++l) raw_seeds[l] = raw_seeds[lanes - 1];
        if (kernel(plan, raw_seeds, scratch)) keep_hits(job, plan, raw_seeds, lanes, *scratch, out);
    }
}

struct Pipeline {
    std::mutex mutex;
    std::condition_variable room;   // workers wait for a free result slot
    std::condition_variable done;   // the caller waits for its next chunk
    uint64_t next = 0;              // next chunk to hand to a worker
    uint64_t consumed = 0;          // chunks the caller has taken
    bool stop = false;
    std::vector<ChunkResult> slots;  // chunk c lands in slot c % size
};

struct ScanContext {
    const ScanJob* job;
    ScanPlan plan;
    Chunking cut;
    GroupKernel kernel;
};

void scan_worker(Pipeline* pipe, const ScanContext* scan) {
    std::unique_ptr<ScanScratch> scratch(new ScanScratch);
    const uint64_t size = pipe->slots.size();
    for (;;) {
        uint64_t chunk;
        {
            std::unique_lock<std::mutex> lock(pipe->mutex);
            pipe->room.wait(lock, [&] {
                return pipe->stop || pipe->next >= scan->cut.total || pipe->next < pipe->consumed + size;
            });
            if (pipe->stop || pipe->next >= scan->cut.total) return;
            chunk = pipe->next++;
        }
        ChunkResult& result = pipe->slots[chunk % size];
        scan_chunk(*scan->job, scan->plan, scan->cut, chunk, scan->kernel, scratch.get(), &result);
        {
            std::lock_guard<std::mutex> lock(pipe->mutex);
            result.ready = true;
        }
        pipe->done.notify_one();
    }
}

bool take_chunk(const ScanContext& scan, uint64_t chunk, const ChunkResult& result) {
    const int32_t block = static_cast<int32_t>(chunk / scan.cut.chunks_per_block);
    return scan.job->take(scan.job->context, block, result.kept.data(), result.used, result.hits);
}

}  // namespace

bool scan_kernel_available(ScanKernel kernel) { return cpu_has(kernel); }

void run_scan(const ScanJob& job) {
    ScanContext scan{&job, make_plan(job), {}, choose_kernel(job.kernel)};
    scan.cut = make_chunking(job, scan.plan);
    if (scan.cut.total == 0) return;
    const int32_t threads = thread_count(job.threads);
    Pipeline pipe;
    pipe.slots.resize(static_cast<size_t>(threads) + 3);
    std::vector<std::thread> workers;
    if (threads > 1 && scan.cut.total > 1) {
        for (int32_t t = 0; t < threads; ++t) {
            try {
                workers.emplace_back(scan_worker, &pipe, &scan);
            } catch (const std::system_error&) {
                break;  // run with the workers there are
            }
        }
    }
    if (workers.empty()) {
        std::unique_ptr<ScanScratch> scratch(new ScanScratch);
        for (uint64_t c = 0; c < scan.cut.total; ++c) {
            scan_chunk(job, scan.plan, scan.cut, c, scan.kernel, scratch.get(), &pipe.slots[0]);
            if (stop_requested(job) || !take_chunk(scan, c, pipe.slots[0])) break;
        }
        return;
    }
    const uint64_t size = pipe.slots.size();
    for (uint64_t c = 0; c < scan.cut.total; ++c) {
        ChunkResult& result = pipe.slots[c % size];
        {
            std::unique_lock<std::mutex> lock(pipe.mutex);
            pipe.done.wait(lock, [&] { return result.ready; });
        }
        const bool go_on = !stop_requested(job) && take_chunk(scan, c, result);
        {
            std::lock_guard<std::mutex> lock(pipe.mutex);
            result.ready = false;
            pipe.consumed = c + 1;
            if (!go_on) pipe.stop = true;
        }
        pipe.room.notify_all();
        if (!go_on) break;
    }
    for (std::thread& w : workers) w.join();
}
