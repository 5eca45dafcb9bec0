#include "analog/path_evaluation.h"

#include <algorithm>
#include <system_error>

namespace {

// Instants a thread takes at a time at most, and parts per thread at least (so that the
// threads end together even when each instant costs many pulse terms).
constexpr size_t max_part = 512;
constexpr size_t parts_per_thread = 8;

} // namespace

Path_evaluation::Path_evaluation(Path_samples& s, const Analog_mod& a, const Chain_signal& c,
                                 int threads)
    : samples(s), analog(a), chips(c)
{
    samples.size_results(a);
    const size_t n = samples.t.size();
    const auto usable = static_cast<size_t>(std::max(threads, 1));
    part = std::clamp(n / (usable * parts_per_thread), size_t{1}, max_part);
    const size_t count = std::min(usable - 1, (n + part - 1) / part);
    helpers.reserve(count);
    for (size_t h = 0; h < count; ++h) {
        try {
            helpers.emplace_back([this] { work(); });
        } catch (const std::system_error&) { // no thread to be had: the others do its parts
            break;
        }
    }
}

Path_evaluation::~Path_evaluation() { finish(); }

void Path_evaluation::finish()
{
    work();
    for (auto& h : helpers)
        if (h.joinable()) h.join();
}

void Path_evaluation::abandon()
{
    next.store(samples.t.size());
    for (auto& h : helpers)
        if (h.joinable()) h.join();
}

void Path_evaluation::work()
{
    const size_t n = samples.t.size();
    for (size_t from = next.fetch_add(part); from < n; from = next.fetch_add(part))
        samples.evaluate_range(analog, chips, from, std::min(n, from + part));
}
