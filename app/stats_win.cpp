// The stats window: what the game shows of a Pokémon (species, nature,
// characteristic, Hidden Power type, stats at up to three levels) gives its
// possible IVs, the initial seed candidates of the trial and, after an
// attempt, the hit around the target with its adopt button.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/ids.h"
#include "app/shell_win.h"
#include "app/stats_table.h"
#include "core/state.h"
#include "data/pokemon_dat.h"
#include "tools/candidates.h"
#include "tools/hit_search.h"
#include "tools/possible_ivs.h"

namespace {


void stats_command(uint16_t id);
void relabel_stats();

ToolWindow g_stats_window = {kStatsWindowClass, TextId::kStatsTitle, kStatsClientWidth, kStatsClientHeight,
                             &kStatsWindowTable, stats_command, relabel_stats, nullptr};

// The last possible IVs shown, to show them again in another language.
struct ShownIvs {
    bool shown;
    StatsQuery query;
    PossibleIvs result;
};
ShownIvs g_shown_ivs;

// The hits the list shows, in its order; the window's thread only.
std::vector<Hit> g_hits;
bool g_hits_shown;  // a search has filled the list

HWND stats_control(int id) { return GetDlgItem(g_stats_window.window, id); }

// What the window's fields say, with the species looked up as the confirmation list looks it up.
StatsQuery read_query() {
    HeldTexts held(g_stats_window.window);
    StatsTexts t{};
    t.species_name = held.take(kIdStatsName);
    for (int32_t r = 0; r < kStatRows; ++r) {
        t.level[r] = held.take(kIdStatsLevelFirst + kIdStatsRowStep * r);
        held.take_row(kIdStatsLevelFirst + kIdStatsRowStep * r + 1, t.stat[r]);
    }
    t.nature_entry = selected_entry(stats_control(kIdStatsNatureList));
    t.characteristic_entry = selected_entry(stats_control(kIdStatsCharacteristicList));
    t.type_entry = selected_entry(stats_control(kIdStatsTypeList));
    StatsQuery q = read_stats_query(t);
    set_query_species(&q, lookup_species(g_app.species, q.species_name));
    return q;
}

void show_ivs_texts() {
    const StatsQuery& q = g_shown_ivs.query;
    const PossibleIvsTexts texts = possible_ivs_texts(q, g_shown_ivs.result);
    for (int32_t s = 0; s < kStatCount; ++s) set_window_text(stats_control(kIdStatsIvFirst + s), texts.ivs[s]);
    if (g_shown_ivs.result.status == kSpeciesUnknown)  // the name as typed, also where CP932 lacks its characters
        set_text_naming_field(stats_control(kIdStatsStatus), tr(TextId::kMissingSpecies), stats_control(kIdStatsName),
                              std::strlen(q.species_name));
    else set_window_text(stats_control(kIdStatsStatus), texts.status);
}

// 「個体値計算」: the possible IVs and the status line. Returns them for the searches.
PossibleIvs show_possible_ivs(const StatsQuery& q) {
    const PossibleIvs result = possible_ivs(q);
    g_shown_ivs = {true, q, result};
    show_ivs_texts();
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

// 「初期seed候補」: the candidate search of the main window, matching the IvSets that fit.
void candidates_from_stats() {
    const StatsQuery q = read_query();
    const PossibleIvs r = show_possible_ivs(q);
    if (!searchable(r)) return;
    HeldTexts held(g_window.main);
    CandidateTexts t{};
    held.take_row(kIdSwitchOnFirst, t.switch_on, 4);
    held.take_row(kIdKnownIvFirst, t.known_ivs);
    t.last_frame = held.take(kIdCandidatesLastFrame);
    CandidateInputs in = read_candidate_inputs(t, refresh_generator_setting());
    in.match = match_of(r, q);
    show_candidate_list(search_candidate_seeds(in));
}

// The hit lines of g_hits in the shown language, line selected chosen.
void fill_hit_list(LRESULT selected) {
    const HWND list = stats_control(kIdStatsHitList);
    // drawn once when full, not once a line
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    char line[256];
    for (const Hit& h : g_hits) {
        format_hit_line(h, line);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(line).c_str()));
    }
    if (g_hits.empty()) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(tr(TextId::kNoHits)).c_str()));
    else SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// 「当たりを探す」: the seeds and frames around the target whose IvSet fits, closest first.
void hits_from_stats() {
    const StatsQuery q = read_query();
    const PossibleIvs r = show_possible_ivs(q);
    if (!searchable(r)) return;
    HeldTexts main_held(g_window.main), held(g_stats_window.window);
    HitSearchTexts t{};
    t.target_seed = main_held.take(kIdTargetSeed);
    t.last_frame = main_held.take(kIdCandidatesLastFrame);
    t.low_range = held.take(kIdStatsLowRange);
    t.second_range = held.take(kIdStatsSecondRange);
    HitSearchInputs in = read_hit_search_inputs(t, refresh_generator_setting());
    begin_attempt(in.target_seed);
    in.match = match_of(r, q);
    g_hits = search_hits(in);
    g_hits_shown = true;
    fill_hit_list(0);
}

// 「採用」: the stopwatch's interval and the selected hit's low 16 bits into the timing fields.
void adopt_hit() {
    const LRESULT n = SendMessageW(stats_control(kIdStatsHitList), LB_GETCURSEL, 0, 0);
    if (n < 0 || static_cast<size_t>(n) >= g_hits.size()) return;  // 「当たりなし」 or nothing selected
    adopt_raw_seed(g_hits[static_cast<size_t>(n)].raw_seed);
    record_attempt(g_hits[static_cast<size_t>(n)]);
}

void stats_command(uint16_t id) {
    switch (id) {
    case kIdStatsIvButton: show_possible_ivs(read_query()); break;
    case kIdStatsCandidatesButton: candidates_from_stats(); break;
    case kIdStatsHitsButton: hits_from_stats(); break;
    case kIdStatsAdopt: adopt_hit(); break;
    case kIdStatsAttempts: show_attempts_window(); break;
    default: break;
    }
}

void relabel_stats() {
    if (g_shown_ivs.shown) show_ivs_texts();
    if (g_hits_shown) fill_hit_list(SendMessageW(stats_control(kIdStatsHitList), LB_GETCURSEL, 0, 0));
}

}  // namespace

void show_stats_window() { show_tool_window(&g_stats_window); }
