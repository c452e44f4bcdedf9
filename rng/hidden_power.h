// Hidden Power type and power from the low two bits of the six IVs.
// Both take the IVs in the order H, A, B, S, C, D (speed before C and D).
#pragma once

#include <cstdint>

#include "app/app_state.h"

constexpr int kHiddenPowerTypes = 16;

int32_t hidden_power_type(int32_t h, int32_t a, int32_t b, int32_t s, int32_t c, int32_t d);
int32_t hidden_power_power(int32_t h, int32_t a, int32_t b, int32_t s, int32_t c, int32_t d);

// Copies the CP932 name of type 0..15 into buffer (256 bytes).
void hidden_power_type_name(int32_t type, char* buffer);

// The same functions given an IvSet, rearranged to H, A, B, S, C, D.
int32_t hidden_power_type_of(const IvSet& s);
int32_t hidden_power_power_of(const IvSet& s);
