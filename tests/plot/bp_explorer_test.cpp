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
    Bp_explorer e;
    EXPECT_THAT(e.texts(), ElementsAre("10.00", "0.10", "30.00", "5.00", "15.00", "1"));
    // a width above the centre is cut to it, a negative lowest frequency to 0
    Bp_texts t = with(Bp_field::width, "20");
    t[static_cast<size_t>(Bp_field::low)] = "\t-3\r";
    ASSERT_FALSE(e.read(t));
    EXPECT_THAT(e.texts(), ElementsAre("10.00", "10.00", "30.00", "0.00", "15.00", "1"));
}

TEST(Bp_explorer, ShowWritesTheFourCaptions)
{
    Bp_explorer e;
    const Boxes b = show(e);
    EXPECT_THAT(e.drawn_texts[0], StartsWith("scaled y(t), (f = 5.000 - 15.000 MHz); range = "
                                             "8.533 microsecs, amplitude: "));
    EXPECT_THAT(b.box[0].calls.back(), (Canvas_call{"text_out", {0, 85}, e.drawn_texts[0]}));
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
        // The chain's band-pass rows compare floats: 1e-300 is 0 as a float.
        {Bp_field::center, "1e-300", "center = 1e-300 is out of range: allowed are 1e-06 to"},
        {Bp_field::high, "4", "high = 4 is below the lowest frequency: allowed are 5.00 to"},
        {Bp_field::mode, "1.5",
         "mode: '1.5' is not a whole number; allowed are whole numbers (1: chirp, 2: tone comb)"},
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

// 1 / ln(1e-6) and 1 / ln(5e6): values a reader can check on a calculator. Closer than
// 1 Hz the weight is negative, as the comb is defined; a tone exactly 1 Hz from the centre
// (1 / ln 1 = inf) weighs as one on it, and the signal stays finite.
TEST(Bp_explorer, ToneWeightsOfTheCombStayFinite)
{
    EXPECT_NEAR(Bp_explorer::tone_weight(1e7f, 5e6f), 0.064830, 1e-6);
    EXPECT_NEAR(Bp_explorer::tone_weight(1e7f, 10000001.0f), -0.072382, 1e-6);
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
