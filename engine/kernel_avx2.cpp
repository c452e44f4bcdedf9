// The seed scan kernel for processors with AVX2, chosen at run time; nothing
// outside this kernel is built with AVX2.
//
// The generator's step templates are defined for the baseline instruction
// set and always inlined: inside this kernel they take AVX2 instructions.
// (CMake builds the kernels with -Wno-psabi: the note about passing wide
// vectors between functions of different instruction sets does not apply.)

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "engine/kernel.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"

// Elsewhere the same body is built for the baseline; it is never chosen there.
#if defined(__x86_64__) || defined(__i386__)
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
#define SCAN_VECTOR_BYTES 32
#define SCAN_KERNEL_NAME kScanGroupAvx2
#include "engine/kernel_body.h"
#if defined(__x86_64__) || defined(__i386__)
#pragma GCC pop_options
#endif
