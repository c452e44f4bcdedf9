// Speed of the seed search and the candidate search: the engine on every core
// against the straightforward single-core searches, measured in the same run.
// Each benchmark is repeated; the "min" rows hold the best run of each column
// (the machine may be shared). Rates follow from the times and the seed or
// line counts given here.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/text_file.h"
#include "tests/native/straight_search.h"
#include "tools/seed_scan.h"

namespace {

// Raw seeds of one seed search per low value: 24 hours x 256 top bytes.
constexpr double kSeedsPerLow = 24.0 * 256.0;

double best(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// Milliseconds of real time, repeated, with the best run as the "min" row.
void best_of(benchmark::internal::Benchmark* b, int repetitions) {
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(repetitions)->ComputeStatistics("min", best);
}

std::string result_path() { return (std::filesystem::temp_directory_path() / "kivrel-bench-result.txt").string(); }

void no_title(int32_t, int64_t) {}


// The search fields as the window starts: low 600..1000 (hex), frame limit
// 30, minimum IVs 31,31,31,0,31,31, no Hidden Power type, minimum power 30.
void set_default_search(int32_t low_min = 0x600, int32_t low_max = 0x1000, int32_t frame_limit = 30) {
    const int32_t iv[6] = {31, 31, 31, 0, 31, 31};
    for (int i = 0; i < 6; ++i) g_app.iv_thresholds[i] = iv[i];
    g_app.low_min = low_min;
    g_app.low_max = low_max;
    g_app.frame_limit = frame_limit;
    g_app.hp_type_filter = -1;
    g_app.hp_min_power = 30;
    g_app.mac_offset = 0x123456;
    g_app.roaming = false;
}

// The candidate fields as the window starts (frame limit 20) with known IVs
// that match nowhere, so the whole window of 199,740 raw seeds is searched.
void set_default_candidates() {
    const int32_t iv[6] = {31, 30, 29, 28, 27, 26};
    for (int i = 0; i < 6; ++i) g_app.iv_thresholds[i] = iv[i];
    g_app.switch_on_month = 6;
    g_app.switch_on_day = 15;
    g_app.switch_on_hour = 12;
    g_app.switch_on_minute = 30;
    g_app.frame_limit = 20;
    g_app.mac_offset = 0x123456;
    g_app.roaming = false;
}

int64_t timed_scan(benchmark::State& state, double seeds) {
    auto out = std::make_unique<TextWriter>();
    int64_t lines = 0;
    for (auto _ : state) {
        open_text_writer(out.get(), result_path().c_str());
        lines = scan_seed_search(out.get(), no_title);
        close_text_writer(out.get());
    }
    state.counters["seeds"] = seeds;
    state.counters["lines"] = static_cast<double>(lines);
    return lines;
}

// The default search (15,734,784 raw seeds) on the engine, every core.
void BM_DefaultSearch_Engine(benchmark::State& state) {
    set_default_search();
    seed_scan_set_threads(0);
    seed_scan_force_portable(state.range(0) != 0);
    timed_scan(state, 2561 * kSeedsPerLow);
    seed_scan_force_portable(false);
}
BENCHMARK(BM_DefaultSearch_Engine)
    ->ArgName("portable")
    ->Arg(0)
    ->Arg(1)
    ->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 5); });

// The same search on the engine with one thread: the kernel's own speed-up.
void BM_DefaultSearch_EngineOneThread(benchmark::State& state) {
    set_default_search();
    seed_scan_set_threads(1);
    timed_scan(state, 2561 * kSeedsPerLow);
    seed_scan_set_threads(0);
}
BENCHMARK(BM_DefaultSearch_EngineOneThread)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });

// The straightforward search, one core, timed on 1/768 of the default search
// (hour 0, top bytes 0..7, all 2561 low values: 20,488 raw seeds); the
// counter full_search_s scales it to the whole 15,734,784 seeds.
void BM_DefaultSearch_Straight(benchmark::State& state) {
    set_default_search();
    auto out = std::make_unique<TextWriter>();
    for (auto _ : state) {
        open_text_writer(out.get(), result_path().c_str());
        straight_seed_search_part(out.get(), 0, 0, 7);
        close_text_writer(out.get());
    }
    const double seeds = 2561.0 * 8.0;
    state.counters["seeds"] = seeds;
    // seconds per iteration times the 768 parts of the whole search
    state.counters["full_search_s"] = benchmark::Counter(
        seeds / (2561 * kSeedsPerLow), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DefaultSearch_Straight)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 5); });

// Every frame a hit (thresholds 0): 0x600..0x60F with frame limit 30 writes
// 3,047,424 lines (134 MB); the time is the engine's and the line formatting's.
void BM_EveryFrameAHit_Engine(benchmark::State& state) {
    set_default_search(0x600, 0x60F, 30);
    for (int32_t& v : g_app.iv_thresholds) v = 0;
    auto out = std::make_unique<TextWriter>();
    int64_t lines = 0;
    for (auto _ : state) {
        open_text_writer(out.get(), result_path().c_str());
        lines = scan_seed_search(out.get(), no_title);
        close_text_writer(out.get());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_EveryFrameAHit_Engine)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });

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
    set_default_search(0, 0xFFFF, 616);
    timed_scan(state, 65536 * kSeedsPerLow);
}
BENCHMARK(BM_WidestSearch_Engine)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// 1/1024 of the widest search (low values 0..3F) on one thread: its CPU time
// times 1024 is the whole widest search's work for one core.
void BM_WidestSearch_EngineOneThreadPart(benchmark::State& state) {
    set_default_search(0, 0x3F, 616);
    seed_scan_set_threads(1);
    timed_scan(state, 64 * kSeedsPerLow);
    seed_scan_set_threads(0);
}
BENCHMARK(BM_WidestSearch_EngineOneThreadPart)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });

// The candidate search over its whole window of 199,740 raw seeds.
void BM_CandidateSearch_Engine(benchmark::State& state) {
    set_default_candidates();
    uint32_t seeds[kMaxCandidates];
    for (auto _ : state) benchmark::DoNotOptimize(scan_candidate_seeds(seeds, kMaxCandidates));
    state.counters["seeds"] = 199740;
}
BENCHMARK(BM_CandidateSearch_Engine)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 5); });

void BM_CandidateSearch_Straight(benchmark::State& state) {
    set_default_candidates();
    uint32_t seeds[kMaxCandidates];
    for (auto _ : state) benchmark::DoNotOptimize(straight_candidate_seeds(seeds, kMaxCandidates));
    state.counters["seeds"] = 199740;
}
BENCHMARK(BM_CandidateSearch_Straight)->Apply([](benchmark::internal::Benchmark* b) { best_of(b, 3); });

}  // namespace

BENCHMARK_MAIN();
