// The attempt log: offsets, the median attempt, its scatter and the chance; lines written, replaced,
// moved aside and read back from damage; a model player who scatters by 3 delays.
#include <cmath>
#include <cstdio>
#include <random>
#include <tuple>

#include "tests/native/temp_dir.h"
#include "timing/attempts.h"

namespace {

using AttemptLogFile = TempDirTest;

Attempt attempt(int32_t low, const char* interval = "0", int32_t second = 0) {
    return {{2026, 12, 10, 5, 7, 9}, 0x2A0C0500, interval, 0xC60C0000u | static_cast<uint32_t>(low), 3, second, 21};
}

TEST(AttemptSummary, OffsetIsLowTimes100LessIntervalTimes60AsTheSecondsFieldReadsIt) {
    const struct { const char* interval; int32_t low; int64_t offset; } rows[] = {{"20.76", 0x04D0, 123200 - 2076 * 60},
        {"20.769", 0x04D0, 123200 - 2076 * 60}, {"0", 0x0010, 1600}, {" 1.5x", 0, -150 * 60}, {"x", 0xFFFF, 6553500}};
    for (const auto& r : rows) EXPECT_EQ(attempt_offset(attempt(r.low, r.interval)), r.offset) << r.interval;
}

TEST(AttemptSummary, MedianDeviationScatterAndSecondMissesForOneToSixAttempts) {
    const struct { std::vector<int32_t> lows, seconds; int32_t median; int64_t deviation; double scatter; int32_t k; } rows[] = {
        {{500}, {1}, 0, 0, 0.5, 1}, {{503, 500}, {0, 0}, 1, 0, 0.5, 0},
        {{502, 500, 502}, {0, -1, 0}, 0, 0, 0.5, 1},                    // a tie: the older one
        {{500, 503, 501, 900}, {0, 0, 0, 0}, 2, 100, 1.4826, 0},         // an outlier moves nothing
        {{510, 500, 505, 495, 520}, {1, 0, 0, 0, 2}, 2, 500, 7.413, 2},
        {{500, 500, 503, 497, 501, 9000}, {0, 0, 0, 0, 0, 0}, 1, 100, 1.4826, 0},
    };
    for (const auto& r : rows) {
        std::vector<Attempt> attempts;
        for (size_t i = 0; i < r.lows.size(); ++i) attempts.push_back(attempt(r.lows[i], "0", r.seconds[i]));
        const AttemptSummary s = summarize_attempts(attempts);
        EXPECT_EQ(std::tuple(s.median, s.deviation, s.second_missed), std::tuple(r.median, r.deviation, r.k));
        EXPECT_NEAR(s.scatter, r.scatter, 1e-9) << r.lows.size();
    }
}

TEST(AttemptSummary, ChanceAndItsTexts) {
    const struct { double scatter; int32_t n, k; double chance; } rows[] = {
        {0.5, 1, 0, 0.682689}, {3.0, 1, 0, 0.132368}, {0.5, 3, 1, 0.455126}, {3.0, 4, 1, 0.099276}, {3.0, 3, 3, 0.0}};
    for (const auto& r : rows) EXPECT_NEAR(hit_chance(r.scatter, r.n, r.k), r.chance, 1e-6) << r.scatter << r.k;
    AttemptLog log{{attempt(0x500, "20.76"), attempt(0x503, "20.76", 1), attempt(0x500, "20.76", -1)}, 0};
    EXPECT_EQ(attempt_texts(log).chance, "次に当たる見込み 23%(およそ 4 回に 1 回)");  // 0.6827 × 1/3
    log.attempts[0].second_offset = 1;
    EXPECT_EQ(attempt_texts(log).chance, "次に当たる見込み 0%");
}

TEST_F(AttemptLogFile, LinesAppendedReplacedMovedAsideAndReadBackFromDamageKeepEveryOtherLine) {
    const Attempt first = attempt(0x503, "20.76"), second = attempt(0x4FF, "20.8", -1), third = attempt(0x500, "19");
    const std::string header = "日時,狙うseed,秒数,当たりseed,下位,秒,消費数\r\n",
                      line1 = "2026-12-10 05:07:09,2A0C0500,20.76,C60C0503,+3,+0,21\r\n";
    ASSERT_TRUE(append_attempt(kAttemptLogName, first) && append_attempt(kAttemptLogName, second));
    EXPECT_EQ(file_bytes(kAttemptLogName), header + line1 + format_attempt_line(second) + "\r\n");
    ASSERT_TRUE(replace_attempt(kAttemptLogName, second, third));
    EXPECT_EQ(file_bytes(kAttemptLogName), header + line1 + format_attempt_line(third) + "\r\n");
    // another copy's attempt after it stays after it; an attempt no line holds is added
    const Attempt other = attempt(0x501, "21"), fourth = attempt(0x502, "21.5");
    ASSERT_TRUE(append_attempt(kAttemptLogName, other) && replace_attempt(kAttemptLogName, third, fourth) &&
                replace_attempt(kAttemptLogName, third, third));
    EXPECT_EQ(file_bytes(kAttemptLogName), header + line1 + format_attempt_line(fourth) + "\r\n" + format_attempt_line(other) +
                                               "\r\n" + format_attempt_line(third) + "\r\n");
    write_file(kAttemptLogName, header + line1 + format_attempt_line(third) + "\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir()), {}), 1);  // no temporary file left
    const AttemptLog log = read_attempt_log(kAttemptLogName);
    EXPECT_EQ(std::tuple(log.attempts.size() == 2 ? format_attempt_line(log.attempts[1]) : "", log.unreadable),
              std::tuple(format_attempt_line(third), 0));
    ASSERT_TRUE(move_attempt_log_aside(kAttemptLogName, first.time) && append_attempt(kAttemptLogName, first));
    ASSERT_TRUE(move_attempt_log_aside(kAttemptLogName, first.time));
    EXPECT_EQ(file_bytes("attempts-20261210-050709.txt"), header + line1 + format_attempt_line(third) + "\r\n");
    EXPECT_EQ(file_bytes("attempts-20261210-050709 (2).txt"), header + line1);
    // damaged lines: skipped and counted, and nothing lost
    const struct { std::string line; char kind; } rows[] = {  // an attempt, unreadable, or passed over
        {"2026-12-10 05:07:09,2a0c0500,20.76,C60C0503,-3,+0,21", 'a'},
        {"2026-12-10 05:07:09,2A0C0500,20.76,C60C0503,3,+0,21", 'x'},       // a sign is always written
        {"2026-12-10 05:07:09,2A0C0500,20.76,C60C0503,+3,+0", 'x'},         // a field missing
        {"2026-12-10 05:07:09,2A0C0500,20.76,C60C0503,+3,+0,21,", 'x'},     // one more
        {"2026-13-10 05:07:09,2A0C0500,20.76,C60C0503,+3,+0,21", 'x'},      // month 13
        {"2026-12-10 05:07:09,2A0C050,20.76,C60C0503,+3,+0,21", 'x'},       // 7 digits
        {"2026-12-10 05:07:09,2A0C0500,\x82,C60C0503,+3,+0,21", 'x'},       // a lead byte cut
        {"2026-12-10 05:07:09,2A0C0500,20.76,C60C0503,+3,+0,99999999999", 'x'},
        {"", '-'}, {std::string(200000, '7'), 'x'},
        {"2026-12-10 05:07:09,2A0C0500,20.76,C60C0503,+3,+0,21\r", 'a'},
    };
    std::string text = "my own header\r\n";
    int32_t readable = 0, unreadable = 0;
    for (const auto& r : rows) text += r.line + "\n", readable += r.kind == 'a', unreadable += r.kind == 'x';
    write_file(kAttemptLogName, text + "2026-12-10 05:07:09,2A0C0500,20.");  // a cut last line
    const AttemptLog damaged = read_attempt_log(kAttemptLogName);
    EXPECT_EQ(std::tuple(damaged.attempts.size(), damaged.unreadable), std::tuple(size_t(readable), unreadable + 1));
    ASSERT_TRUE(append_attempt(kAttemptLogName, attempt(0x503)) && replace_attempt(kAttemptLogName, attempt(0x503), attempt(0x504)));
    EXPECT_EQ(file_bytes(kAttemptLogName), text + "2026-12-10 05:07:09,2A0C0500,20.\r\n" + format_attempt_line(attempt(0x504)) + "\r\n");
    std::filesystem::remove(kAttemptLogName), std::filesystem::create_directory(kAttemptLogName);  // a folder of that name
    EXPECT_FALSE(append_attempt(kAttemptLogName, attempt(0x503)) || replace_attempt(kAttemptLogName, attempt(0x503), attempt(0x503)) ||
                 move_attempt_log_aside(kAttemptLogName, {2026, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(read_attempt_log(kAttemptLogName).attempts.empty());
}

// Players adding 7.3 delays, scattered by 3: 100 of 20 attempts each, calibrated on the median attempt or the last.
TEST(AttemptSummary, MedianCalibrationHitsMoreOftenThanTheLastAttempt) {
    std::mt19937 random(27);
    std::normal_distribution<double> scatter(0.0, 3.0);
    int32_t hits_by_median = 0, hits_by_last = 0;
    for (int32_t player = 0; player < 100; ++player)
        for (std::vector<Attempt> attempts; attempts.size() < 20;) {
            const int32_t delay = static_cast<int32_t>(std::lround(7.3 + scatter(random)));
            if (!attempts.empty()) hits_by_median += delay * 100 == attempt_offset(attempts[summarize_attempts(attempts).median]);
            if (!attempts.empty()) hits_by_last += delay * 100 == attempt_offset(attempts.back());
            attempts.push_back(attempt(1260 + delay, "21.00"));  // 21 s: 1260 delays
        }
    std::printf("exact hits in 1900 calibrated attempts: median %d, last %d\n", hits_by_median, hits_by_last);
    EXPECT_GT(hits_by_median, hits_by_last);
}

}  // namespace
