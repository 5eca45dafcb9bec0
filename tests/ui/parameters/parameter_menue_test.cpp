#include "ui/parameters/parameter_menue.h"

#include "engine/parameters.h"
#include "tests/ui/parameters/parameter_fixture.h"

#include <QCoreApplication>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

namespace {

using Lines = std::vector<std::vector<std::string>>;

class Parameter_menue : public testing::Test {
protected:
    void SetUp() override
    {
        start_afresh();
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
        start_afresh();
    }

    static void start_afresh()
    {
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
        return std::array{menu->parameter_line1, menu->parameter_line2, menu->parameter_line3,
                          menu->parameter_line4}[static_cast<size_t>(n - 1)];
    }

    // Line 1..4, column 1..3 (data1..data3).
    QLineEdit* field(int n, int column) const
    {
        return std::array{line(n)->data1, line(n)->data2,
                          line(n)->data3}[static_cast<size_t>(column - 1)];
    }

    // The texts of the visible fields of each visible line, which must lead their line.
    Lines shown() const
    {
        Lines lines;
        for (int n = 1; n <= 4; ++n) {
            if (!line(n)->isVisible()) continue;
            lines.emplace_back();
            for (int c = 1; c <= 3; ++c)
                if (field(n, c)->isVisible()) {
                    EXPECT_EQ(lines.back().size(), static_cast<size_t>(c - 1)) << "gap in " << n;
                    lines.back().push_back(field(n, c)->text().toStdString());
                }
        }
        return lines;
    }

    void confirm() { QTest::mouseClick(menu->set_quit, Qt::LeftButton); }

    QWidget host;
    TParameter_menue* menu = nullptr;
    std::vector<std::string> warnings;
    int confirmed = 0;
    const decltype(TParameter_menue::warn) saved_warn = TParameter_menue::warn;
};

} // namespace

// Each set opens after the one before was hidden unconfirmed, as setup hides an open
// menu: nothing of the last set may show.
TEST_F(Parameter_menue, EachSetOpensWithItsStoredValuesAndNothingOfTheLastOne)
{
    const Lines sets[] = {
        {{}, {}, {"6"}, {"3"}},
        {{"20", "0.20"}, {"8", "2"}, {"80.00", "1", "1"}, {"900.00", "1", "1"}},
        {{"0", "81.23", "4.92"},
         {"0", "981.23", "4.92"},
         {"0", "81.23", "4.92"},
         {"1", "1.23", "4.92"}},
        {{"0.0"}, {"0", "0"}, {"0", "0"}},
    };
    for (int tag = 1; tag <= 4; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        open(tag);
        EXPECT_EQ(shown(), sets[tag - 1]);
        menu->hide();
    }
    EXPECT_EQ(menu->caption1->text(), "noise and distortion parameters (can be modifed later on)");
}

// Untouched fields store nothing: the stored value stands, not its shown digits.
TEST_F(Parameter_menue, ConfirmingAnUneditedSetLeavesEveryValueBitIdentical)
{
    Analog_pars& p = analog_pars(); // none of these shown with all its digits
    p.roll_off = 0.123f;
    p.nyquist_pulses = 20.5f;
    p.if_freq = 81234568.0f;
    p.rf_freq = 912345664.0f;
    p.recompute_centres();
    p.bp_width[2] = 1234567.0f;
    p.noise_to_signal = 0.37f;
    p.if_phase_pct = 12.5f;
    p.rf_detune_pct = -0.25f;
    const std::vector<std::uint32_t> before = stored_bits();
    for (int tag = 1; tag <= 4; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        open(tag);
        confirm();
        EXPECT_THAT(stored_bits(), ElementsAreArray(before));
    }
    EXPECT_THAT(warnings, IsEmpty());
    EXPECT_EQ(confirmed, 4);
}

TEST_F(Parameter_menue, ConfirmedSetIsStoredAndTheMenuClosesWithAllItsLines)
{
    open(4);
    field(1, 1)->setText("0.5");
    field(2, 1)->setText("-3");
    field(3, 2)->setText("1e2");
    confirm();
    const Analog_pars& p = analog_pars();
    EXPECT_THAT(std::vector<float>({p.noise_to_signal, p.if_detune_pct, p.if_phase_pct,
                                    p.rf_detune_pct, p.rf_phase_pct}),
                ElementsAreArray({0.5f, -3.0f, 0.0f, 0.0f, 100.0f}));
    EXPECT_EQ(confirmed, 1);
    EXPECT_TRUE(menu->isHidden());
    for (int n = 1; n <= 4; ++n)
        for (int c = 1; c <= 3; ++c)
            EXPECT_TRUE(line(n)->isHidden() && field(n, c)->isHidden()) << n << ", " << c;
    EXPECT_THAT(warnings, IsEmpty());
}

// What makes a value wrong is the engine's to say; here, that the menu names the line and
// field, stores nothing of the set (not even a valid edit beside it) and stays as typed
// until the user corrects it.
TEST_F(Parameter_menue, RefusedValueIsNamedInItsFieldAndNothingOfItsSetIsStored)
{
    const std::vector<std::uint32_t> before = stored_bits();
    open(2);
    field(1, 1)->setText("30");
    field(1, 2)->setText("abc");
    confirm();
    EXPECT_THAT(warnings, ElementsAre("\"DAC: Nyquist pulses to integrate; roll off\", 2nd field "
                                      "(roll_off):\n'abc' is not a number; allowed are 0 to 1"));
    EXPECT_THAT(stored_bits(), ElementsAreArray(before));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(field(1, 2)->text(), "abc");
    EXPECT_EQ(confirmed, 0);

    field(1, 2)->setText("0.3");
    confirm();
    EXPECT_EQ(confirmed, 1);
    EXPECT_EQ(analog_pars().nyquist_pulses, 30.0f);
}

TEST_F(Parameter_menue, RepaintKeepsEditsAndReopeningShowsStoredValues)
{
    open(2);
    field(1, 1)->setText("10000"); // more whole digits than the field's precision
    confirm();
    open(2);
    EXPECT_EQ(field(1, 1)->text(), "10000");
    field(1, 2)->setText("0.5");
    menu->repaint();
    menu->PaintBox1->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(field(1, 2)->text(), "0.5");
    menu->hide();
    open(2);
    EXPECT_EQ(field(1, 2)->text(), "0.20");
}
