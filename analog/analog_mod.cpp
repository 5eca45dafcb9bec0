#include "analog/analog_mod.h"

#include "analog/parallel_parts.h"
#include "analog/path_evaluation.h"
#include "analog/path_samples.h"
#include "engine/number_text.h"
#include "engine/parameters.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

constexpr double two_pi = 6.283185307179586;
constexpr double pi = 3.141592653589793;
// Plot steps averaged by one display average at most.
constexpr double max_average_steps = 1.0e6;

const float* branch_chips(const Chain_signal& chips, int b) { return b == 0 ? chips.i : chips.q; }

} // namespace

Analog_mod::Analog_mod(Da_ad& dac, Qpsk& modulator, Band_pass& filter_1, Band_pass& filter_2,
                       Band_pass& filter_3, std::array<Band_pass, 2>& filter_4, float& last_average)
    : da_ad(dac), qpsk(modulator), band_pass_1(filter_1), band_pass_2(filter_2),
      band_pass_3(filter_3), band_pass_4(filter_4), avg_value(last_average)
{}

int Analog_mod::setup(int len)
{
    in_len = len;
    out_len = len;
    n_tx = 2;
    n_rx = 2;
    return len;
}

int Analog_mod::branch_count() const
{
    if (!(iq_branches > 0.0f)) return 0;
    return iq_branches > 1.0f ? 2 : 1;
}

int Analog_mod::sample_count() const
{
    if (!(samples_per_chip > 0.0f)) return 0;
    const float n = std::ceil(std::min(samples_per_chip, max_samples_per_chip));
    return static_cast<int>(n);
}

std::string Analog_mod::filter_caption(int k) const
{
    static const char* const state[2] = {"unused", "operating"};
    const float on = bp_on[k - 1];
    const int word = on >= 1.0f ? 1 : 0; // the switch truncated, as an index
    return "signals after the " + std::to_string(k) + ". (" + state[word] + ") bp filter at " +
           decimals_text(static_cast<double>(bp_center[k - 1]) / hz_per_mhz, 2) + " MHz ";
}

void Analog_mod::prepare_run()
{
    t_chip = 1.0 / static_cast<double>(chip_rate);
    w_rf = two_pi * static_cast<double>(rf_freq);
    w_rf_rx =
        two_pi * static_cast<double>(rf_freq) * (0.01 * static_cast<double>(rf_detune_pct) + 1);
    ph_rf_rx = static_cast<double>(rf_phase_pct) * 0.01 * 2 * pi;
    da_ad.init(par_table, out_len);
    qpsk.init(par_table);

    captions[2] = filter_caption(1);
    captions[4] = filter_caption(2);
    captions[7] = filter_caption(3);
    captions[9] = filter_caption(4);
    captions[0] = da_ad.caption;
    captions[1] = qpsk.caption(0);
    captions[3] =
        "RF-modulated signals (f= " + decimals_text(static_cast<double>(rf_freq) / hz_per_mhz, 3) +
        " MHz)";
    captions[5] =
        "signals + noise (factor = " + decimals_text(static_cast<double>(noise_to_signal), 1) +
        ") ";
    captions[6] = "RF-demodulated signals ";
    captions[8] = qpsk.caption(1);
    captions[10] = "averages over the demod. chips (depend on the plot's time resolution)";
    const float shown = std::isfinite(samples_per_chip)
                            ? std::clamp(samples_per_chip, 0.0f, max_samples_per_chip)
                            : 0.0f;
    captions[11] =
        "av. (" + std::to_string(static_cast<int>(shown)) + " samples/chip) demodulated chips";

    // The ADC's sample interval, so that every filter is armed for the run.
    prepare_plot(1, static_cast<float>(1e6 / static_cast<double>(samples_per_chip * chip_rate)));
}

void Analog_mod::prepare_plot(int code, float dt_us)
{
    names[0] = da_ad.caption;
    names[1] = captions[11];
    const auto c = static_cast<float>(5.12e-6 * static_cast<double>(dt_us) / std::sqrt(2.0));
    const Stage_code_parts parts = decode_stage_code(code);
    plot_branch = parts.variant;
    plot_dt_us = dt_us;
    avg_chip = -1;
    plot_point = static_cast<Analog_point>(parts.side * parts.position);

    Band_pass* position[4] = {&band_pass_1, &band_pass_2, &band_pass_3, &band_pass_4[0]};
    for (int k = 0; k < 4; ++k) {
        const float b = bp_width[k] / bp_center[k];
        const float w = bp_center[k] * c;
        position[k]->set(b, w);
        if (k == 3) band_pass_4[1].set(b, w);
    }
}

Analog_mod::Carriers Analog_mod::carriers(float t) const
{
    const auto phi = static_cast<float>(w_rf * static_cast<double>(t));
    const auto phi2 = static_cast<float>(w_rf_rx * static_cast<double>(t) + ph_rf_rx);
    return {std::sin(static_cast<double>(phi)), std::sin(static_cast<double>(phi) + pi / 4),
            std::sin(static_cast<double>(phi2))};
}

float Analog_mod::summed_if(const Chain_signal& chips, float t) const
{
    float sum = 0.0f;
    for (int i = 0; i < branch_count(); ++i) {
        float v = da_ad.nyquist(branch_chips(chips, i), t);
        if (if_mod > 0.0f) v = qpsk.modulate(i, t, v);
        sum += v;
    }
    return static_cast<float>(static_cast<long double>(sum) * Analog_mod::branch_sum_scale);
}

float Analog_mod::channel(float sum, const Carriers& c)
{
    if (bp_on[0] != 0.0f) sum = band_pass_1.filter(sum);
    if (rf_mod > 0.0f) sum = static_cast<float>(c.rf_sin * static_cast<double>(sum));
    if (bp_on[1] != 0.0f) sum = band_pass_2.filter(sum);
    sum = static_cast<float>(c.noise_sin * static_cast<double>(noise_to_signal) +
                             static_cast<double>(sum));
    if (rf_demod > 0.0f) sum = static_cast<float>(c.rx_sin * static_cast<double>(sum));
    if (bp_on[2] != 0.0f) sum = band_pass_3.filter(sum);
    return sum;
}

float Analog_mod::rf_path(const Chain_signal& chips, float t)
{
    const Carriers c = carriers(t);
    return channel(summed_if(chips, t), c);
}

float Analog_mod::adc_result(float acc) const
{
    // 1.2 is a double: the scaling happens in double, the soft chip is stored as float.
    const double scaled = static_cast<double>(acc) / (1.2 * static_cast<double>(samples_per_chip));
    return static_cast<float>((scaled + 1) * 0.5);
}

void Analog_mod::xmit_reference(Chain_signal& s)
{
    const Chain_signal chips = s;
    const int samples = sample_count();
    const int branches = branch_count();
    const auto dt = static_cast<float>(t_chip / static_cast<double>(samples_per_chip));
    for (int k = 0; k < out_len; ++k) {
        auto t = static_cast<float>(k * t_chip + 0.5 * static_cast<double>(dt));
        float acc[2] = {0.0f, 0.0f};
        for (int j = 0; j < samples; ++j) {
            const float r = rf_path(chips, t);
            for (int i = 0; i < branches; ++i) acc[i] += receive(i, t, r);
            t += dt;
        }
        buf[0][static_cast<size_t>(k)] = adc_result(acc[0]);
        buf[1][static_cast<size_t>(k)] = adc_result(acc[1]);
    }
    s.i = buf[0].data();
    s.q = buf[1].data();
}

size_t Analog_mod::instants_per_block(bool pulses_given) const
{
    // One pulse term gives both branches' pulse at an instant.
    const size_t terms = pulses_given ? 1 : 2 * static_cast<size_t>(std::max(0, da_ad.pulses)) + 1;
    return std::clamp(block_terms / terms, size_t{1}, std::max(size_t{1}, block_samples));
}

void Analog_mod::xmit(Chain_signal& s)
{
    const Chain_signal chips = s;
    const int samples = sample_count();
    const int branches = branch_count();
    const auto dt = static_cast<float>(t_chip / static_cast<double>(samples_per_chip));
    const size_t instants =
        static_cast<size_t>(out_len) * static_cast<size_t>(std::max(0, samples));
    const int threads = worker_threads();
    // Only the two-branch path sums its pulses apart from the rest.
    const bool memo = branches == 2 && instants <= Pulse_memo::max_instants;
    Pulse_memo::Key key =
        memo ? Pulse_memo::key_of(da_ad, chips, t_chip, dt, samples) : Pulse_memo::Key{};
    const bool reuse = memo && reuse_pulses && pulse_memo.holds(key);
    if (memo && !reuse) pulse_memo.start(std::move(key), instants);
    if (samples <= 0)
        for (int k = 0; k < out_len; ++k)
            buf[0][static_cast<size_t>(k)] = buf[1][static_cast<size_t>(k)] = adc_result(0.0f);

    // Blocks of instants in time order; a chip may end in a later block than it starts.
    // While this thread runs the filters over one block, helpers evaluate the next.
    const size_t per_block = instants_per_block(reuse);
    Instant_clock clock{t_chip, dt, samples};
    Chip_sums sums;
    std::array<Path_samples, 2> blocks;
    next_block(blocks[0], clock, std::min(per_block, instants), reuse);
    blocks[0].evaluate(*this, chips, threads);
    for (size_t first = 0, b = 0; first < instants; first += per_block, b = 1 - b) {
        Path_samples& block = blocks[b];
        const size_t end = first + block.t.size();
        std::optional<Path_evaluation> ahead;
        if (end < instants) {
            next_block(blocks[1 - b], clock, std::min(per_block, instants - end), reuse);
            ahead.emplace(blocks[1 - b], *this, chips, threads);
        }
        if (memo && !reuse) pulse_memo.keep(block.pulse[0], block.pulse[1]);
        add_samples(block, branches, samples, sums);
        if (progress != nullptr &&
            !progress->report(static_cast<double>(end) / static_cast<double>(instants))) {
            if (ahead) ahead->abandon();
            break;
        }
        if (memo && !reuse && end == instants) pulse_memo.finish();
        if (ahead) ahead->finish();
    }
    s.i = buf[0].data();
    s.q = buf[1].data();
}

void Analog_mod::next_block(Path_samples& block, Instant_clock& clock, size_t count, bool reuse)
{
    const size_t from = clock.done;
    block.t.clear();
    for (size_t n = 0; n < count; ++n) block.t.push_back(clock.next());
    block.pulses_given = reuse;
    if (reuse) pulse_memo.take(from, count, block.pulse[0], block.pulse[1]);
}

void Analog_mod::add_samples(const Path_samples& block, int branches, int samples, Chip_sums& sums)
{
    for (size_t n = 0; n < block.t.size(); ++n) {
        const float r = channel(block.sum[n], block.car[n]);
        for (int i = 0; i < branches; ++i)
            sums.acc[i] +=
                band_pass_4_out(i, if_demodulated(r, block.dem[static_cast<size_t>(i)][n]));
        if (++sums.sample == samples) {
            buf[0][static_cast<size_t>(sums.chip)] = adc_result(sums.acc[0]);
            buf[1][static_cast<size_t>(sums.chip)] = adc_result(sums.acc[1]);
            sums = {sums.chip + 1, 0, {0.0f, 0.0f}};
        }
    }
}

void Analog_mod::rcve(Chain_signal& s)
{
    std::copy_n(s.i, out_len, buf[2].data());
    std::copy_n(s.q, out_len, buf[3].data());
    s.i = buf[2].data();
    s.q = buf[3].data();
}

float Analog_mod::signal_at(const Chain_signal& chips, float t_us)
{
    return point_value(chips, seconds(t_us));
}

float Analog_mod::point_value(const Chain_signal& chips, float t)
{
    if (chips.i == nullptr || chips.q == nullptr) return 0.0f;
    const int b = std::clamp(plot_branch / 2, 0, 1);
    using P = Analog_point;
    const P p = plot_point;
    if ((p == P::dac || p == P::if_modulated) && plot_branch > 0) return branch_point(chips, t, b);
    if (p == P::dac || p == P::if_modulated || p == P::band_pass_1 || p == P::rf_modulated ||
        p == P::band_pass_2 || p == P::noise_added || p == P::rf_demodulated)
        return sum_path_point(chips, t);
    if (p == P::band_pass_3 || p == P::if_demodulated || p == P::band_pass_4)
        return receive_point(chips, t, b);
    if (p == P::chip_average) {
        names[1] = captions[10];
        return chip_average(chips, t);
    }
    return 0.0f; // the digital points are read from the stage buffers
}

float Analog_mod::branch_point(const Chain_signal& chips, float t, int b)
{
    names[0] = captions[0];
    float v = da_ad.nyquist(branch_chips(chips, b), t);
    if (plot_point == Analog_point::dac) return v;
    names[0] = captions[1];
    if (if_mod > 0.0f) v = qpsk.modulate(b, t, v);
    return v;
}

float Analog_mod::sum_path_point(const Chain_signal& chips, float t)
{
    using P = Analog_point;
    const P p = plot_point;
    size_t n = 0;
    const bool cached = find_column(chips, t, n);
    const Carriers c = cached ? columns->car[n] : carriers(t);
    float sum = cached ? columns->sum[n] : summed_if(chips, t);
    names[0] = captions[1];
    if (p == P::if_modulated) return sum;
    names[0] = captions[2];
    if (bp_on[0] != 0.0f) sum = band_pass_1.filter(sum);
    if (p == P::band_pass_1) return sum;
    names[0] = captions[3];
    if (rf_mod > 0.0f) sum = static_cast<float>(c.rf_sin * static_cast<double>(sum));
    if (p == P::rf_modulated) return sum;
    names[0] = captions[4];
    if (bp_on[1] != 0.0f) sum = band_pass_2.filter(sum);
    if (p == P::band_pass_2) return sum;
    names[0] = captions[5];
    sum = static_cast<float>(c.noise_sin * static_cast<double>(noise_to_signal) +
                             static_cast<double>(sum));
    if (p == P::noise_added) return sum;
    names[1] = captions[6];
    if (rf_demod > 0.0f) sum = static_cast<float>(c.rx_sin * static_cast<double>(sum));
    return sum;
}

float Analog_mod::receive_point(const Chain_signal& chips, float t, int b)
{
    names[1] = captions[7];
    size_t n = 0;
    const bool cached = find_column(chips, t, n);
    float v = cached ? channel(columns->sum[n], columns->car[n]) : rf_path(chips, t);
    if (plot_point == Analog_point::band_pass_3) return v;
    names[1] = captions[8];
    if (if_demod > 0.0f)
        v = if_demodulated(v,
                           cached ? columns->dem[static_cast<size_t>(b)][n] : rx_oscillator(b, t));
    if (plot_point == Analog_point::if_demodulated) return v;
    names[1] = captions[9];
    return band_pass_4_out(b, v);
}

double Analog_mod::rx_oscillator(int branch, float t) const
{
    const auto phase = static_cast<double>(qpsk.rx_phase(t));
    return branch == 0 ? std::sin(phase) : std::cos(phase);
}

float Analog_mod::if_demodulated(float r, double oscillator) const
{
    if (!(if_demod > 0.0f)) return r;
    return demod_gain(static_cast<float>(static_cast<double>(r) * oscillator));
}

float Analog_mod::band_pass_4_out(int branch, float v)
{
    if (bp_on[3] == 0.0f) return v;
    return band_pass_4[static_cast<size_t>(branch)].filter(v);
}

float Analog_mod::receive(int branch, float t, float r)
{
    const double oscillator = if_demod > 0.0f ? rx_oscillator(branch, t) : 0.0;
    return band_pass_4_out(branch, if_demodulated(r, oscillator));
}

float Analog_mod::chip_average(const Chain_signal& chips, float t)
{
    const float f = da_ad.f_chip;
    const float product = t * f;
    const float chip_pos = std::isfinite(product) ? std::clamp(product, -2.0e9f, 2.0e9f) : 0.0f;
    const int k = static_cast<int>(chip_pos);
    if (k == avg_chip) return avg_value;
    avg_chip = k;
    const int b = std::clamp((plot_branch - 2) / 2, 0, 1);

    double steps = 0.0;
    if (plot_dt_us > 0.0)
        steps = static_cast<double>(static_cast<float>(k + 1) / f - t) * 1e6 / plot_dt_us;
    const long long last = static_cast<long long>(std::clamp(steps, 0.0, max_average_steps));

    float sum = 0.0f;
    int count = 0;
    float u = t;
    for (long long m = 0; m <= last; ++m) {
        sum += receive(b, u, rf_path(chips, u));
        ++count;
        u = static_cast<float>(static_cast<double>(u) + plot_dt_us * 1e-6);
    }
    avg_value = sum / static_cast<float>(count);
    return avg_value;
}

float Analog_mod::seconds(float t_us)
{
    return static_cast<float>(static_cast<double>(t_us) * 1e-6);
}

void Analog_mod::use_columns(const Path_samples* samples, const Chain_signal& chips)
{
    columns = samples;
    column_chips = chips;
    next_column = 0;
}

bool Analog_mod::point_uses_columns() const
{
    using P = Analog_point;
    const P p = plot_point;
    if (p == P::dac || p == P::if_modulated) return plot_branch == 0;
    return p == P::band_pass_1 || p == P::rf_modulated || p == P::band_pass_2 ||
           p == P::noise_added || p == P::rf_demodulated || p == P::band_pass_3 ||
           p == P::if_demodulated || p == P::band_pass_4;
}

bool Analog_mod::find_column(const Chain_signal& chips, float t, size_t& n)
{
    if (columns == nullptr || chips.i != column_chips.i || chips.q != column_chips.q) return false;
    const std::vector<float>& stored = columns->t;
    const size_t size = std::min({stored.size(), columns->sum.size(), columns->car.size(),
                                  columns->dem[0].size(), columns->dem[1].size()});
    // Bit patterns: +0 and -0 give different carrier signs.
    const auto same = [t](float u) {
        return std::bit_cast<std::uint32_t>(u) == std::bit_cast<std::uint32_t>(t);
    };
    if (next_column < size && same(stored[next_column]))
        n = next_column;
    else if (size > 0 && same(stored[0]))
        n = 0;
    else
        return false;
    next_column = n + 1;
    return true;
}
