#include "analog/parallel_parts.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace {

// Indices a thread takes at a time at most, and parts per thread at least (so that the
// threads end together even when each index costs much).
constexpr size_t max_part = 512;
constexpr size_t parts_per_thread = 8;

} // namespace

int worker_threads()
{
    const unsigned n = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(n, 1u, 8u));
}

Parallel_parts::Parallel_parts(size_t count, int threads, Work w) : n(count), work(std::move(w))
{
    const auto usable = static_cast<size_t>(std::max(threads, 1));
    part = std::clamp(n / (usable * parts_per_thread), size_t{1}, max_part);
    const size_t helper_count = std::min(usable - 1, (n + part - 1) / part);
    helpers.reserve(helper_count);
    for (size_t h = 0; h < helper_count; ++h) {
        try {
            helpers.emplace_back([this] { take_parts(); });
        } catch (const std::system_error&) { // no thread to be had: the others do its parts
            break;
        }
    }
}

Parallel_parts::~Parallel_parts() { finish(); }

void Parallel_parts::finish()
{
    take_parts();
    for (auto& h : helpers)
        if (h.joinable()) h.join();
}

void Parallel_parts::abandon()
{
    next.store(n);
    for (auto& h : helpers)
        if (h.joinable()) h.join();
}

void Parallel_parts::take_parts()
{
    for (size_t from = next.fetch_add(part); from < n; from = next.fetch_add(part))
        work(from, std::min(n, from + part));
}
