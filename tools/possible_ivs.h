// Possible IVs from what the game shows: for each stat, every IV that some
// IvSet fitting the typed stats, the nature, the characteristic and the
// Hidden Power type has; and the fitting test the searches run on IvSets.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/fields.h"
#include "core/game.h"

// The same Pokémon typed at up to three levels.
constexpr int32_t kStatRows = 3;
constexpr int32_t kMaxLevel = 100;  // a counted row's level is 1..kMaxLevel

// The stats window's fields as the window holds them.
struct StatsTexts {
    const char* species_name;
    const char* level[kStatRows];
    const char* stat[kStatRows][kStatCount];  // H..S
    int32_t nature_entry;          // 0 unknown, n + 1 nature n
    int32_t characteristic_entry;  // 0 unknown, k + 1 characteristic k
    int32_t type_entry;            // 0 unknown, t + 1 Hidden Power type t
};

// One counted row: its level and the stats typed at it.
struct StatRow {
    int32_t level;
    bool typed[kStatCount];
    int32_t stat[kStatCount];
};

// What the fields say, as values.
struct StatsQuery {
    char species_name[kSpeciesNameChars + 1];  // as read
    bool species_found;
    int32_t base[kStatCount];  // the species' base stats when found
    int32_t row_count;
    StatRow rows[kStatRows];  // the counted rows, in the window's order
    int32_t nature;           // 0..24, -1 unknown
    int32_t characteristic;   // 0..29, -1 unknown
    int32_t hp_type;          // 0..15, -1 unknown
};

// Reads the fields: the name as the species field is read (at most 10 bytes,
// never cut inside a character), each row whose level field is not empty,
// each stat of it whose field is not empty (levels and stats as atoi reads
// their first 4 characters), a list entry outside its list as unknown. The
// species is not found until set_query_species gives it.
StatsQuery read_stats_query(const StatsTexts& t);

// Gives the query the species that the caller found for its name (null: none
// matched); an empty name finds none.
void set_query_species(StatsQuery* q, const SpeciesRecord* species);

// True when some nature (the chosen one, or any when unknown) gives every
// typed stat of every counted row from iv, the characteristic's stat holds a
// highest IV (ties allowed) with the characteristic's remainder mod 5, and
// iv's Hidden Power type is the chosen one. False without a species.
bool fits(const StatsQuery& q, const IvSet& iv);

// fits with the query as the searches' context.
bool fits_query(const IvSet& iv, const void* query);

enum PossibleIvsStatus : int32_t {
    kIvsFound,         // some IvSet fits
    kNoIvSetFits,      // none does
    kSpeciesUnknown,   // the name matched no record (or is empty)
    kLevelOutOfRange,  // a counted row's level is not 1..100
    kNoStatsTyped,     // no counted row, or no stat typed in them
};

// Bit v of mask[s]: some fitting IvSet has IV v in stat s. Exactly the
// projections of the fitting IvSets, so every fitting IvSet passes them: the
// searches' per-stat filter. All zero unless kIvsFound.
struct PossibleIvs {
    PossibleIvsStatus status;
    uint32_t mask[kStatCount];
};

// The name is checked first, then the levels, then that a stat was typed.
PossibleIvs possible_ivs(const StatsQuery& q);

constexpr size_t kIvTextBytes = 64;  // the longest mask text, "0-1,3-4,..,30-31", has 58 characters
constexpr size_t kStatusTextBytes = 96;

// The window's texts of a result: each stat's IVs and the status line (CP932).
struct PossibleIvsTexts {
    char ivs[kStatCount][kIvTextBytes];
    char status[kStatusTextBytes];
};

// Found: the masks and an empty status; no fit: 「なし」 for each stat and a
// status saying so; the three messages: empty IVs and the message.
PossibleIvsTexts possible_ivs_texts(const StatsQuery& q, const PossibleIvs& r);
