// The one reference model of the tests: a plain, separately written model of
// the seed tools, seed by seed and frame by frame. The library's MT19937 (its
// first 624 outputs are the once-twisted state), IVs as the top five bits,
// Hidden Power from the published formulas, output lines built with
// std::string. Shared by the native tests, the Wine drivers and the benchmarks.
#pragma once

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/version.h"

namespace reference {

struct Frame {
    int iv[6];  // H, A, B, C, D, S
};

// IVs of outputs 0..count-1 (at most 624) of the generator seeded with raw + mac.
inline std::vector<int> output_ivs(uint32_t raw, uint32_t mac, int count = 624) {
    count = count < 0 ? 0 : (count > 624 ? 624 : count);
    std::mt19937 mt(raw + mac);
    std::vector<int> o(static_cast<size_t>(count));
    for (int& x : o) x = static_cast<int>(mt() >> 27);
    return o;
}

inline Frame frame_ivs(const std::vector<int>& o, int k, bool roaming) {
    if (!roaming) return {{o[k + 2], o[k + 3], o[k + 4], o[k + 5], o[k + 6], o[k + 7]}};
    // roaming: H, A, B, D, S drawn from k + 3 on, special attack last
    return {{o[k + 3], o[k + 4], o[k + 5], o[k + 8], o[k + 6], o[k + 7]}};
}

inline int last_frame(bool roaming) { return roaming ? 615 : 616; }

// Weights 1, 2, 4, 8, 16, 32 for H, A, B, S, C, D.
inline int hp_bits(const Frame& f, int bit) {
    const int order[6] = {f.iv[0], f.iv[1], f.iv[2], f.iv[5], f.iv[3], f.iv[4]};
    int sum = 0;
    for (int j = 0; j < 6; ++j)
        if ((order[j] >> bit) & 1) sum += 1 << j;
    return sum;
}
inline int hp_type(const Frame& f) { return hp_bits(f, 0) * 15 / 63; }
inline int hp_power(const Frame& f) { return hp_bits(f, 1) * 40 / 63 + 30; }

inline const char* type_name(int t) {
    static const char* const names[16] = {"かくとう", "ひこう", "どく",   "じめん", "いわ",   "むし",
                                          "ゴースト", "はがね", "ほのお", "みず",   "くさ",   "でんき",
                                          "エスパー", "こおり", "ドラゴン", "あく"};
    return names[t];
}

struct Conditions {
    int min_iv[6];
    int type_filter;  // -1 for none
    int min_power;
};

inline bool reaches(const Frame& f, const Conditions& c) {
    for (int i = 0; i < 6; ++i)
        if (f.iv[i] < c.min_iv[i]) return false;
    if (c.type_filter != -1 && hp_type(f) != c.type_filter) return false;
    return hp_power(f) >= c.min_power;
}

inline std::string frame_fields(const Frame& f) {
    char line[128];
    std::snprintf(line, sizeof line, "%d,%d,%d,%d,%d,%d,%s,%d\r\n", f.iv[0], f.iv[1], f.iv[2], f.iv[3], f.iv[4],
                  f.iv[5], type_name(hp_type(f)), hp_power(f));
    return line;
}

struct SearchResult {
    std::string file;
    std::vector<std::string> titles;
};

// result.txt and the title sequence of a seed search.
inline SearchResult seed_search(int low_min, int low_max, int frame_limit, bool roaming, uint32_t mac,
                                const Conditions& c) {
    SearchResult out;
    out.file = "raw初期seed,消費数,H,A,B,C,D,S,めざパ,威力\r\n";
    int hits = 0;
    const int last = frame_limit < last_frame(roaming) ? frame_limit : last_frame(roaming);
    for (uint32_t h = 0; h < 24; ++h) {
        char title[64];
        std::snprintf(title, sizeof title, "%d時計算中 候補:%d個", static_cast<int>(h), hits);
        out.titles.push_back(title);
        for (uint32_t t = 0; t < 256; ++t) {
            for (int w = low_min; w <= low_max; ++w) {
                const uint32_t raw = t << 24 | h << 16 | static_cast<uint32_t>(w);
                const std::vector<int> o = output_ivs(raw, mac, last + 9);
                for (int k = 0; k <= last; ++k) {
                    const Frame f = frame_ivs(o, k, roaming);
                    if (!reaches(f, c)) continue;
                    char head[32];
                    std::snprintf(head, sizeof head, "%08X,%d,", raw, k);
                    out.file += head + frame_fields(f);
                    ++hits;
                }
            }
        }
    }
    out.titles.push_back(kMainTitle);
    return out;
}

// list.txt of a frame list of frames 0..count-1 (ending at the last frame served).
inline std::string frame_list(uint32_t raw, int count, bool roaming, uint32_t mac, const Conditions& c) {
    std::string file = "消費数,H,A,B,C,D,S,めざパ,威力\r\n";
    const std::vector<int> o = output_ivs(raw, mac);
    for (int k = 0; k < count && k <= last_frame(roaming); ++k) {
        const Frame f = frame_ivs(o, k, roaming);
        if (reaches(f, c)) file += std::to_string(k) + "," + frame_fields(f);
    }
    return file;
}

// The first twenty raw seeds of the candidate window whose IVs equal known at a frame.
inline std::vector<uint32_t> candidates(int month, int day, int hour, int minute, int frame_limit, bool roaming,
                                        uint32_t mac, const int known[6]) {
    std::vector<uint32_t> found;
    const int last = frame_limit < last_frame(roaming) ? frame_limit : last_frame(roaming);
    for (int s = 0; s < 60; ++s) {
        for (uint32_t d = 0x300; d <= 0x1000; ++d) {
            const uint32_t top = static_cast<uint32_t>(month * day + minute + s) % 256;
            const uint32_t raw = top << 24 | static_cast<uint32_t>(hour) << 16 | d;
            const std::vector<int> o = output_ivs(raw, mac, last + 9);
            for (int k = 0; k <= last; ++k) {
                const Frame f = frame_ivs(o, k, roaming);
                bool same = true;
                for (int i = 0; i < 6; ++i) same = same && f.iv[i] == known[i];
                if (same && found.size() < 20) found.push_back(raw);
            }
        }
    }
    return found;
}

}  // namespace reference
