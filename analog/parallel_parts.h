#pragma once
// Work on the indices 0 .. n - 1, each independent of the others, shared out among
// threads: helper threads start at once, the indices are handed out in small parts to
// whichever thread is free (so that a thread that starts late or shares its core holds no
// one up), and the calling thread joins in when it calls finish.

#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>
#include <vector>

// Threads worth using on this machine (at least 1).
int worker_threads();

class Parallel_parts {
public:
    // work(from, to) does the indices from .. to - 1.
    using Work = std::function<void(size_t from, size_t to)>;

    // Starts up to threads - 1 helpers on work. What work reads and writes must outlive
    // the parts, and nothing else may change it until they have finished.
    Parallel_parts(size_t n, int threads, Work work);
    ~Parallel_parts();
    Parallel_parts(const Parallel_parts&) = delete;
    Parallel_parts& operator=(const Parallel_parts&) = delete;

    // Does parts on this thread until none is left, then waits for the helpers.
    void finish();
    // Hands out no further part and waits for the helpers; some indices are then not done.
    void abandon();

private:
    size_t n;
    Work work;
    size_t part = 1; // indices a thread takes at a time
    std::atomic<size_t> next{0};
    std::vector<std::thread> helpers;

    void take_parts();
};
