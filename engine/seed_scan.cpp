#include "engine/seed_scan.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

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
// Bytes one chunk may keep: a chunk is cut to keep a quarter of this on
// average (all of it when every frame is a hit), so that the chunks in
// flight stay within a few megabytes while sparse searches get long chunks.
constexpr size_t kChunkByteBudget = size_t{2} << 20;
constexpr double kChunkByteMargin = 4.0;
constexpr uint64_t kMaxChunkSeeds = 16384;
// Chunk results that may wait to be taken, per thread and at most.
constexpr size_t kRingChunksPerThread = 8;
constexpr size_t kMaxRingChunks = 32;

// How the job's raw seeds are cut into chunks, each inside one block.
struct Chunking {
    uint64_t seeds_per_block;
    uint64_t chunk_seeds;
    uint64_t chunks_per_block;
    uint64_t total;
};

// What one chunk of raw seeds kept.
struct ChunkResult {
    std::vector<char> kept;
    size_t used = 0;
    int64_t hits = 0;
    bool complete = false;  // every seed scanned: the stop word did not cut it short
};

#if defined(__x86_64__) || defined(__i386__)
// XCR0 bits of the register states the system saves on a thread switch: SSE
// and AVX (bits 1, 2), and for AVX-512 also the opmasks and both halves of
// the ZMM registers (bits 5, 6, 7). A kernel may run only when its registers
// survive a switch.
constexpr uint64_t kAvxStates = 0x06;
constexpr uint64_t kAvx512States = 0xE6;

uint64_t saved_states() {
    uint32_t lo, hi;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
    return (static_cast<uint64_t>(hi) << 32) | lo;
}

// The processor's instructions (CPUID) and the system's saved states (XGETBV,
// which OSXSAVE says may be executed). GCC 11 and later check the same in
// __builtin_cpu_supports; this keeps the rule in one place for any compiler.
bool cpu_has(ScanKernel kernel) {
    if (kernel == kKernelSse2) return true;
    uint32_t a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) || !(c & bit_AVX)) return false;
    const uint64_t states = saved_states();
    if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
    if (kernel == kKernelAvx2) return (b & bit_AVX2) && (states & kAvxStates) == kAvxStates;
    if (kernel == kKernelAvx512) return (b & bit_AVX512F) && (states & kAvx512States) == kAvx512States;
    return false;
}
#else
bool cpu_has(ScanKernel kernel) { return kernel == kKernelSse2; }
#endif

// The widest kernel there is when asked for none or for one this processor lacks.
const GroupKernel& choose_kernel(ScanKernel k) {
    if (k == kKernelAutomatic || !scan_kernel_available(k)) {
        k = scan_kernel_available(kKernelAvx512) ? kKernelAvx512
            : scan_kernel_available(kKernelAvx2) ? kKernelAvx2
                                                 : kKernelSse2;
    }
    if (k == kKernelAvx512) return kScanGroupAvx512;
    return k == kKernelAvx2 ? kScanGroupAvx2 : kScanGroupSse2;
}

int32_t thread_count(int32_t n) {
    if (n <= 0) n = static_cast<int32_t>(std::thread::hardware_concurrency());
    if (n <= 0) n = 1;
    return n > kMaxThreads ? kMaxThreads : n;
}

// The frames, words and tests of a job. Minimums above 31 are brought to 32,
// which fails exactly the same IVs.
ScanPlan make_plan(const ScanJob& job) {
    ScanPlan plan{};
    const int32_t last_frame = last_served_frame(job.last_frame, job.roaming);
    plan.frames = last_frame < 0 ? 0 : last_frame + 1;
    for (int32_t s = 0; s < kStatCount; ++s) plan.offset[s] = frame_offsets(job.roaming)[s];
    plan.first_word = lowest_frame_offset(job.roaming);
    plan.last_word = plan.frames == 0 ? plan.first_word : plan.frames - 1 + highest_frame_offset(job.roaming);
    plan.last_seeded = plan.last_word < kTwistSplit ? plan.last_word + kMtMiddle : kStateWords - 1;
    plan.exact = job.exact;
    for (int32_t s = 0; s < kStatCount; ++s) {
        const int32_t v = job.ivs[s];
        // at least v is more than v - 1: at least 0 or less passes every IV
        if (!job.exact && v <= 0) continue;
        const int32_t value = job.exact ? v : (v > 32 ? 32 : v) - 1;
        int32_t c = 0;
        while (c < plan.compare_count && plan.compare_value[c] != value) ++c;
        if (c == plan.compare_count) plan.compare_value[plan.compare_count++] = value;
        plan.tested_offset[plan.tested_count] = plan.offset[s];
        plan.tested_compare[plan.tested_count++] = c;
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

// The chance that a frame passes, with its six IVs taken as independent and
// uniform over 0..31 (as the generator's outputs are): the IVs counted by the
// two low bits Hidden Power reads, over the 4^6 combinations of those bits.
double pass_chance(const ScanJob& job, const ScanPlan& plan) {
    double count[kStatCount][4] = {};
    for (int32_t s = 0; s < kStatCount; ++s) {
        for (int32_t iv = 0; iv <= kMaxIv; ++iv)
            if (job.exact ? iv == job.ivs[s] : iv >= job.ivs[s]) count[s][iv & 3] += 1;
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
        if (!job.exact) {
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
            p += job.keep_hit(hit, p);
            ++out->hits;
        }
    }
    out->used = static_cast<size_t>(p - out->kept.data());
}

bool stop_requested(const ScanJob& job) {
    return job.stop != nullptr && job.stop->load(std::memory_order_relaxed) != 0;
}

// Everything the threads of one scan share that stays fixed.
struct ScanContext {
    const ScanJob* job;
    ScanPlan plan;
    Chunking cut;
    GroupKernel kernel;
};

// Runs the raw seeds of one chunk through the kernel, a group at a time.
void scan_chunk(const ScanContext& scan, uint64_t chunk, ScanScratch* scratch, ChunkResult* out) {
    const ScanJob& job = *scan.job;
    const Chunking& cut = scan.cut;
    const int32_t lanes = scan.kernel.lanes;
    out->used = 0;
    out->hits = 0;
    out->complete = false;
    const ScanBlock& block = job.blocks[chunk / cut.chunks_per_block];
    const uint64_t first = chunk % cut.chunks_per_block * cut.chunk_seeds;
    const uint64_t end = first + cut.chunk_seeds < cut.seeds_per_block ? first + cut.chunk_seeds : cut.seeds_per_block;
    uint64_t top = first / job.width;
    uint64_t low = first % job.width;
    const uint32_t hour_bits = block.hour << 16;
    uint32_t raw_seeds[kMaxGroupLanes];
    for (uint64_t i = first; i < end; i += static_cast<uint64_t>(lanes)) {
        if (stop_requested(job)) return;
        const int32_t valid = end - i < static_cast<uint64_t>(lanes) ? static_cast<int32_t>(end - i) : lanes;
        for (int32_t l = 0; l < valid;) {
            const uint32_t top_bits = ((block.top_base + static_cast<uint32_t>(top)) & 0xFFu) << 24 | hour_bits;
            // the lanes up to the end of this top byte's run of low values
            const uint64_t run = job.width - low < static_cast<uint64_t>(valid - l) ? job.width - low : valid - l;
            const uint32_t first_low = block.low + static_cast<uint32_t>(low);
            for (uint32_t k = 0; k < run; ++k) raw_seeds[l + k] = top_bits | (first_low + k);
            l += static_cast<int32_t>(run);
            low += run;
            if (low == job.width) {
                low = 0;
                ++top;
            }
        }
        // lanes past the chunk's end repeat its last seed and are not kept
        for (int32_t l = valid; l < lanes; ++l) raw_seeds[l] = raw_seeds[valid - 1];
        if (scan.kernel.scan(scan.plan, raw_seeds, scratch))
            keep_hits(job, scan.plan, raw_seeds, lanes, valid, *scratch, out);
    }
    out->complete = true;
}

// One place of the ring of chunk results: chunk c lands in place c % size.
struct Slot {
    ChunkResult result;
    std::atomic<bool> ready{false};
};

// The chunks in flight. Every thread claims the next chunk with one atomic
// step while the ring has room for it; the calling thread takes the results
// in order and scans chunks itself while the next result is not ready. A
// thread sleeps only when it has nothing to do, and is woken only when
// another thread sees it sleeping: under Wine each sleep and wake is a trip
// through the server, so they must stay rare.
struct Pipeline {
    explicit Pipeline(size_t size) : slots(new Slot[size]), size(size) {}
    std::unique_ptr<Slot[]> slots;
    const uint64_t size;
    alignas(64) std::atomic<uint64_t> next{0};      // next chunk to claim
    alignas(64) std::atomic<uint64_t> consumed{0};  // chunks taken; chunk c has room while c < consumed + size
    std::atomic<bool> stop{false};
    std::atomic<int32_t> sleepers{0};
    std::mutex mutex;
    std::condition_variable changed;
    Slot& slot(uint64_t chunk) { return slots[chunk % size]; }
};

enum class Claim { kClaimed, kNoRoom, kNone };

// The next chunk, unless the scan is over (or stopped) or the ring is full.
Claim claim(Pipeline& pipe, const ScanJob& job, uint64_t total, uint64_t* chunk) {
    uint64_t n = pipe.next.load();
    for (;;) {
        if (pipe.stop.load() || stop_requested(job) || n >= total) return Claim::kNone;
        if (n >= pipe.consumed.load() + pipe.size) return Claim::kNoRoom;
        if (pipe.next.compare_exchange_weak(n, n + 1)) {
            *chunk = n;
            return Claim::kClaimed;
        }
    }
}

// Wakes the sleeping threads after a change they may wait for.
void wake(Pipeline& pipe) {
    if (pipe.sleepers.load() == 0) return;
    std::lock_guard<std::mutex> lock(pipe.mutex);
    pipe.changed.notify_all();
}

// Sleeps until done() holds. Counted as a sleeper before done() is checked,
// so that a change made after the check always sees it.
template <class Done>
void sleep_until(Pipeline& pipe, Done done) {
    std::unique_lock<std::mutex> lock(pipe.mutex);
    pipe.sleepers.fetch_add(1);
    while (!done()) pipe.changed.wait(lock);
    pipe.sleepers.fetch_sub(1);
}

// Kernel buffers lent from scan to scan: a scan of a few milliseconds should
// not pay for a third of a megabyte of fresh pages. (Not thread_local: built
// by MinGW, a thread_local with a destructor corrupted the heap when its
// thread ended.)
class ScratchShelf {
public:
    std::unique_ptr<ScanScratch> take() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (kept_.empty()) return std::unique_ptr<ScanScratch>(new ScanScratch);
        std::unique_ptr<ScanScratch> scratch = std::move(kept_.back());
        kept_.pop_back();
        return scratch;
    }
    void put(std::unique_ptr<ScanScratch> scratch) {
        std::lock_guard<std::mutex> lock(mutex_);
        kept_.push_back(std::move(scratch));
    }

private:
    std::mutex mutex_;
    std::vector<std::unique_ptr<ScanScratch>> kept_;
};

// Never destroyed, like the helper threads that use it.
ScratchShelf& scratch_shelf() {
    static ScratchShelf* const shelf = new ScratchShelf;
    return *shelf;
}

// Buffers taken from the shelf for one thread's part of a scan.
class Scratch {
public:
    Scratch() : scratch_(scratch_shelf().take()) {}
    ~Scratch() { scratch_shelf().put(std::move(scratch_)); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ScanScratch* get() const { return scratch_.get(); }

private:
    std::unique_ptr<ScanScratch> scratch_;
};

void scan_helper(Pipeline* pipe, const ScanContext* scan) {
    const Scratch buffers;
    ScanScratch* scratch = buffers.get();
    const uint64_t total = scan->cut.total;
    for (;;) {
        uint64_t chunk;
        const Claim claimed = claim(*pipe, *scan->job, total, &chunk);
        if (claimed == Claim::kNone) return;
        if (claimed == Claim::kNoRoom) {
            sleep_until(*pipe, [&] {
                const uint64_t n = pipe->next.load();
                return pipe->stop.load() || n >= total || n < pipe->consumed.load() + pipe->size;
            });
            continue;
        }
        Slot& slot = pipe->slot(chunk);
        scan_chunk(*scan, chunk, scratch, &slot.result);
        slot.ready.store(true);
        wake(*pipe);
    }
}

// Helper threads kept for the program's life: made by the first scans that
// want them, asleep between scans, lent to one scan at a time. Under Wine
// making a thread costs milliseconds; waking one is a single trip through
// the server.
class HelperPool {
public:
    // Lends up to `wanted` helpers to the scan until return_helpers.
    void lend(int32_t wanted, Pipeline* pipe, const ScanContext* scan) {
        std::lock_guard<std::mutex> lock(mutex_);
        while (static_cast<int32_t>(threads_.size()) < wanted) {
            try {
                threads_.emplace_back(&HelperPool::serve, this);
            } catch (const std::system_error&) {
                break;  // the scan goes on with the helpers there are
            }
        }
        pipe_ = pipe;
        scan_ = scan;
        wanted_ = wanted;
        open_ = true;
        ++generation_;
        if (!threads_.empty()) wake_.notify_all();
    }

    // Waits until every helper that joined the scan has left it; a helper
    // that wakes later does not join it any more.
    void return_helpers() {
        std::unique_lock<std::mutex> lock(mutex_);
        open_ = false;
        left_.wait(lock, [&] { return busy_ == 0; });
    }

private:
    void serve() {
        uint64_t seen = 0;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return generation_ != seen; });
            seen = generation_;
            if (!open_ || busy_ >= wanted_) continue;
            ++busy_;
            Pipeline* pipe = pipe_;
            const ScanContext* scan = scan_;
            lock.unlock();
            scan_helper(pipe, scan);
            lock.lock();
            if (--busy_ == 0) left_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;  // helpers wait for a scan
    std::condition_variable left_;  // the lender waits for its helpers to leave
    std::vector<std::thread> threads_;
    uint64_t generation_ = 0;       // one more for every scan lent to
    Pipeline* pipe_ = nullptr;
    const ScanContext* scan_ = nullptr;
    int32_t wanted_ = 0;
    int32_t busy_ = 0;              // helpers in the current scan
    bool open_ = false;             // helpers may still join the current scan
};

// The pool, never destroyed: its threads sleep until the process ends.
HelperPool& helper_pool() {
    static HelperPool* const pool = new HelperPool;
    return *pool;
}

// Taken by the scan that uses the pool; a scan that finds it taken runs on
// its calling thread alone.
std::mutex& pool_in_use() {
    static std::mutex* const in_use = new std::mutex;
    return *in_use;
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
    const uint64_t total = scan.cut.total;
    if (total == 0) return;
    const int32_t threads = thread_count(job.threads);
    // the calling thread scans too: threads - 1 helpers, never more than chunks
    const int32_t helpers =
        static_cast<uint64_t>(threads - 1) < total - 1 ? threads - 1 : static_cast<int32_t>(total - 1);
    // room for each thread to run a few chunks ahead of a thread the system
    // has set aside for a moment, within kMaxRingChunks chunk budgets
    const size_t ring = kRingChunksPerThread * static_cast<size_t>(helpers + 1);
    Pipeline pipe(ring < kMaxRingChunks ? ring : kMaxRingChunks);
    std::unique_lock<std::mutex> pool(pool_in_use(), std::defer_lock);
    if (helpers > 0 && pool.try_lock()) helper_pool().lend(helpers, &pipe, &scan);
    const Scratch buffers;
    ScanScratch* scratch = buffers.get();
    for (uint64_t c = 0; c < total && !stop_requested(job);) {
        Slot& slot = pipe.slot(c);
        if (slot.ready.load()) {
            const bool go_on = slot.result.complete && take_chunk(scan, c, slot.result);
            slot.ready.store(false);
            pipe.consumed.store(++c);
            wake(pipe);
            if (!go_on) break;
            continue;
        }
        uint64_t chunk;
        const Claim claimed = claim(pipe, job, total, &chunk);
        if (claimed == Claim::kClaimed) {
            Slot& mine = pipe.slot(chunk);
            scan_chunk(scan, chunk, scratch, &mine.result);
            mine.ready.store(true);
            continue;
        }
        if (claimed == Claim::kNone && stop_requested(job)) break;
        // every chunk up to the next to take is claimed and this one is a
        // helper's: wait for it (a helper that sees the stop word hands over
        // what it has, marked incomplete)
        sleep_until(pipe, [&] { return slot.ready.load(); });
    }
    pipe.stop.store(true);
    wake(pipe);
    if (pool.owns_lock()) helper_pool().return_helpers();
}
