#include "analog/pulse_memo.h"

#include <algorithm>
#include <utility>

namespace {

template <typename T> void append(Pulse_memo::Key& key, const T* values, size_t count)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(values);
    key.insert(key.end(), bytes, bytes + count * sizeof(T));
}

template <typename T> void append(Pulse_memo::Key& key, const T& value) { append(key, &value, 1); }

} // namespace

Pulse_memo::Key Pulse_memo::key_of(const Da_ad& dac, const Chain_signal& chips, double t_chip,
                                   float dt, int samples)
{
    Key key;
    append(key, dac.f_chip);
    append(key, dac.roll_off);
    append(key, dac.t_chip);
    append(key, dac.w_sinc);
    append(key, dac.w_cos);
    append(key, dac.k_den);
    append(key, dac.pulses);
    append(key, dac.n_chips);
    append(key, t_chip);
    append(key, dt);
    append(key, samples);
    const auto n = static_cast<size_t>(std::max(dac.n_chips, 0));
    if (chips.i != nullptr) append(key, chips.i, n);
    if (chips.q != nullptr) append(key, chips.q, n);
    return key;
}

void Pulse_memo::start(Key key, size_t instants)
{
    held = std::move(key);
    for (auto& s : sums) {
        s.clear();
        s.reserve(instants);
    }
    complete = false;
}

void Pulse_memo::keep(const std::vector<float>& i, const std::vector<float>& q)
{
    sums[0].insert(sums[0].end(), i.begin(), i.end());
    sums[1].insert(sums[1].end(), q.begin(), q.end());
}

void Pulse_memo::take(size_t from, size_t count, std::vector<float>& i, std::vector<float>& q) const
{
    i.assign(sums[0].begin() + static_cast<std::ptrdiff_t>(from),
             sums[0].begin() + static_cast<std::ptrdiff_t>(from + count));
    q.assign(sums[1].begin() + static_cast<std::ptrdiff_t>(from),
             sums[1].begin() + static_cast<std::ptrdiff_t>(from + count));
}
