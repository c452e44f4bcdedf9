// The ordered pipeline of a scan: chunks 0..total-1 scanned on the calling
// thread and on helper threads kept between scans, their results taken on
// the calling thread strictly in chunk order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct ScanScratch;

// What one chunk of raw seeds kept.
struct ChunkResult {
    std::vector<char> kept;
    size_t used = 0;
    int64_t hits = 0;
    bool complete = false;  // every seed scanned: the stop word did not cut it short
};

// The chunks of one scan as the pipeline sees them.
class ChunkWork {
public:
    // Scans chunk c into out with one thread's kernel buffers; called on any thread.
    virtual void scan(uint64_t chunk, ScanScratch* scratch, ChunkResult* out) const = 0;
    // Takes chunk c's result on the calling thread, in chunk order; false ends the scan.
    virtual bool take(uint64_t chunk, const ChunkResult& result) const = 0;
    // True once the scan is to end early; read often, from every thread.
    virtual bool stopped() const = 0;

protected:
    ~ChunkWork() = default;
};

// Scans chunks 0..total-1 on `threads` threads (0: one per core), the calling
// thread among them, and takes each result in order; returns when all are
// taken, take said stop or stopped() held.
void run_chunks(const ChunkWork& work, uint64_t total, int32_t threads);
