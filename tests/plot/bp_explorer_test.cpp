// The band-pass explorer: its edits, corrections and refusals, the tone weights, the
// chirp's band, the captions of a show and its cached evaluation.

#include "plot/bp_explorer.h"

#include "plot/plot_curves.h"

#include "../fakes/record_canvas.h"

#include <gmock/gmock.h>

#include <cmath>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

constexpr int box_width = 512;
constexpr int box_height = 105;

struct Boxes {
    std::array<Record_canvas, 4> box{
        Record_canvas(box_width, box_height), Record_canvas(box_width, box_height),
        Record_canvas(box_width, box_height), Record_canvas(box_width, box_height)};
    std::array<Canvas*, 4> pointers() { return {&box[0], &box[1], &box[2], &box[3]}; }
};

Boxes show(Bp_explorer& e)
{
    Boxes b;
    Plot_curves pc;
    e.show(b.pointers(), pc);
    return b;
}

Bp_texts with(Bp_field f, const std::string& text)
{
    Bp_texts t = Bp_explorer().texts();
    t[static_cast<size_t>(f)] = text;
    return t;
}

} // namespace

// Edits as typed, and how the explorer shows them back (MHz) once read.
TEST(Bp_explorer, AcceptedEditsAreCorrectedAndShownBack)
{
    using Edits = std::vector<std::pair<Bp_field, std::string>>;
    const std::vector<std::pair<Edits, Bp_texts>> rows = {
        {{}, {"10.00", "0.10", "30.00", "5.00", "15.00", "1"}},
        // a width above the centre is cut to it, a negative lowest frequency to 0
        {{{Bp_field::width, "20"}, {Bp_field::low, "\t-3\r"}},
         {"10.00", "10.00", "30.00", "0.00", "15.00", "1"}},
        {{{Bp_field::center, " +1.2e1 "}, {Bp_field::low, ".5"}, {Bp_field::mode, "+2"}},
         {"12.00", "0.10", "30.00", "0.50", "15.00", "2"}},
        {{{Bp_field::mode, "7"}}, {"10.00", "0.10", "30.00", "5.00", "15.00", "7"}}};
    for (const auto& [edits, shown] : rows) {
        SCOPED_TRACE(testing::PrintToString(shown));
        Bp_explorer e;
        Bp_texts t = e.texts();
        for (const auto& [field, text] : edits) t[static_cast<size_t>(field)] = text;
        ASSERT_FALSE(e.read(t));
        EXPECT_EQ(e.texts(), shown);
    }
}

TEST(Bp_explorer, ShowWritesTheFourCaptions)
{
    Bp_explorer e;
    const Boxes b = show(e);
    EXPECT_THAT(e.drawn_texts[0], StartsWith("scaled y(t), (f = 5.000 - 15.000 MHz); range = "
                                             "8.533 microsecs, amplitude: "));
    EXPECT_EQ(e.drawn_texts[1], "scaled log of FFT of y(t); frequency range: 30.000 MHz");
    EXPECT_THAT(e.drawn_texts[2], StartsWith("scaled filtered signal z(t), amplitude: "));
    EXPECT_EQ(e.drawn_texts[3], "scaled log of FFT of z(t)");
    EXPECT_THAT(b.box[0].calls.back(), (Canvas_call{"text_out", {0, 85}, e.drawn_texts[0]}));
    EXPECT_THAT(b.box[1].calls.back(), (Canvas_call{"text_out", {100, 85}, e.drawn_texts[1]}));
    EXPECT_FLOAT_EQ(e.dt_us, 1.0f / 60.0f);
    // Scan and drawing of 511 columns: 511 values and the first drawn one fill the buffer.
    EXPECT_EQ(e.fill, 512);
    // A signal type other than 1 and 2 is no signal: the range -1 .. 1.
    ASSERT_FALSE(e.read(with(Bp_field::mode, "7")));
    show(e);
    EXPECT_EQ(e.fft.data[0], 0.0f);
    EXPECT_THAT(e.drawn_texts[0], testing::EndsWith("amplitude: 2.000"));
}

// The wording is the shared number reader's; here the fields and the explorer's own
// limits: float zero, the highest frequency below the lowest, whole signal types.
TEST(Bp_explorer, RefusalsNameTheFieldAndStoreNothing)
{
    const std::vector<std::tuple<Bp_field, std::string, std::string>> cases = {
        {Bp_field::center, "abc", "center: 'abc' is not a number; allowed are 1e-06 to 1e+07 MHz"},
        // The chain's band-pass rows compare floats: 1e-300 is 0 as a float.
        {Bp_field::center, "1e-300", "center = 1e-300 is out of range: allowed are 1e-06 to"},
        {Bp_field::width, "1e-300", "width = 1e-300 is out of range: allowed are 1e-06 to"},
        {Bp_field::fft, "1e-38", "fft = 1e-38 is out of range: allowed are 1e-06 to 1e+07 MHz"},
        {Bp_field::fft, "1\x1b[2J", "fft: '1\\x1b[2J' is not a number; allowed are"},
        {Bp_field::center, "0", "center = 0 is out of range: allowed are 1e-06 to 1e+07 MHz"},
        {Bp_field::fft, "1e-7", "fft = 1e-7 is out of range: allowed are 1e-06 to 1e+07 MHz"},
        {Bp_field::width, "-1", "width = -1 is out of range"},
        {Bp_field::low, "", "low: '' is not a number"},
        {Bp_field::high, "4", "high = 4 is below the lowest frequency: allowed are 5.00 to"},
        {Bp_field::mode, "1.5",
         "mode: '1.5' is not a whole number; allowed are whole numbers (1: chirp, 2: tone comb)"},
        {Bp_field::mode, "99999999999", "mode: '99999999999' is outside the range of numbers"},
    };
    for (const auto& [field, text, message] : cases) {
        SCOPED_TRACE(text);
        Bp_explorer e;
        e.sig_mode = 2;
        const std::optional<Bp_refusal> r = e.read(with(field, text));
        ASSERT_TRUE(r);
        EXPECT_EQ(r->field, field);
        EXPECT_THAT(r->message, StartsWith(message));
        EXPECT_THAT(e.texts(), ElementsAre("10.00", "0.10", "30.00", "5.00", "15.00", "2"));
    }
}

// Every value the edits accept, at the ends of its range, draws finite numbers.
TEST(Bp_explorer, ExtremeAcceptedValuesDrawFiniteNumbers)
{
    const std::array<const char*, 2> filter_ends{"1e-6", "1e7"};
    const std::array<const char*, 3> band_ends{"-1e7", "1e-6", "1e7"};
    for (int i = 0; i < 2 * 2 * 2 * 3 * 3 * 2; ++i) {
        Bp_explorer e;
        const Bp_texts t{filter_ends[static_cast<size_t>(i % 2)],
                         filter_ends[static_cast<size_t>(i / 2 % 2)],
                         filter_ends[static_cast<size_t>(i / 4 % 2)],
                         band_ends[static_cast<size_t>(i / 8 % 3)],
                         band_ends[static_cast<size_t>(i / 24 % 3)],
                         i / 72 == 0 ? "1" : "2"};
        if (e.read(t)) continue; // the highest test frequency below the lowest
        show(e);
        const std::string shown = testing::PrintToString(t);
        for (const float v : e.fft.data) ASSERT_TRUE(std::isfinite(v)) << shown;
        for (const std::string& text : e.drawn_texts) {
            EXPECT_EQ(text.find("NAN"), std::string::npos) << shown << text;
            EXPECT_EQ(text.find("INF"), std::string::npos) << shown << text;
        }
    }
}

// 1 / ln(1e-6) and 1 / ln(5e6): values a reader can check on a calculator. Closer than
// 1 Hz the weight is negative, as the comb is defined; a tone exactly 1 Hz from the centre
// (1 / ln 1 = inf) weighs as one on it, and the signal stays finite.
TEST(Bp_explorer, ToneWeightsOfTheCombStayFinite)
{
    const std::pair<float, double> weights[] = {
        {1e7f, -0.072382}, {5e6f, 0.064830}, {14.9e6f, 0.064915}, {10000001.0f, -0.072382}};
    for (const auto& [f, w] : weights) EXPECT_NEAR(Bp_explorer::tone_weight(1e7f, f), w, 1e-6) << f;
    EXPECT_LT(Bp_explorer::tone_weight(1e7f, 1e7f + 0.5f), 0.0);
    Bp_explorer e;
    Bp_texts t = with(Bp_field::mode, "2");
    t[static_cast<size_t>(Bp_field::low)] = "9.999999"; // tone 0 lies 1 Hz below the centre
    t[static_cast<size_t>(Bp_field::high)] = "19.999999";
    ASSERT_FALSE(e.read(t));
    ASSERT_EQ(e.f_center - e.f_low, 1.0f);
    show(e);
    for (float v : e.fft.data) ASSERT_TRUE(std::isfinite(v));
    for (const std::string& text : e.drawn_texts) EXPECT_THAT(text, testing::Not(HasSubstr("N")));
}

// The phase 2 pi f t with f itself rising from 5 to 15 MHz gives an instantaneous frequency
// from 5 to 25 MHz: the spectrum of the FFT block stays below 30 MHz, bin 256.
TEST(Bp_explorer, ChirpStaysBelowTheSpectrumRange)
{
    Bp_explorer e;
    show(e);
    Curve_frame frame;
    frame.dx = e.dt_us * 1e-6f;
    e.fill = 0;
    for (int n = 0; n < e.n_fft; ++n) e.test_signal(static_cast<float>(n) * frame.dx, frame);
    ASSERT_TRUE(e.fft.spectrum(e.n_fft));
    // Bin k lies at k * 60 MHz / 512: 25 MHz is bin 213, 4.7 MHz bin 40.
    double inside = 0.0, above = 0.0, below = 0.0;
    for (int k = 1; k < 256; ++k) {
        const auto re = static_cast<double>(e.fft.data[static_cast<size_t>(2 * k)]);
        const auto im = static_cast<double>(e.fft.data[static_cast<size_t>(2 * k + 1)]);
        const double power = re * re + im * im;
        (k > 220 ? above : k < 40 ? below : inside) += power;
    }
    EXPECT_LT(above, 0.01 * inside);
    EXPECT_LT(below, 0.01 * inside);
}

TEST(Bp_explorer, CachedSignalDrawsTheSameAsEvaluatingEveryColumn)
{
    for (const char* type : {"1", "2"}) {
        Bp_explorer cached, direct;
        direct.signal_cache = false;
        ASSERT_FALSE(cached.read(with(Bp_field::mode, type)));
        ASSERT_FALSE(direct.read(with(Bp_field::mode, type)));
        const Boxes a = show(cached);
        const Boxes b = show(direct);
        for (size_t k = 0; k < 4; ++k) EXPECT_TRUE(a.box[k].calls == b.box[k].calls) << type << k;
        EXPECT_EQ(cached.fft.data, direct.fft.data) << type;
        EXPECT_EQ(cached.drawn_texts, direct.drawn_texts) << type;
    }
}
