#include "engine/processor.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

#include <cstdint>

#include "engine/kernel.h"

namespace {

#if defined(__x86_64__) || defined(__i386__)
// XCR0 bits of the register states the system saves on a thread switch: SSE
// and AVX (bits 1, 2), and for AVX-512 also the opmasks and both halves of
// the ZMM registers (bits 5, 6, 7). A kernel may run only when its registers
// survive a switch.
constexpr uint64_t kAvxStates = 0x06;
constexpr uint64_t kAvx512States = 0xE6;

uint64_t saved_states() {
    uint32_t lo, hi;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
    return (static_cast<uint64_t>(hi) << 32) | lo;
}

// The processor's instructions (CPUID) and the system's saved states (XGETBV,
// which OSXSAVE says may be executed). GCC 11 and later check the same in
// __builtin_cpu_supports; this keeps the rule in one place for any compiler.
bool cpu_has(ScanKernel kernel) {
    if (kernel == kKernelSse2) return true;
    uint32_t a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) || !(c & bit_AVX)) return false;
    const uint64_t states = saved_states();
    if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
    if (kernel == kKernelAvx2) return (b & bit_AVX2) && (states & kAvxStates) == kAvxStates;
    if (kernel == kKernelAvx512) return (b & bit_AVX512F) && (states & kAvx512States) == kAvx512States;
    return false;
}
#else
bool cpu_has(ScanKernel kernel) { return kernel == kKernelSse2; }
#endif

}  // namespace

bool scan_kernel_available(ScanKernel kernel) { return cpu_has(kernel); }

const GroupKernel& choose_kernel(ScanKernel k) {
    if (k == kKernelAutomatic || !scan_kernel_available(k)) {
        k = scan_kernel_available(kKernelAvx512) ? kKernelAvx512
            : scan_kernel_available(kKernelAvx2) ? kKernelAvx2
                                                 : kKernelSse2;
    }
    if (k == kKernelAvx512) return kScanGroupAvx512;
    return k == kKernelAvx2 ? kScanGroupAvx2 : kScanGroupSse2;
}
