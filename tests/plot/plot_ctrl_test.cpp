#include "analog/analog_objects.h"
#include "engine/number_text.h"
#include "plot/plot_ctrl.h"
#include "plot/plot_objects.h"
#include "plot/read_out.h"
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
        {-206, ", rcve step 6: "}, {7, ", I + Q, y"}, {-406, ", Q, y"}, {11, "0.0) , y"}};
    for (const auto& [code, part] : parts) EXPECT_THAT(draw(code), HasSubstr(part)) << code;
    // codes outside the table plot zero
    for (const int code : {99, -11, INT_MAX, INT_MIN})
        EXPECT_THAT(draw(code), EndsWith("y: -1.000 to 1.000")) << code;
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
}

// The spectrum takes the largest power of two up to 512 that the width holds.
TEST(Plot_ctrl, CapturesTheFirstValuesOfTheFirstPassAtEveryWidth)
{
    ready(1);
    const std::pair<int, int> sizes[] = {{0, 1},     {255, 128},  {256, 256}, {511, 256},
                                         {512, 512}, {1100, 512}, {750, 512}};
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

    plot_ctrl.set_window(1666.6666f, NAN, NAN);
    for (const int width : {750, 0}) EXPECT_THAT(draw(-10, width), StartsWith("-10. step"));
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

// 0.4 samples per microsecond: column 2 at 5 us reads sample 2; spectrum entry 2 lies at
// 2 x 0.25 MHz. Columns outside the drawing read nothing.
TEST(Read_out, ColumnsShowTimeSampleAndValueOrFrequencyAndLevel)
{
    const std::vector<float> t{0.0f, 2.5f, 5.0f};
    const std::vector<float> v{-1.0f, 1.0f, 0.25f};
    EXPECT_EQ(signal_read_out(t, v, 0.4f, 2), "t = 5 \xC2\xB5s, sample 2, value 0.25");
    EXPECT_EQ(signal_read_out(t, v, 0.0f, 1), "t = 2.5 \xC2\xB5s, value 1");
    EXPECT_EQ(signal_read_out(t, v, 0.4f, 3), "");
    EXPECT_EQ(signal_read_out(t, v, 0.4f, -1), "");
    const Drawn_spectrum s{{4.0f, 0.5f, 0.125f}, 0.25};
    EXPECT_EQ(spectrum_read_out(s, 2), "f = 0.5 MHz, level 0.125");
    EXPECT_EQ(spectrum_read_out(s, 3), "");
}

// The read-out of a drawn plot gives, at each column, the value the plot drew there.
TEST(Read_out, ReadsTheValuesTheSignalPlotDrew)
{
    ready(6);
    draw(1);
    const std::vector<float> t = plot_ctrl.drawn_t, v = plot_ctrl.drawn_values;
    ASSERT_GT(v.size(), 700u);
    for (int x : {0, 1, 377, 700}) {
        Curve_frame frame;
        frame.rate = plot_ctrl.rate;
        const float again = plot_ctrl.sample_at(t[static_cast<size_t>(x)], frame);
        EXPECT_THAT(signal_read_out(t, v, plot_ctrl.rate, x),
                    EndsWith("value " + significant_text(static_cast<double>(again), 6)))
            << x;
    }
}

} // namespace
