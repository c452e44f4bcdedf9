// The seed scan kernel for every x86-64 processor (SSE2 at most).
#if defined(__x86_64__) || defined(__i386__)
#include <emmintrin.h>
#endif

#include "engine/kernel.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"

#define SCAN_VECTOR_BYTES 16
#define SCAN_KERNEL_NAME kScanGroupSse2
#include "engine/kernel_body.h"
