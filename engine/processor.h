// Which seed scan kernels this processor and system can run, and the one a
// scan gets.
#pragma once

#include "core/game.h"
#include "engine/scan_settings.h"

struct GroupKernel;

// True when this processor and system can run the kernel.
bool scan_kernel_available(ScanKernel kernel);

// The kernel asked for; the widest available when asked for automatic or for
// one this processor lacks.
const GroupKernel& choose_kernel(ScanKernel kernel);
