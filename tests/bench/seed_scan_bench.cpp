// Speed of the seed search and the candidate search: the engine on every core
// against the straightforward single-core path (every raw seed prepared in
// full, every frame read), measured in the same run. Each benchmark is
// repeated; the "min" rows hold the best run of each column (the machine may
// be shared). Rates follow from the times and the seed or line counts given here.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/state.h"
#include "core/text_file.h"
#include "engine/seed_scan.h"
#include "rng/frame.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"
#include "tests/bench/bench_cases.h"
#include "tools/candidates.h"
#include "tools/hit_search.h"
#include "tools/seed_search.h"

namespace {

using bench::kSeedsPerLow;
using bench::default_candidates;
using bench::default_search;

double best(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// Milliseconds of real time, repeated, with the best run as the "min" row.
void best_of(benchmark::internal::Benchmark* b, int repetitions) {
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(repetitions)->ComputeStatistics("min", best);
}

std::string result_path() { return (std::filesystem::temp_directory_path() / "kivrel-bench-result.txt").string(); }

// The straightforward path over top bytes first_top..last_top of one hour:
// each raw seed prepared in full, each frame read and tested, each hit line
// written with write_line. Returns the number of lines.
int64_t straight_search_part(TextWriter* out, const SeedSearchInputs& a, int32_t hour, int32_t first_top,
                             int32_t last_top) {
    const int32_t last = last_served_frame(a.last_frame, a.roaming);
    int64_t lines = 0;
    for (int32_t t = first_top; t <= last_top; ++t) {
        for (int32_t w = a.low_min; w <= a.low_max; ++w) {
            const uint32_t r = (static_cast<uint32_t>(t) << 24) | (static_cast<uint32_t>(hour) << 16) |
                               static_cast<uint32_t>(w);
            uint32_t mt[kStateWords];
            prepare_generator(mt, r, static_cast<uint32_t>(a.mac_offset));
            for (int32_t f = 0; f <= last; ++f) {
                const IvSet s = read_iv_set(mt, f, a.roaming);
                const int32_t power = hidden_power_power_of(s);
                if (power < a.hp_min_power) continue;
                if (a.hp_type_filter != -1 && hidden_power_type_of(s) != a.hp_type_filter) continue;
                bool reaches = true;
                for (int32_t i = 0; i < kStatCount; ++i) reaches = reaches && s.iv[i] >= a.iv_minimums[i];
                if (!reaches) continue;
                write_line(out, "%08X,%d,%d,%d,%d,%d,%d,%d,%s,%d\n", static_cast<unsigned>(r), f, s.iv[kH], s.iv[kA],
                           s.iv[kB], s.iv[kC], s.iv[kD], s.iv[kS], hidden_power_type_text(hidden_power_type_of(s)), power);
                ++lines;
            }
        }
    }
    return lines;
}

// The straightforward candidate search: every raw seed of the window prepared
// in full and every frame compared with the known IVs.
int32_t straight_candidates(const CandidateInputs& a) {
    const int32_t last = last_served_frame(a.last_frame, a.roaming);
    int32_t count = 0;
    for (int32_t s = 0; s < 60; ++s) {
        for (uint32_t d = 0x300; d <= 0x1000; ++d) {
            const uint32_t top = static_cast<uint32_t>(a.switch_on_month * a.switch_on_day + a.switch_on_minute + s) & 0xFFu;
            uint32_t mt[kStateWords];
            prepare_generator(mt, (top << 24) | (static_cast<uint32_t>(a.switch_on_hour) << 16) | d,
                              static_cast<uint32_t>(a.mac_offset));
            for (int32_t f = 0; f <= last; ++f) {
                const IvSet v = read_iv_set(mt, f, a.roaming);
                int32_t i = 0;
                while (i < kStatCount && v.iv[i] == bench::kNowhereIvs[i]) ++i;
                count += i == kStatCount;
            }
        }
    }
    return count;
}


// The whole seed search as the button runs it, writing result.txt into the
// benchmark's working folder.
int64_t timed_scan(benchmark::State& state, const SeedSearchInputs& in, double seeds) {
    int64_t lines = 0;
    for (auto _ : state) lines = run_seed_search(in);
    state.counters["seeds"] = seeds;
    state.counters["lines"] = static_cast<double>(lines);
    return lines;
}

// The default search (15,734,784 raw seeds) on the engine with one kernel
// (automatic: the widest there is), on one thread or on every core (0);
// registered per kernel in main.
void default_search_engine(benchmark::State& state, ScanKernel kernel, int32_t threads) {
    if (kernel != kKernelAutomatic && !scan_kernel_available(kernel)) {
        state.SkipWithError("this processor or system lacks the kernel");
        return;
    }
    timed_scan(state, default_search(0x600, 0x1000, 30, {kernel, threads}), bench::kDefaultSearchSeeds);
}

void register_default_search_engine() {
    const int32_t thread_counts[] = {0, 1};
    for (const bench::NamedKernel& k : bench::kKernels) {
        for (int32_t threads : thread_counts) {
            const std::string name = std::string("BM_DefaultSearch_Engine/") + k.name + (threads == 0 ? "/every_core" : "/1_thread");
            benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name.c_str(), default_search_engine, k.kernel, threads);
            best_of(b, threads == 0 ? 5 : 3);
        }
    }
}

// The straightforward search, one core, timed on 1/768 of the default search
// (hour 0, top bytes 0..7, all 2561 low values: 20,488 raw seeds); the
// counter full_search_s scales it to the whole 15,734,784 seeds.
void BM_DefaultSearch_Straight(benchmark::State& state) {
    const SeedSearchInputs in = default_search();
    auto out = std::make_unique<TextWriter>();
    for (auto _ : state) {
        open_text_writer(out.get(), result_path().c_str());
        straight_search_part(out.get(), in, 0, 0, 7);
        close_text_writer(out.get());
    }
    const double seeds = 2561.0 * 8.0;
    state.counters["seeds"] = seeds;
    // seconds per iteration times the 768 parts of the whole search
    state.counters["full_search_s"] = benchmark::Counter(
        seeds / bench::kDefaultSearchSeeds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DefaultSearch_Straight)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 5); });

// Every frame a hit (thresholds 0): 0x600..0x60F with frame limit 30 writes
// 3,047,424 lines (134 MB); the time is the engine's and the line formatting's.
void BM_EveryFrameAHit_Engine(benchmark::State& state) {
    SeedSearchInputs in = default_search(0x600, 0x60F, 30);
    for (int32_t& v : in.iv_minimums) v = 0;
    int64_t lines = 0;
    for (auto _ : state) lines = run_seed_search(in);
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_EveryFrameAHit_Engine)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });

// The widest hit search: ranges 1000 and 10, frame limit 616, every frame
// fits (1.2 million hits in each second offset), of which the first 100 are kept.
void BM_WidestHitSearch(benchmark::State& state) {
    HitSearchInputs in = read_hit_search_inputs({"8A0C05F0", "1000", "10", "616"}, {0x123456, false});
    size_t hits = 0;
    for (auto _ : state) hits = search_hits(in).size();
    state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK(BM_WidestHitSearch)->Unit(benchmark::kMillisecond)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });

// The same 3,047,424 lines written with one fprintf each (no search at all):
// the rate the engine's own line formatting has to beat.
void BM_EveryFrameAHit_FprintfPerLine(benchmark::State& state) {
    const int64_t lines = 16 * 6144 * 31;
    for (auto _ : state) {
        std::FILE* file = std::fopen(result_path().c_str(), "wb");
        for (int64_t n = 0; n < lines; ++n) {
            const uint32_t raw = static_cast<uint32_t>(n / 31);
            std::fprintf(file, "%08X,%d,%d,%d,%d,%d,%d,%d,%s,%d\r\n", static_cast<unsigned>(raw), static_cast<int>(n % 31),
                         static_cast<int>(raw & 31), 7, 19, 10, 30, 21, "name", 44);
        }
        std::fclose(file);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_EveryFrameAHit_FprintfPerLine)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });

// The widest search: low values 0..FFFF, frame limit 616, 402,653,184 raw
// seeds each twisted in full; run once.
void BM_WidestSearch_Engine(benchmark::State& state) {
    timed_scan(state, default_search(0, 0xFFFF, 616), 65536 * kSeedsPerLow);
}
BENCHMARK(BM_WidestSearch_Engine)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// 1/1024 of the widest search (low values 0..3F) on one thread: its CPU time
// times 1024 is the whole widest search's work for one core.
void BM_WidestSearch_EngineOneThreadPart(benchmark::State& state) {
    timed_scan(state, default_search(0, 0x3F, 616, {kKernelAutomatic, 1}), 64 * kSeedsPerLow);
}
BENCHMARK(BM_WidestSearch_EngineOneThreadPart)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });

// The candidate search over its whole window of 199,740 raw seeds.
void BM_CandidateSearch_Engine(benchmark::State& state) {
    const CandidateInputs in = default_candidates();
    for (auto _ : state) benchmark::DoNotOptimize(search_candidate_seeds(in));
    state.counters["seeds"] = bench::kCandidateSeeds;
}
BENCHMARK(BM_CandidateSearch_Engine)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 5); });

void BM_CandidateSearch_Straight(benchmark::State& state) {
    const CandidateInputs in = default_candidates();
    for (auto _ : state) benchmark::DoNotOptimize(straight_candidates(in));
    state.counters["seeds"] = bench::kCandidateSeeds;
}
BENCHMARK(BM_CandidateSearch_Straight)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });

// Keeps 1 frame in 20: the six IVs read as one base-32 number, modulo 20.
bool one_in_twenty(const IvSet& ivs, const void*) {
    uint32_t packed = 0;
    for (int32_t s = 0; s < kStatCount; ++s) packed = packed * 32 + static_cast<uint32_t>(ivs.iv[s]);
    return packed % 20 == 0;
}

// The candidate search's window of raw seeds (frame limit 20) with 16 allowed
// IVs per stat (1 frame in 64 passes) and an accept that keeps 1 in 20 of
// those, per kernel; registered in main.
void candidate_masks_engine(benchmark::State& state, ScanKernel kernel) {
    if (kernel != kKernelAutomatic && !scan_kernel_available(kernel)) {
        state.SkipWithError("this processor or system lacks the kernel");
        return;
    }
    const CandidateInputs a = default_candidates();
    ScanJob job{};
    job.block_count = 1;
    job.blocks[0] = {static_cast<uint32_t>(a.switch_on_month * a.switch_on_day + a.switch_on_minute),
                     static_cast<uint32_t>(a.switch_on_hour), 0x300};
    job.tops = 60;
    job.width = 0x1000 - 0x300 + 1;
    job.last_frame = a.last_frame;
    job.mac_offset = static_cast<uint32_t>(a.mac_offset);
    job.match_allowed = true;
    const uint32_t masks[kStatCount] = {0x0F0F0F0F, 0x33333333, 0x55555555, 0xFFFF0000, 0x0000FFFF, 0x3C3C3C3C};
    for (int32_t s = 0; s < kStatCount; ++s) job.allowed[s] = masks[s];
    job.accept = one_in_twenty;
    job.hit_bytes = sizeof(uint32_t);
    job.keep_hit = [](const ScanHit& hit, char* out) {
        std::memcpy(out, &hit.raw_seed, sizeof hit.raw_seed);
        return sizeof hit.raw_seed;
    };
    job.take = [](void* hits, int32_t, const char*, size_t, int64_t n) {
        *static_cast<int64_t*>(hits) += n;
        return true;
    };
    int64_t hits = 0;
    job.context = &hits;
    job.kernel = kernel;
    for (auto _ : state) {
        hits = 0;
        run_scan(job);
    }
    state.counters["seeds"] = bench::kCandidateSeeds;
    state.counters["hits"] = static_cast<double>(hits);
}

void register_candidate_masks_engine() {
    for (const bench::NamedKernel& k : bench::kKernels) {
        const std::string name = std::string("BM_CandidateSearch_EngineMasks/") + k.name;
        best_of(benchmark::RegisterBenchmark(name.c_str(), candidate_masks_engine, k.kernel), 5);
    }
}

// The window's fields as it starts (minimum IVs 0: every frame a hit) write
// 487,778,305 lines, 17.5 GiB: the search as far as the folder's disk takes
// the lines, with the lines per second and bytes per second of the whole run.
// The size guard is lifted (the player would have said yes).
void hit_heavy_search(benchmark::State& state, std::filesystem::path folder, int32_t low_max, bool once) {
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    SeedSearchInputs in = default_search(0x600, low_max, 30);
    for (int32_t& v : in.iv_minimums) v = 0;
    in.guard_bytes = ~uint64_t{0};
    int64_t lines = 0;
    for (auto _ : state) lines = run_seed_search(in);
    const double bytes = static_cast<double>(std::filesystem::file_size("result.txt"));
    std::filesystem::remove("result.txt");
    std::filesystem::current_path(here);
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["bytes"] = bytes;
    // per second of the run; a repeated run's "min" row would hold the lowest rate
    if (once) {
        state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
        state.counters["bytes_per_s"] = benchmark::Counter(bytes, benchmark::Counter::kIsRate);
    }
}

// Registered only when KIVREL_BENCH_HIT_HEAVY names a folder on the disk to
// measure (it takes that much room and a minute or more): the whole search
// there, and for comparison its first 160 low values (30,474,240 lines,
// 1.1 GiB) in /dev/shm, where no disk holds the lines up and the rate is the
// formatting's.
void register_hit_heavy_search() {
    const char* folder = std::getenv("KIVREL_BENCH_HIT_HEAVY");
    if (folder == nullptr || *folder == '\0') return;
    benchmark::RegisterBenchmark("BM_HitHeavySearch_Engine/disk", hit_heavy_search, std::filesystem::path(folder), 0x1000, true)
        ->Unit(benchmark::kSecond)
        ->UseRealTime()
        ->Iterations(1);
    if (std::filesystem::is_directory("/dev/shm")) {
        benchmark::RegisterBenchmark("BM_HitHeavySearch_Engine/memory_part", hit_heavy_search,
                                     std::filesystem::path("/dev/shm"), 0x69F, false)
            ->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });
    }
}

}  // namespace

int main(int argc, char** argv) {
    // run_seed_search writes result.txt into the working folder
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kivrel-bench";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    register_default_search_engine();
    register_candidate_masks_engine();
    register_hit_heavy_search();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(dir);
    return 0;
}
