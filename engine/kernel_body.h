// The body of one seed scan kernel. The including file defines
// SCAN_VECTOR_BYTES and SCAN_KERNEL_NAME and sets the target options; the
// helpers here stay in this file's unnamed namespace so that no copy built for
// one instruction set can stand in for another. The arithmetic is the
// generator's and Hidden Power's own templates, run on vectors of lanes.

namespace {

typedef uint32_t VecU __attribute__((vector_size(SCAN_VECTOR_BYTES), may_alias));
typedef int32_t VecI __attribute__((vector_size(SCAN_VECTOR_BYTES), may_alias));
constexpr int32_t kLanes = SCAN_VECTOR_BYTES / 4;
constexpr int32_t kVecs = kGroupLanes / kLanes;
static_assert(kGroupLanes % kLanes == 0, "a group is a whole number of vectors");

inline __attribute__((always_inline)) void seed_step(VecU* s, uint32_t i) {
    for (int32_t k = 0; k < kVecs; ++k) s[k] = mt_seed_step(s[k], i);
}

inline __attribute__((always_inline)) void store_word(VecU* w, int32_t i, const VecU* s) {
    for (int32_t k = 0; k < kVecs; ++k) w[i * kVecs + k] = s[k];
}

// Seeds every lane with raw seed + mac_offset and twists words 0..last_word in
// place and in order, which leaves them exactly as the full twist would.
void seed_and_twist(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch) {
    constexpr int32_t kSplit = kStateWords - kMtMiddle;  // the first word that mixes in a renewed one
    VecU* w = reinterpret_cast<VecU*>(scratch->words);
    VecU s[kVecs];
    for (int32_t k = 0; k < kVecs; ++k) {
        for (int32_t l = 0; l < kLanes; ++l) s[k][l] = raw_seeds[k * kLanes + l] + plan.mac_offset;
    }
    store_word(w, 0, s);

    const int32_t last = plan.last_word;
    const int32_t top = plan.last_seeded;
    // Below kSplit the twist reads seeded words i + 1 and i + kMtMiddle only;
    // the words between are computed by the chain but never stored.
    const int32_t keep_low = last < kSplit ? last + 1 : top;
    int32_t i = 1;
    for (; i <= keep_low; ++i) {
        seed_step(s, static_cast<uint32_t>(i));
        store_word(w, i, s);
    }
    for (; i < kMtMiddle && i <= top; ++i) seed_step(s, static_cast<uint32_t>(i));
    for (; i <= top; ++i) {
        seed_step(s, static_cast<uint32_t>(i));
        store_word(w, i, s);
    }

    for (int32_t j = 0; j <= last; ++j) {
        VecU* wj = w + j * kVecs;
        const VecU* next = w + (j + 1 == kStateWords ? 0 : j + 1) * kVecs;
        const VecU* far = w + (j < kSplit ? j + kMtMiddle : j - kSplit) * kVecs;
        for (int32_t k = 0; k < kVecs; ++k) wj[k] = mt_twist_step(wj[k], next[k], far[k]);
    }

    VecI* iv = reinterpret_cast<VecI*>(scratch->ivs);
    for (int32_t j = plan.first_word; j <= last; ++j) {
        for (int32_t k = 0; k < kVecs; ++k) iv[j * kVecs + k] = (VecI)mt_iv_bits(w[j * kVecs + k]);
    }
}

// Tests every frame of every lane; masks get all ones where a frame passes.
template <bool kExact, bool kPower, bool kType>
bool test_frames(const ScanPlan& plan, ScanScratch* scratch) {
    const VecI* iv = reinterpret_cast<const VecI*>(scratch->ivs);
    VecI* mask = reinterpret_cast<VecI*>(scratch->masks);
    const VecI zero = {};
    VecI need[kStatCount];
    // at least v is more than v - 1; the plan keeps v within 0..32
    for (int32_t s = 0; s < kStatCount; ++s) need[s] = zero + (kExact ? plan.iv_value[s] : plan.iv_value[s] - 1);
    const VecI power_floor = zero + (plan.power_bits_min - 1);
    const VecI type_floor = zero + (plan.type_bits_lo - 1);
    const VecI type_ceiling = zero + (plan.type_bits_hi + 1);
    VecI any = zero;
    for (int32_t f = 0; f < plan.frames; ++f) {
        const VecI* h = iv + (f + plan.offset[kH]) * kVecs;
        const VecI* a = iv + (f + plan.offset[kA]) * kVecs;
        const VecI* b = iv + (f + plan.offset[kB]) * kVecs;
        const VecI* c = iv + (f + plan.offset[kC]) * kVecs;
        const VecI* d = iv + (f + plan.offset[kD]) * kVecs;
        const VecI* sp = iv + (f + plan.offset[kS]) * kVecs;
        for (int32_t k = 0; k < kVecs; ++k) {
            VecI ok;
            if (kExact) {
                ok = (h[k] == need[kH]) & (a[k] == need[kA]) & (b[k] == need[kB]) & (c[k] == need[kC]) &
                     (d[k] == need[kD]) & (sp[k] == need[kS]);
            } else {
                ok = (h[k] > need[kH]) & (a[k] > need[kA]) & (b[k] > need[kB]) & (c[k] > need[kC]) &
                     (d[k] > need[kD]) & (sp[k] > need[kS]);
            }
            if (kPower) ok &= hidden_power_bits<1>(h[k], a[k], b[k], sp[k], c[k], d[k]) > power_floor;
            if (kType) {
                const VecI t = hidden_power_bits<0>(h[k], a[k], b[k], sp[k], c[k], d[k]);
                ok &= (t > type_floor) & (t < type_ceiling);
            }
            mask[f * kVecs + k] = ok;
            any |= ok;
        }
    }
    int32_t found = 0;
    for (int32_t l = 0; l < kLanes; ++l) found |= any[l];
    return found != 0;
}

}  // namespace

bool SCAN_KERNEL_NAME(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch) {
    if (plan.frames <= 0) return false;
    seed_and_twist(plan, raw_seeds, scratch);
    if (plan.exact) return test_frames<true, false, false>(plan, scratch);
    const bool power = plan.power_bits_min > 0;
    const bool type = plan.type_bits_lo > 0 || plan.type_bits_hi < 63;
    if (power && type) return test_frames<false, true, true>(plan, scratch);
    if (power) return test_frames<false, true, false>(plan, scratch);
    if (type) return test_frames<false, false, true>(plan, scratch);
    return test_frames<false, false, false>(plan, scratch);
}
