// The seed scan kernel for processors with AVX2, chosen at run time; nothing
// outside this kernel is built with AVX2.
//
// The generator's step templates are defined for the baseline instruction
// set and always inlined: inside this kernel they take AVX2 instructions.
// (CMake builds the kernels with -Wno-psabi: the note about passing wide
// vectors between functions of different instruction sets does not apply.)

#include "engine/kernel.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"

#if defined(__x86_64__) || defined(__i386__)
#pragma GCC push_options
#pragma GCC target("avx2")
#define SCAN_VECTOR_BYTES 32
#define SCAN_KERNEL_NAME scan_group_avx2
#include "engine/kernel_body.h"
#pragma GCC pop_options
#else
// Without x86 there is no AVX2 to choose; the baseline kernel does the work.
bool scan_group_avx2(const ScanPlan& plan, const uint32_t* raw_seeds, ScanScratch* scratch) {
    return scan_group_sse2(plan, raw_seeds, scratch);
}
#endif
