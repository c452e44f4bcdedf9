// The seed search, the frame list and the candidate search as a player uses
// them: typed fields, real buttons, result.txt and list.txt byte for byte, the
// adopt buttons and the painted candidate rows, checked against a separately
// written model of the tools.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tests/native/reference.h"
#include "app/ids.h"
#include "app/layout.h"
#include "core/version.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {


const std::string kListHeader = "消費数,H,A,B,C,D,S,めざパ,威力\r\n";
const std::string kResultHeader = "raw初期seed,消費数,H,A,B,C,D,S,めざパ,威力\r\n";

class SeedTools : public ::testing::TestWithParam<const char*> {};

void set_row(Program& p, int first_id, const std::vector<std::string>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) p.set_text(first_id + static_cast<int>(i), texts[i]);
}

// ---- frame list -------------------------------------------------------------

TEST_P(SeedTools, FrameListWorkedExamples) {
    Program p(GetParam());
    set_row(p, kIdListIvFirst, {"0", "0", "0", "0", "0", "0"});
    p.set_text(kIdListSeed, "0");
    p.set_text(kIdListMinPower, "30");
    p.set_text(kIdListFrameCount, "3");
    p.press(kIdListButton);
    EXPECT_EQ(p.file("list.txt"), kListHeader +
                                       "0,22,27,19,27,17,27,ドラゴン,49\r\n1,27,19,27,17,27,13,あく,54\r\n"
                                       "2,19,27,17,27,13,19,あく,47\r\n");
    EXPECT_EQ(p.opened(), std::vector<std::string>{"/c list.txt"});
    EXPECT_EQ(p.title(), kMainTitle);

    p.set_text(kIdListMinPower, "50");
    p.press(kIdListButton);
    EXPECT_EQ(p.file("list.txt"), kListHeader + "1,27,19,27,17,27,13,あく,54\r\n");

    p.set_text(kIdListMinPower, "30");
    p.select(kIdListTypeList, 16);  // あく
    p.press(kIdListButton);
    EXPECT_EQ(p.file("list.txt"), kListHeader + "1,27,19,27,17,27,13,あく,54\r\n2,19,27,17,27,13,19,あく,47\r\n");

    p.select(kIdListTypeList, 0);
    p.click(kIdRoamingBox);
    p.press(kIdListButton);
    EXPECT_EQ(p.file("list.txt"), kListHeader +
                                       "0,27,19,27,13,17,27,あく,39\r\n1,19,27,17,19,27,13,あく,62\r\n"
                                       "2,27,17,27,20,13,19,でんき,38\r\n");
    EXPECT_EQ(p.opened().size(), 4u);
}

struct ListInputs {
    uint32_t seed;
    int iv[6];
    int frames;
    int power;
    uint32_t mac;
};

struct ListClamp {
    int id;
    const char* text;
    ListInputs used;  // what the list must be made from
};

TEST_P(SeedTools, FrameListReadsAndClampsItsFields) {
    const ListClamp cases[] = {
        {kIdListIvFirst, "99", {0, {31, 0, 0, 0, 0, 0}, 40, 30, 0}},
        {kIdListIvFirst + 1, "-4", {0, {0, 0, 0, 0, 0, 0}, 40, 30, 0}},
        {kIdListIvFirst + 2, "", {0, {0, 0, 0, 0, 0, 0}, 40, 30, 0}},
        {kIdListIvFirst + 3, "+25", {0, {0, 0, 0, 25, 0, 0}, 40, 30, 0}},
        {kIdListIvFirst + 4, "0031", {0, {0, 0, 0, 0, 3, 0}, 40, 30, 0}},  // three characters are read
        {kIdListIvFirst + 5, "2x", {0, {0, 0, 0, 0, 0, 2}, 40, 30, 0}},
        {kIdListFrameCount, "1000", {0, {0, 0, 0, 0, 0, 0}, 1000, 30, 0}},  // ends at frame 616
        {kIdListFrameCount, "12345", {0, {0, 0, 0, 0, 0, 0}, 1234, 30, 0}},
        {kIdListFrameCount, "-5", {0, {0, 0, 0, 0, 0, 0}, 0, 30, 0}},
        {kIdListFrameCount, "", {0, {0, 0, 0, 0, 0, 0}, 0, 30, 0}},
        {kIdListFrameCount, "abc", {0, {0, 0, 0, 0, 0, 0}, 0, 30, 0}},
        {kIdListSeed, "1234", {0x1234, {0, 0, 0, 0, 0, 0}, 40, 30, 0}},
        {kIdListSeed, "0x1234", {0x1234, {0, 0, 0, 0, 0, 0}, 40, 30, 0}},
        {kIdListSeed, "-1", {0xFFFFFFFFu, {0, 0, 0, 0, 0, 0}, 40, 30, 0}},
        {kIdListSeed, "123456789", {0x12345678, {0, 0, 0, 0, 0, 0}, 40, 30, 0}},
        {kIdListSeed, "zz", {0, {0, 0, 0, 0, 0, 0}, 40, 30, 0}},
        {kIdListMinPower, "71", {0, {0, 0, 0, 0, 0, 0}, 40, 70, 0}},
        {kIdListMinPower, "10", {0, {0, 0, 0, 0, 0, 0}, 40, 30, 0}},
        {kIdListMinPower, "0070", {0, {0, 0, 0, 0, 0, 0}, 40, 70, 0}},
        {kIdListMinPower, "00070", {0, {0, 0, 0, 0, 0, 0}, 40, 30, 0}},  // four characters are read
        {kIdMacByte1, "1FF", {0, {0, 0, 0, 0, 0, 0}, 40, 30, 0x1F0000}},  // a MAC byte takes two characters
    };
    Program p(GetParam());
    for (const ListClamp& k : cases) {
        set_row(p, kIdMacByte1, {"", "", ""});
        set_row(p, kIdListIvFirst, {"0", "0", "0", "0", "0", "0"});
        p.set_text(kIdListSeed, "0");
        p.set_text(kIdListMinPower, "30");
        p.set_text(kIdListFrameCount, "40");
        p.set_text(k.id, k.text);
        p.press(kIdListButton);
        const reference::Conditions c{{k.used.iv[0], k.used.iv[1], k.used.iv[2], k.used.iv[3], k.used.iv[4],
                                       k.used.iv[5]},
                                      -1,
                                      k.used.power};
        EXPECT_EQ(p.file("list.txt"), reference::frame_list(k.used.seed, k.used.frames, false, k.used.mac, c))
            << "field " << k.id << " text \"" << k.text << "\"";
    }
    EXPECT_EQ(p.opened().size(), std::size(cases));
}

// ---- seed search ------------------------------------------------------------

struct SearchInputs {
    std::vector<std::string> iv;  // fields 100..105
    const char* low_min;          // field 108
    const char* low_max;          // field 106
    const char* frames;           // field 107
    const char* power;            // field 150
    int type_entry;               // list 303
    bool roaming;
};

struct SearchUsed {
    int low_min, low_max, frame_limit;
    reference::Conditions c;
};

void type_search(Program& p, const SearchInputs& in) {
    set_row(p, kIdSearchIvFirst, in.iv);
    p.set_text(kIdSearchLowMin, in.low_min);
    p.set_text(kIdSearchLowMax, in.low_max);
    p.set_text(kIdSearchLastFrame, in.frames);
    p.set_text(kIdSearchMinPower, in.power);
    p.select(kIdSearchTypeList, in.type_entry);
    const bool checked = SendMessageA(p.control(kIdRoamingBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (checked != in.roaming) p.click(kIdRoamingBox);
}

// The titles seen while the search runs, read from outside without waiting.
class TitleWatch {
public:
    explicit TitleWatch(HWND window) : window_(window), thread_([this] { run(); }) {}
    std::vector<std::string> stop() {
        done_ = true;
        thread_.join();
        return seen_;
    }

private:
    // samples at least once more after stop(), so a command that ends before
    // the first sample still leaves the final title
    void run() {
        for (bool last = false; !last;) {
            last = done_;
            char text[256] = "";
            GetWindowTextA(window_, text, sizeof text);
            if (seen_.empty() || seen_.back() != text) seen_.push_back(text);
        }
    }
    HWND window_;
    std::atomic<bool> done_{false};
    std::vector<std::string> seen_;
    std::thread thread_;
};

TEST_P(SeedTools, SeedSearchWritesResultAndShowsProgress) {
    Program p(GetParam());
    set_row(p, kIdMacByte1, {"01", "2", "3"});
    const SearchInputs in{{"20", "18", "0", "22", "15", "25"}, "600", "603", "40", "40", 0, true};
    type_search(p, in);
    TitleWatch watch(p.window());
    ASSERT_TRUE(p.run_search());
    const std::vector<std::string> titles = watch.stop();
    const reference::SearchResult want =
        reference::seed_search(0x600, 0x603, 40, true, 0x010203, {{20, 18, 0, 22, 15, 25}, -1, 40});
    EXPECT_TRUE(p.file("result.txt") == want.file) << "result.txt differs from the model";
    EXPECT_EQ(p.wait_opened(1), std::vector<std::string>{"/c result.txt"});
    EXPECT_EQ(p.title(), kMainTitle);
    // every title seen is one of the expected, in their order
    size_t at = 0;
    for (const std::string& t : titles) {
        if (t == kMainTitle && at == 0) continue;  // before the search began
        while (at < want.titles.size() && want.titles[at] != t) ++at;
        EXPECT_LT(at, want.titles.size()) << "unexpected title " << t;
    }
}

struct SearchClamp {
    const char* what;
    SearchInputs in;
    SearchUsed used;
};

TEST_P(SeedTools, SeedSearchReadsAndClampsItsFields) {
    const std::vector<std::string> high = {"25", "25", "25", "25", "25", "25"};
    const SearchClamp cases[] = {
        {"frames 1000 is 616", {high, "600", "600", "1000", "60", 0, false}, {0x600, 0x600, 616, {{25, 25, 25, 25, 25, 25}, -1, 60}}},
        {"frames 1000 roaming ends at 615", {high, "600", "600", "1000", "60", 0, true}, {0x600, 0x600, 616, {{25, 25, 25, 25, 25, 25}, -1, 60}}},
        {"frames -3 is 0", {{"0", "0", "0", "0", "0", "0"}, "600", "600", "-3", "30", 0, false}, {0x600, 0x600, 0, {{0, 0, 0, 0, 0, 0}, -1, 30}}},
        {"IVs 99 -4 empty +25 0031 2x", {{"99", "-4", "", "+25", "0031", "2x"}, "700", "700", "20", "30", 0, false}, {0x700, 0x700, 20, {{31, 0, 0, 25, 3, 2}, -1, 30}}},
        {"low 0x10 .. 10", {high, "0x10", "10", "30", "30", 0, false}, {16, 16, 30, {{25, 25, 25, 25, 25, 25}, -1, 30}}},
        {"low -5 .. 0", {high, "-5", "0", "30", "30", 0, false}, {0, 0, 30, {{25, 25, 25, 25, 25, 25}, -1, 30}}},
        {"low FFFFF reads FFFF", {high, "FFFFF", "FFFFF", "30", "30", 0, false}, {0xFFFF, 0xFFFF, 30, {{25, 25, 25, 25, 25, 25}, -1, 30}}},
        {"low 10000 reads 1000", {high, "10000", "zz", "30", "30", 0, false}, {0x1000, 0, 30, {{25, 25, 25, 25, 25, 25}, -1, 30}}},
        {"power 99 is 70", {{"10", "10", "10", "10", "10", "10"}, "800", "800", "30", "99", 0, false}, {0x800, 0x800, 30, {{10, 10, 10, 10, 10, 10}, -1, 70}}},
        {"power empty is 30, type あく", {high, "800", "800", "30", "", 16, false}, {0x800, 0x800, 30, {{25, 25, 25, 25, 25, 25}, 15, 30}}},
    };
    Program p(GetParam());
    for (const SearchClamp& k : cases) {
        type_search(p, k.in);
        ASSERT_TRUE(p.run_search()) << k.what;
        const reference::SearchResult want =
            reference::seed_search(k.used.low_min, k.used.low_max, k.used.frame_limit, k.in.roaming, 0, k.used.c);
        EXPECT_TRUE(p.file("result.txt") == want.file) << k.what;
        EXPECT_EQ(p.title(), kMainTitle) << k.what;
    }
    EXPECT_EQ(p.wait_opened(std::size(cases)).size(), std::size(cases));
}

// A result.txt or list.txt held open by another program (no sharing): the
// tool says it cannot write the file, writes nothing, opens nothing and
// leaves the title alone.
TEST_P(SeedTools, FileHeldOpenElsewhereIsLeftAlone) {
    Program p(GetParam());
    type_search(p, {{"0", "0", "0", "0", "0", "0"}, "600", "600", "5", "30", 0, false});
    p.set_text(kIdListSeed, "0");
    p.set_text(kIdListFrameCount, "5");
    for (const char* name : {"result.txt", "list.txt"}) {
        const std::string path = p.dir() + "\\" + name;
        driver::write_file(path, "old\r\n");
        HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        TitleWatch watch(p.window());
        p.post_press(std::string(name) == "result.txt" ? kIdSearchButton : kIdListButton);
        EXPECT_EQ(p.wait_message_box(), std::string(name) + "を作成できませんでした。書き込めないフォルダーか、"
                                                            "同じ名前のフォルダーか、ほかのプログラムが開いているファイルです。");
        p.answer_message_box(IDOK);
        EXPECT_TRUE(p.wait_search_end(10000));
        const std::vector<std::string> titles = watch.stop();
        CloseHandle(held);
        EXPECT_EQ(p.file(name), "old\r\n") << name;
        EXPECT_EQ(titles, std::vector<std::string>{kMainTitle}) << name;
    }
    EXPECT_TRUE(p.opened().empty());
}

// ---- initial seed candidates -------------------------------------------------

std::vector<HWND> adopt_buttons(const Program& p) {
    std::vector<HWND> found;
    for (int id = kIdFirstAdopt; id < kIdFirstAdopt + 20; ++id)
        if (HWND b = p.control(id)) found.push_back(b);
    return found;
}

std::string hex8(uint32_t v) {
    char s[16];
    std::snprintf(s, sizeof s, "%08X", v);
    return s;
}

// Lets the program paint what its last command asked for.
void settle(const Program& p) {
    for (int i = 0; i < 5; ++i) {
        SendMessageA(p.window(), WM_NULL, 0, 0);
        Sleep(40);
    }
}

void type_candidate_inputs(Program& p, const std::vector<std::string>& switch_on, const std::vector<std::string>& ivs,
                           const char* frames) {
    set_row(p, kIdSwitchOnFirst, switch_on);
    set_row(p, kIdKnownIvFirst, ivs);
    p.set_text(kIdCandidatesLastFrame, frames);
}

// True once the visible rows (the client area is 573 pixels high) show the
// candidates; waits up to two seconds for the paint, raising the window in
// case another test's window covers it on the shared display.
bool shows_rows(const Program& p, const std::vector<uint32_t>& want) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (attempt % 10 == 5) SetWindowPos(p.window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        const driver::Pixels px = p.capture();
        bool all = true;
        for (size_t n = 0; n < want.size() && kCandidateRowY + kCandidateRowSpacing * n + 16 <= static_cast<size_t>(px.height); ++n)
            all = all && driver::shows_text(px, kCandidateRowX, kCandidateRowY + kCandidateRowSpacing * static_cast<int>(n), hex8(want[n]));
        if (all) return true;
        Sleep(40);
    }
    return false;
}

TEST_P(SeedTools, CandidatesGetAdoptButtonsAndRows) {
    Program p(GetParam());
    EXPECT_FALSE(driver::shows_text(p.capture(), kCandidateRowX, kCandidateRowY, "候補なし"));  // no search yet
    // raw seed 20070463 gives these IVs at frames 8 and 316: two rows, two buttons
    const int known[6] = {17, 12, 18, 12, 4, 0};
    type_candidate_inputs(p, {"4", "5", "7", "6"}, {"17", "12", "18", "12", "4", "0"}, "316");
    p.press(kIdCandidatesButton);
    settle(p);
    const std::vector<uint32_t> want = reference::candidates(4, 5, 7, 6, 316, false, 0, known);
    ASSERT_GE(want.size(), 2u);
    const std::vector<HWND> buttons = adopt_buttons(p);
    ASSERT_EQ(buttons.size(), std::min<size_t>(want.size(), 10));
    for (size_t n = 0; n < buttons.size(); ++n) {
        HWND b = buttons[n];
        EXPECT_EQ(GetDlgCtrlID(b), kIdFirstAdopt + static_cast<int>(n));
        EXPECT_EQ(GetParent(b), p.window());
        char cls[32] = "";
        GetClassNameA(b, cls, sizeof cls);
        EXPECT_STREQ(cls, "Button");
        wchar_t text[16] = L"";
        GetWindowTextW(b, text, 16);
        EXPECT_EQ(driver::to_cp932(text), "採用");
        RECT r;
        GetWindowRect(b, &r);
        MapWindowPoints(nullptr, p.window(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, kAdoptButtonX);
        EXPECT_EQ(r.top, kCandidateRowY + kCandidateRowSpacing * static_cast<int>(n));
        EXPECT_EQ(r.right - r.left, 45);
        EXPECT_EQ(r.bottom - r.top, 22);
        const LONG style = GetWindowLongA(b, GWL_STYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER), WS_CHILD | WS_VISIBLE);
    }
    EXPECT_TRUE(shows_rows(p, want));

    // nothing matches: the old buttons and rows are gone
    const int none[6] = {31, 0, 31, 0, 31, 0};
    type_candidate_inputs(p, {"4", "5", "7", "6"}, {"31", "0", "31", "0", "31", "0"}, "0");
    p.press(kIdCandidatesButton);
    settle(p);
    ASSERT_TRUE(reference::candidates(4, 5, 7, 6, 0, false, 0, none).empty());
    EXPECT_TRUE(adopt_buttons(p).empty());
    // found nothing is said where the rows would be (waiting up to two seconds for the paint)
    bool said = false;
    for (int attempt = 0; attempt < 50 && !said; ++attempt, Sleep(40))
        said = driver::shows_text(p.capture(), kCandidateRowX, kCandidateRowY, "候補なし");
    EXPECT_TRUE(said);
    EXPECT_FALSE(driver::shows_text(p.capture(), kCandidateRowX, kCandidateRowY, hex8(want[0])));
    EXPECT_TRUE(p.opened().empty());
    EXPECT_EQ(p.title(), kMainTitle);

    // the next search that finds some shows its rows in that place again
    type_candidate_inputs(p, {"4", "5", "7", "6"}, {"17", "12", "18", "12", "4", "0"}, "316");
    p.press(kIdCandidatesButton);
    settle(p);
    EXPECT_TRUE(shows_rows(p, want));
}

struct CandidateClamp {
    const char* what;
    std::vector<std::string> switch_on;  // fields 130..133 as typed
    const char* frames;                  // field 154 as typed
    int month, day, hour, minute, frame_limit;  // as used
    uint32_t raw;                        // a seed of that window whose IVs are typed
    int frame;                           // the frame the IVs are taken from
};

TEST_P(SeedTools, CandidatesReadAndClampTheirFields) {
    const CandidateClamp cases[] = {
        {"13/32 25:60 is 12/31 24:59", {"13", "32", "25", "60"}, "0", 12, 31, 24, 59, 0, 0xAF180400u, 0},
        {"empty date and time", {"", "", "", ""}, "0", 1, 1, 0, 0, 0, 0x3C000FFFu, 0},
        {"signs and letters", {"-3", "+2", "x", "-7"}, "-5", 1, 2, 0, 0, 0, 0x02000345u, 0},
        {"frames 99999 reads 9999", {"4", "5", "7", "6"}, "99999", 4, 5, 7, 6, 9999, 0x20070463u, 616},
        {"frames 0031 reads 3", {"4", "5", "7", "6"}, "0031", 4, 5, 7, 6, 3, 0x21070500u, 3},
    };
    Program p(GetParam());
    for (const CandidateClamp& k : cases) {
        const reference::Frame f = reference::frame_ivs(reference::output_ivs(k.raw, 0), k.frame, false);
        std::vector<std::string> ivs;
        for (int v : f.iv) ivs.push_back(std::to_string(v));
        type_candidate_inputs(p, k.switch_on, ivs, k.frames);
        p.press(kIdCandidatesButton);
        settle(p);
        const std::vector<uint32_t> want =
            reference::candidates(k.month, k.day, k.hour, k.minute, k.frame_limit, false, 0, f.iv);
        EXPECT_NE(std::find(want.begin(), want.end(), k.raw), want.end()) << k.what;
        EXPECT_EQ(adopt_buttons(p).size(), std::min<size_t>(want.size(), 10)) << k.what;
        EXPECT_TRUE(shows_rows(p, want));
    }
}

// An IV typed as 99 is used as 31, one typed as -4 as 0.
TEST_P(SeedTools, CandidateIvFieldsClamp) {
    Program p(GetParam());
    // the first seed of 3/4 5:06 (top bytes 18..77) whose frame 0 has H 31 and A 0
    uint32_t raw = 0;
    reference::Frame f{};
    for (uint32_t d = 0x300; d <= 0x1000 && raw == 0; ++d)
        for (uint32_t s = 0; s < 60 && raw == 0; ++s) {
            const uint32_t r = (18 + s) << 24 | 5u << 16 | d;
            f = reference::frame_ivs(reference::output_ivs(r, 0), 0, false);
            if (f.iv[0] == 31 && f.iv[1] == 0) raw = r;
        }
    ASSERT_NE(raw, 0u);
    std::vector<std::string> ivs = {"99", "-4"};
    for (int i = 2; i < 6; ++i) ivs.push_back(std::to_string(f.iv[i]));
    type_candidate_inputs(p, {"3", "4", "5", "6"}, ivs, "0");
    p.press(kIdCandidatesButton);
    settle(p);
    const std::vector<uint32_t> want = reference::candidates(3, 4, 5, 6, 0, false, 0, f.iv);
    EXPECT_NE(std::find(want.begin(), want.end(), raw), want.end());
    EXPECT_EQ(adopt_buttons(p).size(), std::min<size_t>(want.size(), 10));
    EXPECT_TRUE(shows_rows(p, want));
}

INSTANTIATE_TEST_SUITE_P(Builds, SeedTools, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
