#include "core/convert.h"

#include <cstdlib>
#include <string>

namespace {

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// Parses sign and digits; reports the magnitude saturated just past 2^32 so
// both conversions can decide overflow from it.
struct Parsed {
    bool negative = false;
    bool any_digit = false;
    uint64_t magnitude = 0;  // saturates at 2^33
};

Parsed parse(const char* p, int base) {
    Parsed r;
    while (is_space(*p)) ++p;
    if (*p == '+' || *p == '-') r.negative = (*p++ == '-');
    if (base == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && digit_value(p[2]) < 16) p += 2;
    for (; digit_value(*p) < base; ++p) {
        r.any_digit = true;
        r.magnitude = r.magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit_value(*p));
        if (r.magnitude > (uint64_t{1} << 33)) r.magnitude = uint64_t{1} << 33;
    }
    return r;
}

}  // namespace

int32_t ms_strtol(const char* text, int base) {
    const Parsed r = parse(text, base);
    if (r.negative) {
        if (r.magnitude > uint64_t{0x80000000}) return INT32_MIN;
        return static_cast<int32_t>(-static_cast<int64_t>(r.magnitude));
    }
    if (r.magnitude > uint64_t{0x7FFFFFFF}) return INT32_MAX;
    return static_cast<int32_t>(r.magnitude);
}

uint32_t ms_strtoul(const char* text, int base) {
    const Parsed r = parse(text, base);
    // overflow gives 0xFFFFFFFF and only then is the sign applied, so a
    // negative number past 32 bits reads as 1
    const uint32_t value = r.magnitude > uint64_t{0xFFFFFFFF} ? 0xFFFFFFFFu : static_cast<uint32_t>(r.magnitude);
    return r.negative ? 0u - value : value;
}

int32_t ms_atoi(const char* text) { return ms_strtol(text, 10); }

double ms_atof(const char* text) {
    // The Microsoft runtime reads only [space][sign][digits][.digits][exponent],
    // with e, E, d or D before the exponent: no hexadecimal, no inf or nan.
    // That prefix is copied with 'e' as the exponent mark and converted here.
    const char* p = text;
    while (is_space(*p)) ++p;
    std::string number;
    if (*p == '+' || *p == '-') number += *p++;
    bool any_digit = false;
    for (; *p >= '0' && *p <= '9'; ++p, any_digit = true) number += *p;
    if (*p == '.') {
        number += *p++;
        for (; *p >= '0' && *p <= '9'; ++p, any_digit = true) number += *p;
    }
    if (!any_digit) return 0.0;
    if (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D') {
        const char* q = p + 1;
        std::string exponent = "e";
        if (*q == '+' || *q == '-') exponent += *q++;
        if (*q >= '0' && *q <= '9') {
            for (; *q >= '0' && *q <= '9'; ++q) exponent += *q;
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}
