#include "tools/frame_list.h"

#include "core/fields.h"
#include "core/texts.h"
#include "rng/frame.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"
#include "tools/output_file.h"

FrameListInputs read_frame_list_inputs(const FrameListTexts& t, const GeneratorSetting& generator) {
    FrameListInputs in{};
    in.raw_seed = field_hex_unsigned(t.raw_seed, kListSeedChars);
    read_iv_fields(t.ivs, in.iv_minimums);
    in.hp_type_filter = t.type_entry - 1;
    in.hp_min_power = clamp_int(field_int(t.min_power, kPowerChars), kLowestPower, kHighestPower);
    const int32_t count = field_int(t.frame_count, kFrameChars);
    in.frame_count = count < 0 ? 0 : count;
    in.mac_offset = generator.mac_offset;
    in.roaming = generator.roaming;
    return in;
}

namespace {

// The list's tests on one IvSet, in order: minimum IVs, type filter, Hidden
// Power power. True when the frame is listed, with its power in *power.
bool passes_list_tests(const FrameListInputs& in, const IvSet& s, int32_t* power) {
    for (int32_t i = 0; i < kStatCount; ++i)
        if (s.iv[i] < in.iv_minimums[i]) return false;
    if (in.hp_type_filter != -1 && hidden_power_type_of(s) != in.hp_type_filter) return false;
    const int32_t p = hidden_power_power_of(s);
    if (p < in.hp_min_power) return false;
    *power = p;
    return true;
}

}  // namespace

void write_frame_list(const FrameListInputs& in) {
    uint32_t mt[kStateWords];
    prepare_generator(mt, in.raw_seed, static_cast<uint32_t>(in.mac_offset));
    OutputFile out;
    if (!begin_output(&out, "list.txt", tr(TextId::kListHeader))) return;
    // frames 0..N-1, but never past the last frame the prepared state serves
    const int32_t last = in.frame_count > 0 ? last_served_frame(in.frame_count - 1, in.roaming) : -1;
    for (int32_t k = 0; k <= last; ++k) {
        const IvSet s = read_iv_set(mt, k, in.roaming);
        int32_t power;
        if (!passes_list_tests(in, s, &power)) continue;
        write_line(&out.text, "%d,%d,%d,%d,%d,%d,%d,%s,%d\n", k, s.iv[kH], s.iv[kA], s.iv[kB], s.iv[kC], s.iv[kD],
                   s.iv[kS], hidden_power_type_text(hidden_power_type_of(s)), power);
    }
    end_output(&out);
}
