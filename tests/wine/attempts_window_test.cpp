// The attempt log of both builds: three attempts through the hit search and its
// adopt (one adopted twice), the attempts window kept up to date, its median
// adopted, the log read again after a restart and moved aside by its clear.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/ids.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

class AttemptsWindow : public ::testing::TestWithParam<const char*> {};

std::string text_of(HWND w) {
    std::wstring s(static_cast<size_t>(SendMessageW(w, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    s.resize(static_cast<size_t>(SendMessageW(w, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]))));
    return driver::to_cp932(s);
}

void press(HWND window, int id) { SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// The list's lines, then the three statics.
std::vector<std::string> shown(HWND attempts) {
    std::vector<std::string> lines;
    const HWND list = GetDlgItem(attempts, kIdAttemptList);
    for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        wchar_t line[256] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines.push_back(driver::to_cp932(line));
    }
    for (int id : {kIdAttemptSummary, kIdAttemptChance, kIdAttemptUnreadable}) lines.push_back(text_of(GetDlgItem(attempts, id)));
    return lines;
}

// The stats window with フシギダネ at level 100 whose IVs are those of seed's frame 0.
HWND stats_for(Program& p, const std::string& seed) {
    const int base[6] = {45, 49, 49, 65, 65, 45};
    const std::vector<std::string> ivs = driver::frame0_ivs(p, seed);
    p.set_text(kIdCandidatesLastFrame, "0");
    p.press(kIdStatsButton);
    const HWND stats = p.top_window(kStatsWindowClass);
    const auto set = [&](int id, const std::string& s) {
        SendMessageW(GetDlgItem(stats, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(driver::to_wide(s).c_str()));
    };
    set(kIdStatsName, "フシギダネ");
    SendMessageW(GetDlgItem(stats, kIdStatsNatureList), CB_SETCURSEL, 13, 0);  // まじめ
    set(kIdStatsLevelFirst, "100");
    for (int s = 0; s < 6 && ivs.size() == 6; ++s)
        set(kIdStatsLevelFirst + 1 + s, std::to_string(2 * base[s] + std::atoi(ivs[s].c_str()) + (s == 0 ? 110 : 5)));
    return stats;
}

TEST_P(AttemptsWindow, ThreeAttemptsTheirScatterTheMedianAdoptedARestartAndAClear) {
    std::string log;
    {
        Program p(GetParam());
        const HWND stats = stats_for(p, "8A0C05F0");
        ASSERT_NE(stats, nullptr);
        const struct { const char* target; const char* interval; } attempts[] = {
            {"8A0C05ED", "20.76"}, {"8A0C05F2", "20.80"}, {"8A0C05F0", "20.70"}};
        HWND window = nullptr;
        for (const auto& a : attempts) {
            p.set_text(kIdTargetSeed, a.target);
            p.set_text(kIdStopwatchDisplay, a.interval);
            press(stats, kIdStatsHitsButton);
            press(stats, kIdStatsAdopt);
            if (a.interval == std::string("20.80")) {  // adopted again: the same attempt, its line replaced
                p.set_text(kIdStopwatchDisplay, "20.81");
                press(stats, kIdStatsAdopt);
            }
            if (window) continue;
            press(stats, kIdStatsAttempts);
            window = p.top_window(kAttemptsWindowClass);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(text_of(window), "試行記録");
            EXPECT_EQ(GetWindow(window, GW_OWNER), p.window());
            EXPECT_EQ(shown(window), (std::vector<std::string>{"8A0C05F0 下位+3 秒+0 消費0 20.76秒",
                                      "試行 1 回 ばらつき ±0.5 秒ずれ 0 回", "3 回試すと見込みが出ます", ""}));
        }
        // offsets 274.40, 271.40, 278.00 delays: the first is the median, 3.00 from the middle deviation
        EXPECT_EQ(shown(window), (std::vector<std::string>{"8A0C05F0 下位+3 秒+0 消費0 20.76秒",
                                  "8A0C05F0 下位-2 秒+0 消費0 20.81秒", "8A0C05F0 下位+0 秒+0 消費0 20.70秒",
                                  "試行 3 回 ばらつき ±4.4 秒ずれ 0 回", "次に当たる見込み 9%(およそ 11 回に 1 回)", ""}));
        EXPECT_EQ(p.text(kIdMeasuredSeconds), "20.70");
        press(window, kIdAdoptMedian);
        EXPECT_EQ(p.text(kIdMeasuredSeconds), "20.76");
        EXPECT_EQ(p.text(kIdObtainedLow), "05F0");
        log = p.file("attempts.txt");
        EXPECT_EQ(log.substr(0, log.find('\n') + 1), "日時,狙うseed,秒数,当たりseed,下位,秒,消費数\r\n");
        EXPECT_NE(log.find(",8A0C05F2,20.81,8A0C05F0,-2,+0,0\r\n20"), std::string::npos);
        EXPECT_EQ(log.find("20.80"), std::string::npos);
    }
    Program p(GetParam(), {{"attempts.txt", log + "a line of my own\r\n"}});
    p.press(kIdStatsButton);
    press(p.top_window(kStatsWindowClass), kIdStatsAttempts);
    const HWND window = p.top_window(kAttemptsWindowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(shown(window).size(), 6u);
    EXPECT_EQ(shown(window).back(), "読めない行 1");
    for (int answer : {IDNO, IDYES}) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(kIdClearAttempts, BN_CLICKED), 0);
        EXPECT_EQ(p.wait_message_box(), "試行記録を消しますか?");
        p.answer_message_box(answer);
    }
    EXPECT_EQ(shown(window), (std::vector<std::string>{"", "3 回試すと見込みが出ます", ""}));
    EXPECT_FALSE(driver::file_exists(p.dir() + "\\attempts.txt"));
    WIN32_FIND_DATAA found;
    const HANDLE aside = FindFirstFileA((p.dir() + "\\attempts-????????-??????.txt").c_str(), &found);
    ASSERT_NE(aside, INVALID_HANDLE_VALUE);
    FindClose(aside);
    EXPECT_EQ(p.file(found.cFileName), log + "a line of my own\r\n");
}

INSTANTIATE_TEST_SUITE_P(Builds, AttemptsWindow, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
