#include "plot/eye_instants.h"

#include "analog/parallel_parts.h"
#include "plot/plot_curves.h"

#include <algorithm>
#include <bit>

namespace {

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }

template <typename T> std::vector<T> part(const std::vector<T>& v, size_t from, size_t to)
{
    return std::vector<T>(v.begin() + static_cast<std::ptrdiff_t>(from),
                          v.begin() + static_cast<std::ptrdiff_t>(to));
}

template <typename T> void append(std::vector<T>& to, const std::vector<T>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

} // namespace

Eye_instants::Eye_instants(const std::vector<float>& scan_us, const std::vector<float>& starts,
                           float dt_us, int width)
{
    for (float u : scan_us) t.push_back(Analog_mod::seconds(u));
    blocks.push_back({0, t.size()});
    Curve_frame frame;
    frame.dx = dt_us;
    for (float start : starts) {
        if (by_start.contains(bits(start))) continue;
        by_start[bits(start)] = blocks.size();
        frame.x0 = start;
        const size_t first = t.size();
        for (int x = 0; x + 1 < width; ++x)
            t.push_back(Analog_mod::seconds(column_abscissa(frame, x)));
        blocks.push_back({first, t.size()});
    }
}

size_t Eye_instants::block_of(float start_us) const { return by_start.at(bits(start_us)); }

std::vector<float> Eye_instants::instants(size_t block) const
{
    return part(t, blocks[block].from, blocks[block].to);
}

std::optional<std::vector<Path_samples>>
Eye_instants::path_samples(const Analog_mod& a, const Chain_signal& chips, Progress& progress) const
{
    Path_samples all;
    const size_t step = a.instants_per_block(false);
    for (size_t from = 0; from < t.size(); from += step) {
        Path_samples some;
        some.t = part(t, from, std::min(t.size(), from + step));
        some.evaluate(a, chips, worker_threads());
        append(all.t, some.t);
        append(all.sum, some.sum);
        append(all.car, some.car);
        for (size_t i = 0; i < all.dem.size(); ++i) append(all.dem[i], some.dem[i]);
        if (!progress.report(static_cast<double>(all.t.size()) / static_cast<double>(t.size())))
            return std::nullopt;
    }
    std::vector<Path_samples> v;
    for (const Block& b : blocks) {
        Path_samples s;
        s.t = part(all.t, b.from, b.to);
        s.sum = part(all.sum, b.from, b.to);
        s.car = part(all.car, b.from, b.to);
        for (size_t i = 0; i < s.dem.size(); ++i) s.dem[i] = part(all.dem[i], b.from, b.to);
        v.push_back(std::move(s));
    }
    return v;
}

std::optional<std::vector<std::vector<float>>>
Eye_instants::dac_values(const Analog_mod& a, const float* chips, Progress& progress) const
{
    std::vector<float> all(t.size());
    const size_t step = a.instants_per_block(false);
    for (size_t first = 0; first < t.size(); first += step) {
        const size_t end = std::min(t.size(), first + step);
        Parallel_parts(end - first, worker_threads(), [&](size_t from, size_t to) {
            for (size_t n = first + from; n < first + to; ++n)
                all[n] = a.da_ad.nyquist(chips, t[n]);
        }).finish();
        if (!progress.report(static_cast<double>(end) / static_cast<double>(t.size())))
            return std::nullopt;
    }
    std::vector<std::vector<float>> v;
    for (const Block& b : blocks) v.push_back(part(all, b.from, b.to));
    return v;
}
