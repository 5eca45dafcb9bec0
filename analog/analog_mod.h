#pragma once
// Stage 6: the analog path. The chips of both branches become Nyquist signals, are
// modulated onto the IF and the RF, pass up to four band-pass positions and an added RF
// carrier ("noise"), are demodulated and sampled back into one soft value per chip.
// The signal between DAC and ADC is never stored: it is evaluated at any instant on
// demand; only the band-pass filters keep state from one sample to the next.

#include "analog/band_pass.h"
#include "analog/da_ad.h"
#include "analog/pulse_memo.h"
#include "analog/qpsk.h"
#include "engine/analog_pars.h"
#include "engine/elements.h"
#include "engine/progress.h"
#include "engine/stage_codes.h"

#include <array>
#include <cstddef>
#include <string>

class Path_samples;

class Analog_mod : public virtual Elements, public Analog_pars {
public:
    // The IF-modulated branches are summed and scaled by 2/3 in extended precision.
    static constexpr long double branch_sum_scale = 2.0L / 3.0L;

    // The building blocks the path runs through; the stage keeps references only, so they
    // may be constructed after it.
    Analog_mod(Da_ad& dac, Qpsk& modulator, Band_pass& filter_1, Band_pass& filter_2,
               Band_pass& filter_3, std::array<Band_pass, 2>& filter_4, float& last_average);

    Da_ad& da_ad;
    Qpsk& qpsk;
    Band_pass& band_pass_1;
    Band_pass& band_pass_2;
    Band_pass& band_pass_3;
    std::array<Band_pass, 2>& band_pass_4; // I branch, Q branch
    float& avg_value;                      // the last display average of the demodulated chips

    Analog_point plot_point = Analog_point::none; // sign(code) * (|code| mod 100)
    int plot_branch = 0;                          // |code| / 100
    int avg_chip = -1;                            // chip of the remembered display average
    double t_chip = 0.0;                          // s
    double w_rf = 0.0;                            // rad/s
    double w_rf_rx = 0.0;
    double ph_rf_rx = 0.0; // rad
    double plot_dt_us = 0.0;
    std::array<std::string, 12> captions;
    // Told the share of the ADC samples done after every block of the transmit step; when
    // it asks to stop, the transmit step ends after that block with its output unfinished.
    Progress* progress = nullptr;
    // Sample instants evaluated per block of the transmit step at most (bounds its memory);
    // the output does not depend on it.
    static inline size_t block_samples = size_t{1} << 16;
    // Pulse terms summed per block at most, so that a block of many Nyquist pulses still
    // ends in a few tens of milliseconds and a request to stop is seen soon.
    static inline size_t block_terms = size_t{1} << 21;
    // The transmit step takes the DAC's pulse sums of the run before when they depend on
    // nothing that has changed since; off, it sums every pulse anew.
    bool reuse_pulses = true;

    // The chip count passes through; two transmit and two receive buffers.
    int setup(int len) override;
    // The whole analog path and the ADC for every chip: s.i / s.q carry the PN-I / PN-Q
    // chips in and the I / Q soft chips out. Evaluates the filter-independent part of
    // the path for all sample instants first, on all cores, then runs the filters in order.
    void xmit(Chain_signal& s) override;
    // Copies the ADC output into the receive buffers.
    void rcve(Chain_signal& s) override;

    // Sample instants per block of the transmit step: block_terms worth of pulse terms,
    // between 1 and block_samples; pulses_given when the pulse sums are taken, not summed.
    size_t instants_per_block(bool pulses_given) const;
    // The same transmit step evaluated sample by sample through rf_path; the reference
    // the fast xmit must match bit for bit.
    void xmit_reference(Chain_signal& s);

    // Derives the run's settings and captions from the parameter block; before every run.
    void prepare_run();
    // Selects the plot point of a stage code and arms all filters for steps of dt_us.
    void prepare_plot(int code, float dt_us);
    // The signal at the selected point at t_us (microseconds); chips are the PN-I/PN-Q
    // transmit chips.
    float signal_at(const Chain_signal& chips, float t_us);
    // The same at t (seconds): what signal_at evaluates after converting its instant.
    float point_value(const Chain_signal& chips, float t);
    // DAC to band-pass position 3 at t (seconds).
    float rf_path(const Chain_signal& chips, float t);
    // Display average of the demodulated branch from t to the end of its chip, at the
    // plot's own step; held for the rest of the chip.
    float chip_average(const Chain_signal& chips, float t);

    // While columns is set, signal_at takes the filter-independent values of an instant
    // stored there (for the same chips) instead of computing them, so that a plot computes
    // them once for both of its passes; the filters still run at every call. Instants are
    // looked up in stored order; any other instant is computed directly. Null ends it.
    void use_columns(const Path_samples* columns, const Chain_signal& chips);
    // The selected point is computed from the summed IF signal, so use_columns saves work.
    bool point_uses_columns() const;
    // A plot instant in microseconds as the instant in seconds that signal_at evaluates.
    static float seconds(float t_us);

    // Branches evaluated: the integers below iq_branches, at most two.
    int branch_count() const;
    // ADC samples per chip: the integers below samples_per_chip.
    int sample_count() const;

    // Carrier values of one instant that the channel multiplies by.
    struct Carriers {
        double rf_sin = 0.0;    // sin of the RF phase
        double noise_sin = 0.0; // sin of the RF phase + pi/4
        double rx_sin = 0.0;    // sin of the detuned receive RF phase
    };
    Carriers carriers(float t) const;
    // Steps 2 and 3 of the path: the IF-modulated branches summed, times 2/3.
    float summed_if(const Chain_signal& chips, float t) const;
    // Steps 4 to 9 on the summed signal: filters 1 to 3, RF mixing, the added carrier.
    float channel(float sum, const Carriers& c);

    // The receive step of one branch after band-pass position 3, shared by the run, the
    // plots and the display averages: IF demodulation, then band-pass position 4.
    //
    // The receive oscillator of a branch at t (s): sin (I) or cos (Q) of the receive phase.
    double rx_oscillator(int branch, float t) const;
    // IF demodulation (when switched on) of r with the oscillator value of its instant.
    float if_demodulated(float r, double oscillator) const;
    // Band-pass position 4 of the branch (when switched on); one call per sample, in order.
    float band_pass_4_out(int branch, float v);
    // Both, with the oscillator evaluated at t only when the demodulation is on.
    float receive(int branch, float t, float r);
    // The soft chip of the ADC from the sum of one chip's receive samples.
    float adc_result(float acc) const;

private:
    // The sample instants of the transmit step in time order: the first of chip k at
    // float(k * t_chip + dt / 2), each next one dt later, summed in float.
    struct Instant_clock {
        double t_chip;
        float dt;
        int samples;
        size_t done = 0; // instants given so far
        int chip = 0;
        int sample = 0;
        float t = 0.0f;

        float next()
        {
            if (sample == 0) t = static_cast<float>(chip * t_chip + 0.5 * static_cast<double>(dt));
            const float now = t;
            t += dt;
            ++done;
            if (++sample == samples) {
                sample = 0;
                ++chip;
            }
            return now;
        }
    };
    // The receive samples of the chip being summed, per branch.
    struct Chip_sums {
        int chip = 0;
        int sample = 0;
        float acc[2] = {0.0f, 0.0f};
    };

    Pulse_memo pulse_memo;
    const Path_samples* columns = nullptr;
    Chain_signal column_chips;
    size_t next_column = 0;

    // The next count instants of the clock into block, with the pulse sums of the run
    // before when reuse is set.
    void next_block(Path_samples& block, Instant_clock& clock, size_t count, bool reuse);
    // Runs the filters and the receive step over the block's instants in order and stores
    // each chip's soft chip once its last (samples-th) sample is summed.
    void add_samples(const Path_samples& block, int branches, int samples, Chip_sums& sums);
    // Finds t among the columns: the next one in order, else the first (a new pass).
    bool find_column(const Chain_signal& chips, float t, size_t& n);
    // The points of one branch before the sum: DAC output or IF-modulated.
    float branch_point(const Chain_signal& chips, float t, int b);
    // The points of the summed transmit path up to the RF down-mixer.
    float sum_path_point(const Chain_signal& chips, float t);
    // Band-pass position 3 and the receive points of one branch.
    float receive_point(const Chain_signal& chips, float t, int b);
    std::string filter_caption(int k) const;
};
