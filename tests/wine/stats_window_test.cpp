// The stats window of both builds: opened by its button, the possible IVs of a
// published case, the candidates and the hit of a known seed with their adopt buttons.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/ids.h"
#include "app/layout.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

class StatsWindow : public ::testing::TestWithParam<const char*> {};

// The program's stats window, once it exists.
HWND stats_window_of(const Program& p) { return p.top_window(kStatsWindowClass); }

// Text of a window, asked from the window itself (edit fields keep theirs).
std::string text_of(HWND w) {
    const LRESULT n = SendMessageW(w, WM_GETTEXTLENGTH, 0, 0);
    std::wstring s(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
    s.resize(static_cast<size_t>(SendMessageW(w, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]))));
    return driver::to_cp932(s);
}

void set(HWND stats, int id, const std::string& cp932) {
    SendMessageW(GetDlgItem(stats, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(driver::to_wide(cp932).c_str()));
}

void press(HWND stats, int id) { SendMessageW(stats, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::string field(HWND stats, int id) { return text_of(GetDlgItem(stats, id)); }

TEST_P(StatsWindow, OpensReadsThePossibleIvsAndKeepsItsFieldsWhenClosed) {
    Program p(GetParam());
    p.press(kIdStatsButton);
    const HWND stats = stats_window_of(p);
    ASSERT_NE(stats, nullptr);
    EXPECT_TRUE(IsWindowVisible(stats));
    EXPECT_EQ(text_of(stats), "実数値から個体値");
    EXPECT_EQ(GetWindow(stats, GW_OWNER), p.window());
    // it opens clear of the candidate rows its searches fill (the screen has room)
    RECT shown, rows = {kCandidateRowX, kCandidateRowY, kAdoptButtonX + kAdoptButtonWidth, kWindowHeight}, overlap;
    MapWindowPoints(p.window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&rows), 2);
    GetWindowRect(stats, &shown);
    EXPECT_FALSE(IntersectRect(&overlap, &shown, &rows));
    // the published case: アチャモ, level 6, のんき
    set(stats, kIdStatsName, "アチャモ");
    SendMessageW(GetDlgItem(stats, kIdStatsNatureList), CB_SETCURSEL, 8, 0);
    set(stats, kIdStatsLevelFirst, "6");
    const char* const typed[6] = {"22", "12", "12", "15", "11", "9"};
    for (int s = 0; s < 6; ++s) set(stats, kIdStatsLevelFirst + 1 + s, typed[s]);
    press(stats, kIdStatsIvButton);
    const char* const want[6] = {"10-26", "0-13", "20-31", "27-31", "0-16", "0-26"};
    for (int s = 0; s < 6; ++s) EXPECT_EQ(field(stats, kIdStatsIvFirst + s), want[s]) << "stat " << s;
    EXPECT_EQ(field(stats, kIdStatsStatus), "");
    // closed, it hides; the button shows it again with the fields as they were
    SendMessageW(stats, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(stats));
    p.press(kIdStatsButton);
    EXPECT_TRUE(IsWindowVisible(stats));
    EXPECT_EQ(stats_window_of(p), stats);
    EXPECT_EQ(field(stats, kIdStatsName), "アチャモ");
    EXPECT_EQ(field(stats, kIdStatsIvFirst + 3), "27-31");
    // a level CP932 lacks is no digit, and a name it lacks is said as typed
    const auto typed_status = [&](int id, const wchar_t* typed) {
        SendMessageW(GetDlgItem(stats, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed));
        press(stats, kIdStatsIvButton);
        wchar_t status[64] = {};
        SendMessageW(GetDlgItem(stats, kIdStatsStatus), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(status));
        return std::wstring(status);
    };
    EXPECT_EQ(typed_status(kIdStatsLevelFirst, L"\u00B2"), driver::to_wide("レベルは1から100で入れて下さい"));
    EXPECT_EQ(typed_status(kIdStatsName, L"\u00DF\uD55C"),
              driver::to_wide("ポケモン名「") + L"\u00DF\uD55C" + driver::to_wide("」はpokemon.datにありません"));
}

// Created in ascending identifiers, each inside the client area and clear of
// every other; Tab walks all but the statics in that order.
TEST_P(StatsWindow, ControlsInTheirOrderClearInsideAndTabStops) {
    Program p(GetParam());
    p.press(kIdStatsButton);
    const HWND stats = stats_window_of(p);
    ASSERT_NE(stats, nullptr);
    std::vector<int> want = {kIdStatsName, kIdStatsNatureList, kIdStatsCharacteristicList, kIdStatsTypeList}, stops;
    for (int id = kIdStatsLevelFirst; id < kIdStatsLevelFirst + 3 * kIdStatsRowStep; id += kIdStatsRowStep)
        for (int i = 0; i < 7; ++i) want.push_back(id + i);
    for (int id = kIdStatsIvFirst; id <= kIdStatsStatus; ++id) want.push_back(id);
    want.insert(want.end(), {kIdStatsIvButton, kIdStatsCandidatesButton, kIdStatsHitsButton, kIdStatsLowRange,
                             kIdStatsSecondRange, kIdStatsHitList, kIdStatsAdopt, kIdStatsAttempts});
    std::vector<int> order;
    std::vector<RECT> places;
    RECT client, overlap;
    GetClientRect(stats, &client);
    for (HWND w = GetWindow(stats, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        order.push_back(GetDlgCtrlID(w));
        if (GetWindowLongW(w, GWL_STYLE) & WS_TABSTOP) stops.push_back(order.back());
        const RECT r = driver::rect_in_client(stats, w);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom) << order.back();
        for (size_t i = 0; i < places.size(); ++i)
            EXPECT_FALSE(IntersectRect(&overlap, &r, &places[i])) << order.back() << " and " << order[i];
        places.push_back(r);
    }
    EXPECT_EQ(order, want);
    EXPECT_EQ(stops.size(), want.size() - 7);  // the six IV texts and the status line are no stops
    const driver::TabWalks walked = driver::tab_walks(p, stats, stops), in_order = driver::tab_walks_in_order(stops);
    EXPECT_EQ(walked.forward, in_order.forward);
    EXPECT_EQ(walked.backward, in_order.backward);
}

TEST_P(StatsWindow, CandidatesAndTheHitOfAKnownSeedWithTheirAdoptButtons) {
    Program p(GetParam());
    // C-Gear on 9/12 12:30 at second 0 gives top byte 9 * 12 + 30 = 0x8A
    const std::string seed = "8A0C05F0";
    std::vector<int> ivs;
    for (const std::string& iv : driver::frame0_ivs(p, seed)) ivs.push_back(std::atoi(iv.c_str()));
    ASSERT_EQ(ivs.size(), 6u);
    const char* when[] = {"9", "12", "12", "30"};
    for (int i = 0; i < 4; ++i) p.set_text(kIdSwitchOnFirst + i, when[i]);
    p.set_text(kIdCandidatesLastFrame, "0");
    p.press(kIdStatsButton);
    const HWND stats = stats_window_of(p);
    ASSERT_NE(stats, nullptr);
    driver::type_level_100(stats, ivs);
    ASSERT_EQ(field(stats, kIdStatsName), "フシギダネ");  // the fixed build's field holds the whole name

    press(stats, kIdStatsCandidatesButton);
    SendMessageW(stats, WM_CLOSE, 0, 0);  // out of the way of the candidate rows on the screen
    int row = -1;
    for (int attempt = 0; attempt < 50 && row < 0; ++attempt, Sleep(40)) {
        const driver::Pixels shown = p.capture();
        for (int n = 0; n < 10 && row < 0; ++n)
            if (driver::shows_text(shown, kCandidateRowX, kCandidateRowY + kCandidateRowSpacing * n, seed)) row = n;
    }
    ASSERT_GE(row, 0) << "candidate " << seed << " not listed";
    p.set_text(kIdMeasuredSeconds, "20.50");
    p.click(kIdFirstAdopt + row);
    EXPECT_EQ(p.text(kIdMeasuredSeconds), "20.50");  // the stopwatch display still reads 0
    EXPECT_EQ(p.text(kIdObtainedLow), "05F0");

    // three low values and no second below the hit: found, first
    p.press(kIdStatsButton);
    p.set_text(kIdTargetSeed, "8A0C05ED");
    p.set_text(kIdObtainedLow, "");
    press(stats, kIdStatsHitsButton);
    const HWND hits = GetDlgItem(stats, kIdStatsHitList);
    ASSERT_GE(SendMessageW(hits, LB_GETCOUNT, 0, 0), 1);
    wchar_t first[256] = {};
    SendMessageW(hits, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(driver::to_cp932(first), "8A0C05F0 下位+3 秒+0 消費0");
    EXPECT_EQ(SendMessageW(hits, LB_GETCURSEL, 0, 0), 0);
    press(stats, kIdStatsAdopt);
    EXPECT_EQ(p.text(kIdObtainedLow), "05F0");
    EXPECT_EQ(p.text(kIdMeasuredSeconds), "20.50");

    // a target with no fitting seed nearby: one line says so, and its adopt changes nothing
    p.set_text(kIdTargetSeed, "100C0000");
    set(stats, kIdStatsLowRange, "0");
    set(stats, kIdStatsSecondRange, "0");
    press(stats, kIdStatsHitsButton);
    ASSERT_EQ(SendMessageW(hits, LB_GETCOUNT, 0, 0), 1);
    SendMessageW(hits, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(driver::to_cp932(first), "当たりなし");
    p.set_text(kIdObtainedLow, "x");
    SendMessageW(hits, LB_SETCURSEL, 0, 0);
    press(stats, kIdStatsAdopt);
    EXPECT_EQ(p.text(kIdObtainedLow), "x");
}

// The widest hit search (every frame of 42,021 raw seeds fits) keeps the
// window answering, and lists the first 100 hits: the target's frames first.
TEST_P(StatsWindow, WidestHitSearchKeepsTheWindowAnswering) {
    Program p(GetParam());
    p.press(kIdStatsButton);
    const HWND stats = stats_window_of(p);
    ASSERT_NE(stats, nullptr);
    driver::type_widest_hit_search(p, stats);
    // an answer that waited for a search gathering every hit took 0.7 to 1.7 s
    EXPECT_GE(driver::longest_answer_while_filling(stats, kIdStatsHitsButton, kIdStatsHitList, 500), 0);
    const HWND hits = GetDlgItem(stats, kIdStatsHitList);
    ASSERT_EQ(SendMessageW(hits, LB_GETCOUNT, 0, 0), 100);
    for (int n : {0, 99}) {
        wchar_t line[256] = {};
        SendMessageW(hits, LB_GETTEXT, n, reinterpret_cast<LPARAM>(line));
        EXPECT_EQ(driver::to_cp932(line), "8A0C05F0 下位+0 秒+0 消費" + std::to_string(n));
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, StatsWindow, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
