#include "tools/possible_ivs.h"

#include <cstdio>

#include "core/texts.h"
#include "data/characteristics.h"
#include "data/natures.h"
#include "data/pokemon_dat.h"
#include "data/stat_formula.h"
#include "rng/hidden_power.h"

namespace {

static_assert(kMaxIv == 31, "one bit per IV in a 32-bit mask");
constexpr uint32_t kAllIvs = 0xFFFFFFFFu;
constexpr uint32_t kEvenIvs = 0x55555555u;
constexpr uint32_t kOddIvs = 0xAAAAAAAAu;
constexpr int32_t kParityPatterns = 1 << kStatCount;

// A selected list entry as an index, -1 for unknown or outside the list.
int32_t entry_index(int32_t entry, int32_t count) { return entry >= 1 && entry <= count ? entry - 1 : -1; }

int32_t lowest_iv(uint32_t mask) { return __builtin_ctz(mask); }
int32_t highest_iv(uint32_t mask) { return 31 - __builtin_clz(mask); }

// The IVs that leave remainder r mod 5.
uint32_t remainder_ivs(int32_t r) {
    uint32_t m = 0;
    for (int32_t v = r; v <= kMaxIv; v += 5) m |= 1u << v;
    return m;
}

// How nature n treats stat s: stat_with_nature depends only on whether n
// raises s and whether it lowers s.
int32_t nature_effect(int32_t n, Stat s) {
    return (nature_raised_stat(n) == s ? 1 : 0) | (nature_lowered_stat(n) == s ? 2 : 0);
}
constexpr int32_t kNatureEffects = 4;

// Bit v: IV v gives stat s in every counted row under nature n.
uint32_t stat_ivs(const StatsQuery& q, Stat s, int32_t n) {
    uint32_t ivs = kAllIvs;
    for (int32_t r = 0; r < q.row_count; ++r) {
        const StatRow& row = q.rows[r];
        if (!row.typed[s]) continue;
        uint32_t m = 0;
        for (int32_t v = 0; v <= kMaxIv; ++v)
            if (stat_with_nature(neutral_stat(s, q.base[s], v, row.level), s, n) == row.stat[s]) m |= 1u << v;
        ivs &= m;
    }
    return ivs;
}

// Adds the projections of the IvSets of the box set[0] × .. × set[5] that
// suit characteristic k (-1: every IvSet of the box). The characteristic's
// stat keeps its IVs with k's remainder that reach every other stat's lowest
// IV (the others can then take their lowest); every other stat keeps its IVs
// up to the highest of those.
void add_box(const uint32_t set[kStatCount], int32_t k, uint32_t out[kStatCount]) {
    for (int32_t s = 0; s < kStatCount; ++s)
        if (set[s] == 0) return;
    if (k < 0) {
        for (int32_t s = 0; s < kStatCount; ++s) out[s] |= set[s];
        return;
    }
    const Stat top = characteristic_stat(k);
    int32_t floor = 0;
    for (int32_t s = 0; s < kStatCount; ++s)
        if (s != top && lowest_iv(set[s]) > floor) floor = lowest_iv(set[s]);
    const uint32_t tops = set[top] & remainder_ivs(characteristic_remainder(k)) & (kAllIvs << floor);
    if (tops == 0) return;
    const uint32_t cap = kAllIvs >> (kMaxIv - highest_iv(tops));
    for (int32_t s = 0; s < kStatCount; ++s) out[s] |= s == top ? tops : set[s] & cap;
}

// The parity cuts of the chosen Hidden Power type: bit s of a pattern is the
// parity of stat s's IV. The type reads only bit 0 of each IV, so a pattern's
// own IvSet of 0s and 1s has the type of every IvSet with its parities.
int32_t type_patterns(int32_t type, uint32_t cuts[kParityPatterns][kStatCount]) {
    if (type < 0) {
        for (int32_t s = 0; s < kStatCount; ++s) cuts[0][s] = kAllIvs;
        return 1;
    }
    int32_t count = 0;
    for (int32_t p = 0; p < kParityPatterns; ++p) {
        IvSet parities;
        for (int32_t s = 0; s < kStatCount; ++s) parities.iv[s] = (p >> s) & 1;
        if (hidden_power_type_of(parities) != type) continue;
        for (int32_t s = 0; s < kStatCount; ++s) cuts[count][s] = parities.iv[s] ? kOddIvs : kEvenIvs;
        ++count;
    }
    return count;
}

// The natures the query allows: the chosen one, or every one.
struct NatureRange {
    int32_t first, last;
};
NatureRange allowed_natures(const StatsQuery& q) {
    return q.nature >= 0 ? NatureRange{q.nature, q.nature} : NatureRange{0, kNatureCount - 1};
}

// What the fields lack, in the order the window checks: the name, the levels, a stat.
PossibleIvsStatus input_status(const StatsQuery& q) {
    if (!q.species_found) return kSpeciesUnknown;
    bool typed = false;
    for (int32_t r = 0; r < q.row_count; ++r) {
        if (q.rows[r].level < 1 || q.rows[r].level > kMaxLevel) return kLevelOutOfRange;
        for (bool t : q.rows[r].typed) typed = typed || t;
    }
    return typed ? kIvsFound : kNoStatsTyped;
}

}  // namespace

StatsQuery read_stats_query(const StatsTexts& t) {
    StatsQuery q{};
    const FieldText name = take_field(t.species_name, kSpeciesNameChars);
    std::snprintf(q.species_name, sizeof q.species_name, "%.*s", static_cast<int>(kSpeciesNameChars), name.text);
    for (int32_t r = 0; r < kStatRows; ++r) {
        if (t.level[r][0] == '\0') continue;
        StatRow& row = q.rows[q.row_count++];
        row.level = field_int(t.level[r], kLevelChars);
        for (int32_t s = 0; s < kStatCount; ++s) {
            row.typed[s] = t.stat[r][s][0] != '\0';
            row.stat[s] = row.typed[s] ? field_int(t.stat[r][s], kStatChars) : 0;
        }
    }
    q.nature = entry_index(t.nature_entry, kNatureCount);
    q.characteristic = entry_index(t.characteristic_entry, kCharacteristicCount);
    q.hp_type = entry_index(t.type_entry, kHiddenPowerTypes);
    return q;
}

void set_query_species(StatsQuery* q, const SpeciesRecord* species) {
    q->species_found = species != nullptr && q->species_name[0] != '\0';
    for (int32_t s = 0; s < kStatCount; ++s) q->base[s] = q->species_found ? species->base[s] : 0;
}

bool fits(const StatsQuery& q, const IvSet& iv) {
    if (!q.species_found) return false;
    if (q.characteristic >= 0) {
        const Stat top = characteristic_stat(q.characteristic);
        if (iv.iv[top] % 5 != characteristic_remainder(q.characteristic)) return false;
        for (int32_t s = 0; s < kStatCount; ++s)
            if (iv.iv[s] > iv.iv[top]) return false;
    }
    if (q.hp_type >= 0 && hidden_power_type_of(iv) != q.hp_type) return false;
    // each typed stat's value before the nature, then the natures in turn
    int32_t neutral[kStatRows][kStatCount];
    for (int32_t r = 0; r < q.row_count; ++r)
        for (int32_t s = 0; s < kStatCount; ++s)
            if (q.rows[r].typed[s])
                neutral[r][s] = neutral_stat(static_cast<Stat>(s), q.base[s], iv.iv[s], q.rows[r].level);
    const NatureRange natures = allowed_natures(q);
    for (int32_t n = natures.first; n <= natures.last; ++n) {
        bool all = true;
        for (int32_t r = 0; r < q.row_count && all; ++r)
            for (int32_t s = 0; s < kStatCount && all; ++s)
                all = !q.rows[r].typed[s] ||
                      stat_with_nature(neutral[r][s], static_cast<Stat>(s), n) == q.rows[r].stat[s];
        if (all) return true;
    }
    return false;
}

bool fits_query(const IvSet& iv, const void* query) { return fits(*static_cast<const StatsQuery*>(query), iv); }

// For each allowed nature the boxes of per-stat IVs, cut to each parity
// pattern of the type, through the characteristic: the union is exact, since
// every fitting IvSet lies in the box of its nature and its parities.
PossibleIvs possible_ivs(const StatsQuery& q) {
    PossibleIvs result{};
    result.status = input_status(q);
    if (result.status != kIvsFound) return result;
    uint32_t by_effect[kStatCount][kNatureEffects];
    bool known[kStatCount][kNatureEffects] = {};
    uint32_t cuts[kParityPatterns][kStatCount];
    const int32_t patterns = type_patterns(q.hp_type, cuts);
    const NatureRange natures = allowed_natures(q);
    for (int32_t n = natures.first; n <= natures.last; ++n) {
        uint32_t box[kStatCount];
        for (int32_t s = 0; s < kStatCount; ++s) {
            const int32_t e = nature_effect(n, static_cast<Stat>(s));
            if (!known[s][e]) by_effect[s][e] = stat_ivs(q, static_cast<Stat>(s), n);
            known[s][e] = true;
            box[s] = by_effect[s][e];
        }
        for (int32_t p = 0; p < patterns; ++p) {
            uint32_t cut[kStatCount];
            for (int32_t s = 0; s < kStatCount; ++s) cut[s] = box[s] & cuts[p][s];
            add_box(cut, q.characteristic, result.mask);
        }
    }
    if (result.mask[kH] == 0) result.status = kNoIvSetFits;
    return result;
}

namespace {

// The IVs of mask ascending, a run of two or more as "a-b", joined by "," ("0-9,12"); "" for none.
void format_iv_mask(uint32_t mask, char* text) {
    size_t used = 0;
    text[0] = '\0';
    for (int32_t v = 0; v <= kMaxIv; ++v) {
        if (!(mask >> v & 1)) continue;
        int32_t end = v;
        while (end < kMaxIv && (mask >> (end + 1) & 1)) ++end;
        const char* comma = used ? "," : "";
        const size_t room = kIvTextBytes - used;
        used += static_cast<size_t>(end > v ? std::snprintf(text + used, room, "%s%d-%d", comma, v, end)
                                            : std::snprintf(text + used, room, "%s%d", comma, v));
        v = end;
    }
}

}  // namespace

PossibleIvsTexts possible_ivs_texts(const StatsQuery& q, const PossibleIvs& r) {
    PossibleIvsTexts t{};
    for (int32_t s = 0; s < kStatCount; ++s) {
        if (r.status == kIvsFound) format_iv_mask(r.mask[s], t.ivs[s]);
        if (r.status == kNoIvSetFits) std::snprintf(t.ivs[s], kIvTextBytes, "%s", tr(TextId::kNoIvs));
    }
    switch (r.status) {
    case kIvsFound:
        break;
    case kNoIvSetFits:
        std::snprintf(t.status, kStatusTextBytes, "%s", tr(TextId::kNoIvSetFits));
        break;
    case kSpeciesUnknown:
        std::snprintf(t.status, kStatusTextBytes, "%s", missing_species_text(q.species_name).c_str());
        break;
    case kLevelOutOfRange:
        std::snprintf(t.status, kStatusTextBytes, tr(TextId::kLevelRange), kMaxLevel);
        break;
    case kNoStatsTyped:
        std::snprintf(t.status, kStatusTextBytes, "%s", tr(TextId::kTypeLevelAndStats));
        break;
    }
    return t;
}
