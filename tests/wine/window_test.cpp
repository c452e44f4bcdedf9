// The main window as a player meets it, in both builds: every control with
// its class, style, text and place; the lists; config.txt; Tab movement; the
// edit fields' width rule; commands that do nothing; the painted labels.
#include <gtest/gtest.h>

#include <cstring>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/ids.h"
#include "core/version.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;  // plus ES_AUTOHSCROLL when scrolling
constexpr DWORD kList = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
constexpr DWORD kBordered = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr DWORD kTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kPlain = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDisplay = WS_CHILD | WS_VISIBLE | SS_NOPREFIX;

struct ControlSpec {
    int id;
    const char* cls;  // as Wine reports the class
    DWORD style;
    std::string text;
    int x, y, w, h;
};

// Every child control, in creation order.
std::vector<ControlSpec> expected_controls() {
    std::vector<ControlSpec> c = {
        {kIdMacByte1, "Edit", kEdit, "", 330, 2, 30, 22},
        {kIdMacByte2, "Edit", kEdit, "", 370, 2, 30, 22},
        {kIdMacByte3, "Edit", kEdit, "", 410, 2, 30, 22},
        {kIdRoamingBox, "Button", kCheck, "徘徊", 500, 2, 100, 25},
    };
    for (int i = 0; i < 6; ++i) c.push_back({kIdSearchIvFirst + i, "Edit", kEdit, "0", 78 + 40 * i, 64, 20, 22});
    c.push_back({kIdSearchTypeList, "ComboBox", kList, "", 65, 103, 120, 350});
    c.push_back({kIdSearchMinPower, "Edit", kEdit, "30", 200, 104, 24, 22});
    c.push_back({kIdSearchLowMin, "Edit", kEdit, "600", 105, 145, 40, 22});
    c.push_back({kIdSearchLowMax, "Edit", kEdit, "1000", 170, 145, 40, 22});
    c.push_back({kIdSearchLastFrame, "Edit", kEdit, "30", 330, 145, 40, 22});
    c.push_back({kIdSearchButton, "Button", kBordered, "計算", 240, 190, 100, 25});
    c.push_back({kIdListSeed, "Edit", kEdit, "", 530, 54, 96, 22});
    for (int i = 0; i < 6; ++i) c.push_back({kIdListIvFirst + i, "Edit", kEdit, "0", 478 + 40 * i, 94, 20, 22});
    c.push_back({kIdListTypeList, "ComboBox", kList, "", 465, 134, 120, 350});
    c.push_back({kIdListMinPower, "Edit", kEdit, "30", 600, 134, 24, 22});
    c.push_back({kIdListFrameCount, "Edit", kEdit, "100", 410, 174, 40, 22});
    c.push_back({kIdListButton, "Button", kBordered, "リスト出力", 580, 200, 100, 25});
    c.push_back({kIdStopwatchDisplay, "Static", kDisplay, "0", 20, 274, 60, 22});
    c.push_back({kIdStopwatchButton, "Button", kPlain, "起動", 100, 274, 100, 25});
    for (int i = 0; i < 4; ++i) c.push_back({kIdSwitchOnFirst + i, "Edit", kEdit, "", 90 + 50 * i, 309, 24, 22});
    for (int i = 0; i < 6; ++i) c.push_back({kIdKnownIvFirst + i, "Edit", kEdit, "", 78 + 40 * i, 339, 20, 22});
    c.push_back({kIdCandidatesButton, "Button", kTabStop, "初期seed計算", 270, 369, 120, 25});
    c.push_back({kIdCandidatesLastFrame, "Edit", kEdit, "20", 120, 369, 40, 22});
    c.push_back({kIdTargetSeed, "Edit", kEdit, "", 570, 279, 96, 22});
    c.push_back({kIdTimingMonth, "Edit", kEdit, "9", 490, 309, 24, 22});
    c.push_back({kIdTimingDay, "Edit", kEdit, "12", 540, 309, 24, 22});
    c.push_back({kIdDateModeList, "ComboBox", kList, "", 600, 309, 100, 350});
    c.push_back({kIdMeasuredSeconds, "Edit", kEdit, "", 420, 339, 100, 22});
    c.push_back({kIdObtainedLow, "Edit", kEdit, "", 600, 339, 48, 22});
    c.push_back({kIdTimingButton, "Button", kTabStop, "計算", 680, 339, 100, 25});
    c.push_back({kIdConfirmFrames, "Edit", kEdit, "", 420, 450, 36, 22});
    c.push_back({kIdSpeciesName, "Edit", kEdit, "ポケモン名", 550, 450, 90, 22});
    c.push_back({kIdLevel, "Edit", kEdit, "", 670, 450, 36, 22});
    c.push_back({kIdConfirmButton, "Button", kTabStop, "初期seed確認リスト", 580, 510, 180, 25});
    c.push_back({kIdNatureList, "ComboBox", kList, "", 640, 478, 120, 350});
    c.push_back({kIdTimerButton, "Button", kPlain, "タイマー", 420, 478, 100, 25});
    c.push_back({kIdTimerDisplay, "Static", kDisplay, "", 420, 510, 155, 22});
    c.push_back({kIdStatsButton, "Button", kTabStop, "実数値から", 290, 405, 100, 25});
    c.push_back({kIdLanguageButton, "Button", kTabStop, "English", 610, 2, 80, 25});
    return c;
}

const char* const kTypeNames[16] = {"かくとう", "ひこう", "どく",   "じめん",   "いわ",   "むし",     "ゴースト", "はがね",
                                    "ほのお",   "みず",   "くさ",   "でんき",   "エスパー", "こおり", "ドラゴン", "あく"};

// A one-line species table when the build holds none, so no message box stops the start.
std::map<std::string, std::string> with_species(std::map<std::string, std::string> files = {}) {
    if (!driver::file_exists(driver::build_dir() + "\\pokemon.dat") && !files.count("pokemon.dat"))
        files["pokemon.dat"] = "45,49,49,65,65,45,フシギダネ\r\n";
    return files;
}

// The direct children of the main window, counted by identifier.
BOOL CALLBACK count_child(HWND w, LPARAM p) {
    auto* counts = reinterpret_cast<std::pair<HWND, std::map<int, int>>*>(p);
    if (GetParent(w) == counts->first) ++counts->second[GetDlgCtrlID(w)];
    return TRUE;
}

std::map<int, int> children_by_id(HWND main) {
    std::pair<HWND, std::map<int, int>> counts{main, {}};
    EnumChildWindows(main, count_child, reinterpret_cast<LPARAM>(&counts));
    return counts.second;
}

void expect_each_control_once(HWND main) {
    const std::map<int, int> counts = children_by_id(main);
    const std::vector<ControlSpec> want = expected_controls();
    EXPECT_EQ(counts.size(), want.size());
    for (const ControlSpec& c : want) {
        auto it = counts.find(c.id);
        EXPECT_TRUE(it != counts.end() && it->second == 1) << "control " << c.id;
    }
}

std::string list_entry(HWND list, int index) {
    const LRESULT n = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n < 0) return "<none>";
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&s[0]));
    s.resize(static_cast<size_t>(n));
    return driver::to_cp932(s);
}

std::vector<std::string> files_in(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA f;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &f);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string n = f.cFileName;
        if (n != "." && n != "..") names.push_back(n);
    } while (FindNextFileA(h, &f));
    FindClose(h);
    return names;
}

// Lets the program handle what is queued and paint.
void settle(const Program& p) {
    for (int i = 0; i < 5; ++i) {
        SendMessageA(p.window(), WM_NULL, 0, 0);
        Sleep(40);
    }
}

bool is_black_row(const driver::Pixels& px, int y, int x_from, int x_to) {
    for (int x = x_from; x < x_to; ++x)
        if (px.at(x, y) != 0) return false;
    return true;
}

bool is_black_column(const driver::Pixels& px, int x, int y_from, int y_to) {
    for (int y = y_from; y < y_to; ++y)
        if (px.at(x, y) != 0) return false;
    return true;
}

struct Label {
    int x, y;
    const char* text;
};

const Label kSampleLabels[] = {
    {150, 3, "MACアドレス右側3つ:"}, {0, 31, "初期seed絞り込み"},   {10, 65, "個体値:"},
    {306, 65, "以上"},                {150, 145, "～"},
    {220, 145, "最大消費回数:"},     {401, 31, "リスト出力"},       {410, 55, "raw初期seed:0x"},
    {450, 175, "回まで出力"},         {0, 250, "起動→Cギアフレーム測定"}, {10, 310, "CギアON:"},
    {10, 405, "raw初期seed候補:"},   {401, 250, "初期seed確認リスト"}, {420, 280, "狙うraw初期seed:0x"},
    {520, 340, "秒で下位0x"},         {460, 450, "個消費"},           {650, 450, "Lv"},
    {595, 481, "性格:"},
};

// The divider lines and the sample labels are on screen.
void expect_painted(const Program& p) {
    const driver::Pixels px = p.capture();
    ASSERT_GE(px.width, 792);
    ASSERT_GE(px.height, 573);
    EXPECT_TRUE(is_black_row(px, 30, 0, px.width < 800 ? px.width : 800));
    EXPECT_TRUE(is_black_row(px, 249, 0, px.width < 800 ? px.width : 800));
    EXPECT_TRUE(is_black_column(px, 400, 30, px.height < 700 ? px.height : 700));
    EXPECT_NE(px.at(200, 29), 0u);  // one pixel wide
    EXPECT_NE(px.at(401, 40), 0u);
    for (const Label& l : kSampleLabels) EXPECT_TRUE(driver::shows_text(px, l.x, l.y, l.text)) << l.text;
}

class Window : public ::testing::TestWithParam<const char*> {
protected:
    bool scrolling() const { return std::string(GetParam()) == "Kivrel.exe"; }
};

TEST_P(Window, EveryControlHasItsClassStyleTextAndPlace) {
    Program p(GetParam(), with_species());
    const DWORD scroll = scrolling() ? ES_AUTOHSCROLL : 0;
    for (const ControlSpec& c : expected_controls()) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        HWND w = p.control(c.id);
        ASSERT_NE(w, nullptr);
        char cls[64] = "";
        GetClassNameA(w, cls, sizeof cls);
        EXPECT_STREQ(cls, c.cls);
        const bool is_edit = std::string(c.cls) == "Edit";
        const bool is_list = std::string(c.cls) == "ComboBox";
        // Wine's edit and combo box drop these bits from their own style
        const DWORD dropped = is_edit ? WS_BORDER : (is_list ? WS_BORDER | WS_VSCROLL : 0);
        const DWORD want = (is_edit ? c.style | scroll : c.style) & ~dropped;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)) & ~dropped, want);
        if (is_edit) {
            EXPECT_EQ((GetWindowLongA(w, GWL_STYLE) & ES_AUTOHSCROLL) != 0, scrolling());
        }
        if (!is_list) {
            EXPECT_EQ(p.text(c.id), c.text);
        }
        const RECT r = driver::rect_in_client(p.window(), w);
        EXPECT_EQ(r.left, c.x);
        EXPECT_EQ(r.top, c.y);
        EXPECT_EQ(r.right - r.left, c.w);
        int height = r.bottom - r.top;
        if (is_list) {
            // a combo box reports its closed height; the dropped list makes up the rest
            RECT dropped_rect;
            SendMessageA(w, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped_rect));
            height += dropped_rect.bottom - dropped_rect.top;
        }
        EXPECT_EQ(height, c.h);
    }
    expect_each_control_once(p.window());
}

// The controls and texts that came after the rest (the nature list and its
// label, the timer's button and display, the clock line): each clear of every
// other control and of each other, inside the client area a real Windows
// gives the window (784 x 561, smaller than Wine's); the timer's display wide
// enough for its texts.
TEST_P(Window, NewerControlsAndTextsStayClearAndInside) {
    Program p(GetParam(), with_species());
    auto box = [&](int x, int y, const char* text) {
        const SIZE size = driver::text_extent(text);
        return RECT{x, y, x + size.cx, y + size.cy};
    };
    for (const char* text : {"先に計算して下さい", "起動まで 69.00", "Cギアまで 99.99", "完了", "中止"})
        EXPECT_LE(box(0, 0, text).right, 155) << text;
    std::vector<std::pair<std::string, RECT>> newer = {{"clock line", box(440, 430, "時計合わせ:12月31日23時59分")},
                                                       {"nature label", box(595, 481, "性格:")}};
    const int newer_ids[] = {kIdNatureList, kIdTimerButton, kIdTimerDisplay, kIdStatsButton, kIdLanguageButton};
    // the stats window's button stays clear of the candidate rows and their adopt buttons
    newer.push_back({"candidate rows", RECT{144, 405, 281, 561}});
    for (int id : newer_ids)
        newer.push_back({"control " + std::to_string(id), driver::rect_in_client(p.window(), p.control(id))});
    for (size_t i = 0; i < newer.size(); ++i) {
        const RECT& r = newer[i].second;
        SCOPED_TRACE(newer[i].first);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 784 && r.bottom <= 561);
        RECT overlap;
        for (const ControlSpec& c : expected_controls()) {
            if (std::find(std::begin(newer_ids), std::end(newer_ids), c.id) != std::end(newer_ids)) continue;
            const RECT other = driver::rect_in_client(p.window(), p.control(c.id));
            EXPECT_FALSE(IntersectRect(&overlap, &r, &other)) << "control " << c.id;
        }
        for (size_t j = i + 1; j < newer.size(); ++j)
            EXPECT_FALSE(IntersectRect(&overlap, &r, &newer[j].second)) << newer[j].first;
    }
}

TEST_P(Window, ControlsAreCreatedInTheirOrder) {
    Program p(GetParam(), with_species());
    // the window keeps its children in creation order (each new one goes last)
    std::vector<int> order;
    for (HWND w = GetWindow(p.window(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) order.push_back(GetDlgCtrlID(w));
    std::vector<int> want;
    for (const ControlSpec& c : expected_controls()) want.push_back(c.id);
    EXPECT_EQ(order, want);
}

TEST_P(Window, ListsHoldTheirEntriesWithTheFirstSelected) {
    Program p(GetParam(), with_species());
    for (int id : {kIdSearchTypeList, kIdListTypeList}) {
        SCOPED_TRACE("list " + std::to_string(id));
        HWND list = p.control(id);
        ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 17);
        EXPECT_EQ(list_entry(list, 0), "指定無し");
        for (int t = 0; t < 16; ++t) EXPECT_EQ(list_entry(list, t + 1), kTypeNames[t]) << "type " << t;
        EXPECT_EQ(p.list_selection(id), 0);
        EXPECT_EQ(p.text(id), "指定無し");
    }
    HWND mode = p.control(kIdDateModeList);
    ASSERT_EQ(SendMessageW(mode, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(list_entry(mode, 0), "以降");
    EXPECT_EQ(p.list_selection(kIdDateModeList), 0);
    // "補正なし" (no modifier), then the natures in the game's order
    const char* const natures[] = {"補正なし", "がんばりや", "さみしがり", "ゆうかん", "いじっぱり", "やんちゃ", "ずぶとい",
                                   "すなお", "のんき", "わんぱく", "のうてんき", "おくびょう", "せっかち", "まじめ", "ようき",
                                   "むじゃき", "ひかえめ", "おっとり", "れいせい", "てれや", "うっかりや", "おだやか",
                                   "おとなしい", "なまいき", "しんちょう", "きまぐれ"};
    HWND nature = p.control(kIdNatureList);
    ASSERT_EQ(SendMessageW(nature, CB_GETCOUNT, 0, 0), 26);
    for (int n = 0; n < 26; ++n) EXPECT_EQ(list_entry(nature, n), natures[n]) << "entry " << n;
    EXPECT_EQ(p.list_selection(kIdNatureList), 0);
}

TEST_P(Window, RepaintingNeverCreatesControlsAgain) {
    Program p(GetParam(), with_species());
    p.set_text(kIdSearchIvFirst, "31");  // a field's text survives every repaint
    // covered by another window and uncovered
    RECT w;
    GetWindowRect(p.window(), &w);
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE, w.left, w.top, w.right - w.left,
                                 w.bottom - w.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(cover, nullptr);
    UpdateWindow(cover);
    Sleep(200);
    DestroyWindow(cover);
    settle(p);
    expect_each_control_once(p.window());
    // resized larger and back
    SetWindowPos(p.window(), nullptr, 0, 0, 900, 750, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    settle(p);
    expect_each_control_once(p.window());
    expect_painted(p);
    SetWindowPos(p.window(), nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    settle(p);
    // a whole-window repaint
    InvalidateRect(p.window(), nullptr, TRUE);
    UpdateWindow(p.window());
    settle(p);
    expect_each_control_once(p.window());
    expect_painted(p);
    EXPECT_EQ(p.text(kIdSearchIvFirst), "31");
}

TEST_P(Window, PaintShowsDividersAndLabels) {
    Program p(GetParam(), with_species());
    settle(p);
    expect_painted(p);
}

// Types characters one by one as the keyboard would deliver them.
void type_chars(HWND field, const std::string& chars) {
    for (char ch : chars) SendMessageA(field, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)), 1);
}

TEST_P(Window, FieldsTakeTextUpToTheirWidthOnlyInTheFixedBuild) {
    Program p(GetParam(), with_species());
    const struct {
        int id;
        std::string typed;
    } cases[] = {
        {kIdSearchIvFirst, "1111111111"},                        // a 20-pixel IV field
        {kIdListSeed, "0123456789ABCDEF0123456789ABCDEF"},  // the 96-pixel raw seed field
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("field " + std::to_string(c.id));
        p.set_text(c.id, "");
        type_chars(p.control(c.id), c.typed);
        const std::string got = p.text(c.id);
        if (scrolling()) {
            EXPECT_EQ(got, c.typed);
        } else {
            // the field stopped at its visible width, keeping what was typed before
            EXPECT_FALSE(got.empty());
            EXPECT_LT(got.size(), c.typed.size());
            EXPECT_EQ(got, c.typed.substr(0, got.size()));
        }
    }
}

TEST_P(Window, CommandsWithoutHandlerDoNothing) {
    Program p(GetParam(), with_species());
    const std::vector<std::string> before = files_in(p.dir());
    // 1011 is just past the adopt buttons; 65535 - 1001 wraps far above them;
    // 1 and 2 are what Enter and Escape in a field send through IsDialogMessage
    for (int id : {0, 1, 2, 300, 1000, 1011, 1012, 65535, int{kIdSearchIvFirst}, int{kIdMacByte1}, int{kIdRoamingBox},
                   int{kIdSearchTypeList}, int{kIdDateModeList}, int{kIdStopwatchDisplay}}) {
        SendMessageA(p.window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    SendMessageA(p.window(), WM_COMMAND, MAKEWPARAM(1011, 0x1234), 0);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, p.process_id());
    EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));  // still running
    CloseHandle(process);
    EXPECT_EQ(p.title(), kMainTitle);
    EXPECT_EQ(files_in(p.dir()), before);
    EXPECT_TRUE(p.opened().empty());
    expect_each_control_once(p.window());
    EXPECT_EQ(p.close(), 0);
}

TEST_P(Window, TabMovesThroughTheTabStopsInCreationOrder) {
    Program p(GetParam(), with_species());
    std::vector<int> stops;
    for (const ControlSpec& c : expected_controls())
        if (c.style & WS_TABSTOP) stops.push_back(c.id);
    ASSERT_EQ(stops.size(), 52u);
    const driver::TabWalks walked = driver::tab_walks(p, p.window(), stops), want = driver::tab_walks_in_order(stops);
    EXPECT_EQ(walked.forward, want.forward);
    EXPECT_EQ(walked.backward, want.backward);
}

INSTANTIATE_TEST_SUITE_P(Builds, Window, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

struct ConfigCase {
    const char* name;
    std::string bytes;  // empty: no config.txt at all
    std::string mac[3];
    std::string seconds;
    std::string low;
};

TEST(ConfigFile, FieldsShowTheRememberedInputs) {
    const std::string long_line(300, 'A');
    const ConfigCase cases[] = {
        {"three lines", "00\n1B\n2C\n", {"00", "1B", "2C"}, "", ""},
        {"five lines, the last without a line feed", "00\r\n1B\r\n2C\r\n12.34\r\nABCD", {"00", "1B", "2C"}, "12.34",
         "ABCD"},
        {"no file", "", {"", "", ""}, "", ""},
        {"two lines", "FF\nFE\n", {"FF", "FE", ""}, "", ""},
        {"300-character line", long_line + "\n1B\n2C\n", {std::string(255, 'A'), std::string(45, 'A'), "1B"}, "2C",
         ""},
    };
    for (const ConfigCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::map<std::string, std::string> files;
        if (!c.bytes.empty()) files["config.txt"] = c.bytes;
        Program p("Kivrel.exe", with_species(files));
        EXPECT_EQ(p.text(kIdMacByte1), c.mac[0]);
        EXPECT_EQ(p.text(kIdMacByte2), c.mac[1]);
        EXPECT_EQ(p.text(kIdMacByte3), c.mac[2]);
        EXPECT_EQ(p.text(kIdMeasuredSeconds), c.seconds);
        EXPECT_EQ(p.text(kIdObtainedLow), c.low);
        // read only, never written back
        EXPECT_EQ(p.file("config.txt"), c.bytes);
    }
}

// list.txt for raw seed 12345678 with the MAC fields and roaming box as given.
std::string frame_list_with(Program& p, const std::string (&mac)[3], bool roaming) {
    for (int i = 0; i < 3; ++i) p.set_text(kIdMacByte1 + i, mac[i]);
    SendMessageA(p.control(kIdRoamingBox), BM_SETCHECK, roaming ? BST_CHECKED : BST_UNCHECKED, 0);
    p.press(kIdListButton);
    return p.file("list.txt");
}

TEST(MacFields, TheirTextsReachTheGeneratorAsBytes) {
    Program p("Kivrel.exe", with_species());
    p.set_text(kIdListSeed, "12345678");
    p.set_text(kIdListFrameCount, "20");
    const struct {
        std::string typed[3];
        std::string same_as[3];
    } cases[] = {
        {{"1FF", "-1", "G7"}, {"1F", "0", "0"}},  // two characters taken; below 0 and no digit give 0
        {{" 7", "ff", "0x"}, {"7", "FF", "0"}},
        {{"", "", ""}, {"00", "00", "00"}},
        {{"100", "2C", "1b"}, {"10", "2C", "1B"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed[0] + "|" + c.typed[1] + "|" + c.typed[2]);
        const std::string typed = frame_list_with(p, c.typed, false);
        ASSERT_FALSE(typed.empty());
        EXPECT_EQ(typed, frame_list_with(p, c.same_as, false));
    }
    // each byte and the roaming box change the list
    const std::string base = frame_list_with(p, {"1F", "00", "00"}, false);
    EXPECT_NE(base, frame_list_with(p, {"1E", "00", "00"}, false));
    EXPECT_NE(base, frame_list_with(p, {"1F", "01", "00"}, false));
    EXPECT_NE(base, frame_list_with(p, {"1F", "00", "01"}, false));
    EXPECT_NE(base, frame_list_with(p, {"1F", "00", "00"}, true));
}

TEST(MacFields, ConfigValuesAreUsedWhenAToolRuns) {
    Program p("Kivrel.exe", with_species({{"config.txt", "00\n1B\n2C\n"}}));
    p.set_text(kIdListSeed, "12345678");
    p.set_text(kIdListFrameCount, "20");
    p.press(kIdListButton);
    const std::string from_config = p.file("list.txt");
    ASSERT_FALSE(from_config.empty());
    EXPECT_EQ(from_config, frame_list_with(p, {"0", "1b", "2c"}, false));
    EXPECT_NE(from_config, frame_list_with(p, {"", "", ""}, false));
}

}  // namespace
