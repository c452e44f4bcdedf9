// The attempts window's controls and its size.
#pragma once

#include "app/window_table.h"

constexpr int kAttemptsClientWidth = 460;
constexpr int kAttemptsClientHeight = 330;

extern const WindowTable kAttemptsWindowTable;
