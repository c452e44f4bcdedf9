#include "engine/pipeline.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "engine/kernel.h"

namespace {

constexpr int32_t kMaxThreads = 16;
// Chunk results that may wait to be taken, per thread and at most.
constexpr size_t kRingChunksPerThread = 8;
constexpr size_t kMaxRingChunks = 32;

int32_t thread_count(int32_t n) {
    if (n <= 0) n = static_cast<int32_t>(std::thread::hardware_concurrency());
    if (n <= 0) n = 1;
    return n > kMaxThreads ? kMaxThreads : n;
}

// One place of the ring of chunk results: chunk c lands in place c % size.
struct Slot {
    ChunkResult result;
    std::atomic<bool> ready{false};
};

// The chunks in flight. Every thread claims the next chunk with one atomic
// step while the ring has room for it; the calling thread takes the results
// in order and scans chunks itself while the next result is not ready. A
// thread sleeps only when it has nothing to do, and is woken only when
// another thread sees it sleeping: under Wine each sleep and wake is a trip
// through the server, so they must stay rare.
struct Pipeline {
    Pipeline(const ChunkWork& work, uint64_t total, size_t size)
        : work(work), total(total), slots(new Slot[size]), size(size) {}
    const ChunkWork& work;
    const uint64_t total;
    std::unique_ptr<Slot[]> slots;
    const uint64_t size;
    alignas(64) std::atomic<uint64_t> next{0};      // next chunk to claim
    alignas(64) std::atomic<uint64_t> consumed{0};  // chunks taken; chunk c has room while c < consumed + size
    std::atomic<bool> stop{false};
    std::atomic<int32_t> sleepers{0};
    std::mutex mutex;
    std::condition_variable changed;
    Slot& slot(uint64_t chunk) { return slots[chunk % size]; }
};

enum class Claim { kClaimed, kNoRoom, kNone };

// The next chunk, unless the scan is over (or stopped) or the ring is full.
Claim claim(Pipeline& pipe, uint64_t* chunk) {
    uint64_t n = pipe.next.load();
    for (;;) {
        if (pipe.stop.load() || pipe.work.stopped() || n >= pipe.total) return Claim::kNone;
        if (n >= pipe.consumed.load() + pipe.size) return Claim::kNoRoom;
        if (pipe.next.compare_exchange_weak(n, n + 1)) {
            *chunk = n;
            return Claim::kClaimed;
        }
    }
}

// Wakes the sleeping threads after a change they may wait for.
void wake(Pipeline& pipe) {
    if (pipe.sleepers.load() == 0) return;
    std::lock_guard<std::mutex> lock(pipe.mutex);
    pipe.changed.notify_all();
}

// Sleeps until done() holds. Counted as a sleeper before done() is checked,
// so that a change made after the check always sees it.
template <class Done>
void sleep_until(Pipeline& pipe, Done done) {
    std::unique_lock<std::mutex> lock(pipe.mutex);
    pipe.sleepers.fetch_add(1);
    while (!done()) pipe.changed.wait(lock);
    pipe.sleepers.fetch_sub(1);
}

// Kernel buffers lent from scan to scan: a scan of a few milliseconds should
// not pay for a third of a megabyte of fresh pages. (Not thread_local: built
// by MinGW, a thread_local with a destructor corrupted the heap when its
// thread ended.)
class ScratchShelf {
public:
    std::unique_ptr<ScanScratch> take() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (kept_.empty()) return std::unique_ptr<ScanScratch>(new ScanScratch);
        std::unique_ptr<ScanScratch> scratch = std::move(kept_.back());
        kept_.pop_back();
        return scratch;
    }
    void put(std::unique_ptr<ScanScratch> scratch) {
        std::lock_guard<std::mutex> lock(mutex_);
        kept_.push_back(std::move(scratch));
    }

private:
    std::mutex mutex_;
    std::vector<std::unique_ptr<ScanScratch>> kept_;
};

// Never destroyed, like the helper threads that use it.
ScratchShelf& scratch_shelf() {
    static ScratchShelf* const shelf = new ScratchShelf;
    return *shelf;
}

// Buffers taken from the shelf for one thread's part of a scan.
class Scratch {
public:
    Scratch() : scratch_(scratch_shelf().take()) {}
    ~Scratch() { scratch_shelf().put(std::move(scratch_)); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ScanScratch* get() const { return scratch_.get(); }

private:
    std::unique_ptr<ScanScratch> scratch_;
};

void scan_helper(Pipeline* pipe) {
    const Scratch buffers;
    ScanScratch* scratch = buffers.get();
    for (;;) {
        uint64_t chunk;
        const Claim claimed = claim(*pipe, &chunk);
        if (claimed == Claim::kNone) return;
        if (claimed == Claim::kNoRoom) {
            sleep_until(*pipe, [&] {
                const uint64_t n = pipe->next.load();
                return pipe->stop.load() || n >= pipe->total || n < pipe->consumed.load() + pipe->size;
            });
            continue;
        }
        Slot& slot = pipe->slot(chunk);
        pipe->work.scan(chunk, scratch, &slot.result);
        slot.ready.store(true);
        wake(*pipe);
    }
}

// Helper threads kept for the program's life: made by the first scans that
// want them, asleep between scans, lent to one scan at a time. Under Wine
// making a thread costs milliseconds; waking one is a single trip through
// the server.
class HelperPool {
public:
    // Lends up to `wanted` helpers to the scan until return_helpers.
    void lend(int32_t wanted, Pipeline* pipe) {
        std::lock_guard<std::mutex> lock(mutex_);
        while (static_cast<int32_t>(threads_.size()) < wanted) {
            try {
                threads_.emplace_back(&HelperPool::serve, this);
            } catch (const std::system_error&) {
                break;  // the scan goes on with the helpers there are
            }
        }
        pipe_ = pipe;
        wanted_ = wanted;
        open_ = true;
        ++generation_;
        if (!threads_.empty()) wake_.notify_all();
    }

    // Waits until every helper that joined the scan has left it; a helper
    // that wakes later does not join it any more.
    void return_helpers() {
        std::unique_lock<std::mutex> lock(mutex_);
        open_ = false;
        left_.wait(lock, [&] { return busy_ == 0; });
    }

private:
    void serve() {
        uint64_t seen = 0;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return generation_ != seen; });
            seen = generation_;
            if (!open_ || busy_ >= wanted_) continue;
            ++busy_;
            Pipeline* pipe = pipe_;
            lock.unlock();
            scan_helper(pipe);
            lock.lock();
            if (--busy_ == 0) left_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;  // helpers wait for a scan
    std::condition_variable left_;  // the lender waits for its helpers to leave
    std::vector<std::thread> threads_;
    uint64_t generation_ = 0;       // one more for every scan lent to
    Pipeline* pipe_ = nullptr;
    int32_t wanted_ = 0;
    int32_t busy_ = 0;              // helpers in the current scan
    bool open_ = false;             // helpers may still join the current scan
};

// The pool, never destroyed: its threads sleep until the process ends.
HelperPool& helper_pool() {
    static HelperPool* const pool = new HelperPool;
    return *pool;
}

// Taken by the scan that uses the pool; a scan that finds it taken runs on
// its calling thread alone.
std::mutex& pool_in_use() {
    static std::mutex* const in_use = new std::mutex;
    return *in_use;
}

}  // namespace

void run_chunks(const ChunkWork& work, uint64_t total, int32_t threads) {
    if (total == 0) return;
    // the calling thread scans too: threads - 1 helpers, never more than chunks
    const int32_t wanted = thread_count(threads) - 1;
    const int32_t helpers = static_cast<uint64_t>(wanted) < total - 1 ? wanted : static_cast<int32_t>(total - 1);
    // room for each thread to run a few chunks ahead of a thread the system
    // has set aside for a moment, within kMaxRingChunks chunk budgets
    const size_t ring = kRingChunksPerThread * static_cast<size_t>(helpers + 1);
    Pipeline pipe(work, total, ring < kMaxRingChunks ? ring : kMaxRingChunks);
    std::unique_lock<std::mutex> pool(pool_in_use(), std::defer_lock);
    if (helpers > 0 && pool.try_lock()) helper_pool().lend(helpers, &pipe);
    const Scratch buffers;
    ScanScratch* scratch = buffers.get();
    for (uint64_t c = 0; c < total && !work.stopped();) {
        Slot& slot = pipe.slot(c);
        if (slot.ready.load()) {
            const bool go_on = slot.result.complete && work.take(c, slot.result);
            slot.ready.store(false);
            pipe.consumed.store(++c);
            wake(pipe);
            if (!go_on) break;
            continue;
        }
        uint64_t chunk;
        const Claim claimed = claim(pipe, &chunk);
        if (claimed == Claim::kClaimed) {
            Slot& mine = pipe.slot(chunk);
            work.scan(chunk, scratch, &mine.result);
            mine.ready.store(true);
            continue;
        }
        if (claimed == Claim::kNone && work.stopped()) break;
        // every chunk up to the next to take is claimed and this one is a
        // helper's: wait for it (a helper that sees the stop word hands over
        // what it has, marked incomplete)
        sleep_until(pipe, [&] { return slot.ready.load(); });
    }
    pipe.stop.store(true);
    wake(pipe);
    if (pool.owns_lock()) helper_pool().return_helpers();
}
