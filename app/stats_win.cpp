// The stats window: what the game shows of a Pokémon (species, nature,
// characteristic, Hidden Power type, stats at up to three levels) gives its
// possible IVs, the initial seed candidates of the trial and, after an
// attempt, the hit around the target with its adopt button.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ids.h"
#include "app/layout.h"
#include "app/shell_win.h"
#include "core/fields.h"
#include "core/state.h"
#include "data/characteristics.h"
#include "data/natures.h"
#include "data/pokemon_dat.h"
#include "rng/hidden_power.h"
#include "timing/adopt.h"
#include "tools/candidates.h"
#include "tools/hit_search.h"
#include "tools/possible_ivs.h"

namespace {

constexpr int kClientWidth = 520;
constexpr int kClientHeight = 572;
constexpr int kStatX = 80;  // stat column i at kStatX + kStatSpacing * i
constexpr int kStatSpacing = 60;
constexpr int kRowY = 94;  // row r at kRowY + kRowSpacing * r
constexpr int kRowSpacing = 28;
constexpr int kIvY = 204;  // the possible IVs of stat i at kIvY + kIvSpacing * i
constexpr int kIvSpacing = 24;

const char* const kStatLetters[kStatCount] = {"H", "A", "B", "C", "D", "S"};

struct Label {
    int x, y;
    const char* text;
};
const Label kLabels[] = {
    {10, 13, "ポケモン名"}, {215, 13, "性格"}, {10, 43, "個性"}, {350, 43, "めざパ"}, {18, 72, "Lv"},
    {10, 182, "個体値"},    {10, 415, "下位±"}, {130, 415, "秒±"},
};

const char kUnknownEntry[] = "不明";
const char kNoHitsText[] = "当たりなし";
constexpr char kRangeLow[] = "100";
constexpr char kRangeSeconds[] = "1";

// The window, its controls and the hits its list shows; the window's thread only.
struct StatsWindow {
    HWND window;
    HWND name;
    HWND nature_list;
    HWND characteristic_list;
    HWND type_list;
    HWND level[kStatRows];
    HWND stat[kStatRows][kStatCount];
    HWND ivs[kStatCount];
    HWND status;
    HWND low_range;
    HWND second_range;
    HWND hit_list;
    std::vector<Hit> hits;  // the lines of hit_list, in order
} g_stats;

constexpr int32_t kLockedIds[] = {kIdStatsCandidatesButton, kIdStatsHitsButton, kIdStatsAdopt};

HWND edit(int id, const char* text, int x, int y, int width) {
    return create_control(g_stats.window, L"Edit", kEditStyle, text, x, y, width, kFieldHeight, id);
}

HWND list(int id, int x, int y, int width) {
    return create_control(g_stats.window, L"combobox", kListStyle, "", x, y, width, kListDroppedHeight, id);
}

HWND button(int id, const char* caption, int x, int y, int width) {
    return create_control(g_stats.window, L"Button", kTabStopButtonStyle, caption, x, y, width, kButtonHeight, id);
}

// 「不明」 first, then the names: entry n + 1 is name n.
void fill_list(HWND box, int32_t count, const char* (*name)(int32_t)) {
    add_list_entry(box, kUnknownEntry);
    for (int32_t n = 0; n < count; ++n) add_list_entry(box, name(n));
    SendMessageW(box, CB_SETCURSEL, 0, 0);
}

// In ascending identifiers, so that Tab follows them.
void create_stats_controls() {
    StatsWindow& w = g_stats;
    w.name = edit(kIdStatsName, "", 100, 10, 110);
    w.nature_list = list(kIdStatsNatureList, 260, 10, 120);
    fill_list(w.nature_list, kNatureCount, nature_name);
    w.characteristic_list = list(kIdStatsCharacteristicList, 100, 40, 240);
    fill_list(w.characteristic_list, kCharacteristicCount, characteristic_text);
    w.type_list = list(kIdStatsTypeList, 410, 40, 100);
    fill_list(w.type_list, kHiddenPowerTypes, hidden_power_type_text);
    for (int32_t r = 0; r < kStatRows; ++r) {
        const int y = kRowY + kRowSpacing * r;
        const int first = kIdStatsLevelFirst + kIdStatsRowStep * r;
        w.level[r] = edit(first, "", 10, y, 44);
        for (int32_t s = 0; s < kStatCount; ++s) w.stat[r][s] = edit(first + 1 + s, "", kStatX + kStatSpacing * s, y, 44);
    }
    for (int32_t s = 0; s < kStatCount; ++s)
        w.ivs[s] = create_control(w.window, L"static", kDisplayStyle, "", 40, kIvY + kIvSpacing * s, 470, kFieldHeight,
                                  kIdStatsIvFirst + s);
    w.status = create_control(w.window, L"static", kDisplayStyle, "", 10, 350, 500, kFieldHeight, kIdStatsStatus);
    button(kIdStatsIvButton, "個体値計算", 10, 380, 110);
    button(kIdStatsCandidatesButton, "初期seed候補", 130, 380, 120);
    button(kIdStatsHitsButton, "当たりを探す", 260, 380, 120);
    w.low_range = edit(kIdStatsLowRange, kRangeLow, 70, 412, 44);
    w.second_range = edit(kIdStatsSecondRange, kRangeSeconds, 170, 412, 30);
    w.hit_list = create_control(w.window, L"listbox", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
                                "", 10, 442, 300, 124, kIdStatsHitList);
    button(kIdStatsAdopt, "採用", 320, 442, 60);
}

void paint_stats(HDC dc) {
    const HGDIOBJ old_font = SelectObject(dc, g_window.font);
    for (const Label& l : kLabels) draw_text(dc, l.x, l.y, l.text);
    for (int32_t s = 0; s < kStatCount; ++s) {
        draw_text(dc, kStatX + kStatSpacing * s + 16, 72, kStatLetters[s]);
        draw_text(dc, 18, kIvY + kIvSpacing * s + 2, kStatLetters[s]);
    }
    SelectObject(dc, old_font);
}

// What the window's fields say, with the species looked up as the confirmation list looks it up.
StatsQuery read_query() {
    const StatsWindow& w = g_stats;
    std::string held[1 + kStatRows * (1 + kStatCount)];
    int used = 0;
    const auto hold = [&](HWND field) {
        held[used] = window_text(field);
        return held[used++].c_str();
    };
    StatsTexts t{};
    t.species_name = hold(w.name);
    for (int32_t r = 0; r < kStatRows; ++r) {
        t.level[r] = hold(w.level[r]);
        for (int32_t s = 0; s < kStatCount; ++s) t.stat[r][s] = hold(w.stat[r][s]);
    }
    t.nature_entry = selected_entry(w.nature_list);
    t.characteristic_entry = selected_entry(w.characteristic_list);
    t.type_entry = selected_entry(w.type_list);
    StatsQuery q = read_stats_query(t);
    set_query_species(&q, lookup_species(g_app.species, q.species_name));
    return q;
}

// 「個体値計算」: the possible IVs and the status line. Returns them for the searches.
PossibleIvs show_possible_ivs(const StatsQuery& q) {
    const PossibleIvs result = possible_ivs(q);
    const PossibleIvsTexts texts = possible_ivs_texts(q, result);
    for (int32_t s = 0; s < kStatCount; ++s) set_window_text(g_stats.ivs[s], texts.ivs[s]);
    set_window_text(g_stats.status, texts.status);
    return result;
}

// The searches run after the IVs unless a message says the fields are not enough.
bool searchable(const PossibleIvs& r) { return r.status == kIvsFound || r.status == kNoIvSetFits; }

// The frames that fit: the possible IVs as each stat's filter, then the whole test.
FrameMatch match_of(const PossibleIvs& r, const StatsQuery& q) {
    FrameMatch m{{}, fits_query, &q};
    for (int32_t s = 0; s < kStatCount; ++s) m.allowed[s] = r.mask[s];
    return m;
}

// Field texts of the main window that the searches read, read there.
std::string main_text(int id) { return window_text(GetDlgItem(g_window.main, id)); }

// 「初期seed候補」: the candidate search of the main window, matching the IvSets that fit.
void candidates_from_stats() {
    const StatsQuery q = read_query();
    const PossibleIvs r = show_possible_ivs(q);
    if (!searchable(r)) return;
    std::string held[4 + kStatCount + 1];
    CandidateTexts t{};
    for (int32_t i = 0; i < 4; ++i) t.switch_on[i] = (held[i] = main_text(kIdSwitchOnFirst + i)).c_str();
    for (int32_t s = 0; s < kStatCount; ++s) t.known_ivs[s] = (held[4 + s] = main_text(kIdKnownIvFirst + s)).c_str();
    t.last_frame = (held[4 + kStatCount] = main_text(kIdCandidatesLastFrame)).c_str();
    store_candidate_inputs(t);
    refresh_mac_and_roaming();
    CandidateInputs in = candidate_inputs();
    in.match = match_of(r, q);
    show_candidate_list(search_candidate_seeds(in));
}

// 「当たりを探す」: the seeds and frames around the target whose IvSet fits, closest first.
void hits_from_stats() {
    const StatsQuery q = read_query();
    const PossibleIvs r = show_possible_ivs(q);
    if (!searchable(r)) return;
    refresh_mac_and_roaming();
    HitSearchInputs in{};
    const std::string target = main_text(kIdTargetSeed);
    in.target_seed = field_hex_unsigned(target.c_str(), kWholeFieldChars);
    in.low_range = hit_range_of_text(window_text(g_stats.low_range).c_str(), kMaxLowRange);
    in.second_range = hit_range_of_text(window_text(g_stats.second_range).c_str(), kMaxSecondRange);
    const int32_t last = field_int(main_text(kIdCandidatesLastFrame).c_str(), kFrameChars);
    in.last_frame = last < 0 ? 0 : last;
    in.mac_offset = g_app.mac_offset;
    in.roaming = g_app.roaming;
    in.match = match_of(r, q);
    in.scan = g_scan_settings;
    g_stats.hits = search_hits(in);
    SendMessageW(g_stats.hit_list, LB_RESETCONTENT, 0, 0);
    char line[256];
    for (const Hit& h : g_stats.hits) {
        format_hit_line(h, line);
        SendMessageW(g_stats.hit_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(line).c_str()));
    }
    if (g_stats.hits.empty())
        SendMessageW(g_stats.hit_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(kNoHitsText).c_str()));
    else SendMessageW(g_stats.hit_list, LB_SETCURSEL, 0, 0);
}

// 「採用」: the stopwatch's interval and the selected hit's low 16 bits into the timing fields.
void adopt_hit() {
    const LRESULT n = SendMessageW(g_stats.hit_list, LB_GETCURSEL, 0, 0);
    if (n < 0 || static_cast<size_t>(n) >= g_stats.hits.size()) return;  // 「当たりなし」 or nothing selected
    adopt_raw_seed(g_stats.hits[static_cast<size_t>(n)].raw_seed);
}

void stats_command(uint16_t id) {
    if (search_running()) {
        for (int32_t locked : kLockedIds)
            if (id == locked) return;
    }
    switch (id) {
    case kIdStatsIvButton: show_possible_ivs(read_query()); break;
    case kIdStatsCandidatesButton: candidates_from_stats(); break;
    case kIdStatsHitsButton: hits_from_stats(); break;
    case kIdStatsAdopt: adopt_hit(); break;
    default: break;
    }
}

LRESULT CALLBACK stats_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        g_stats.window = window;
        create_stats_controls();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        paint_stats(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_COMMAND: stats_command(LOWORD(wParam)); return 0;
    case WM_CLOSE: ShowWindow(window, SW_HIDE); return 0;  // the fields keep their contents
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Where a window of this size first stands: right of the main window, moved
// left and up as far as it must to stay on the main window's screen, so that
// the candidate rows the searches fill stay in sight wherever there is room.
POINT beside_main_window(int width, int height) {
    RECT main;
    GetWindowRect(g_window.main, &main);
    MONITORINFO screen = {};
    screen.cbSize = sizeof screen;
    if (!GetMonitorInfoW(MonitorFromWindow(g_window.main, MONITOR_DEFAULTTONEAREST), &screen))
        return {main.right, main.top};
    const RECT& work = screen.rcWork;
    return {std::max(work.left, std::min<LONG>(main.right, work.right - width)),
            std::max(work.top, std::min<LONG>(main.top, work.bottom - height))};
}

bool create_stats_window() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = stats_procedure;
    wc.hInstance = g_window.instance;
    wc.hCursor = static_cast<HCURSOR>(LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kStatsWindowClass;
    if (!RegisterClassExW(&wc)) return false;
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const POINT place = beside_main_window(width, height);
    // owned by the main window: above it, and gone with it
    return CreateWindowExW(0, kStatsWindowClass, to_wide("実数値から個体値").c_str(), kStyle, place.x, place.y, width,
                           height, g_window.main, nullptr, g_window.instance, nullptr) != nullptr;
}

}  // namespace

void show_stats_window() {
    if (!g_stats.window && !create_stats_window()) return;
    enable_stats_searches(!search_running());
    ShowWindow(g_stats.window, SW_SHOW);
    SetForegroundWindow(g_stats.window);
}

void enable_stats_searches(bool enabled) {
    if (!g_stats.window) return;
    for (int32_t id : kLockedIds) EnableWindow(GetDlgItem(g_stats.window, id), enabled);
}

bool stats_dialog_message(MSG* msg) {
    return g_stats.window && (msg->hwnd == g_stats.window || IsChild(g_stats.window, msg->hwnd)) &&
           IsDialogMessageW(g_stats.window, msg);
}
