// The body of one seed scan kernel. The including file defines
// SCAN_VECTOR_BYTES and SCAN_KERNEL_NAME (the GroupKernel it defines) and sets
// the target options; the helpers here stay in this file's unnamed namespace
// so that no copy built for one instruction set can stand in for another. The
// arithmetic is the generator's and Hidden Power's own templates, run on
// vectors of lanes.

namespace {

typedef uint32_t VecU __attribute__((vector_size(SCAN_VECTOR_BYTES), may_alias));
typedef int32_t VecI __attribute__((vector_size(SCAN_VECTOR_BYTES), may_alias));
constexpr int32_t kLanes = SCAN_VECTOR_BYTES / 4;
constexpr int32_t kVecs = kGroupVectors;
static_assert(kLaneWordBits % kLanes == 0, "a vector's lanes lie in one word of lane bits");

// Bit l set where lane l of a comparison's result is all ones.
inline __attribute__((always_inline)) uint64_t lane_bits(VecI ok) {
#if (defined(__x86_64__) || defined(__i386__)) && SCAN_VECTOR_BYTES == 64
    return _mm512_test_epi32_mask((__m512i)ok, (__m512i)ok);
#elif (defined(__x86_64__) || defined(__i386__)) && SCAN_VECTOR_BYTES == 32
    return static_cast<uint32_t>(_mm256_movemask_ps((__m256)ok));
#elif (defined(__x86_64__) || defined(__i386__)) && SCAN_VECTOR_BYTES == 16
    return static_cast<uint32_t>(_mm_movemask_ps((__m128)ok));
#else
    uint64_t bits = 0;
    for (int32_t l = 0; l < kLanes; ++l) bits |= static_cast<uint64_t>(ok[l] != 0) << l;
    return bits;
#endif
}

inline __attribute__((always_inline)) void seed_step(VecU* s, uint32_t i) {
    for (int32_t k = 0; k < kVecs; ++k) s[k] = mt_seed_step(s[k], i);
}

inline __attribute__((always_inline)) void store_word(VecU* w, int32_t i, const VecU* s) {
    for (int32_t k = 0; k < kVecs; ++k) w[i * kVecs + k] = s[k];
}

// Seeds every lane with raw seed + mac_offset and stores the seeded words the
// twist of words 0..last_word reads.
void seed(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch) {
    VecU* w = reinterpret_cast<VecU*>(scratch->words);
    VecU s[kVecs];
    for (int32_t k = 0; k < kVecs; ++k) {
        for (int32_t l = 0; l < kLanes; ++l) s[k][l] = raw_seeds[k * kLanes + l] + plan.mac_offset;
    }
    store_word(w, 0, s);

    const int32_t last = plan.last_word;
    const int32_t top = plan.last_seeded;
    // Below kTwistSplit the twist reads seeded words i + 1 and i + kMtMiddle
    // only; the words between are computed by the chain but never stored.
    const int32_t keep_low = last < kTwistSplit ? last + 1 : top;
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
}

// The comparisons of a plan, one vector each.
struct Needs {
    VecI compare[kStatCount];  // the IV more than this (match_allowed: equal to it), or a mask
    VecI power_floor;          // power bits more than this
    VecI type_floor;           // type bits more than this and less than type_ceiling
    VecI type_ceiling;
};

Needs needs_of(const ScanPlan& plan) {
    const VecI zero = {};
    Needs n;
    for (int32_t c = 0; c < plan.value_count; ++c) n.compare[c] = zero + plan.compare_value[c];
    for (int32_t c = plan.value_count; c < plan.compare_count; ++c)
        n.compare[c] = zero + static_cast<int32_t>(plan.compare_mask[c]);
    n.power_floor = zero + (plan.power_bits_min - 1);
    n.type_floor = zero + (plan.type_bits_lo - 1);
    n.type_ceiling = zero + (plan.type_bits_hi + 1);
    return n;
}

// Lane bits of the lanes whose IV is more than the value (match_allowed:
// equal to it). AVX-512 compares into a mask register directly.
template <bool kAllowed>
inline __attribute__((always_inline)) uint64_t compare_lanes(VecI iv, VecI value) {
#if (defined(__x86_64__) || defined(__i386__)) && SCAN_VECTOR_BYTES == 64
    return kAllowed ? _mm512_cmpeq_epi32_mask((__m512i)iv, (__m512i)value)
                    : _mm512_cmpgt_epi32_mask((__m512i)iv, (__m512i)value);
#else
    return lane_bits(kAllowed ? iv == value : iv > value);
#endif
}

// What a word's IVs (0..31) are looked up in masks by, made once per word:
// AVX2 the shift that lifts bit iv of a mask to the sign, the others the bit
// 1 << iv. SSE2 has no per-lane shift: it builds the float 2^iv from its
// exponent and converts it, and 2^31, out of range, converts to 0x80000000.
inline __attribute__((always_inline)) VecI member_key(VecI iv) {
#if (defined(__x86_64__) || defined(__i386__)) && SCAN_VECTOR_BYTES == 32
    return 31 - iv;
#elif (defined(__x86_64__) || defined(__i386__)) && SCAN_VECTOR_BYTES == 16
    return (VecI)_mm_cvttps_epi32((__m128)((iv + 127) << 23));
#else
    return (VecI)(((VecU){} + 1u) << (VecU)iv);
#endif
}

// Lane bits of the lanes whose IV has its bit set in the mask.
inline __attribute__((always_inline)) uint64_t member_lanes(VecI key, VecI mask) {
#if (defined(__x86_64__) || defined(__i386__)) && SCAN_VECTOR_BYTES == 64
    return _mm512_test_epi32_mask((__m512i)key, (__m512i)mask);
#elif (defined(__x86_64__) || defined(__i386__)) && SCAN_VECTOR_BYTES == 32
    return static_cast<uint32_t>(_mm256_movemask_ps((__m256)_mm256_sllv_epi32((__m256i)mask, (__m256i)key)));
#else
    return lane_bits((key & mask) == key);
#endif
}

// Lane bits of the lanes of one vector whose Hidden Power passes.
template <bool kPower, bool kType>
inline __attribute__((always_inline)) uint64_t power_lanes(const Needs& n, VecI h, VecI a, VecI b, VecI c, VecI d,
                                                           VecI s) {
    VecI ok = ~VecI{};
    if (kPower) ok &= hidden_power_bits<1>(h, a, b, s, c, d) > n.power_floor;
    if (kType) {
        const VecI t = hidden_power_bits<0>(h, a, b, s, c, d);
        ok &= (t > n.type_floor) & (t < n.type_ceiling);
    }
    return lane_bits(ok);
}

// Twists word j in place from its own top bit, word next and word far.
inline __attribute__((always_inline)) void twist_word(VecU* w, int32_t j, int32_t next, int32_t far) {
    VecU* wj = w + j * kVecs;
    const VecU* wn = w + next * kVecs;
    const VecU* wf = w + far * kVecs;
#pragma GCC unroll 16
    for (int32_t k = 0; k < kVecs; ++k) wj[k] = mt_twist_step(wj[k], wn[k], wf[k]);
}

// Words of lane bits a group of this kernel fills.
constexpr int32_t kWords = (kGroupVectors * kLanes + kLaneWordBits - 1) / kLaneWordBits;

// Stores the lane bits of one comparison of a word: lanes_of(k) gives those
// of vector k.
template <class LanesOf>
inline __attribute__((always_inline)) void store_compare(uint64_t* out, LanesOf lanes_of) {
    uint64_t bits[kWords] = {};
#pragma GCC unroll 16
    for (int32_t k = 0; k < kVecs; ++k) bits[k * kLanes / kLaneWordBits] |= lanes_of(k) << (k * kLanes % kLaneWordBits);
    for (int32_t m = 0; m < kWords; ++m) out[m] = bits[m];
}

// Compares the IVs of twisted word j into the ring and, once word j completes
// frame f = j - reach, tests that frame into its lane bits. Each distinct
// comparison is made once per word, not once per frame and stat.
template <bool kAllowed, bool kPower, bool kType>
inline __attribute__((always_inline)) uint64_t word_done(const ScanPlan& plan, const Needs& n, ScanScratch* scratch,
                                                         int32_t j, int32_t reach) {
    const VecU* wj = reinterpret_cast<const VecU*>(scratch->words) + j * kVecs;
    VecI* iv = reinterpret_cast<VecI*>(scratch->ivs);
    VecI* ivj = iv + (j & (kIvRing - 1)) * kVecs;
    VecI ivs[kVecs];
#pragma GCC unroll 16
    for (int32_t k = 0; k < kVecs; ++k) {
        ivs[k] = (VecI)mt_iv_bits(wj[k]);
        // Hidden Power reads the IVs of a frame's words again
        if (kPower || kType) ivj[k] = ivs[k];
    }
    uint64_t* ring = scratch->compare_bits;
    uint64_t* bits_j = ring + (j & (kIvRing - 1)) * kStatCount * kLaneWords;
    for (int32_t c = 0; c < plan.value_count; ++c)
        store_compare(bits_j + c * kLaneWords, [&](int32_t k) { return compare_lanes<kAllowed>(ivs[k], n.compare[c]); });
    if (kAllowed && plan.value_count < plan.compare_count) {
        VecI keys[kVecs];
#pragma GCC unroll 16
        for (int32_t k = 0; k < kVecs; ++k) keys[k] = member_key(ivs[k]);
        for (int32_t c = plan.value_count; c < plan.compare_count; ++c)
            store_compare(bits_j + c * kLaneWords, [&](int32_t k) { return member_lanes(keys[k], n.compare[c]); });
    }
    const int32_t f = j - reach;
    if (f < 0) return 0;
    uint64_t passed[kWords];
    for (int32_t m = 0; m < kWords; ++m) {
        const int32_t lanes = kGroupVectors * kLanes - m * kLaneWordBits;
        passed[m] = lanes >= kLaneWordBits ? ~uint64_t{0} : (uint64_t{1} << lanes) - 1;
    }
    for (int32_t t = 0; t < plan.tested_count; ++t) {
        const int32_t word = (f + plan.tested_offset[t]) & (kIvRing - 1);
        const uint64_t* b = ring + (word * kStatCount + plan.tested_compare[t]) * kLaneWords;
        for (int32_t m = 0; m < kWords; ++m) passed[m] &= b[m];
    }
    if (kPower || kType) {
        const VecI* hv = iv + ((f + plan.offset[kH]) & (kIvRing - 1)) * kVecs;
        const VecI* av = iv + ((f + plan.offset[kA]) & (kIvRing - 1)) * kVecs;
        const VecI* bv = iv + ((f + plan.offset[kB]) & (kIvRing - 1)) * kVecs;
        const VecI* cv = iv + ((f + plan.offset[kC]) & (kIvRing - 1)) * kVecs;
        const VecI* dv = iv + ((f + plan.offset[kD]) & (kIvRing - 1)) * kVecs;
        const VecI* sv = iv + ((f + plan.offset[kS]) & (kIvRing - 1)) * kVecs;
        constexpr uint64_t kVectorLanes = kLanes == 64 ? ~uint64_t{0} : (uint64_t{1} << kLanes) - 1;
        // Hidden Power is summed only for vectors with a lane still passing
        for (int32_t k = 0; k < kVecs; ++k) {
            const int32_t m = k * kLanes / kLaneWordBits;
            const int32_t shift = k * kLanes % kLaneWordBits;
            if (((passed[m] >> shift) & kVectorLanes) == 0) continue;
            const uint64_t ok = power_lanes<kPower, kType>(n, hv[k], av[k], bv[k], cv[k], dv[k], sv[k]);
            passed[m] &= ~(kVectorLanes << shift) | (ok << shift);
        }
    }
    uint64_t any = 0;
    for (int32_t m = 0; m < kLaneWords; ++m) {
        const uint64_t bits = m < kWords ? passed[m] : 0;
        scratch->lane_bits[f * kLaneWords + m] = bits;
        any |= bits;
    }
    return any;
}

// Twists words 0..last_word in place and in order, which leaves them exactly
// as the full twist would; keeps the IVs of the latest words in a ring and
// tests each frame as soon as its last word is there. Returns whether any
// frame of any lane passed.
template <bool kAllowed, bool kPower, bool kType>
bool twist_and_test(const ScanPlan& plan, ScanScratch* scratch) {
    VecU* w = reinterpret_cast<VecU*>(scratch->words);
    const Needs n = needs_of(plan);
    const int32_t last = plan.last_word;
    // frame f is complete once word f + reach is: reach is its highest offset
    const int32_t reach = plan.last_word - (plan.frames - 1);
    uint64_t any = 0;
    int32_t j = 0;
    for (; j <= last && j < kTwistSplit; ++j) {
        twist_word(w, j, j + 1, j + kMtMiddle);
        any |= word_done<kAllowed, kPower, kType>(plan, n, scratch, j, reach);
    }
    for (; j <= last && j < kStateWords - 1; ++j) {
        twist_word(w, j, j + 1, j - kTwistSplit);
        any |= word_done<kAllowed, kPower, kType>(plan, n, scratch, j, reach);
    }
    // the last word mixes in word 0, renewed first
    if (j == kStateWords - 1 && j <= last) {
        twist_word(w, j, 0, j - kTwistSplit);
        any |= word_done<kAllowed, kPower, kType>(plan, n, scratch, j, reach);
    }
    return any != 0;
}

bool scan_group(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch) {
    if (plan.frames <= 0) return false;
    seed(plan, raw_seeds, scratch);
    if (plan.match_allowed) return twist_and_test<true, false, false>(plan, scratch);
    const bool power = plan.power_bits_min > 0;
    const bool type = plan.type_bits_lo > 0 || plan.type_bits_hi < 63;
    if (power && type) return twist_and_test<false, true, true>(plan, scratch);
    if (power) return twist_and_test<false, true, false>(plan, scratch);
    if (type) return twist_and_test<false, false, true>(plan, scratch);
    return twist_and_test<false, false, false>(plan, scratch);
}

}  // namespace

extern const GroupKernel SCAN_KERNEL_NAME = {scan_group, kGroupVectors * kLanes};
