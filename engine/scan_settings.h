// How the seed scans run: which kernel and how many threads. Only tests and
// benchmarks change them; the program runs with the defaults.
#pragma once

#include <cstdint>

// Which seed scan kernel a scan uses; automatic takes the widest the
// processor and the system support.
enum ScanKernel : int32_t { kKernelAutomatic = 0, kKernelSse2, kKernelAvx2, kKernelAvx512 };

struct ScanSettings {
    ScanKernel kernel;  // automatic by default
    int32_t threads;    // 0: one per core
};

// Read by the tools when they build a scan; set before any scan runs.
inline ScanSettings g_scan_settings{};
