// The attempt log of both builds: three attempts through the hit search and its adopt (one adopted twice), the
// attempts window kept up to date, its median adopted, the log read again after a restart and moved aside by its clear.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/ids.h"
#include "tests/wine/driver.h"

using Lines = std::vector<std::string>;

namespace {

class AttemptsWindow : public ::testing::TestWithParam<const char*> {};

void press(HWND window, int id) { SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// The window's title, its list's lines, its statics.
Lines shown(HWND attempts) {
    wchar_t line[256] = {};
    Lines lines = {driver::to_cp932(std::wstring(line, GetWindowTextW(attempts, line, 256)))};
    const HWND list = GetDlgItem(attempts, kIdAttemptList);
    for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i, lines.push_back(driver::to_cp932(line)))
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
    for (int id : {kIdAttemptSummary, kIdAttemptChance, kIdAttemptUnreadable})
        lines.push_back(driver::to_cp932(std::wstring(line, GetWindowTextW(GetDlgItem(attempts, id), line, 256))));
    return lines;
}

// The stats of seed 8A0C05F0's frame 0 typed into the stats window, with frame limit 0.
void type_frame0_stats(driver::Program& p, HWND stats) {
    std::vector<int> ivs;
    for (const std::string& iv : driver::frame0_ivs(p, "8A0C05F0")) ivs.push_back(std::atoi(iv.c_str()));
    p.set_text(kIdCandidatesLastFrame, "0");
    driver::type_level_100(stats, ivs);
}

TEST_P(AttemptsWindow, ThreeAttemptsTheirScatterTheMedianAdoptedARestartAndAClear) {
    std::string log;
    {
        driver::Program p(GetParam());
        p.press(kIdStatsButton);
        const HWND stats = p.top_window(kStatsWindowClass);
        type_frame0_stats(p, stats);
        HWND window = nullptr;
        for (const char* a : {"8A0C05ED 20.76", "8A0C05F2 20.80", "8A0C05F0 20.70"}) {
            p.set_text(kIdTargetSeed, std::string(a, 8));
            p.set_text(kIdStopwatchDisplay, a + 9);
            press(stats, kIdStatsHitsButton);
            press(stats, kIdStatsAdopt);
            if (a[7] == '2') p.set_text(kIdStopwatchDisplay, "20.81"), press(stats, kIdStatsAdopt);  // its line replaced
            if (window) continue;
            press(stats, kIdStatsAttempts);
            ASSERT_NE(window = p.top_window(kAttemptsWindowClass), nullptr);
            EXPECT_EQ(GetWindow(window, GW_OWNER), p.window());
            EXPECT_EQ(shown(window), (Lines{"試行記録", "8A0C05F0 下位+3 秒+0 消費0 20.76秒",
                                            "試行 1 回 ばらつき ±0.5 秒ずれ 0 回", "3 回試すと見込みが出ます", ""}));
        }
        // offsets 274.40, 271.40, 278.00 delays: the first is the median, 3.00 the middle deviation
        EXPECT_EQ(shown(window), (Lines{"試行記録", "8A0C05F0 下位+3 秒+0 消費0 20.76秒", "8A0C05F0 下位-2 秒+0 消費0 20.81秒",
                                        "8A0C05F0 下位+0 秒+0 消費0 20.70秒", "試行 3 回 ばらつき ±4.4 秒ずれ 0 回",
                                        "次に当たる見込み 9%(およそ 11 回に 1 回)", ""}));
        press(window, kIdAdoptMedian);
        EXPECT_EQ(p.text(kIdMeasuredSeconds) + " " + p.text(kIdObtainedLow), "20.76 05F0");
        log = p.file("attempts.txt");
        EXPECT_EQ(log.substr(0, log.find('\n') + 1), "日時,狙うseed,秒数,当たりseed,下位,秒,消費数\r\n");
        EXPECT_TRUE(log.find(",8A0C05F2,20.81,8A0C05F0,-2,+0,0\r\n20") != log.npos && log.find("20.80") == log.npos);
    }
    driver::Program p(GetParam(), {{"attempts.txt", log + "a line of my own\r\n"}});
    p.press(kIdStatsButton);
    press(p.top_window(kStatsWindowClass), kIdStatsAttempts);
    const HWND window = p.top_window(kAttemptsWindowClass);
    EXPECT_EQ(shown(window).size() == 7 ? shown(window)[6] : "", "読めない行 1");
    for (int answer : {IDNO, IDYES}) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(kIdClearAttempts, BN_CLICKED), 0);
        EXPECT_EQ(p.wait_message_box(), "試行記録を消しますか?");
        p.answer_message_box(answer);
        EXPECT_EQ(shown(window).size(), answer == IDNO ? 7u : 4u);
    }
    EXPECT_EQ(shown(window), (Lines{"試行記録", "", "3 回試すと見込みが出ます", ""}));
    WIN32_FIND_DATAA found;
    const HANDLE aside = FindFirstFileA((p.dir() + "\\attempts-????????-??????.txt").c_str(), &found);
    EXPECT_EQ(aside != INVALID_HANDLE_VALUE ? p.file(found.cFileName) : "", log + "a line of my own\r\n");
    FindClose(aside);
    EXPECT_FALSE(driver::file_exists(p.dir() + "\\attempts.txt"));
}

// A log of 100 MB opens while a seed search runs and its median is adopted; a
// log another program holds (as a spreadsheet does) is said once, and the hit is adopted all the same.
TEST_P(AttemptsWindow, AHundredMegabyteLogDuringASearchAndAHeldLog) {
    std::string log = "日時,狙うseed,秒数,当たりseed,下位,秒,消費数\r\n";
    for (int i = 0; i < 1900000; ++i) log += "2026-12-10 12:34:56,8A0C05F0,20.76,8A0C05F3,+3,+0,21\r\n";
    log += "2026-12-10 12:34:56,8A0C05F0,20.7,8A0C05F3,+3\r\n";
    driver::Program p(GetParam(), {{"attempts.txt", log}});
    p.press(kIdSearchButton);  // every frame a hit: it runs until stopped
    p.press(kIdStatsButton);
    const HWND stats = p.top_window(kStatsWindowClass);
    DWORD_PTR result;  // far beyond the quarter second it takes, far below the 17 s of a list of every attempt
    ASSERT_TRUE(SendMessageTimeoutW(stats, WM_COMMAND, MAKEWPARAM(kIdStatsAttempts, BN_CLICKED), 0, SMTO_NORMAL, 5000, &result));
    const Lines lines = shown(p.top_window(kAttemptsWindowClass));
    ASSERT_EQ(lines.size(), 1004u);  // the title, the newest 1,000 attempts, the summary, the chance, the unreadable
    EXPECT_EQ(Lines(lines.begin() + 1000, lines.end()), (Lines{"8A0C05F3 下位+3 秒+0 消費21 20.76秒",
              "試行 1900000 回 ばらつき ±0.5 秒ずれ 0 回", "次に当たる見込み 68%(およそ 1 回に 1 回)", "読めない行 1"}));
    press(p.top_window(kAttemptsWindowClass), kIdAdoptMedian);
    EXPECT_EQ(p.text(kIdMeasuredSeconds) + " " + p.text(kIdObtainedLow), "20.76 05F3");
    p.press(kIdSearchButton);
    ASSERT_TRUE(p.wait_search_end());

    const HANDLE held = CreateFileA((p.dir() + "\\attempts.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    type_frame0_stats(p, stats);
    p.set_text(kIdTargetSeed, "8A0C05ED");
    press(stats, kIdStatsHitsButton);
    for (const char* told : {"試行記録attempts.txtに書き込めませんでした。読み取り専用か、ほかのプログラムが開いているか、同じ名前のフォルダーです。採用はしました。", ""}) {
        p.set_text(kIdObtainedLow, "");
        PostMessageW(stats, WM_COMMAND, MAKEWPARAM(kIdStatsAdopt, BN_CLICKED), 0);
        EXPECT_EQ(p.wait_message_box(*told ? 20000 : 1000), told);
        if (*told) p.answer_message_box(IDOK);
        for (int i = 0; i < 100 && p.text(kIdObtainedLow).empty(); ++i) Sleep(20);
        EXPECT_EQ(p.text(kIdObtainedLow), "05F0");
    }
    CloseHandle(held);
    EXPECT_TRUE(p.file("attempts.txt") == log);  // every line as it was
}

INSTANTIATE_TEST_SUITE_P(Builds, AttemptsWindow, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
