// The body of one seed scan kernel. The including file defines
// SCAN_VECTOR_BYTES and SCAN_KERNEL_NAME (the GroupKernel it defines) and sets
// the target options; the
// helpers here stay in this file's unnamed namespace so that no copy built for
// one instruction set can stand in for another. The arithmetic is the
// generator's and Hidden Power's own templates, run on vectors of lanes.

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

// The comparison values of a plan, one vector each.
struct Needs {
    VecI iv[kStatCount];  // exact: equal to; otherwise: more than
    VecI power_floor;     // power bits more than this
    VecI type_floor;      // type bits more than this and less than type_ceiling
    VecI type_ceiling;
};

Needs needs_of(const ScanPlan& plan) {
    const VecI zero = {};
    Needs n;
    // at least v is more than v - 1; the plan keeps v within 0..32
    for (int32_t s = 0; s < kStatCount; ++s) n.iv[s] = zero + (plan.exact ? plan.iv_value[s] : plan.iv_value[s] - 1);
    n.power_floor = zero + (plan.power_bits_min - 1);
    n.type_floor = zero + (plan.type_bits_lo - 1);
    n.type_ceiling = zero + (plan.type_bits_hi + 1);
    return n;
}

// Lane bits of the lanes of one vector whose IVs pass: each more than its
// need, or (exact) equal to it. AVX-512 compares into mask registers directly.
template <bool kExact>
inline __attribute__((always_inline)) uint64_t iv_lanes(const Needs& n, VecI h, VecI a, VecI b, VecI c, VecI d, VecI s) {
#if (defined(__x86_64__) || defined(__i386__)) && SCAN_VECTOR_BYTES == 64
    if (kExact) {
        return _mm512_cmpeq_epi32_mask((__m512i)h, (__m512i)n.iv[kH]) & _mm512_cmpeq_epi32_mask((__m512i)a, (__m512i)n.iv[kA]) &
               _mm512_cmpeq_epi32_mask((__m512i)b, (__m512i)n.iv[kB]) & _mm512_cmpeq_epi32_mask((__m512i)c, (__m512i)n.iv[kC]) &
               _mm512_cmpeq_epi32_mask((__m512i)d, (__m512i)n.iv[kD]) & _mm512_cmpeq_epi32_mask((__m512i)s, (__m512i)n.iv[kS]);
    }
    return _mm512_cmpgt_epi32_mask((__m512i)h, (__m512i)n.iv[kH]) & _mm512_cmpgt_epi32_mask((__m512i)a, (__m512i)n.iv[kA]) &
           _mm512_cmpgt_epi32_mask((__m512i)b, (__m512i)n.iv[kB]) & _mm512_cmpgt_epi32_mask((__m512i)c, (__m512i)n.iv[kC]) &
           _mm512_cmpgt_epi32_mask((__m512i)d, (__m512i)n.iv[kD]) & _mm512_cmpgt_epi32_mask((__m512i)s, (__m512i)n.iv[kS]);
#else
    if (kExact) {
        return lane_bits((h == n.iv[kH]) & (a == n.iv[kA]) & (b == n.iv[kB]) & (c == n.iv[kC]) & (d == n.iv[kD]) &
                         (s == n.iv[kS]));
    }
    return lane_bits((h > n.iv[kH]) & (a > n.iv[kA]) & (b > n.iv[kB]) & (c > n.iv[kC]) & (d > n.iv[kD]) & (s > n.iv[kS]));
#endif
}

// Lane bits of the lanes of one vector whose frame passes. Hidden Power is
// summed only where the IVs pass somewhere.
template <bool kExact, bool kPower, bool kType>
inline __attribute__((always_inline)) uint64_t passing_lanes(const Needs& n, VecI h, VecI a, VecI b, VecI c, VecI d,
                                                             VecI s) {
    uint64_t passed = iv_lanes<kExact>(n, h, a, b, c, d, s);
    if (kExact || (!kPower && !kType) || passed == 0) return passed;
    VecI ok = ~VecI{};
    if (kPower) ok &= hidden_power_bits<1>(h, a, b, s, c, d) > n.power_floor;
    if (kType) {
        const VecI t = hidden_power_bits<0>(h, a, b, s, c, d);
        ok &= (t > n.type_floor) & (t < n.type_ceiling);
    }
    return passed & lane_bits(ok);
}

// Twists word j in place from its own top bit, word next and word far.
inline __attribute__((always_inline)) void twist_word(VecU* w, int32_t j, int32_t next, int32_t far) {
    VecU* wj = w + j * kVecs;
    const VecU* wn = w + next * kVecs;
    const VecU* wf = w + far * kVecs;
#pragma GCC unroll 16
    for (int32_t k = 0; k < kVecs; ++k) wj[k] = mt_twist_step(wj[k], wn[k], wf[k]);
}

// Puts the IVs of twisted word j into the ring and, once word j completes
// frame f = j - reach, tests that frame into its lane bits.
template <bool kExact, bool kPower, bool kType>
inline __attribute__((always_inline)) uint64_t word_done(const ScanPlan& plan, const Needs& n, ScanScratch* scratch,
                                                         int32_t j, int32_t reach) {
    const VecU* wj = reinterpret_cast<const VecU*>(scratch->words) + j * kVecs;
    VecI* iv = reinterpret_cast<VecI*>(scratch->ivs);
    VecI* ivj = iv + (j & (kIvRing - 1)) * kVecs;
#pragma GCC unroll 16
    for (int32_t k = 0; k < kVecs; ++k) ivj[k] = (VecI)mt_iv_bits(wj[k]);
    const int32_t f = j - reach;
    if (f < 0) return 0;
    const VecI* hv = iv + ((f + plan.offset[kH]) & (kIvRing - 1)) * kVecs;
    const VecI* av = iv + ((f + plan.offset[kA]) & (kIvRing - 1)) * kVecs;
    const VecI* bv = iv + ((f + plan.offset[kB]) & (kIvRing - 1)) * kVecs;
    const VecI* cv = iv + ((f + plan.offset[kC]) & (kIvRing - 1)) * kVecs;
    const VecI* dv = iv + ((f + plan.offset[kD]) & (kIvRing - 1)) * kVecs;
    const VecI* sv = iv + ((f + plan.offset[kS]) & (kIvRing - 1)) * kVecs;
    uint64_t bits[kLaneWords] = {};
#pragma GCC unroll 16
    for (int32_t k = 0; k < kVecs; ++k) {
        const uint64_t passed = passing_lanes<kExact, kPower, kType>(n, hv[k], av[k], bv[k], cv[k], dv[k], sv[k]);
        bits[k * kLanes / kLaneWordBits] |= passed << (k * kLanes % kLaneWordBits);
    }
    uint64_t any = 0;
    for (int32_t m = 0; m < kLaneWords; ++m) {
        scratch->lane_bits[f * kLaneWords + m] = bits[m];
        any |= bits[m];
    }
    return any;
}

// Twists words 0..last_word in place and in order, which leaves them exactly
// as the full twist would; keeps the IVs of the latest words in a ring and
// tests each frame as soon as its last word is there. Returns whether any
// frame of any lane passed.
template <bool kExact, bool kPower, bool kType>
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
        any |= word_done<kExact, kPower, kType>(plan, n, scratch, j, reach);
    }
    for (; j <= last && j < kStateWords - 1; ++j) {
        twist_word(w, j, j + 1, j - kTwistSplit);
        any |= word_done<kExact, kPower, kType>(plan, n, scratch, j, reach);
    }
    // the last word mixes in word 0, renewed first
    if (j == kStateWords - 1 && j <= last) {
        twist_word(w, j, 0, j - kTwistSplit);
        any |= word_done<kExact, kPower, kType>(plan, n, scratch, j, reach);
    }
    return any != 0;
}

bool scan_group(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch) {
    if (plan.frames <= 0) return false;
    seed(plan, raw_seeds, scratch);
    if (plan.exact) return twist_and_test<true, false, false>(plan, scratch);
    const bool power = plan.power_bits_min > 0;
    const bool type = plan.type_bits_lo > 0 || plan.type_bits_hi < 63;
    if (power && type) return twist_and_test<false, true, true>(plan, scratch);
    if (power) return twist_and_test<false, true, false>(plan, scratch);
    if (type) return twist_and_test<false, false, true>(plan, scratch);
    return twist_and_test<false, false, false>(plan, scratch);
}

}  // namespace

extern const GroupKernel SCAN_KERNEL_NAME = {scan_group, kGroupVectors * kLanes};
