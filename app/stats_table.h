// The stats window's controls and painted labels, and its size.
#pragma once

#include "app/window_table.h"

constexpr int kStatsClientWidth = 520;
constexpr int kStatsClientHeight = 572;

extern const WindowTable kStatsWindowTable;
