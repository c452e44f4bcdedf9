// Long seed searches as a new player meets them, in both builds: the window
// goes on answering while the search runs, 「中止」 stops it and keeps the
// earlier result.txt, closing the window stops it cleanly, the buttons that
// would change its inputs wait, and the size and viewer guards speak up.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "app/ids.h"
#include "core/version.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

bool starts_with(const std::string& s, const std::string& head) { return s.compare(0, head.size(), head) == 0; }

// How long the window may take to answer, and 「中止」 to end a search: far
// beyond what a loaded machine takes, far below the search's own length (a
// window that waits for the search misses it). make bench measures both.
constexpr UINT kAnswerBoundMs = 2000;

// True once no temporary file of result.txt is left in dir (a dropped one is
// removed just after the search has ended); waits up to ten seconds.
bool temporary_files_gone(const std::string& dir) {
    for (int i = 0; i < 1000; ++i) {
        WIN32_FIND_DATAA f;
        const HANDLE h = FindFirstFileA((dir + "\\result.txt.*.tmp").c_str(), &f);
        if (h == INVALID_HANDLE_VALUE) return true;
        FindClose(h);
        Sleep(10);
    }
    return false;
}

class LongSearch : public ::testing::TestWithParam<const char*> {};

// The window's fields as it starts: every minimum IV 0, so every frame of
// 15,734,784 raw seeds is a hit, far more than the few seconds a test runs.
TEST_P(LongSearch, WindowAnswersWhileSearchingAndStopKeepsTheEarlierResult) {
    Program p(GetParam(), {{"result.txt", "old\r\n"}});
    p.press(kIdSearchButton);
    EXPECT_EQ(p.text(kIdSearchButton), "中止");
    for (int id : {kIdListButton, kIdCandidatesButton, kIdConfirmButton})
        EXPECT_FALSE(IsWindowEnabled(p.control(id))) << id;
    // the stats window opened meanwhile: its searches and adopt wait too
    p.press(kIdStatsButton);
    const HWND stats = p.top_window(kStatsWindowClass);
    ASSERT_NE(stats, nullptr);
    const int stats_locked[] = {kIdStatsCandidatesButton, kIdStatsHitsButton, kIdStatsAdopt};
    for (int id : stats_locked) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(stats, id))) << id;
    SendMessageW(stats, WM_COMMAND, MAKEWPARAM(kIdStatsHitsButton, BN_CLICKED), 0);
    EXPECT_EQ(GetWindowTextLengthW(GetDlgItem(stats, kIdStatsStatus)), 0);  // run, it would name the empty species
    ShowWindow(stats, SW_HIDE);

    // a second of the search: the window answers every time
    int answered = 0, asked = 0;
    double slowest = 0;
    for (const double end = driver::now_ms() + 1000; driver::now_ms() < end; Sleep(20)) {
        DWORD_PTR result;
        const double t = driver::now_ms();
        ++asked;
        if (SendMessageTimeoutA(p.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerBoundMs, &result)) ++answered;
        slowest = std::max(slowest, driver::now_ms() - t);
    }
    EXPECT_EQ(answered, asked) << "slowest answer " << slowest << " ms";
    EXPECT_TRUE(starts_with(p.title(), "0時計算中") || p.title().find("時計算中 候補:") != std::string::npos) << p.title();

    // the buttons that would change the search's inputs do nothing meanwhile
    p.press(kIdListButton);
    p.press(kIdConfirmButton);
    // the stopwatch keeps working
    p.press(kIdStopwatchButton);
    EXPECT_EQ(p.text(kIdStopwatchButton), "Cギア起動");
    p.press(kIdStopwatchButton);

    p.press(kIdSearchButton);
    ASSERT_TRUE(p.wait_search_end(kAnswerBoundMs)) << "「中止」 did not end the search";

    EXPECT_EQ(p.file("result.txt"), "old\r\n");
    EXPECT_TRUE(temporary_files_gone(p.dir()));
    EXPECT_FALSE(driver::file_exists(p.dir() + "\\list.txt"));
    EXPECT_FALSE(driver::file_exists(p.dir() + "\\zure.txt"));
    EXPECT_TRUE(p.opened().empty());
    EXPECT_EQ(p.title(), kMainTitle);
    for (int id : {kIdListButton, kIdCandidatesButton, kIdConfirmButton}) EXPECT_TRUE(IsWindowEnabled(p.control(id))) << id;
    for (int id : stats_locked) EXPECT_TRUE(IsWindowEnabled(GetDlgItem(stats, id))) << id;
}

TEST_P(LongSearch, ClosingDuringSearchEndsCleanly) {
    Program p(GetParam());
    p.press(kIdSearchButton);
    Sleep(300);
    EXPECT_EQ(p.close(), 0);
    EXPECT_FALSE(driver::file_exists(p.dir() + "\\result.txt"));
    EXPECT_TRUE(temporary_files_gone(p.dir()));  // removed before the program ended
    EXPECT_TRUE(p.opened().empty());
}

TEST_P(LongSearch, FilesThatCannotBeCreatedAreSaid) {
    Program p(GetParam());
    p.set_text(kIdSearchLowMax, "600");
    for (const auto& [name, button] : {std::pair<std::string, int>{"result.txt", kIdSearchButton},
                                       {"list.txt", kIdListButton}, {"zure.txt", kIdConfirmButton}}) {
        ASSERT_TRUE(CreateDirectoryA((p.dir() + "\\" + name).c_str(), nullptr));
        p.post_press(button);
        EXPECT_TRUE(starts_with(p.wait_message_box(), name + "を作成できませんでした")) << name;
        p.answer_message_box(IDOK);
        EXPECT_TRUE(p.wait_search_end(10000));
        EXPECT_EQ(p.title(), kMainTitle);
    }
    EXPECT_TRUE(p.opened().empty());
}

// A search of about 72 MiB (one low value, frames 0 to 300, every frame a
// hit) with the guard lowered to 1 MB for the test: no stops it and keeps the
// earlier result; yes lets it finish, and the viewer guard then says where
// the file is instead of opening it.
TEST_P(LongSearch, SizeGuardAsksAndViewerGuardSays) {
    SetEnvironmentVariableA("KIVREL_TEST_SEARCH_GUARD_BYTES", "1000000");
    Program p(GetParam(), {{"result.txt", "old\r\n"}});
    SetEnvironmentVariableA("KIVREL_TEST_SEARCH_GUARD_BYTES", nullptr);
    p.set_text(kIdSearchLowMax, "600");
    p.set_text(kIdSearchLastFrame, "300");
    for (const int answer : {IDNO, IDYES}) {
        p.post_press(kIdSearchButton);
        const std::string question = p.wait_message_box();
        EXPECT_TRUE(starts_with(question, "result.txtが1GBを超えます(ここまでで ")) << question;
        EXPECT_NE(question.find(" 行)。続けますか?"), std::string::npos) << question;
        p.answer_message_box(answer);
        if (answer == IDNO) {
            ASSERT_TRUE(p.wait_search_end(10000));
            EXPECT_EQ(p.file("result.txt"), "old\r\n");
            continue;
        }
        const std::string said = p.wait_message_box(120000);
        EXPECT_TRUE(starts_with(said, "result.txtは")) << said;
        EXPECT_NE(said.find("MBあり、大きすぎるため開きません。場所: "), std::string::npos) << said;
        EXPECT_NE(said.find(p.dir() + "\\result.txt"), std::string::npos) << said;
        p.answer_message_box(IDOK);
        ASSERT_TRUE(p.wait_search_end(10000));
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA((p.dir() + "\\result.txt").c_str(), GetFileExInfoStandard, &data));
    EXPECT_GT((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow, uint64_t{64} << 20);
    EXPECT_TRUE(p.opened().empty());
    EXPECT_EQ(p.title(), kMainTitle);
}

INSTANTIATE_TEST_SUITE_P(Builds, LongSearch, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
