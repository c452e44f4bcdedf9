// The engine as the Windows program runs it, cross-built and run under Wine
// (make bench): the default seed search and the candidate search with each
// kernel this processor runs, on one thread and on every core. Printed as
// best-of-N real time with the process's user and system time of that run;
// never asserted.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/seed_scan.h"
#include "tests/bench/bench_cases.h"
#include "tools/candidates.h"
#include "tools/seed_search.h"

namespace {

struct Timing {
    double real_ms;
    double user_ms;
    double system_ms;
};

double ms_of_filetime(const FILETIME& t) {
    ULARGE_INTEGER v;
    v.LowPart = t.dwLowDateTime;
    v.HighPart = t.dwHighDateTime;
    return static_cast<double>(v.QuadPart) / 1e4;  // 100 ns units
}

// User and system milliseconds of this process so far.
void process_times(double* user, double* system) {
    FILETIME created, ended, kernel, usr;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &usr);
    *user = ms_of_filetime(usr);
    *system = ms_of_filetime(kernel);
}

// The best of runs of work by real time, with its CPU times.
template <class Work>
Timing best_of(int runs, Work work) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    Timing best{1e300, 0, 0};
    for (int r = 0; r < runs; ++r) {
        double u0, s0, u1, s1;
        LARGE_INTEGER c0, c1;
        process_times(&u0, &s0);
        QueryPerformanceCounter(&c0);
        work();
        QueryPerformanceCounter(&c1);
        process_times(&u1, &s1);
        const double real = static_cast<double>(c1.QuadPart - c0.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
        if (real < best.real_ms) best = {real, u1 - u0, s1 - s0};
    }
    return best;
}

void print(const char* what, const bench::NamedKernel& k, int32_t threads, int runs, const Timing& t, double seeds) {
    std::printf("%-18s %-10s %-12s best of %d: %8.1f ms real (%7.1f ms user, %6.1f ms system), %6.1f ns per seed\n", what,
                k.name, threads == 0 ? "all threads" : "1 thread", runs, t.real_ms, t.user_ms, t.system_ms,
                t.real_ms * 1e6 / seeds);
}

}  // namespace

int main() {
    // run_seed_search writes result.txt into the working folder
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kivrel-wine-engine-bench";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    const int32_t thread_counts[] = {1, 0};
    // one search first, untimed: the helper threads and the kernel buffers are made
    run_seed_search(bench::default_search());
    for (const bench::NamedKernel& k : bench::kKernels) {
        if (k.kernel != kKernelAutomatic && !scan_kernel_available(k.kernel)) {
            std::printf("%s kernel: this processor lacks it, not measured\n", k.name);
            continue;
        }
        for (int32_t threads : thread_counts) {
            const SeedSearchInputs in = bench::default_search(0x600, 0x1000, 30, {k.kernel, threads});
            const int runs = threads == 1 ? 3 : 5;
            print("default search", k, threads, runs, best_of(runs, [&] { run_seed_search(in); }),
                  bench::kDefaultSearchSeeds);
        }
        for (int32_t threads : thread_counts) {
            const CandidateInputs in = bench::default_candidates({k.kernel, threads});
            print("candidate search", k, threads, 20, best_of(20, [&] { search_candidate_seeds(in); }),
                  bench::kCandidateSeeds);
        }
    }
    std::filesystem::current_path(dir.parent_path());
    std::filesystem::remove_all(dir);
    return 0;
}
