// The plot control: stage codes to buffers, captions, ticks, the spectrum capture, and
// drawing that survives any code, window or box.

#include "analog/analog_objects.h"
#include "plot/plot_ctrl.h"
#include "plot/plot_objects.h"
#include "plot/time_base.h"

#include "../engine/chain_fixture.h"
#include "../fakes/record_canvas.h"

#include <gmock/gmock.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::EndsWith;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

namespace {

// A chain of 3 bytes after one run, showing width_us from start_us (the time panel's first
// window by default).
void ready(int stages, float width_us = 250.0f, float start_us = 0.0f)
{
    setup_fresh_chain(stages, 3);
    run_once();
    float t_total = 0.0f;
    time_base(1, &t_total, nullptr);
    plot_ctrl.set_window(t_total, width_us, start_us);
}

std::string draw(int code, int width = 750)
{
    Record_canvas box(width, 128);
    return draw_signal_plot(code, box);
}

TEST(Plot_ctrl, CaptionOfConvEncodedBitsNamesSamplesRateAndRange)
{
    ready(1);
    EXPECT_EQ(draw(1), "1. step; 0 - 7. conv. encoded signals, f= 0.029 MHz, y: -1.000 to 1.000");
    std::fill(conv_code.buf[0].begin(), conv_code.buf[0].end(), 1.0f);
    EXPECT_THAT(draw(1), EndsWith(", y: 0.000 to 1.000"));
}

TEST(Plot_ctrl, CodesPickTheirBufferTextAndBranch)
{
    ready(6);
    EXPECT_THAT(draw(-205), StartsWith("-5. step; 0 - 306. PN-Q despread  signals, f= 1.229 MHz"));
    EXPECT_EQ(plot_ctrl.buffer, 3);
    EXPECT_THAT(draw(205), StartsWith("5. step; 0 - 306. PN-Q spread signals, "));
    EXPECT_EQ(plot_ctrl.buffer, 1);
    EXPECT_THAT(draw(-10), StartsWith("-10. step; 0 - 306. RF-demodulated signals , y: "));
    const std::pair<int, const char*> suffixes[] = {
        {7, ", I + Q, y"}, {-306, ", I, y"}, {-406, ", Q, y"}, {206, ", Q, y"},
        {-208, ", Q, y"},  {8, " MHz , y"},  {-9, " MHz , y"}, {11, "0.0) , y"}};
    for (const auto& [code, suffix] : suffixes) EXPECT_THAT(draw(code), HasSubstr(suffix)) << code;
}

TEST(Plot_ctrl, ReceiveCaptionsOfStagesWithATransmitBufferCarryTheComparison)
{
    ready(6);
    EXPECT_THAT(draw(-3), EndsWith(", rcve step 3: 0 wrong out of 48 signals"));
    EXPECT_THAT(draw(-105), HasSubstr(", rcve step 5: "));
    EXPECT_THAT(draw(-205), HasSubstr(", rcve step 5: "));
    EXPECT_THAT(draw(-206), HasSubstr(", rcve step 6: "));
    for (const int code : {-306, -406, -107, -207, -108, -208, 105})
        EXPECT_THAT(draw(code), Not(HasSubstr("rcve"))) << code;
}

TEST(Plot_ctrl, EveryCodeOfTheDiagramReadsWhatItsTableRowSays)
{
    ready(6);
    for (const Stage_code& s : stage_codes) {
        const std::string caption = draw(s.code);
        EXPECT_EQ(caption.find(", rcve step ") != std::string::npos, s.compared) << s.code;
        if (s.kind == Signal_kind::stored) {
            EXPECT_EQ(plot_ctrl.buffer, s.buffer) << s.code;
        }
    }
}

TEST(Plot_ctrl, TicksMarkTheColumnsWhereANewSampleBegins)
{
    ready(5);
    Record_canvas box(750, 128);
    draw_signal_plot(1, box); // 105 pixels per sample, the first boundary also at 1
    EXPECT_THAT(box.ticks(5), ElementsAre(1, 105, 210, 315, 420, 525, 630, 735));

    ready(5, 1666.6666f); // 2.7 samples per pixel: a tick on every column
    Record_canvas dense(750, 128);
    draw_signal_plot(105, dense);
    EXPECT_EQ(dense.ticks(5).size(), 750u);
}

TEST(Plot_ctrl, CapturesTheFirstValuesOfTheFirstPassAtEveryWidth)
{
    ready(1);
    for (const auto& [width, size] : {std::pair{400, 256}, {0, 1}, {1100, 512}, {750, 512}}) {
        plot_ctrl.fft_count = 0;
        draw(1, width);
        EXPECT_EQ(plot_ctrl.fft_size, size) << width;
    }
    EXPECT_EQ(plot_ctrl.fft_count, 512);
    EXPECT_EQ(fft_code, 1);
    // 0.0096 samples per pixel: columns 0 .. 104 show sample 0, column 105 sample 1
    EXPECT_EQ(fourier_fft.data[104], 2.0f * conv_code.buf[0][0] - 1.0f);
    EXPECT_EQ(fourier_fft.data[105], 2.0f * conv_code.buf[0][1] - 1.0f);
    draw(-1);
    EXPECT_EQ(fft_code, 1) << "a full capture is kept until it is used";
}

TEST(Plot_ctrl, SpectrumTransformsTheCaptureOnceAndLabelsIt)
{
    ready(1);
    draw(1);
    FFT want(512);
    want.data = fourier_fft.data;
    want.spectrum(512);
    Record_canvas box(512, 130);
    plot_spectrum(box);
    for (int x = 0; x < 512; ++x)
        ASSERT_EQ(plot_ctrl.fft_value(static_cast<float>(x) + 0.5f, {}),
                  want.data[static_cast<size_t>(x)]);
    EXPECT_THAT(box.texts(), ElementsAre(StartsWith("FFT: y_range (log): "),
                                         "stage: 1; frequency range = 1.50 MHz"));
    EXPECT_THAT(box.ticks(5), ElementsAre(0, 100, 200, 300, 400, 500));

    Record_canvas again(512, 130);
    plot_spectrum(again);
    EXPECT_THAT(again.calls,
                ElementsAre(Canvas_call{"text_out", {10, 10}, "no valid input for FFT! "}));
}

TEST(Plot_ctrl, WideSpectrumBoxIsClearedButDrawnOnlyWhereEntriesExist)
{
    ready(1);
    draw(1);
    Record_canvas box(1000, 130);
    plot_spectrum(box);
    EXPECT_EQ(box.calls[0], (Canvas_call{"rectangle", {0, 0, 1000, 130}, {}}));
    for (const Canvas_call& c : box.calls) EXPECT_LE(c.op == "line_to" ? c.args[0] : 0, 512);
    for (const float x : {-0.5f, 512.0f, 1.0e9f, INFINITY, NAN})
        EXPECT_EQ(plot_ctrl.fft_value(x, {}), 0.0f) << x;
}

TEST(Plot_ctrl, OddCodesWindowsAndBoxesDrawWithoutFault)
{
    ready(6);
    Plot_ctrl fresh; // no window, no selection
    EXPECT_EQ(fresh.plot(), "");
    Record_canvas box(750, 128);
    fresh.select(-10, box);
    EXPECT_THAT(fresh.plot(), StartsWith("-10. step; 0 - 0. "));
    // The box is the caller's: once drawn, it is not drawn on again without a new select.
    EXPECT_EQ(fresh.box, nullptr);
    const size_t calls = box.calls.size();
    EXPECT_EQ(fresh.plot(), "");
    EXPECT_EQ(box.calls.size(), calls);
    for (const int code : {99, 12, -11, 150, INT_MAX, INT_MIN}) // not in the table: zero
        EXPECT_THAT(draw(code), EndsWith("y: -1.000 to 1.000")) << code;

    const float windows[][2] = {
        {1.0e30f, 1.0e38f}, {-5.0f, -1.0e9f}, {0.0f, 0.0f}, {NAN, NAN}, {INFINITY, -INFINITY}};
    for (const auto& w : windows)
        for (const int width : {750, 2, 0})
            for (const int code : {1, -5, -10, 106, 11}) {
                plot_ctrl.set_window(1666.6666f, w[0], w[1]);
                draw(code, width);
                Record_canvas spectrum(512, 130);
                plot_spectrum(spectrum);
            }
}

TEST(Plot_ctrl, UnstableFiltersAtTinyStepsDrawWithoutFault)
{
    setup_fresh_chain(6, 3);
    std::fill(std::begin(analog_pars().bp_on), std::end(analog_pars().bp_on), 1.0f);
    run_once();
    plot_ctrl.set_window(1666.6666f, 750 * 1.0e-7f, 1.0f); // 1e-7 µs per pixel
    for (const int code : {8, 10, -9, -10, -107})
        EXPECT_THAT(draw(code), HasSubstr(", y: ")) << code;
}

// Parameter changes under which the column cache must not change a value.
void (*const par_changes[])(Analog_pars&) = {
    [](Analog_pars&) {},
    [](Analog_pars& p) { p.iq_branches = 1.0f; },
    [](Analog_pars& p) { p.noise_to_signal = 2.0f; },
    [](Analog_pars& p) {
        p.if_detune_pct = 0.5f;
        p.rf_detune_pct = 0.01f;
        p.rf_phase_pct = 30.0f;
    },
    [](Analog_pars& p) { std::fill(std::begin(p.bp_on), std::end(p.bp_on), 1.0f); },
};

struct Drawing {
    std::vector<Canvas_call> calls;
    std::vector<std::uint32_t> captured; // bit patterns of the spectrum capture
};

Drawing draw_with(bool column_cache, int code, float width_us, float start_us)
{
    plot_ctrl.set_window(1666.6666f, width_us, start_us);
    plot_ctrl.column_cache = column_cache;
    Record_canvas box(750, 128);
    const std::string caption = draw_signal_plot(code, box);
    plot_ctrl.column_cache = true;
    box.text_out(0, 0, caption);
    Drawing d{box.calls, {}};
    for (int k = 0; k < plot_ctrl.fft_count; ++k)
        d.captured.push_back(
            std::bit_cast<std::uint32_t>(fourier_fft.data[static_cast<size_t>(k)]));
    return d;
}

TEST(Plot_ctrl, ColumnCacheDrawsEveryAnalogCodeExactlyAsWithout)
{
    for (const auto change : par_changes) {
        setup_fresh_chain(6, 3);
        change(analog_pars());
        run_once();
        for (const auto& [width_us, start_us] : {std::pair{250.0f, 0.0f}, {31.25f, 500.0f}})
            for (const int code : {106, 206, 107, 207, 7, 8, 9, 10, 11, -10, -9, -108, -208, -107,
                                   -207, -306, -406}) {
                const Drawing plain = draw_with(false, code, width_us, start_us);
                const Drawing cached = draw_with(true, code, width_us, start_us);
                EXPECT_THAT(cached.calls, testing::ElementsAreArray(plain.calls)) << code;
                EXPECT_THAT(cached.captured, testing::ElementsAreArray(plain.captured)) << code;
            }
    }
}

} // namespace
