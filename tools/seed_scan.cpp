#include "tools/seed_scan.h"

#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "app/app_state.h"
#include "rng/frame.h"
#include "rng/hidden_power.h"
#include "tools/seed_scan_kernel.h"

namespace {

using GroupKernel = bool (*)(const ScanPlan&, const uint32_t*, ScanScratch*);

// Test and benchmark settings; the program leaves both at their defaults.
bool g_force_portable = false;
int32_t g_thread_request = 0;

constexpr int32_t kMaxThreads = 16;
// Longest hit line: "FFFFFFFF,616,31,31,31,31,31,31," + an 8-byte name + ",70\r\n".
constexpr size_t kMaxLineBytes = 48;
// Worst-case text of one chunk (every frame a hit); sets the chunk size.
constexpr size_t kChunkTextBudget = size_t{2} << 20;
constexpr uint64_t kMaxChunkSeeds = 4096;

struct TypeName {
    char text[256];
    size_t length;
};

// Raw seed number i of a block: top byte (top_base + i / width) mod 256 in
// bits 24..31, OR the hour in bits 16..23, OR the low value low + i % width.
struct ScanBlock {
    uint32_t top_base;
    uint32_t hour;
    uint32_t low;
};

struct ScanJob {
    ScanPlan plan;
    bool candidates;
    int32_t block_count;
    ScanBlock blocks[24];
    uint64_t width;  // low values per top byte
    uint64_t seeds_per_block;
    uint64_t chunk_seeds;
    uint64_t chunks_per_block;
    int32_t found_max;
    TypeName names[kHiddenPowerTypes];
};

// What one chunk of raw seeds found, handed over in order.
struct ChunkResult {
    std::vector<char> text;
    size_t used = 0;
    int64_t lines = 0;
    uint32_t found[kMaxCandidates] = {};
    int32_t found_count = 0;
    bool ready = false;
};

GroupKernel choose_kernel() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    if (!g_force_portable && __builtin_cpu_supports("avx2")) return scan_group_avx2;
#endif
    return scan_group_portable;
}

int32_t thread_count() {
    int32_t n = g_thread_request;
    if (n <= 0) n = static_cast<int32_t>(std::thread::hardware_concurrency());
    if (n <= 0) n = 1;
    return n > kMaxThreads ? kMaxThreads : n;
}

// The frames, words and tests of one search. Thresholds outside 0..31 are
// brought to 0..32, which passes and fails exactly the same IVs.
ScanPlan make_plan(int32_t frame_limit, bool roaming, const int32_t* iv_value, bool exact, int32_t min_power,
                   int32_t type_filter, int32_t mac_offset) {
    ScanPlan plan{};
    const int32_t last_frame = last_served_frame(frame_limit, roaming);
    plan.frames = last_frame < 0 ? 0 : last_frame + 1;
    static const int32_t kNormal[6] = {2, 3, 4, 5, 6, 7};
    static const int32_t kRoaming[6] = {3, 4, 5, 8, 6, 7};
    std::memcpy(plan.offset, roaming ? kRoaming : kNormal, sizeof plan.offset);
    plan.first_word = roaming ? 3 : 2;
    plan.last_word = plan.frames == 0 ? plan.first_word : plan.frames - 1 + (roaming ? 8 : 7);
    plan.last_seeded = plan.last_word < 227 ? plan.last_word + 397 : 623;
    plan.exact = exact;
    for (int s = 0; s < kStatCount; ++s) {
        const int32_t v = iv_value[s];
        plan.iv_value[s] = exact ? v : (v < 0 ? 0 : (v > 32 ? 32 : v));
    }
    // The power grows with the power bits: the test is bits >= the first that reach min_power.
    plan.power_bits_min = 0;
    if (!exact) {
        plan.power_bits_min = 64;
        for (int32_t p = 0; p < 64; ++p) {
            if (40 * p / 63 + 30 >= min_power) {
                plan.power_bits_min = p;
                break;
            }
        }
    }
    // The type grows with the type bits too, so one type is one run of bit values.
    plan.type_bits_lo = 0;
    plan.type_bits_hi = 63;
    if (!exact && type_filter != -1) {
        plan.type_bits_lo = 1;
        plan.type_bits_hi = 0;
        bool seen = false;
        for (int32_t t = 0; t < 64; ++t) {
            if (15 * t / 63 != type_filter) continue;
            if (!seen) plan.type_bits_lo = t;
            plan.type_bits_hi = t;
            seen = true;
        }
    }
    plan.mac_offset = static_cast<uint32_t>(mac_offset);
    return plan;
}

char* put_small(char* p, int32_t v) {
    if (v >= 100) *p++ = static_cast<char>('0' + v / 100);
    if (v >= 10) *p++ = static_cast<char>('0' + v / 10 % 10);
    *p++ = static_cast<char>('0' + v % 10);
    return p;
}

// One hit line as "%08X,%d,%d,%d,%d,%d,%d,%d,%s,%d" writes it, with CR LF.
size_t format_hit(char* out, uint32_t raw_seed, int32_t frame, const IvSet& set, const TypeName& name,
                  int32_t power) {
    static const char kHex[] = "0123456789ABCDEF";
    char* p = out;
    for (int shift = 28; shift >= 0; shift -= 4) *p++ = kHex[(raw_seed >> shift) & 15u];
    *p++ = ',';
    p = put_small(p, frame);
    for (int s = 0; s < kStatCount; ++s) {
        *p++ = ',';
        p = put_small(p, set.iv[s]);
    }
    *p++ = ',';
    std::memcpy(p, name.text, name.length);
    p += name.length;
    *p++ = ',';
    p = put_small(p, power);
    *p++ = '\r';
    *p++ = '\n';
    return static_cast<size_t>(p - out);
}

IvSet iv_set_of_lane(const ScanPlan& plan, const ScanScratch& scratch, int32_t frame, int lane) {
    IvSet set;
    for (int s = 0; s < kStatCount; ++s) set.iv[s] = scratch.ivs[(frame + plan.offset[s]) * kGroupLanes + lane];
    return set;
}

// Adds the hits of one kernel call (lanes 0..lanes-1 valid) to the chunk's result.
void collect_hits(const ScanJob& job, const uint32_t* raw_seeds, int lanes, const ScanScratch& scratch,
                  ChunkResult* out) {
    const ScanPlan& plan = job.plan;
    const int32_t* masks = scratch.masks;
    if (job.candidates) {
        for (int l = 0; l < lanes; ++l) {
            for (int32_t f = 0; f < plan.frames; ++f) {
                if (masks[f * kGroupLanes + l] == 0) continue;
                if (out->found_count >= job.found_max) return;
                out->found[out->found_count++] = raw_seeds[l];
            }
        }
        return;
    }
    const size_t room = static_cast<size_t>(lanes) * static_cast<size_t>(plan.frames) * kMaxLineBytes;
    if (out->text.size() < out->used + room) out->text.resize(out->used + room);
    char* p = out->text.data() + out->used;
    for (int l = 0; l < lanes; ++l) {
        for (int32_t f = 0; f < plan.frames; ++f) {
            if (masks[f * kGroupLanes + l] == 0) continue;
            const IvSet set = iv_set_of_lane(plan, scratch, f, l);
            const int32_t type = hidden_power_type_of(set);
            p += format_hit(p, raw_seeds[l], f, set, job.names[type], hidden_power_power_of(set));
            ++out->lines;
        }
    }
    out->used = static_cast<size_t>(p - out->text.data());
}

// Runs the raw seeds of one chunk through the kernel, 64 at a time.
void scan_chunk(const ScanJob& job, uint64_t chunk, GroupKernel kernel, ScanScratch* scratch, ChunkResult* out) {
    out->used = 0;
    out->lines = 0;
    out->found_count = 0;
    const ScanBlock& block = job.blocks[chunk / job.chunks_per_block];
    const uint64_t first = chunk % job.chunks_per_block * job.chunk_seeds;
    const uint64_t end = first + job.chunk_seeds < job.seeds_per_block ? first + job.chunk_seeds : job.seeds_per_block;
    uint64_t top = first / job.width;
    uint64_t low = first % job.width;
    const uint32_t hour_bits = block.hour << 16;
    uint32_t raw_seeds[kGroupLanes];
    for (uint64_t i = first; i < end; i += kGroupLanes) {
        const int lanes = end - i < kGroupLanes ? static_cast<int>(end - i) : kGroupLanes;
        for (int l = 0; l < lanes; ++l) {
            const uint32_t top_byte = (block.top_base + static_cast<uint32_t>(top)) & 0xFFu;
            raw_seeds[l] = (top_byte << 24) | hour_bits | (block.low + static_cast<uint32_t>(low));
            if (++low == job.width) {
                low = 0;
                ++top;
            }
        }
        // lanes past the chunk's end repeat its last seed and are not collected
        for (int l = lanes; l < kGroupLanes; ++l) raw_seeds[l] = raw_seeds[lanes - 1];
        if (!kernel(job.plan, raw_seeds, scratch)) continue;
        collect_hits(job, raw_seeds, lanes, *scratch, out);
        if (job.candidates && out->found_count >= job.found_max) return;
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

void scan_worker(Pipeline* pipe, const ScanJob* job, GroupKernel kernel, uint64_t total) {
    std::unique_ptr<ScanScratch> scratch(new ScanScratch);
    const uint64_t size = pipe->slots.size();
    for (;;) {
        uint64_t chunk;
        {
            std::unique_lock<std::mutex> lock(pipe->mutex);
            pipe->room.wait(lock, [&] { return pipe->stop || pipe->next >= total || pipe->next < pipe->consumed + size; });
            if (pipe->stop || pipe->next >= total) return;
            chunk = pipe->next++;
        }
        ChunkResult& result = pipe->slots[chunk % size];
        scan_chunk(*job, chunk, kernel, scratch.get(), &result);
        {
            std::lock_guard<std::mutex> lock(pipe->mutex);
            result.ready = true;
        }
        pipe->done.notify_one();
    }
}

// Scans every chunk of the job and hands the results to take(chunk, result)
// strictly in chunk order, on the calling thread; take returns false to end
// the search early. Returns when every worker has ended.
template <class Take>
void run_scan(const ScanJob& job, Take take) {
    const uint64_t total = job.chunks_per_block * static_cast<uint64_t>(job.block_count);
    if (total == 0) return;
    const GroupKernel kernel = choose_kernel();
    const int32_t threads = thread_count();
    Pipeline pipe;
    pipe.slots.resize(static_cast<size_t>(threads) + 3);
    std::vector<std::thread> workers;
    if (threads > 1 && total > 1) {
        for (int32_t t = 0; t < threads; ++t) {
            try {
                workers.emplace_back(scan_worker, &pipe, &job, kernel, total);
            } catch (const std::system_error&) {
                break;  // run with the workers there are
            }
        }
    }
    if (workers.empty()) {
        std::unique_ptr<ScanScratch> scratch(new ScanScratch);
        for (uint64_t c = 0; c < total; ++c) {
            scan_chunk(job, c, kernel, scratch.get(), &pipe.slots[0]);
            if (!take(c, pipe.slots[0])) break;
        }
        return;
    }
    const uint64_t size = pipe.slots.size();
    for (uint64_t c = 0; c < total; ++c) {
        ChunkResult& result = pipe.slots[c % size];
        {
            std::unique_lock<std::mutex> lock(pipe.mutex);
            pipe.done.wait(lock, [&] { return result.ready; });
        }
        const bool go_on = take(c, result);
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

void set_chunking(ScanJob* job, uint64_t blocks_top_bytes, uint64_t width) {
    job->width = width;
    job->seeds_per_block = blocks_top_bytes * width;
    uint64_t per_chunk = kChunkTextBudget / (static_cast<uint64_t>(job->plan.frames) * kMaxLineBytes + 1);
    per_chunk -= per_chunk % kGroupLanes;
    if (per_chunk < kGroupLanes) per_chunk = kGroupLanes;
    if (per_chunk > kMaxChunkSeeds) per_chunk = kMaxChunkSeeds;
    job->chunk_seeds = per_chunk;
    // a search that tests no frame finds nothing and needs no scan
    job->chunks_per_block = job->plan.frames == 0 ? 0 : (job->seeds_per_block + per_chunk - 1) / per_chunk;
}

}  // namespace

int64_t scan_seed_search(TextWriter* out, HourStarted hour_started) {
    std::unique_ptr<ScanJob> job(new ScanJob{});
    job->plan = make_plan(g_app.frame_limit, g_app.roaming, g_app.iv_thresholds, false, g_app.hp_min_power,
                          g_app.hp_type_filter, g_app.mac_offset);
    job->candidates = false;
    job->block_count = 24;
    for (int32_t h = 0; h < 24; ++h) job->blocks[h] = {0, static_cast<uint32_t>(h), static_cast<uint32_t>(g_app.low_min)};
    const int64_t width = static_cast<int64_t>(g_app.low_max) - g_app.low_min + 1;
    set_chunking(job.get(), 256, width > 0 ? static_cast<uint64_t>(width) : 0);
    for (int32_t t = 0; t < kHiddenPowerTypes; ++t) {
        hidden_power_type_name(t, job->names[t].text);
        job->names[t].length = std::strlen(job->names[t].text);
    }

    int64_t lines = 0;
    int32_t hour = 0;
    run_scan(*job, [&](uint64_t chunk, const ChunkResult& result) {
        // the title of an hour is set before its first chunk is written
        while (hour <= static_cast<int32_t>(chunk / job->chunks_per_block)) hour_started(hour++, lines);
        if (result.used > 0) write_bytes(out, result.text.data(), result.used);
        lines += result.lines;
        return true;
    });
    while (hour < 24) hour_started(hour++, lines);
    return lines;
}

int32_t scan_candidate_seeds(uint32_t* seeds, int32_t max) {
    if (max <= 0) return 0;
    if (max > kMaxCandidates) max = kMaxCandidates;
    std::unique_ptr<ScanJob> job(new ScanJob{});
    job->plan = make_plan(g_app.frame_limit, g_app.roaming, g_app.iv_thresholds, true, 30, -1, g_app.mac_offset);
    job->candidates = true;
    job->found_max = max;
    job->block_count = 1;
    const uint32_t top_base = static_cast<uint32_t>(g_app.switch_on_month * g_app.switch_on_day + g_app.switch_on_minute);
    job->blocks[0] = {top_base, static_cast<uint32_t>(g_app.switch_on_hour), 0x300u};
    set_chunking(job.get(), 60, 0x1000 - 0x300 + 1);

    int32_t count = 0;
    run_scan(*job, [&](uint64_t, const ChunkResult& result) {
        for (int32_t i = 0; i < result.found_count && count < max; ++i) seeds[count++] = result.found[i];
        return count < max;  // nothing after the last kept candidate can change the list
    });
    return count;
}

void seed_scan_force_portable(bool on) { g_force_portable = on; }

bool seed_scan_uses_avx2() { return choose_kernel() == scan_group_avx2; }

void seed_scan_set_threads(int32_t count) { g_thread_request = count; }
