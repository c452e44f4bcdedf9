// The body of one seed scan kernel. The including file defines
// SCAN_VECTOR_BYTES and SCAN_KERNEL_NAME and sets the target options; all
// helpers stay inside this file so that no copy built for one instruction set
// can stand in for another.
#include <cstdint>

#include "tools/seed_scan_kernel.h"

namespace {

typedef uint32_t VecU __attribute__((vector_size(SCAN_VECTOR_BYTES), may_alias));
typedef int32_t VecI __attribute__((vector_size(SCAN_VECTOR_BYTES), may_alias));
constexpr int kLanes = SCAN_VECTOR_BYTES / 4;
constexpr int kVecs = kGroupLanes / kLanes;
static_assert(kGroupLanes % kLanes == 0, "a group is a whole number of vectors");

// One step of the MT19937 seeding chain for every lane: w[i] from w[i - 1].
inline __attribute__((always_inline)) void seed_step(VecU* s, uint32_t i) {
    for (int k = 0; k < kVecs; ++k) s[k] = (s[k] ^ (s[k] >> 30)) * 1812433253u + i;
}

inline __attribute__((always_inline)) void store_word(VecU* w, int32_t i, const VecU* s) {
    for (int k = 0; k < kVecs; ++k) w[i * kVecs + k] = s[k];
}

// Seeds every lane with raw seed + MacOffset and twists words 0..last_word in
// place and in order, which leaves them exactly as the full twist would.
void seed_and_twist(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch) {
    VecU* w = reinterpret_cast<VecU*>(scratch->words);
    VecU s[kVecs];
    for (int k = 0; k < kVecs; ++k) {
        for (int l = 0; l < kLanes; ++l) s[k][l] = raw_seeds[k * kLanes + l] + plan.mac_offset;
    }
    store_word(w, 0, s);

    const int32_t last = plan.last_word;
    const int32_t top = plan.last_seeded;
    // Below word 227 the twist reads seeded words i + 1 and i + 397 only; the
    // words between are computed by the chain but never stored.
    const int32_t keep_low = last < 227 ? last + 1 : top;
    int32_t i = 1;
    for (; i <= keep_low; ++i) {
        seed_step(s, static_cast<uint32_t>(i));
        store_word(w, i, s);
    }
    for (; i < 397 && i <= top; ++i) seed_step(s, static_cast<uint32_t>(i));
    for (; i <= top; ++i) {
        seed_step(s, static_cast<uint32_t>(i));
        store_word(w, i, s);
    }

    for (int32_t j = 0; j <= last; ++j) {
        VecU* wj = w + j * kVecs;
        const VecU* next = w + (j + 1 == 624 ? 0 : j + 1) * kVecs;
        const VecU* far = w + (j + 397 < 624 ? j + 397 : j - 227) * kVecs;
        for (int k = 0; k < kVecs; ++k) {
            const VecU y = (wj[k] & 0x80000000u) | (next[k] & 0x7FFFFFFFu);
            const VecU odd = (VecU)((VecI)(y << 31) >> 31);
            wj[k] = far[k] ^ (y >> 1) ^ (odd & 0x9908B0DFu);
        }
    }

    // IV of each read word: the top five bits of the shortened tempering.
    VecI* iv = reinterpret_cast<VecI*>(scratch->ivs);
    for (int32_t j = plan.first_word; j <= last; ++j) {
        for (int k = 0; k < kVecs; ++k) {
            const VecU x = w[j * kVecs + k];
            VecU y = x ^ (x >> 11);
            y ^= (y << 7) & 0x9D2C5680u;
            iv[j * kVecs + k] = (VecI)((y >> 27) ^ ((y >> 12) & 0x1Du));
        }
    }
}

// Tests every frame of every lane; masks get all ones where a frame passes.
template <bool kExact, bool kPower, bool kType>
bool test_frames(const ScanPlan& plan, ScanScratch* scratch) {
    const VecI* iv = reinterpret_cast<const VecI*>(scratch->ivs);
    VecI* mask = reinterpret_cast<VecI*>(scratch->masks);
    const VecI zero = {};
    VecI need[6];
    // at least v is more than v - 1; the plan keeps v within 0..32
    for (int s = 0; s < 6; ++s) need[s] = zero + (kExact ? plan.iv_value[s] : plan.iv_value[s] - 1);
    const VecI power_floor = zero + (plan.power_bits_min - 1);
    const VecI type_floor = zero + (plan.type_bits_lo - 1);
    const VecI type_ceiling = zero + (plan.type_bits_hi + 1);
    VecI any = zero;
    for (int32_t f = 0; f < plan.frames; ++f) {
        const VecI* h = iv + (f + plan.offset[0]) * kVecs;
        const VecI* a = iv + (f + plan.offset[1]) * kVecs;
        const VecI* b = iv + (f + plan.offset[2]) * kVecs;
        const VecI* c = iv + (f + plan.offset[3]) * kVecs;
        const VecI* d = iv + (f + plan.offset[4]) * kVecs;
        const VecI* sp = iv + (f + plan.offset[5]) * kVecs;
        for (int k = 0; k < kVecs; ++k) {
            VecI ok;
            if (kExact) {
                ok = (h[k] == need[0]) & (a[k] == need[1]) & (b[k] == need[2]) & (c[k] == need[3]) &
                     (d[k] == need[4]) & (sp[k] == need[5]);
            } else {
                ok = (h[k] > need[0]) & (a[k] > need[1]) & (b[k] > need[2]) & (c[k] > need[3]) &
                     (d[k] > need[4]) & (sp[k] > need[5]);
            }
            // Hidden Power weighs H, A, B, S, C, D as 1, 2, 4, 8, 16, 32
            if (kPower) {
                const VecI p = ((h[k] >> 1) & 1) | (a[k] & 2) | ((b[k] << 1) & 4) | ((sp[k] << 2) & 8) |
                               ((c[k] << 3) & 16) | ((d[k] << 4) & 32);
                ok &= p > power_floor;
            }
            if (kType) {
                const VecI t = (h[k] & 1) | ((a[k] << 1) & 2) | ((b[k] << 2) & 4) | ((sp[k] << 3) & 8) |
                               ((c[k] << 4) & 16) | ((d[k] << 5) & 32);
                ok &= (t > type_floor) & (t < type_ceiling);
            }
            mask[f * kVecs + k] = ok;
            any |= ok;
        }
    }
    int32_t found = 0;
    for (int l = 0; l < kLanes; ++l) found |= any[l];
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
