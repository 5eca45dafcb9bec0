#include "engine/par_rows.h"
#include "engine/parameters.h"
#include "ui/parameters/parameter_menue.h"

#include <QCoreApplication>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

using testing::AllOf;
using testing::ElementsAreArray;
using testing::HasSubstr;
using testing::SizeIs;

namespace {

// Every stored value as bits, the start parameters last: "unchanged" means bit-identical.
std::vector<std::uint32_t> stored_bits()
{
    std::vector<std::uint32_t> bits;
    for (const float* v : get_analog_pars()) bits.push_back(std::bit_cast<std::uint32_t>(*v));
    bits.push_back(static_cast<std::uint32_t>(nr_stages));
    bits.push_back(static_cast<std::uint32_t>(data_bytes));
    return bits;
}

// Values none of which the menu can show with all its digits.
void store_uneven_values()
{
    Analog_pars& p = analog_pars();
    p.roll_off = 0.123f;
    p.nyquist_pulses = 20.5f;
    p.if_freq = 81234568.0f;
    p.rf_freq = 912345664.0f;
    p.recompute_centres();
    p.bp_width[2] = 1234567.0f;
    p.noise_to_signal = 0.37f;
    p.if_phase_pct = 12.5f;
    p.rf_detune_pct = -0.25f;
}

class Parameter_menue : public testing::Test {
protected:
    void SetUp() override
    {
        analog_pars().set_defaults();
        apply_start_pars(6, 3);
        saved_warn = TParameter_menue::warn;
        TParameter_menue::warn = [this](QWidget*, const QString& text) {
            warnings.push_back(text.toStdString());
        };
        host.resize(830, 260);
        host.show();
        menu = new TParameter_menue(&host);
        menu->on_confirmed = [this] { ++confirmed; };
    }

    void TearDown() override
    {
        TParameter_menue::warn = saved_warn;
        analog_pars().set_defaults();
        apply_start_pars(6, 3);
    }

    void open(int tag)
    {
        menu->tag = tag;
        menu->show();
    }

    TParameter_line* line(int n) const
    {
        const std::array<TParameter_line*, 4> lines = {menu->parameter_line1, menu->parameter_line2,
                                                       menu->parameter_line3,
                                                       menu->parameter_line4};
        return lines[static_cast<size_t>(n - 1)];
    }

    // Line 1..4, column 1..3 (data1..data3).
    QLineEdit* field(int n, int column) const
    {
        TParameter_line* l = line(n);
        return column == 1 ? l->data1 : column == 2 ? l->data2 : l->data3;
    }

    // The texts of the visible fields, line by line.
    std::vector<std::string> shown_texts() const
    {
        std::vector<std::string> texts;
        for (int n = 1; n <= 4; ++n)
            for (int c = 1; c <= 3; ++c)
                if (field(n, c)->isVisible()) texts.push_back(field(n, c)->text().toStdString());
        return texts;
    }

    // Visible fields per visible line; they must be the leading ones of their line.
    std::vector<int> shown_counts() const
    {
        std::vector<int> counts;
        for (int n = 1; n <= 4; ++n) {
            if (!line(n)->isVisible()) continue;
            int count = 0;
            while (count < 3 && field(n, count + 1)->isVisible()) ++count;
            for (int c = count + 2; c <= 3; ++c)
                EXPECT_FALSE(field(n, c)->isVisible()) << "line " << n << " field " << c;
            counts.push_back(count);
        }
        return counts;
    }

    void confirm() { QTest::mouseClick(menu->set_quit, Qt::LeftButton); }

    QWidget host;
    TParameter_menue* menu = nullptr;
    std::vector<std::string> warnings;
    int confirmed = 0;

private:
    std::function<void(QWidget*, const QString&)> saved_warn;
};

struct Shown_set {
    int tag;
    std::string heading;
    std::vector<std::string> texts;
    std::vector<int> counts;
};

void PrintTo(const Shown_set& s, std::ostream* os) { *os << "tag " << s.tag; }

class Parameter_menue_sets : public Parameter_menue,
                             public testing::WithParamInterface<Shown_set> {};

TEST_P(Parameter_menue_sets, OpensWithStoredValuesInTheirFields)
{
    const Shown_set& want = GetParam();
    open(want.tag);
    EXPECT_EQ(menu->caption1->text().toStdString(), want.heading);
    EXPECT_THAT(shown_texts(), ElementsAreArray(want.texts));
    EXPECT_THAT(shown_counts(), ElementsAreArray(want.counts));
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, Parameter_menue_sets,
    testing::Values(
        Shown_set{1, "start parameters (can be modified only now)", {"6", "3"}, {0, 0, 1, 1}},
        Shown_set{2,
                  "parameters for the analog modulation (can be modifed later on)",
                  {"20", "0.20", "8", "2", "80.00", "1", "1", "900.00", "1", "1"},
                  {2, 2, 3, 3}},
        Shown_set{3,
                  "filter parameters (can be modifed later on)",
                  {"0", "81.23", "4.92", "0", "981.23", "4.92", "0", "81.23", "4.92", "1", "1.23",
                   "4.92"},
                  {3, 3, 3, 3}},
        Shown_set{4,
                  "noise and distortion parameters (can be modifed later on)",
                  {"0.0", "0", "0", "0", "0"},
                  {1, 2, 2}}));

TEST_F(Parameter_menue, LineCaptionsNameFiltersAndKeepTrailingBlanks)
{
    open(3);
    EXPECT_EQ(line(1)->caption->text(), "1. band-pass: 0/1 - no/yes; center and width (MHz)");
    EXPECT_EQ(line(4)->caption->text(), "4. band-pass: 0/1 - no/yes; center and width (MHz)");
    menu->hide();
    open(4);
    EXPECT_EQ(line(2)->caption->text(), "IF detuning: % of f ; % of 2*pi ");
}

// The main screen may hide an open menu without confirming it (setup does): the next
// set must not show lines or fields left over from the last one.
TEST_F(Parameter_menue, NextSetShowsNothingLeftFromAnUnconfirmedOne)
{
    open(3);
    menu->hide();
    open(4);
    EXPECT_FALSE(line(4)->isVisible());
    EXPECT_FALSE(field(3, 3)->isVisible());
    EXPECT_THAT(shown_counts(), ElementsAreArray({1, 2, 2}));
}

class Parameter_menue_unedited : public Parameter_menue,
                                 public testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(Parameter_menue_unedited, ConfirmLeavesEveryValueBitIdentical)
{
    const auto [tag, uneven] = GetParam();
    if (uneven) store_uneven_values();
    const std::vector<std::uint32_t> before = stored_bits();
    open(tag);
    confirm();
    EXPECT_THAT(warnings, SizeIs(0));
    EXPECT_EQ(confirmed, 1);
    EXPECT_THAT(stored_bits(), ElementsAreArray(before));
}

INSTANTIATE_TEST_SUITE_P(Sets, Parameter_menue_unedited,
                         testing::Combine(testing::Values(1, 2, 3, 4), testing::Bool()));

TEST_F(Parameter_menue, LowIfIsRaisedToThreeChipRatesAndShownRoundedOnReopen)
{
    open(2);
    field(3, 1)->setText("1");
    confirm();
    EXPECT_EQ(analog_pars().if_freq, 3686400.0f);
    EXPECT_EQ(analog_pars().rf_freq, 900000000.0f);
    EXPECT_EQ(analog_pars().bp_center[0], 3686400.0f + 1228800.0f);
    open(2);
    EXPECT_EQ(field(3, 1)->text(), "3.69");
}

TEST_F(Parameter_menue, TypedCentreStandsUntilTheNextAnalogConfirmation)
{
    open(3);
    field(2, 2)->setText("950");
    field(3, 3)->setText("2.5");
    confirm();
    EXPECT_EQ(analog_pars().bp_center[1], 950000000.0f);
    EXPECT_EQ(analog_pars().bp_width[2], 2500000.0f);
    open(2);
    confirm();
    EXPECT_EQ(analog_pars().bp_center[1], 981228800.0f);
    EXPECT_EQ(analog_pars().bp_width[2], 2500000.0f);
}

TEST_F(Parameter_menue, NoiseSetIsStoredAsTyped)
{
    open(4);
    field(1, 1)->setText("0.5");
    field(2, 1)->setText("-3");
    field(2, 2)->setText("12.5");
    field(3, 1)->setText("4");
    field(3, 2)->setText("1e2");
    confirm();
    const Analog_pars& p = analog_pars();
    EXPECT_THAT(std::vector<float>({p.noise_to_signal, p.if_detune_pct, p.if_phase_pct,
                                    p.rf_detune_pct, p.rf_phase_pct}),
                ElementsAreArray({0.5f, -3.0f, 12.5f, 4.0f, 100.0f}));
}

TEST_F(Parameter_menue, StartSetIsStoredUncheckedForSetupToLimit)
{
    open(1);
    field(3, 1)->setText("9");
    field(4, 1)->setText(" 10 ");
    confirm();
    EXPECT_EQ(nr_stages, 9);
    EXPECT_EQ(data_bytes, 10);
    EXPECT_EQ(confirmed, 1);
}

class Parameter_menue_spellings : public Parameter_menue,
                                  public testing::WithParamInterface<const char*> {};

TEST_P(Parameter_menue_spellings, NumberIsReadAsTyped)
{
    open(2);
    field(1, 2)->setText(GetParam());
    confirm();
    EXPECT_THAT(warnings, SizeIs(0));
    EXPECT_EQ(analog_pars().roll_off, 0.25f);
}

INSTANTIATE_TEST_SUITE_P(RollOff, Parameter_menue_spellings,
                         testing::Values("0.25", " 0.25", "+0.25 ", "\t0.25\r", ".25", "2.5e-1",
                                         "25E-2", "0.250"));

TEST_F(Parameter_menue, NonNumberIsNamedAndNothingOfTheSetIsStored)
{
    open(2);
    field(1, 1)->setText("30");
    field(1, 2)->setText("abc");
    confirm();
    EXPECT_THAT(warnings,
                ElementsAreArray({"\"DAC: Nyquist pulses to integrate; roll off\", 2nd "
                                  "field (roll_off):\n'abc' is not a number; allowed are 0 to 1"}));
    EXPECT_EQ(analog_pars().nyquist_pulses, 20.0f);
    EXPECT_EQ(analog_pars().roll_off, 0.2f);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(field(1, 2)->text(), "abc");
    EXPECT_EQ(confirmed, 0);

    // The user corrects the field and confirms again; the earlier edit is still there.
    field(1, 2)->setText("0.3");
    confirm();
    EXPECT_EQ(analog_pars().nyquist_pulses, 30.0f);
    EXPECT_EQ(analog_pars().roll_off, 0.3f);
    EXPECT_EQ(confirmed, 1);
}

struct Refused {
    int tag;
    int line;
    int column;
    const char* text;
    const char* name;
    const char* reason;
};

void PrintTo(const Refused& r, std::ostream* os)
{
    *os << "tag " << r.tag << " \"" << r.text << "\" in " << r.name;
}

class Parameter_menue_refused : public Parameter_menue,
                                public testing::WithParamInterface<Refused> {
protected:
    // A valid edit elsewhere in the same set, which must not be stored either.
    void edit_another_field(const Refused& r)
    {
        struct Edit {
            int line;
            int column;
            const char* text;
        };
        const std::array<std::array<Edit, 2>, 4> edits = {{
            {{{3, 1, "4"}, {4, 1, "9"}}},
            {{{1, 1, "30"}, {2, 1, "4"}}},
            {{{1, 1, "1"}, {4, 3, "2"}}},
            {{{1, 1, "0.5"}, {3, 2, "7"}}},
        }};
        for (const Edit& e : edits[static_cast<size_t>(r.tag - 1)]) {
            if (e.line == r.line && e.column == r.column) continue;
            field(e.line, e.column)->setText(e.text);
            return;
        }
    }
};

TEST_P(Parameter_menue_refused, SetIsNotStoredAndMenuStaysAsTyped)
{
    const Refused& r = GetParam();
    const std::vector<std::uint32_t> before = stored_bits();
    open(r.tag);
    edit_another_field(r);
    field(r.line, r.column)->setText(r.text);
    confirm();

    ASSERT_THAT(warnings, SizeIs(1));
    EXPECT_THAT(warnings[0],
                AllOf(testing::StartsWith("\""),
                      HasSubstr(std::string(" field (") + r.name + "):\n"), HasSubstr(r.reason)));
    EXPECT_THAT(stored_bits(), ElementsAreArray(before));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(line(r.line)->isVisible());
    EXPECT_EQ(field(r.line, r.column)->text().toStdString(), r.text);
    EXPECT_EQ(confirmed, 0);
}

INSTANTIATE_TEST_SUITE_P(
    NotANumber, Parameter_menue_refused,
    testing::Values(Refused{2, 1, 2, "", "roll_off", "'' is not a number; allowed are 0 to 1"},
                    Refused{2, 1, 2, "0.2x", "roll_off", "is not a number"},
                    Refused{2, 1, 2, "0,2", "roll_off", "is not a number"},
                    Refused{2, 3, 1, "inf", "if_freq", "is not a number"},
                    Refused{2, 4, 1, "nan", "rf_freq", "is not a number"},
                    Refused{3, 1, 1, "0x1", "bp_on1", "is not a number"},
                    Refused{4, 1, 1, "1e999", "noise_to_signal", "outside the range"}));

INSTANTIATE_TEST_SUITE_P(
    NotAWholeNumber, Parameter_menue_refused,
    testing::Values(Refused{1, 3, 1, "9.5", "nr_stages", "is not a whole number"},
                    Refused{1, 3, 1, "", "nr_stages",
                            "is not a whole number; allowed are whole numbers"},
                    Refused{1, 4, 1, "99999999999", "data_bytes", "outside the range"}));

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, Parameter_menue_refused,
    testing::Values(Refused{2, 2, 2, "3", "iq_branches", "3 is out of range"},
                    Refused{2, 3, 2, "2", "if_mod", "2 is out of range"},
                    Refused{2, 2, 1, "0", "samples_per_chip", "0 is out of range"},
                    Refused{3, 2, 2, "-5", "bp_center2", "-5 is out of range"},
                    Refused{4, 2, 1, "101", "if_detune_pct", "101 is out of range"},
                    Refused{4, 3, 2, "1e39", "rf_phase_pct", "1e39 is out of range"}));

TEST_F(Parameter_menue, OutOfRangeWarningsNameFieldCaptionAndAllowedValues)
{
    open(3);
    field(2, 2)->setText("-5");
    confirm();
    menu->hide();
    open(2);
    field(2, 2)->setText("3");
    confirm();
    EXPECT_THAT(warnings,
                ElementsAreArray({"\"2. band-pass: 0/1 - no/yes; center and width (MHz)\", 2nd "
                                  "field (bp_center2):\n-5 is out of range: allowed are 1e-06 to "
                                  "1e+07 MHz",
                                  "\"ADC: samples/chip; IQ branches 1 or 2 == only I or ...\", 2nd "
                                  "field (iq_branches):\n3 is out of range: allowed are 1 (I "
                                  "only) and 2 (I and Q)"}));
}

// -1e30 lies outside every range: each row must be refused in its own field, under its
// own name, and with the set's first refusal before any later field's.
TEST_F(Parameter_menue, EveryRowIsRefusedInTheFieldTheTableGivesIt)
{
    static const char* const ordinals[] = {"1st", "2nd", "3rd"};
    for (const Par_row& row : par_rows) {
        if (row.set == Par_set::start) continue;
        warnings.clear();
        open(static_cast<int>(row.set));
        field(row.line + 1, row.field + 1)->setText("-1e30");
        confirm();
        const std::string name(row.name);
        ASSERT_THAT(warnings, SizeIs(1)) << name;
        const QString shown = "\"" + line(row.line + 1)->caption->text().simplified().left(20);
        EXPECT_THAT(warnings[0], testing::StartsWith(shown.toStdString()));
        EXPECT_THAT(warnings[0], HasSubstr(std::string("\", ") + ordinals[row.field] + " field (" +
                                           name + "):\n-1e30 is out of range: allowed are"));
        menu->hide();
    }
}

TEST_F(Parameter_menue, ConfirmHidesEveryLineAndFieldAndReportsOnce)
{
    open(3);
    confirm();
    EXPECT_TRUE(menu->isHidden());
    for (int n = 1; n <= 4; ++n) {
        EXPECT_TRUE(line(n)->isHidden()) << "line " << n;
        for (int c = 1; c <= 3; ++c)
            EXPECT_TRUE(field(n, c)->isHidden()) << "line " << n << " field " << c;
    }
    EXPECT_EQ(confirmed, 1);
}

TEST_F(Parameter_menue, RepaintKeepsEditsAndReopeningShowsStoredValues)
{
    open(2);
    field(1, 1)->setText("10000"); // more whole digits than the field's precision
    confirm();
    open(2);
    EXPECT_EQ(field(1, 1)->text(), "10000");
    menu->hide();

    open(2);
    field(1, 2)->setText("0.5");
    menu->repaint();
    menu->PaintBox1->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(field(1, 2)->text(), "0.5");
    menu->hide();
    open(2);
    EXPECT_EQ(field(1, 2)->text(), "0.20");
}

} // namespace
