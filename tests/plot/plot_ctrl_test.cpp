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

// A chain of 3 bytes (1666.67 µs) after one run, showing width_us from start_us.
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

TEST(Plot_ctrl, CodesPickTheirBufferTextBranchAndComparison)
{
    ready(6);
    EXPECT_THAT(draw(-205), StartsWith("-5. step; 0 - 306. PN-Q despread  signals, f= 1.229 MHz"));
    EXPECT_THAT(draw(205), StartsWith("5. step; 0 - 306. PN-Q spread signals, "));
    EXPECT_THAT(draw(-10), StartsWith("-10. step; 0 - 306. RF-demodulated signals , y: "));
    EXPECT_THAT(draw(-3), EndsWith(", rcve step 3: 0 wrong out of 48 signals"));
    const std::pair<int, const char*> parts[] = {
        {-105, ", rcve step 5: "}, {-206, ", rcve step 6: "}, {7, ", I + Q, y"}, {-306, ", I, y"},
        {-406, ", Q, y"},          {206, ", Q, y"},           {-208, ", Q, y"},  {8, " MHz , y"},
        {-9, " MHz , y"},          {11, "0.0) , y"}};
    for (const auto& [code, part] : parts) EXPECT_THAT(draw(code), HasSubstr(part)) << code;
    // codes outside the table plot zero
    for (const int code : {99, -11, 150, INT_MAX, INT_MIN})
        EXPECT_THAT(draw(code), EndsWith("y: -1.000 to 1.000")) << code;
    for (const int code : {-306, -406, -107, -207, -108, -208, 105})
        EXPECT_THAT(draw(code), Not(HasSubstr("rcve"))) << code;
    for (const Stage_code& s : stage_codes) {
        SCOPED_TRACE(s.code);
        EXPECT_EQ(draw(s.code).find(", rcve step ") != std::string::npos, s.compared);
        if (s.kind == Signal_kind::stored) {
            EXPECT_EQ(plot_ctrl.buffer, s.buffer);
        }
    }
}

// Stage 1 holds 48 samples and stage 5 2048 chips over 1666.67 µs: 0.0288 and 1.2288
// samples per µs. Column 1 shows sample trunc(t0 * rate + samples per pixel); the last
// column, 749 pixels on, trunc(749 * samples per pixel + first).
TEST(Plot_ctrl, CaptionNamesTheFirstAndLastSampleOfTheWindow)
{
    struct Row {
        int code;
        float start_us;
        std::string begins;
    };
    const std::vector<Row> rows = {
        // 0.0096 per pixel: 0 and trunc(7.19)
        {1, 0.0f, "1. step; 0 - 7. conv. encoded signals, f= 0.029 MHz, y: -1.000 to 1.000"},
        // trunc(14.4 + 0.0096) = 14, trunc(7.19 + 14) = 21
        {1, 500.0f, "1. step; 14 - 21. "},
        // 0.4096 per pixel: trunc(122.88 + 0.4096) = 123, trunc(306.79 + 123) = 429
        {105, 100.0f, "5. step; 123 - 429. PN-I spread signals"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.begins);
        ready(5, 250.0f, r.start_us);
        EXPECT_THAT(draw(r.code), StartsWith(r.begins));
    }
    std::fill(conv_code.buf[0].begin(), conv_code.buf[0].end(), 1.0f);
    EXPECT_THAT(draw(1), EndsWith(", y: 0.000 to 1.000"));
}

// Ticks stand ceil(pixels per sample) apart, the first that far after the column where the
// sample shown at column 1 began; a window starting at 0 adds one at column 1.
TEST(Plot_ctrl, TicksMarkTheColumnsWhereANewSampleBegins)
{
    struct Row {
        float start_us;
        std::vector<int> ticks;
    };
    const std::vector<Row> rows = {
        // 104.17 pixels per sample of stage 1: 105 apart
        {0.0f, {1, 105, 210, 315, 420, 525, 630, 735}},
        // sample 14 began at 486.11 µs, trunc(13.89 µs / 0.3333 µs) = 41 pixels before
        // the window: the next one 105 - 41 = 64 pixels in
        {500.0f, {64, 169, 274, 379, 484, 589, 694}}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.start_us);
        ready(5, 250.0f, r.start_us);
        Record_canvas box(750, 128);
        draw_signal_plot(1, box);
        EXPECT_EQ(box.ticks(5), r.ticks);
    }
    ready(5, 1666.6666f); // 2.7 samples per pixel: a tick on every column
    Record_canvas dense(750, 128);
    draw_signal_plot(105, dense);
    EXPECT_EQ(dense.ticks(5).size(), 750u);
}

// The spectrum takes the largest power of two up to 512 that the width holds.
TEST(Plot_ctrl, CapturesTheFirstValuesOfTheFirstPassAtEveryWidth)
{
    ready(1);
    const std::pair<int, int> sizes[] = {{0, 1},     {1, 1},     {2, 2},      {255, 128},
                                         {256, 256}, {257, 256}, {400, 256},  {511, 256},
                                         {512, 512}, {513, 512}, {1100, 512}, {750, 512}};
    for (const auto& [width, size] : sizes) {
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

TEST(Plot_ctrl, SpectrumTransformsTheCaptureOnceAndLabelsItAtAnyBoxWidth)
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

    // A box wider than the 512 entries is cleared whole but drawn on only where they exist.
    ready(1);
    draw(1);
    Record_canvas wide(1000, 130);
    plot_spectrum(wide);
    EXPECT_EQ(wide.calls[0], (Canvas_call{"rectangle", {0, 0, 1000, 130}, {}}));
    for (const Canvas_call& c : wide.calls) EXPECT_LE(c.op == "line_to" ? c.args[0] : 0, 512);
    for (const float x : {-0.5f, 512.0f, 1.0e9f, INFINITY, NAN})
        EXPECT_EQ(plot_ctrl.fft_value(x, {}), 0.0f) << x;
    // Used once: a second spectrum has nothing to show.
    Record_canvas again(512, 130);
    plot_spectrum(again);
    EXPECT_THAT(again.calls,
                ElementsAre(Canvas_call{"text_out", {10, 10}, "no valid input for FFT! "}));
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
    // Unstable filters at 1e-7 µs per pixel.
    std::fill(std::begin(analog_pars().bp_on), std::end(analog_pars().bp_on), 1.0f);
    run_once();
    plot_ctrl.set_window(1666.6666f, 750 * 1.0e-7f, 1.0f);
    for (const int code : {8, 10, -9, -10, -107})
        EXPECT_THAT(draw(code), HasSubstr(", y: ")) << code;
}

// The drawing and the spectrum capture of a code, with the caption as the last call.
std::vector<Canvas_call> drawing(bool column_cache, int code, float width_us, float start_us)
{
    plot_ctrl.set_window(1666.6666f, width_us, start_us);
    plot_ctrl.column_cache = column_cache;
    Record_canvas box(750, 128);
    const std::string caption = draw_signal_plot(code, box);
    plot_ctrl.column_cache = true;
    box.text_out(0, 0, caption);
    for (int k = 0; k < plot_ctrl.fft_count; ++k)
        box.calls.push_back({"captured",
                             {},
                             std::to_string(std::bit_cast<std::uint32_t>(
                                 fourier_fft.data[static_cast<size_t>(k)]))});
    return box.calls;
}

// The stage's own test compares the stored columns at every point and parameter set; here
// the plot's use of them, with the filters that keep state.
TEST(Plot_ctrl, ColumnCacheDrawsEveryAnalogCodeExactlyAsWithout)
{
    setup_fresh_chain(6, 3);
    std::fill(std::begin(analog_pars().bp_on), std::end(analog_pars().bp_on), 1.0f);
    run_once();
    for (const auto& [width_us, start_us] : {std::pair{250.0f, 0.0f}, {31.25f, 500.0f}})
        for (const int code :
             {106, 206, 107, 207, 7, 8, 9, 10, 11, -10, -9, -108, -208, -107, -207, -306, -406}) {
            SCOPED_TRACE(code);
            EXPECT_EQ(drawing(true, code, width_us, start_us),
                      drawing(false, code, width_us, start_us));
        }
}

} // namespace
