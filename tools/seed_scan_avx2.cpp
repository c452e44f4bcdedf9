// The seed scan kernel for processors with AVX2, chosen at run time; nothing
// outside this kernel is built with AVX2.
#include <cstdint>

#include "tools/seed_scan_kernel.h"

#if defined(__x86_64__) || defined(__i386__)
#pragma GCC push_options
#pragma GCC target("avx2")
#define SCAN_VECTOR_BYTES 32
#define SCAN_KERNEL_NAME scan_group_avx2
#include "tools/seed_scan_kernel_body.h"
#pragma GCC pop_options
#else
// Without x86 there is no AVX2 to choose; the portable kernel does the work.
bool scan_group_avx2(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch) {
    return scan_group_portable(plan, raw_seeds, scratch);
}
#endif
