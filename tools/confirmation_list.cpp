#include "tools/confirmation_list.h"

#include <cstdint>
#include <cstdio>

#include "core/fields.h"
#include "core/state.h"
#include "data/natures.h"
#include "data/pokemon_dat.h"
#include "rng/frame.h"
#include "rng/mt.h"
#include "tools/output_file.h"

namespace {

constexpr uint32_t kSeedsEachSide = 16;

// The low 32 bits as a signed value: 32-bit arithmetic that wraps instead of
// overflowing, so a base stat edited into the millions gives a number, never
// undefined behaviour.
int32_t wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

}  // namespace

int32_t stat_before_nature(Stat s, int32_t base, int32_t iv, int32_t level) {
    const int32_t sum = wrap32(static_cast<int64_t>(iv) + 2 * static_cast<int64_t>(base));
    const int32_t q = wrap32(static_cast<int64_t>(sum) * level) / 100;
    return wrap32(static_cast<int64_t>(q) + (s == kH ? level + 10 : 5));
}

int32_t stat_with_nature(int32_t neutral, Stat s, int32_t nature) {
    if (nature < 0 || nature >= kNatureCount) return neutral;
    const Stat raised = nature_raised_stat(nature);
    const Stat lowered = nature_lowered_stat(nature);
    if (raised == lowered) return neutral;
    if (s == raised) return wrap32(static_cast<int64_t>(neutral) * 110 / 100);
    if (s == lowered) return wrap32(static_cast<int64_t>(neutral) * 90 / 100);
    return neutral;
}

namespace {

// One line: raw seed s and the six stats of the chosen species at the chosen
// level and nature with the IVs of frame (which lies within the prepared state).
void write_stat_line(TextWriter* out, const ConfirmationInputs& in, uint32_t s, int32_t frame) {
    const SpeciesRecord& r = *in.species;
    uint32_t mt[kStateWords];
    prepare_generator(mt, s, static_cast<uint32_t>(in.mac_offset));
    const IvSet iv = read_iv_set(mt, frame, in.roaming);
    int32_t stat[kStatCount];
    for (int32_t i = 0; i < kStatCount; ++i) {
        const Stat st = static_cast<Stat>(i);
        stat[i] = stat_with_nature(stat_before_nature(st, r.base[i], iv.iv[i], in.level), st, in.nature_entry - 1);
    }
    write_line(out, "%08X,%d,%d,%d,%d,%d,%d\n", s, stat[kH], stat[kA], stat[kB], stat[kC], stat[kD], stat[kS]);
}

}  // namespace

void store_confirmation_inputs(const ConfirmationTexts& t) {
    AppState& a = g_app;
    // an empty name names no species, whatever records with empty names the file has
    std::snprintf(a.species_name, sizeof a.species_name, "%s", take_field(t.species_name, kSpeciesNameChars).text);
    a.species_found = a.species_name[0] != '\0' && find_species(a.species_name);
    a.nature_entry = t.nature_entry;
    a.frames_consumed = field_int(t.frames_consumed, kFrameChars);
    a.level = field_int(t.level, kLevelChars);
    a.target_seed = field_hex_unsigned(t.target_seed, kWholeFieldChars);
}

ConfirmationInputs confirmation_inputs() {
    const AppState& a = g_app;
    return {a.target_seed,  a.frames_consumed, a.level,     a.species_found ? &a.species[a.species_index] : nullptr,
            a.species_name, a.nature_entry,    a.mac_offset, a.roaming};
}

void write_confirmation_list(const ConfirmationInputs& in) {
    OutputFile out;
    if (!begin_output(&out, "zure.txt", "raw初期seed,H,A,B,C,D,S\n")) return;
    const int32_t frame = in.frames_consumed;
    const int32_t last_frame_served = final_frame(in.roaming);
    if (!in.species) {
        // stats of another species would look like an answer: say the name is not there
        write_line(&out.text, "ポケモン名「%s」はpokemon.datにありません\n", in.species_name);
    } else if (frame < 0 || frame > last_frame_served) {
        // stats from words past the state would be invented: say what the field takes instead
        write_line(&out.text, "消費数%dは範囲外です(0から%dまで)\n", frame, last_frame_served);
    } else {
        const uint32_t first = in.target_seed - kSeedsEachSide;
        const uint32_t last = in.target_seed + kSeedsEachSide;
        // first > last when the range wraps past 0 or FFFFFFFF: the header stays alone
        if (first <= last) {
            // the walk stops on last itself, which may be FFFFFFFF
            for (uint32_t s = first;; ++s) {
                write_stat_line(&out.text, in, s, frame);
                if (s == last) break;
            }
        }
    }
    end_output(&out);
}
