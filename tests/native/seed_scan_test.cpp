// The fast seed scan against the straightforward searches: the same bytes,
// the same hour progress and the same candidates, with the AVX2 kernel and
// with the portable one forced, on one thread and on several.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "app/text_file.h"
#include "rng/frame.h"
#include "rng/mt.h"
#include "tests/native/platform_recorder.h"
#include "tests/native/straight_search.h"
#include "tools/seed_scan.h"
#include "tools/seed_search.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the straightforward searches are slow there
#else
constexpr bool kSanitized = false;
#endif

struct EngineMode {
    const char* name;
    bool portable;
    int32_t threads;
};

const EngineMode kModes[] = {
    {"best kernel, every core", false, 0},
    {"best kernel, one thread", false, 1},
    {"portable kernel, three threads", true, 3},
    {"portable kernel, one thread", true, 1},
};

// The g_app members the searches read, kept aside while a test changes them.
struct SavedInputs {
    int32_t iv[6], low_min, low_max, frame_limit, type_filter, min_power, mac, month, day, hour, minute;
    bool roaming;
};

SavedInputs save_inputs() {
    const AppState& a = g_app;
    SavedInputs s{};
    for (int i = 0; i < 6; ++i) s.iv[i] = a.iv_thresholds[i];
    s.low_min = a.low_min, s.low_max = a.low_max, s.frame_limit = a.frame_limit;
    s.type_filter = a.hp_type_filter, s.min_power = a.hp_min_power, s.mac = a.mac_offset;
    s.month = a.switch_on_month, s.day = a.switch_on_day, s.hour = a.switch_on_hour, s.minute = a.switch_on_minute;
    s.roaming = a.roaming;
    return s;
}

void put_back(const SavedInputs& s) {
    AppState& a = g_app;
    for (int i = 0; i < 6; ++i) a.iv_thresholds[i] = s.iv[i];
    a.low_min = s.low_min, a.low_max = s.low_max, a.frame_limit = s.frame_limit;
    a.hp_type_filter = s.type_filter, a.hp_min_power = s.min_power, a.mac_offset = s.mac;
    a.switch_on_month = s.month, a.switch_on_day = s.day, a.switch_on_hour = s.hour, a.switch_on_minute = s.minute;
    a.roaming = s.roaming;
}

// Every test here rewrites the search inputs; each leaves them, and the
// engine's settings, as it found them.
class SeedScan : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = save_inputs();
        dir_ = std::filesystem::temp_directory_path() /
               ("kivrel-seed-scan-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        seed_scan_force_portable(false);
        seed_scan_set_threads(0);
        put_back(saved_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    std::filesystem::path dir_;

private:
    SavedInputs saved_{};
};

std::vector<std::pair<int32_t, int64_t>>& hour_calls() {
    static std::vector<std::pair<int32_t, int64_t>> calls;
    return calls;
}

void record_hour(int32_t hour, int64_t lines) { hour_calls().emplace_back(hour, lines); }

struct SearchOutput {
    std::string bytes;
    std::vector<std::pair<int32_t, int64_t>> hours;
    int64_t lines = -1;
};

using SearchFunction = int64_t (*)(TextWriter*, HourStarted);

SearchOutput run_search(SearchFunction search, const std::filesystem::path& file) {
    hour_calls().clear();
    auto writer = std::make_unique<TextWriter>();
    SearchOutput out;
    if (!open_text_writer(writer.get(), file.string().c_str())) return out;
    out.lines = search(writer.get(), record_hour);
    EXPECT_TRUE(close_text_writer(writer.get()));
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    out.bytes = s.str();
    out.hours = hour_calls();
    return out;
}

size_t count_lines(const std::string& bytes) {
    size_t n = 0;
    for (char c : bytes) n += c == '\n';
    return n;
}

struct SearchCase {
    std::string what;
    int32_t low_min, low_max, frame_limit;
    bool roaming;
    int32_t mac;
    int32_t iv[6];
    int32_t type_filter, min_power;
};

void apply(const SearchCase& k) {
    g_app.low_min = k.low_min;
    g_app.low_max = k.low_max;
    g_app.frame_limit = k.frame_limit;
    g_app.roaming = k.roaming;
    g_app.mac_offset = k.mac;
    for (int i = 0; i < 6; ++i) g_app.iv_thresholds[i] = k.iv[i];
    g_app.hp_type_filter = k.type_filter;
    g_app.hp_min_power = k.min_power;
}

std::vector<SearchCase> search_cases() {
    std::vector<SearchCase> cases = {
        {"single low value, frame 0 only, every frame a hit", 0x600, 0x600, 0, false, 0, {0, 0, 0, 0, 0, 0}, -1, 30},
        {"minimum above maximum: no line, 24 hours", 0x1000, 0x600, 30, false, 0, {0, 0, 0, 0, 0, 0}, -1, 30},
        {"frame limit 1, roaming, every frame a hit", 0xFFFE, 0xFFFF, 1, true, 0x123456, {0, 0, 0, 0, 0, 0}, -1, 30},
        {"frame limit 30, defaults of the window", 0x600, 0x603, 30, false, 0, {31, 31, 31, 0, 31, 31}, -1, 30},
        {"frame limit 30, loose thresholds and power 60", 0x20, 0x21, 30, false, 0x00A0B0, {20, 0, 20, 0, 20, 0}, -1, 60},
        {"frame limit 616 reads output 623", 0x0, 0x1, 616, false, 0x5, {28, 28, 0, 28, 0, 26}, -1, 30},
        {"roaming frame limit 616 ends at 615", 0x7F, 0x80, 616, true, 0x3, {28, 0, 28, 26, 28, 0}, -1, 30},
        {"roaming frame limit 615", 0x7F, 0x7F, 615, true, 0, {0, 27, 27, 27, 0, 27}, -1, 30},
        {"MacOffset 0xFFFFFF wraps the seeds of top byte 0xFF", 0xFFF0, 0xFFFF, 40, false, 0xFFFFFF,
         {20, 20, 20, 20, 20, 20}, -1, 30},
        {"type filter dark with power 70", 0x100, 0x101, 60, false, 0x1, {0, 0, 0, 0, 0, 0}, 15, 70},
        {"type filter fighting", 0x900, 0x900, 20, true, 0, {10, 10, 10, 10, 10, 10}, 0, 30},
        {"type filter dragon, power 55", 0x900, 0x901, 50, false, 0x77, {0, 12, 0, 12, 0, 12}, 14, 55},
        {"power 70 only, thresholds 0", 0x3, 0x3, 12, true, 0, {0, 0, 0, 0, 0, 0}, -1, 70},
        {"thresholds beyond 0..31 as the stored values say", 0x10, 0x10, 5, false, 0, {-5, 0, 0, 40, 0, 0}, -1, 30},
        {"negative thresholds pass everything", 0x10, 0x10, 2, false, 0, {-100, -1, 0, 0, -7, 0}, -1, 31},
        {"type filter that no type has", 0x10, 0x10, 5, false, 0, {0, 0, 0, 0, 0, 0}, 16, 30},
        {"frame limit 226..228 crosses the renewed words", 0x40, 0x40, 227, false, 0, {25, 25, 25, 25, 25, 0}, -1, 30},
        {"a negative frame limit tests no frame", 0x40, 0x41, -3, false, 0, {0, 0, 0, 0, 0, 0}, -1, 30},
        {"low values past 16 bits are ORed in as stored", 0x1FFFE, 0x1FFFF, 3, false, 0, {0, 0, 0, 0, 0, 0}, -1, 30},
    };
    // Random searches with a fixed seed: the same cases on every run.
    std::mt19937 random(20240601u);
    auto pick = [&](int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(random); };
    const int32_t limits[] = {0, 1, 2, 29, 30, 31, 100, 220, 226, 227, 228, 400, 612, 615, 616};
    const int count = kSanitized ? 4 : 24;
    for (int n = 0; n < count; ++n) {
        SearchCase k{};
        k.frame_limit = pick(0, 3) == 0 ? pick(0, 616) : limits[pick(0, 14)];
        k.roaming = pick(0, 1) == 1;
        k.low_min = pick(0, 0xFFFF);
        k.low_max = pick(0, 7) == 0 ? k.low_min - 1 : k.low_min + pick(0, kSanitized ? 0 : 2);
        if (k.low_max > 0xFFFF) k.low_max = 0xFFFF;
        const int32_t macs[] = {0, 1, 0xFFFFFF, pick(0, 0xFFFFFF)};
        k.mac = macs[pick(0, 3)];
        int strict = 0;
        for (int32_t& v : k.iv) {
            v = pick(0, 9) < 3 ? 0 : pick(16, 31);
            strict += v >= 20;
        }
        // keep the files of long walks small: a few strict stats each
        if (k.frame_limit > 64 && strict < 3) k.iv[0] = k.iv[2] = k.iv[4] = 24;
        k.type_filter = pick(0, 2) == 0 ? pick(0, 15) : -1;
        const int32_t powers[] = {30, 30, 40, 50, 59, 60, 70};
        k.min_power = powers[pick(0, 6)];
        char what[64];
        std::snprintf(what, sizeof what, "random case %d", n);
        k.what = what;
        cases.push_back(k);
    }
    return cases;
}

TEST_F(SeedScan, SearchWritesTheStraightforwardBytesAndHours) {
    size_t total_lines = 0;
    for (const SearchCase& k : search_cases()) {
        apply(k);
        const SearchOutput want = run_search(straight_seed_search, dir_ / "straight.txt");
        ASSERT_EQ(want.hours.size(), 24u) << k.what;
        total_lines += count_lines(want.bytes);
        for (const EngineMode& m : kModes) {
            seed_scan_force_portable(m.portable);
            seed_scan_set_threads(m.threads);
            const SearchOutput got = run_search(scan_seed_search, dir_ / "scan.txt");
            EXPECT_EQ(got.lines, want.lines) << k.what << " / " << m.name;
            EXPECT_TRUE(got.bytes == want.bytes) << k.what << " / " << m.name << ": " << got.bytes.size() << " bytes, "
                                                 << want.bytes.size() << " wanted";
            EXPECT_EQ(got.hours, want.hours) << k.what << " / " << m.name;
        }
    }
    // the table must reach hits, not only agree on empty files
    EXPECT_GT(total_lines, 10000u);
}

// The table's every-frame-a-hit case writes (frame limit + 1) lines per raw seed.
TEST_F(SeedScan, EveryFrameAHitWritesEveryLine) {
    const SearchCase k = {"", 0x600, 0x601, 3, false, 0, {0, 0, 0, 0, 0, 0}, -1, 30};
    apply(k);
    const SearchOutput got = run_search(scan_seed_search, dir_ / "scan.txt");
    EXPECT_EQ(got.lines, 2 * 6144 * 4);
    EXPECT_EQ(count_lines(got.bytes), 2u * 6144u * 4u);
}

// The command's whole run through the engine: header, the straightforward
// search's lines, its hour titles, the main title, and the file handed on.
TEST_F(SeedScan, RunSeedSearchWritesHeaderHitsAndTitles) {
    const SearchCase k = {"", 0xABC, 0xABD, 40, true, 0xFFFFFF, {25, 0, 25, 0, 25, 0}, -1, 50};
    apply(k);
    const SearchOutput want = run_search(straight_seed_search, dir_ / "straight.txt");
    ASSERT_GT(want.lines, 0);
    std::vector<std::string> titles;
    for (const auto& [hour, lines] : want.hours) {
        char title[256];
        std::snprintf(title, sizeof title, "%d時計算中 候補:%" PRId64 "個", hour, lines);
        titles.push_back(title);
    }
    titles.push_back("Kivrel ver1.01");
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    for (const EngineMode& m : kModes) {
        seed_scan_force_portable(m.portable);
        seed_scan_set_threads(m.threads);
        platform_log().clear();
        run_seed_search();
        std::ifstream in("result.txt", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        EXPECT_TRUE(s.str() == "raw初期seed,消費数,H,A,B,C,D,S,めざパ,威力\r\n" + want.bytes) << m.name;
        EXPECT_EQ(platform_log().titles, titles) << m.name;
        EXPECT_EQ(platform_log().opened, std::vector<std::string>{"result.txt"}) << m.name;
    }
    std::filesystem::current_path(saved);
}

struct CandidateCase {
    std::string what;
    int32_t month, day, hour, minute, frame_limit;
    bool roaming;
    int32_t mac;
    uint32_t source_raw;  // the known IVs are those of this raw seed at source_frame
    int32_t source_frame;
};

TEST_F(SeedScan, CandidatesAreTheStraightforwardList) {
    std::vector<CandidateCase> cases = {
        {"one seed matching at frames 8 and 316", 4, 5, 7, 6, 616, false, 0, 0x20070463u, 8},
        {"12/31 59 min, second 0", 12, 31, 10, 59, 0, false, 0, 0xAF0A0300u, 0},
        {"the same seed, roaming, limit 9999", 4, 5, 7, 6, 9999, true, 0, 0x20070463u, 7},
        {"hour 24, MacOffset 0xFFFFFF wraps", 6, 15, 24, 30, 40, true, 0xFFFFFF, 0x9C180A00u, 40},
        {"last roaming frame", 1, 1, 0, 0, 615, true, 0x12, 0x3C000FFFu, 615},
        {"no match below the known frame", 1, 1, 0, 0, 2, false, 0, 0x01000555u, 3},
    };
    if (kSanitized) cases.resize(1);
    int found_total = 0;
    for (const CandidateCase& k : cases) {
        g_app.switch_on_month = k.month;
        g_app.switch_on_day = k.day;
        g_app.switch_on_hour = k.hour;
        g_app.switch_on_minute = k.minute;
        g_app.frame_limit = k.frame_limit;
        g_app.roaming = k.roaming;
        g_app.mac_offset = k.mac;
        prepare_generator(k.source_raw);
        const IvSet known = read_iv_set(k.source_frame, k.roaming);
        for (int i = 0; i < kStatCount; ++i) g_app.iv_thresholds[i] = known.iv[i];

        uint32_t want[kMaxCandidates];
        const int32_t want_count = straight_candidate_seeds(want, kMaxCandidates);
        found_total += want_count;
        for (const EngineMode& m : kModes) {
            seed_scan_force_portable(m.portable);
            seed_scan_set_threads(m.threads);
            // a shorter list is the first entries of the longer one
            for (const int32_t max : {kMaxCandidates, 1}) {
                uint32_t got[kMaxCandidates] = {};
                const int32_t got_count = scan_candidate_seeds(got, max);
                const int32_t want_kept = want_count < max ? want_count : max;
                EXPECT_EQ(std::vector<uint32_t>(got, got + got_count), std::vector<uint32_t>(want, want + want_kept))
                    << k.what << " / " << m.name << " / at most " << max;
            }
        }
    }
    EXPECT_GT(found_total, 0);
}

}  // namespace
