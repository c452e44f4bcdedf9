// The seed scan engine behind the seed search and the candidate search, with
// every kernel forced and on one thread or several: result.txt, the hour
// titles and the candidate list are exactly the reference model's.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/seed_scan.h"
#include "tests/native/reference.h"
#include "tests/native/search_case.h"
#include "tests/native/temp_dir.h"
#include "tools/candidates.h"
#include "tools/seed_search.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the reference model is slow there
#else
constexpr bool kSanitized = false;
#endif

struct EngineMode {
    const char* name;
    ScanKernel kernel;
    int32_t threads;
};

const EngineMode kModes[] = {
    {"Automatic_EveryCore", kKernelAutomatic, 0},
    {"Avx512_OneThread", kKernelAvx512, 1},
    {"Avx512_ThreeThreads", kKernelAvx512, 3},
    {"Avx2_OneThread", kKernelAvx2, 1},
    {"Sse2_ThreeThreads", kKernelSse2, 3},
    {"Sse2_OneThread", kKernelSse2, 1},
};

// Test names and CTest entries show the mode by its name.
void PrintTo(const EngineMode& m, std::ostream* out) { *out << m.name; }

// One test per engine mode; a kernel this processor lacks is skipped, and
// reported as skipped, never as passed.
class SeedScan : public TempDirTest, public ::testing::WithParamInterface<EngineMode> {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        const EngineMode& m = GetParam();
        if (m.kernel != kKernelAutomatic && !scan_kernel_available(m.kernel))
            GTEST_SKIP() << m.name << ": this processor or system lacks the kernel";
        g_scan_settings.kernel = m.kernel;
        g_scan_settings.threads = m.threads;
    }
};


std::vector<SearchCase> search_cases() {
    std::vector<SearchCase> cases = {
        {"single low value, frame 0 only, every frame a hit", 0x600, 0x600, 0, false, 0, {{0, 0, 0, 0, 0, 0}, -1, 30}},
        {"nothing asked: every frame of three", 0x600, 0x600, 2, false, 0, {{0, 0, 0, 0, 0, 0}, -1, 30}},
        {"minimum above maximum: no line, 24 hours", 0x1000, 0x600, 30, false, 0, {{0, 0, 0, 0, 0, 0}, -1, 30}},
        {"frame limit 1, roaming, every frame a hit", 0xFFFE, 0xFFFF, 1, true, 0x123456, {{0, 0, 0, 0, 0, 0}, -1, 30}},
        {"frame 0 of FFFF, roaming, MacOffset FFFFFF", 0xFFFF, 0xFFFF, 0, true, 0xFFFFFF, {{0, 0, 0, 0, 0, 0}, -1, 30}},
        {"frame limit 30, defaults of the window", 0x600, 0x603, 30, false, 0, {{31, 31, 31, 0, 31, 31}, -1, 30}},
        {"frame limit 30, loose thresholds and power 60", 0x20, 0x21, 30, false, 0x00A0B0, {{20, 0, 20, 0, 20, 0}, -1, 60}},
        {"frame limit 616 reads output 623", 0x0, 0x1, 616, false, 0x5, {{28, 28, 0, 28, 0, 26}, -1, 30}},
        {"roaming frame limit 616 ends at 615", 0x7F, 0x80, 616, true, 0x3, {{28, 0, 28, 26, 28, 0}, -1, 30}},
        {"roaming frame limit 615", 0x7F, 0x7F, 615, true, 0, {{0, 27, 27, 27, 0, 27}, -1, 30}},
        {"roaming at 616 with power 70", 0x300, 0x300, 616, true, 0x1B2C, {{20, 20, 20, 20, 20, 20}, -1, 70}},
        {"normal at 616 with power 70", 0x300, 0x300, 616, false, 0x1B2C, {{20, 20, 20, 20, 20, 20}, -1, 70}},
        {"MacOffset 0xFFFFFF wraps the seeds of top byte 0xFF", 0xFFF0, 0xFFFF, 40, false, 0xFFFFFF,
         {{20, 20, 20, 20, 20, 20}, -1, 30}},
        {"type filter dark with power 70", 0x100, 0x101, 60, false, 0x1, {{0, 0, 0, 0, 0, 0}, 15, 70}},
        {"type filter drops frames whose IVs pass", 0x1000, 0x1001, 30, false, 0x123456, {{10, 10, 10, 10, 10, 10}, 15, 30}},
        {"type filter fighting", 0x900, 0x900, 20, true, 0, {{10, 10, 10, 10, 10, 10}, 0, 30}},
        {"type filter dragon, power 55", 0x900, 0x901, 50, false, 0x77, {{0, 12, 0, 12, 0, 12}, 14, 55}},
        {"power 70 only, thresholds 0", 0x3, 0x3, 12, true, 0, {{0, 0, 0, 0, 0, 0}, -1, 70}},
        {"thresholds beyond 0..31 as the stored values say", 0x10, 0x10, 5, false, 0, {{-5, 0, 0, 40, 0, 0}, -1, 30}},
        {"negative thresholds pass everything", 0x10, 0x10, 2, false, 0, {{-100, -1, 0, 0, -7, 0}, -1, 31}},
        {"type filter that no type has", 0x10, 0x10, 5, false, 0, {{0, 0, 0, 0, 0, 0}, 16, 30}},
        {"frame limit 227 crosses the renewed words", 0x40, 0x40, 227, false, 0, {{25, 25, 25, 25, 25, 0}, -1, 30}},
        {"a negative frame limit tests no frame", 0x40, 0x41, -3, false, 0, {{0, 0, 0, 0, 0, 0}, -1, 30}},
        {"low values past 16 bits are ORed in as stored", 0x1FFFE, 0x1FFFF, 3, false, 0, {{0, 0, 0, 0, 0, 0}, -1, 30}},
    };
    // Random searches with a fixed seed: the same cases on every run.
    std::mt19937 random(20240601u);
    auto pick = [&](int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(random); };
    const int32_t limits[] = {0, 1, 2, 29, 30, 31, 100, 220, 226, 227, 228, 400, 612, 615, 616};
    const int count = kSanitized ? 4 : 24;
    for (int n = 0; n < count; ++n) {
        SearchCase k{};
        k.last_frame = pick(0, 3) == 0 ? pick(0, 616) : limits[pick(0, 14)];
        k.roaming = pick(0, 1) == 1;
        k.low_min = pick(0, 0xFFFF);
        k.low_max = pick(0, 7) == 0 ? k.low_min - 1 : k.low_min + pick(0, kSanitized ? 0 : 2);
        if (k.low_max > 0xFFFF) k.low_max = 0xFFFF;
        const int32_t macs[] = {0, 1, 0xFFFFFF, pick(0, 0xFFFFFF)};
        k.mac = macs[pick(0, 3)];
        int strict = 0;
        for (int& v : k.c.min_iv) {
            v = pick(0, 9) < 3 ? 0 : pick(16, 31);
            strict += v >= 20;
        }
        // keep the files of long walks small: a few strict stats each
        if (k.last_frame > 64 && strict < 3) k.c.min_iv[0] = k.c.min_iv[2] = k.c.min_iv[4] = 24;
        k.c.type_filter = pick(0, 2) == 0 ? pick(0, 15) : -1;
        const int32_t powers[] = {30, 30, 40, 50, 59, 60, 70};
        k.c.min_power = powers[pick(0, 6)];
        char what[64];
        std::snprintf(what, sizeof what, "random case %d", n);
        k.what = what;
        cases.push_back(k);
    }
    return cases;
}


// The reference model's result of every case, made once for all engine modes.
const std::vector<reference::SearchResult>& reference_searches() {
    static const std::vector<reference::SearchResult> results = [] {
        std::vector<reference::SearchResult> r;
        for (const SearchCase& k : search_cases())
            r.push_back(reference::seed_search(k.low_min, k.low_max, k.last_frame, k.roaming, static_cast<uint32_t>(k.mac), k.c));
        return r;
    }();
    return results;
}

TEST_P(SeedScan, SearchWritesTheReferenceFileAndTitles) {
    const std::vector<SearchCase> cases = search_cases();
    const std::vector<reference::SearchResult>& wanted = reference_searches();
    size_t total_lines = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        const SearchCase& k = cases[i];
        const reference::SearchResult& want = wanted[i];
        total_lines += count_lines(want.file);
        platform_log().clear();
        const int64_t lines = run_seed_search(inputs_of(k));
        const std::string got = file_bytes("result.txt");
        EXPECT_EQ(lines + 1, static_cast<int64_t>(count_lines(want.file))) << k.what;
        EXPECT_TRUE(got == want.file) << k.what << ": " << got.size() << " bytes, " << want.file.size() << " wanted";
        EXPECT_EQ(platform_log().titles, want.titles) << k.what;
        EXPECT_EQ(platform_log().opened, std::vector<std::string>{"result.txt"}) << k.what;
    }
    // the table must reach hits, not only agree on empty files
    EXPECT_GT(total_lines, 10000u);
}

struct CandidateCase {
    std::string what;
    int32_t month, day, hour, minute, last_frame;
    bool roaming;
    int32_t mac;
    uint32_t source_raw;  // the known IVs are those of this raw seed at source_frame
    int32_t source_frame;
};

std::vector<CandidateCase> candidate_cases() {
    std::vector<CandidateCase> cases = {
        {"one seed matching at frames 8 and 316", 4, 5, 7, 6, 616, false, 0, 0x20070463u, 8},
        {"12/31 59 min, second 0", 12, 31, 10, 59, 0, false, 0, 0xAF0A0300u, 0},
        {"the same seed, roaming, limit 9999", 4, 5, 7, 6, 9999, true, 0, 0x20070463u, 7},
        {"hour 24, MacOffset 0xFFFFFF wraps", 6, 15, 24, 30, 40, true, 0xFFFFFF, 0x9C180A00u, 40},
        {"last roaming frame", 1, 1, 0, 0, 615, true, 0x12, 0x3C000FFFu, 615},
        {"no match below the known frame", 1, 1, 0, 0, 2, false, 0, 0x01000555u, 3},
    };
    if (kSanitized) cases.resize(1);
    return cases;
}

reference::Frame known_ivs(const CandidateCase& k) {
    return reference::frame_ivs(reference::output_ivs(k.source_raw, static_cast<uint32_t>(k.mac)), k.source_frame,
                                k.roaming);
}

// The reference model's candidate list of every case, made once for all engine modes.
const std::vector<std::vector<uint32_t>>& reference_candidates() {
    static const std::vector<std::vector<uint32_t>> results = [] {
        std::vector<std::vector<uint32_t>> r;
        for (const CandidateCase& k : candidate_cases())
            r.push_back(reference::candidates(k.month, k.day, k.hour, k.minute, k.last_frame, k.roaming,
                                              static_cast<uint32_t>(k.mac), known_ivs(k).iv));
        return r;
    }();
    return results;
}

TEST_P(SeedScan, CandidatesAreTheReferenceList) {
    const std::vector<CandidateCase> cases = candidate_cases();
    const std::vector<std::vector<uint32_t>>& wanted = reference_candidates();
    size_t found_total = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        const CandidateCase& k = cases[i];
        CandidateInputs in{k.month, k.day, k.hour, k.minute, {}, k.last_frame, k.mac, k.roaming, g_scan_settings};
        const reference::Frame known = known_ivs(k);
        for (int s = 0; s < kStatCount; ++s) in.match.allowed[s] = uint32_t{1} << known.iv[s];
        found_total += wanted[i].size();
        const CandidateList list = search_candidate_seeds(in);
        EXPECT_EQ(std::vector<uint32_t>(list.seeds, list.seeds + list.count), wanted[i]) << k.what;
    }
    EXPECT_GT(found_total, 0u);
}

INSTANTIATE_TEST_SUITE_P(Modes, SeedScan, ::testing::ValuesIn(kModes),
                         [](const ::testing::TestParamInfo<EngineMode>& info) { return std::string(info.param.name); });

// What a scan kept and took, in the order take saw it.
struct Taken {
    std::string bytes;
    int64_t hits = 0;
};

size_t keep_seed_and_frame(const ScanHit& hit, char* out) {
    std::memcpy(out, &hit.raw_seed, sizeof hit.raw_seed);
    std::memcpy(out + sizeof hit.raw_seed, &hit.frame, sizeof hit.frame);
    return sizeof hit.raw_seed + sizeof hit.frame;
}

bool take_all(void* context, int32_t, const char* kept, size_t size, int64_t hits) {
    auto* taken = static_cast<Taken*>(context);
    taken->bytes.append(kept, size);
    taken->hits += hits;
    return true;
}

// Accepts the frames whose H + A has the parity the context points to.
bool h_plus_a_parity(const IvSet& ivs, const void* context) {
    return (ivs.iv[kH] + ivs.iv[kA]) % 2 == *static_cast<const int32_t*>(context);
}

// Allowed-IV masks (one bit, several, all 32, none) and the accept hook on
// random jobs, against a straightforward loop over the same raw seeds; the
// first job's second block wraps its low values past FFFF and its top byte
// past FF.
TEST_P(SeedScan, AllowedMasksAndAcceptKeepWhatAStraightLoopKeeps) {
    std::mt19937 mt(20240917u);
    auto random = [&] { return static_cast<uint32_t>(mt()); };
    const int32_t even = 0;
    int64_t kept_total = 0;
    for (int n = 0; n < (kSanitized ? 3 : 10); ++n) {
        ScanJob job{};
        job.block_count = 2;
        for (int32_t b = 0; b < job.block_count; ++b) job.blocks[b] = {random() % 256u, random() % 24u, random() % 0x10000u};
        if (n == 0) job.blocks[1] = {0xFE, 6, 0xFFF0};
        job.tops = 3;
        job.width = 24 + random() % 40;
        job.last_frame = n == 0 ? 616 : static_cast<int32_t>(random() % 640);
        job.roaming = random() % 2 == 1;
        job.mac_offset = random() % 0x1000000u;
        job.match_allowed = true;
        for (uint32_t& m : job.allowed) {
            const uint32_t kind = random() % 7;
            m = kind < 2 ? ~0u : kind < 4 ? random() | random() : kind < 6 ? random() & random() : 1u << random() % 32;
        }
        if (n == 1) job.allowed[kD] = 0;
        if (n % 2 == 0) job.accept = h_plus_a_parity;
        job.accept_context = &even;
        std::string want;
        for (int32_t b = 0; b < job.block_count; ++b) {
            for (uint64_t i = 0; i < job.tops * job.width; ++i) {
                const ScanBlock& k = job.blocks[b];
                const uint32_t raw = ((k.top_base + static_cast<uint32_t>(i / job.width)) & 0xFFu) << 24 | k.hour << 16 |
                                     ((k.low + static_cast<uint32_t>(i % job.width)) & 0xFFFFu);
                const std::vector<int> o = reference::output_ivs(raw, job.mac_offset);
                for (int32_t f = 0; f <= job.last_frame && f <= reference::last_frame(job.roaming); ++f) {
                    IvSet v;
                    std::memcpy(v.iv, reference::frame_ivs(o, f, job.roaming).iv, sizeof v.iv);
                    bool pass = true;
                    for (int32_t s = 0; s < kStatCount; ++s) pass = pass && (job.allowed[s] >> v.iv[s] & 1u) != 0;
                    if (!pass || (job.accept != nullptr && !job.accept(v, &even))) continue;
                    want.append(reinterpret_cast<const char*>(&raw), sizeof raw);
                    want.append(reinterpret_cast<const char*>(&f), sizeof f);
                }
            }
        }
        job.hit_bytes = sizeof(uint32_t) + sizeof(int32_t);
        job.keep_hit = keep_seed_and_frame;
        job.take = take_all;
        Taken taken;
        job.context = &taken;
        job.kernel = GetParam().kernel;
        job.threads = GetParam().threads;
        run_scan(job);
        EXPECT_TRUE(taken.bytes == want) << "job " << n << ": " << taken.hits << " hits, " << want.size() / 8 << " wanted";
        EXPECT_EQ(taken.hits, static_cast<int64_t>(want.size() / 8)) << "job " << n;
        kept_total += taken.hits;
    }
    EXPECT_GT(kept_total, 1000);
}

// One hour of a few low values, frames 0..200, loose thresholds: hits in
// many chunks.
Taken scan_on(int32_t threads) {
    ScanJob job{};
    job.block_count = 1;
    job.blocks[0] = {0, 5, 0x700};
    job.tops = 256;
    job.width = 64;
    job.last_frame = 200;
    job.mac_offset = 0x123456;
    for (int32_t& v : job.ivs) v = 24;
    job.min_power = 30;
    job.type_filter = -1;
    job.hit_bytes = sizeof(uint32_t) + sizeof(int32_t);
    job.keep_hit = keep_seed_and_frame;
    job.take = take_all;
    Taken taken;
    job.context = &taken;
    job.threads = threads;
    run_scan(job);
    return taken;
}

// Two scans at once, as a candidate search during a seed search could be:
// one borrows the helper threads, the other runs alone, and both take what
// one scan at a time takes.
TEST(SeedScanThreads, ScansAtTheSameTimeTakeWhatOneAtATimeTakes) {
    const Taken alone = scan_on(3);
    ASSERT_GT(alone.hits, 100);
    EXPECT_EQ(scan_on(1).bytes, alone.bytes);
    for (int round = 0; round < 3; ++round) {
        Taken first, second;
        std::thread other([&] { second = scan_on(3); });
        first = scan_on(3);
        other.join();
        EXPECT_TRUE(first.bytes == alone.bytes) << "round " << round;
        EXPECT_TRUE(second.bytes == alone.bytes) << "round " << round;
        EXPECT_EQ(first.hits, alone.hits);
        EXPECT_EQ(second.hits, alone.hits);
    }
}

#if defined(__x86_64__) || defined(__i386__)
// The engine's own reading of CPUID and the saved register states agrees
// with the compiler's run-time check, which since GCC 11 reads both too.
TEST(SeedScanThreads, KernelsAvailableAsTheCompilerRuntimeSays) {
    __builtin_cpu_init();
    EXPECT_EQ(scan_kernel_available(kKernelAvx2), __builtin_cpu_supports("avx2") != 0);
    EXPECT_EQ(scan_kernel_available(kKernelAvx512), __builtin_cpu_supports("avx512f") != 0);
    EXPECT_TRUE(scan_kernel_available(kKernelSse2));
}
#endif

}  // namespace
