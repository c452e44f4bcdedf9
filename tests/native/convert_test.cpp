// Conversions of typed text give the Microsoft C runtime's results (32-bit
// long) on every platform. The Windows build runs these same tables under Wine
// and there also checks them against the C library it links.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "core/convert.h"

namespace {

struct StrtolRow {
    const char* text;
    int base;
    int32_t value;
};

struct StrtoulRow {
    const char* text;
    int base;
    uint32_t value;
};

struct AtoiRow {
    const char* text;
    int32_t value;
    bool runtime_agrees;  // false where the system msvcrt.dll wraps instead of clamping
};

struct AtofRow {
    const char* text;
    double value;
    int32_t hundredths;  // (int32_t)(atof(text) * 100.0)
};

const StrtolRow kStrtol[] = {
    {"1F", 16, 0x1F},
    {"1f", 16, 0x1F},
    {"ff", 16, 255},
    {"100", 16, 256},
    {"0x10", 16, 16},
    {"0X10", 16, 16},
    {"0x", 16, 0},
    {"0xG", 16, 0},
    {" 7", 16, 7},
    {"\t\n\v\f\r7", 16, 7},
    {"G7", 16, 0},
    {"7G", 16, 7},
    {"", 16, 0},
    {"-", 16, 0},
    {"+", 16, 0},
    {"+1A", 16, 0x1A},
    {"-1", 16, -1},
    {"-0x10", 16, -16},
    {"+-1", 16, 0},
    {"--1", 16, 0},
    {"- 1", 16, 0},
    {"7FFFFFFF", 16, 0x7FFFFFFF},
    {"80000000", 16, 0x7FFFFFFF},
    {"FFFFFFFF", 16, 0x7FFFFFFF},
    {"123456789A", 16, 0x7FFFFFFF},
    {"-7FFFFFFF", 16, -0x7FFFFFFF},
    {"-80000000", 16, INT32_MIN},
    {"-80000001", 16, INT32_MIN},
    {"-FFFFFFFFFFFFFFFFFFFF", 16, INT32_MIN},
    {"00000000000000000000001", 16, 1},
    {"2147483647", 10, INT32_MAX},
    {"2147483648", 10, INT32_MAX},
    {"-2147483648", 10, INT32_MIN},
    {"-2147483649", 10, INT32_MIN},
    {"12", 10, 12},
    {"1F", 10, 1},
    {"0x10", 10, 0},
};

const StrtoulRow kStrtoul[] = {
    {"1F", 16, 0x1F},
    {"123456789A", 16, 0xFFFFFFFFu},
    {"FFFFFFFF", 16, 0xFFFFFFFFu},
    {"100000000", 16, 0xFFFFFFFFu},
    {"fedcba98", 16, 0xFEDCBA98u},
    {"-1", 16, 0xFFFFFFFFu},
    {"-FFFFFFFF", 16, 1},
    {"-100000000", 16, 1},  // overflow gives FFFFFFFF, then the minus negates it
    {"-99999999999", 16, 1},
    {"-0x10", 16, 0xFFFFFFF0u},
    {"0x10", 16, 16},
    {"0x", 16, 0},
    {" 7", 16, 7},
    {"G7", 16, 0},
    {"", 16, 0},
    {"+-1", 16, 0},
    {"12345678", 16, 0x12345678u},
    {"0000000012345678", 16, 0x12345678u},
    {"4294967295", 10, 0xFFFFFFFFu},
    {"4294967296", 10, 0xFFFFFFFFu},
    {"-4294967295", 10, 1},
    {"-4294967296", 10, 1},
};

const AtoiRow kAtoi[] = {
    {"0", 0, true},
    {"12", 12, true},
    {"-12", -12, true},
    {"+5", 5, true},
    {" 12x", 12, true},
    {"\t-7", -7, true},
    {"", 0, true},
    {"abc", 0, true},
    {"-", 0, true},
    {"--1", 0, true},
    {"0x10", 0, true},
    {"1F", 1, true},
    {"9999", 9999, true},
    {"-999", -999, true},
    {"2147483647", INT32_MAX, true},
    {"-2147483648", INT32_MIN, true},
    {"2147483648", INT32_MAX, false},
    {"-2147483649", INT32_MIN, false},
    {"4294967296", INT32_MAX, false},
    {"99999999999", INT32_MAX, false},
    {"-99999999999", INT32_MIN, false},
};

const AtofRow kAtof[] = {
    {"4.56", 4.56, 455},  // 4.56 * 100.0 is just below 456
    {"20.50", 20.5, 2050},
    {"0.29", 0.29, 28},
    {"1.15", 1.15, 114},
    {"12", 12.0, 1200},
    {" 7.25", 7.25, 725},
    {"-2.5", -2.5, -250},
    {"+.5", 0.5, 50},
    {"5.", 5.0, 500},
    {".", 0.0, 0},
    {"", 0.0, 0},
    {"abc", 0.0, 0},
    {"12.5abc", 12.5, 1250},
    {"1,5", 1.0, 100},
    {"1e3", 1000.0, 100000},
    {"1E3", 1000.0, 100000},
    {"1d3", 1000.0, 100000},  // the runtime takes d and D as exponent marks
    {"1D3", 1000.0, 100000},
    {"1e", 1.0, 100},
    {"1e+", 1.0, 100},
    {"2.5e-1", 0.25, 25},
    {"0x10", 0.0, 0},  // no hexadecimal
    {"inf", 0.0, 0},   // no infinity or nan
    {"nan", 0.0, 0},
    {"--1", 0.0, 0},
};

TEST(Convert, Strtol) {
    for (const auto& r : kStrtol) {
        EXPECT_EQ(ms_strtol(r.text, r.base), r.value) << "\"" << r.text << "\" base " << r.base;
#ifdef _WIN32
        static_assert(sizeof(long) == 4, "the Windows C library has a 32-bit long");
        EXPECT_EQ(std::strtol(r.text, nullptr, r.base), r.value) << "C library: \"" << r.text << "\" base " << r.base;
#endif
    }
}

TEST(Convert, Strtoul) {
    for (const auto& r : kStrtoul) {
        EXPECT_EQ(ms_strtoul(r.text, r.base), r.value) << "\"" << r.text << "\" base " << r.base;
#ifdef _WIN32
        EXPECT_EQ(std::strtoul(r.text, nullptr, r.base), r.value) << "C library: \"" << r.text << "\" base " << r.base;
#endif
    }
}

TEST(Convert, Atoi) {
    for (const auto& r : kAtoi) {
        EXPECT_EQ(ms_atoi(r.text), r.value) << "\"" << r.text << "\"";
#ifdef _WIN32
        // the system msvcrt.dll wraps where the Visual C++ runtime clamps
        if (r.runtime_agrees) {
            EXPECT_EQ(std::atoi(r.text), r.value) << "C library: \"" << r.text << "\"";
        }
#endif
    }
}

TEST(Convert, Atof) {
    for (const auto& r : kAtof) {
        EXPECT_EQ(ms_atof(r.text), r.value) << "\"" << r.text << "\"";
        EXPECT_EQ(static_cast<int32_t>(ms_atof(r.text) * 100.0), r.hundredths) << "\"" << r.text << "\"";
#ifdef _WIN32
        EXPECT_EQ(std::atof(r.text), r.value) << "C library: \"" << r.text << "\"";
#endif
    }
}

TEST(Convert, AtofOverflowIsInfinite) {
    EXPECT_GT(ms_atof("1e400"), 1e308);
    EXPECT_LT(ms_atof("-1e400"), -1e308);
    EXPECT_EQ(ms_atof("1e-400"), 0.0);
}

}  // namespace
