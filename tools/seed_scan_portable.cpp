// The seed scan kernel for every x86-64 processor (SSE2 at most).
#define SCAN_VECTOR_BYTES 16
#define SCAN_KERNEL_NAME scan_group_portable
#include "tools/seed_scan_kernel_body.h"
