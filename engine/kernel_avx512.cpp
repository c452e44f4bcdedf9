// The seed scan kernel for processors with AVX-512F (16 lanes a vector),
// chosen at run time when the system also saves the ZMM registers; nothing
// outside this kernel is built with AVX-512.
//
// Windows keeps the stack 16-byte aligned only, so a spilled ZMM register may
// sit on an address that is not a multiple of 64: the Windows tree assembles
// every aligned vector move as an unaligned one (cmake/windows.cmake), and
// the other instructions take unaligned memory operands anyway.

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "engine/kernel.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"

// Elsewhere the same body is built for the baseline; it is never chosen there.
#if defined(__x86_64__) || defined(__i386__)
#pragma GCC push_options
#pragma GCC target("avx512f")
#endif
#define SCAN_VECTOR_BYTES 64
#define SCAN_KERNEL_NAME kScanGroupAvx512
#include "engine/kernel_body.h"
#if defined(__x86_64__) || defined(__i386__)
#pragma GCC pop_options
#endif
