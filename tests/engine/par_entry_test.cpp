#include "engine/par_entry.h"

#include "tests/engine/chain_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using testing::ElementsAreArray;

namespace {
constexpr float nan_value = std::numeric_limits<float>::quiet_NaN();
constexpr float inf_value = std::numeric_limits<float>::infinity();
} // namespace

// A refusal names the first refused row by set, then menu line, then field (not by typing
// order) and what the row takes, echoes the typed text where there is one, stores nothing.
TEST(Par_entry, RefusedValuesNameTheFieldAndWhatItTakes)
{
    const struct {
        std::vector<Typed> typed;
        const char* text; // as typed into the first row
        const char* refused;
        const char* allowed;
    } cases[] = {
        {{{"roll_off", 1.0000001f}}, "1.0000001", "roll_off = 1.0000001", "0 to 1"},
        {{{"samples_per_chip", 0.5f}}, "", "samples_per_chip = 0.5", "1 to 1000"},
        {{{"if_freq", inf_value}}, "", "if_freq = inf", "-1e+07 to 3e+06 MHz"},
        {{{"rf_phase_pct", nan_value}}, "", "rf_phase_pct = nan", "-1e+06 to 1e+06 %"},
        // below 1e-6 MHz the filter's coefficients would overflow
        {{{"bp_width1", 1e-38f}}, "1e-38", "bp_width1 = 1e-38", "1e-06 to 1e+07 MHz"},
        {{{"if_mod", 0.5f}}, "", "if_mod = 0.5", "0 (off) and 1 (on)"},
        {{{"rf_demod", nan_value}}, "", "rf_demod = nan", "0 (off) and 1 (on)"},
        {{{"iq_branches", 3}}, "", "iq_branches = 3", "1 (I only) and 2 (I and Q)"},
        {{{"noise_to_signal", 1.0e9f}, {"if_mod", 5}, {"roll_off", 5}},
         "",
         "roll_off = 5",
         "0 to 1"},
        {{{"bp_on2", 5}, {"bp_width1", -1}}, "", "bp_width1 = -1", "1e-06 to 1e+07 MHz"},
    };
    analog_pars().set_defaults();
    const std::vector<std::uint32_t> before = stored_bits();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refused);
        Par_entry e;
        for (const Typed& t : c.typed)
            e.type(row(t.name), t.value, &t == &c.typed[0] ? c.text : "");
        const std::optional<Refusal> r = check_entry(e);
        ASSERT_TRUE(r.has_value());
        const std::string message =
            std::string(c.refused) + " is out of range: allowed are " + c.allowed;
        const std::string name = message.substr(0, message.find(' '));
        EXPECT_EQ(r->message(), message);
        EXPECT_EQ(r->row, row(name));
        EXPECT_EQ(r->problem, message.substr(name.size() + 3)) << "apart from the name";
        EXPECT_THAT(stored_bits(), ElementsAreArray(before));
    }
}

// Each value is accepted and stored in the row's storage unit (Hz for MHz rows).
TEST(Par_entry, AcceptedValuesGoToTheirRows)
{
    const struct {
        Typed typed;
        float stored;
    } cases[] = {
        {{"roll_off", 0}, 0},
        {{"nyquist_pulses", 5000}, 5000}, // more pulses than a block has chips
        {{"samples_per_chip", 1000}, 1000},
        {{"bp_on1", 1}, 1},
        {{"bp_width4", 1.0e7f}, 1.0e13f},
        {{"bp_center4", 1.0e-6f}, 1.0e-6f * 1.0e6f},
        {{"rf_phase_pct", -1.0e6f}, -1.0e6f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.name);
        const Par_entry e = entry({c.typed});
        ASSERT_FALSE(check_entry(e).has_value()) << check_entry(e)->message();
        Analog_pars p;
        apply_entry(p, e);
        const Par_row& typed_row = par_rows[static_cast<size_t>(row(c.typed.name))];
        EXPECT_EQ(*p.par_table[static_cast<size_t>(typed_row.par)], c.stored);
    }
    EXPECT_FALSE(check_entry(entry({{"rf_freq", -1.0e7f}})).has_value());
}

// Rows with nothing typed keep their values to the bit, confirmed or not. Each of these
// moves by a float step when taken to MHz and back.
TEST(Par_entry, UntypedRowsStayBitIdentical)
{
    Analog_pars p;
    p.roll_off = 0.123f;
    p.if_freq = 128000008.0f;
    p.rf_freq = 1024000064.0f;
    p.recompute_centres();
    p.bp_width[2] = 4000000.75f;
    p.rf_detune_pct = -0.25f;
    const std::vector<std::uint32_t> before = stored_bits(p);
    apply_entry(p, Par_entry());
    EXPECT_THAT(stored_bits(p), ElementsAreArray(before));
    Par_entry all;
    for (Par_set set : {Par_set::analog, Par_set::band_pass, Par_set::noise}) all.confirm(set);
    apply_entry(p, all);
    EXPECT_THAT(stored_bits(p), ElementsAreArray(before));
    p.bp_center[0] = 4000000.25f; // apart from its carrier: a band-pass entry keeps it
    all = Par_entry();
    all.confirm(Par_set::band_pass);
    apply_entry(p, all);
    EXPECT_EQ(p.bp_center[0], 4000000.25f);
}

// A confirmed analog set, typed or not, raises IF to 3 chip rates (3.6864 MHz) and RF to
// 3 IFs and puts each filter centre on the carrier after it; a typed centre lasts until
// then. Every frequency here is a whole multiple of the float spacing at its size.
TEST(Par_entry, FilterCentresFollowTheCarriers)
{
    using Centres = std::array<float, 4>;
    const Centres start{81228800, 981228800, 81228800, 1228800};
    const Centres low{4915200, 15974400, 4915200, 1228800};
    const Centres no_rf{81228800, 81228800, 81228800, 1228800};
    const Centres typed{81228800, 950e6f, 81228800, 1228800};
    const struct {
        const char* what;
        bool stored_low; // IF 1 MHz and RF 2 MHz stored before the entry
        std::vector<Typed> typed;
        bool then_analog; // an analog entry with nothing typed follows
        float if_hz, rf_hz;
        Centres centres;
    } cases[] = {
        {"nothing typed", false, {}, false, 80e6f, 900e6f, start},
        {"no RF mixers", false, {{"rf_mod", 0}, {"rf_demod", 0}}, false, 80e6f, 900e6f, no_rf},
        {"low carriers", false, {{"if_freq", 1}, {"rf_freq", 5}}, false, 3686400, 11059200, low},
        {"typed centre", false, {{"bp_center2", 950}}, false, 80e6f, 900e6f, typed},
        {"analog after it", false, {{"bp_center2", 950}}, true, 80e6f, 900e6f, start},
        {"low, noise entry", true, {{"noise_to_signal", 1}}, false, 1e6f, 2e6f, start},
        {"low, analog entry", true, {}, true, 3686400, 11059200, low},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Analog_pars p;
        if (c.stored_low) p.if_freq = 1e6f;
        if (c.stored_low) p.rf_freq = 2e6f;
        apply_entry(p, entry(c.typed));
        Par_entry analog;
        analog.confirm(Par_set::analog);
        if (c.then_analog) apply_entry(p, analog);
        EXPECT_EQ(p.if_freq, c.if_hz);
        EXPECT_EQ(p.rf_freq, c.rf_hz);
        EXPECT_THAT(p.bp_center, ElementsAreArray(c.centres));
        EXPECT_THAT(p.bp_width, testing::Each(4915200.0f));
    }
}
