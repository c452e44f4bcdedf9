#include "tools/confirmation_list.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/fields.h"
#include "core/texts.h"
#include "data/pokemon_dat.h"
#include "data/stat_formula.h"
#include "rng/frame.h"
#include "rng/mt.h"
#include "tools/output_file.h"

namespace {

constexpr uint32_t kSeedsEachSide = 16;

}  // namespace

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

ConfirmationInputs read_confirmation_inputs(const ConfirmationTexts& t, const SpeciesRecord* table,
                                            const GeneratorSetting& generator) {
    ConfirmationInputs in{};
    in.target_seed = field_hex_unsigned(t.target_seed, kWholeFieldChars);
    in.frames_consumed = field_int(t.frames_consumed, kFrameChars);
    in.level = field_int(t.level, kLevelChars);
    const FieldText name = take_field(t.species_name, kSpeciesNameChars);  // at most kSpeciesNameChars bytes
    in.species_name[std::string_view(name.text).copy(in.species_name, kSpeciesNameChars)] = '\0';
    // an empty name names no species, whatever records with empty names the file has
    in.species = in.species_name[0] != '\0' ? lookup_species(table, in.species_name) : nullptr;
    in.nature_entry = t.nature_entry;
    in.mac_offset = generator.mac_offset;
    in.roaming = generator.roaming;
    return in;
}

void write_confirmation_list(const ConfirmationInputs& in) {
    OutputFile out;
    if (!begin_output(&out, "zure.txt", tr(TextId::kConfirmationHeader))) return;
    const int32_t frame = in.frames_consumed;
    const int32_t last_frame_served = final_frame(in.roaming);
    if (!in.species) {
        // stats of another species would look like an answer: say the name is not there
        write_line(&out.text, "%s\n", missing_species_text(in.species_name).c_str());
    } else if (frame < 0 || frame > last_frame_served) {
        // stats from words past the state would be invented: say what the field takes instead
        write_line(&out.text, tr(TextId::kFrameOutOfRange), frame, last_frame_served);
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
