// Number conversions of typed text, with the results the Microsoft C runtime
// gives where long is 32 bits, on every platform Kivrel is built for.
#pragma once

#include <cstdint>

// strtol(text, nullptr, base) with a 32-bit long: leading white space, an
// optional sign, an optional 0x for base 16; clamps to INT32_MIN..INT32_MAX.
int32_t ms_strtol(const char* text, int base);

// strtoul(text, nullptr, base) with a 32-bit unsigned long: overflow gives
// 0xFFFFFFFF, then a leading minus negates modulo 2^32 ("-1" gives
// 0xFFFFFFFF, a negative number past 32 bits gives 1).
uint32_t ms_strtoul(const char* text, int base);

// atoi(text): decimal, as ms_strtol with base 10, so overflow clamps as in
// the Visual C++ runtime (the system msvcrt.dll that MinGW links wraps
// instead; one reason the program converts with these functions).
int32_t ms_atoi(const char* text);

// atof(text): decimal only, [space][sign][digits][.digits][e|E|d|D[sign]digits];
// no hexadecimal, inf or nan (they read as 0).
double ms_atof(const char* text);
