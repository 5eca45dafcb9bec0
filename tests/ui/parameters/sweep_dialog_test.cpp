#include "ui/parameters/sweep_dialog.h"

#include "engine/par_rows.h"
#include "engine/parameters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// The refusal the dialog shows for these texts; "" when it accepts them.
std::string refusal_for(const char* name, const char* from, const char* to, const char* points,
                        bool log = false)
{
    analog_pars().set_defaults();
    TSweep_dialog d(nullptr);
    d.parameter->setCurrentIndex(d.parameter->findData(par_row_named(name)));
    d.from->setText(from);
    d.to->setText(to);
    d.points->setText(points);
    d.log_spacing->setChecked(log);
    const bool accepted = d.checked_plan().has_value();
    EXPECT_EQ(accepted, d.refusal->text().isEmpty());
    return d.refusal->text().toStdString();
}

} // namespace

TEST(Sweep_dialog, EachFieldIsRefusedByNameAndNothingRuns)
{
    EXPECT_EQ(refusal_for("roll_off", "abc", "1", "5"),
              "from: \"abc\" is not a number (allowed are 0 to 1)");
    EXPECT_EQ(refusal_for("roll_off", "0", "", "5"),
              "to: \"\" is not a number (allowed are 0 to 1)");
    EXPECT_EQ(refusal_for("roll_off", "0x0", "1", "5"),
              "from: \"0x0\" is not a number (allowed are 0 to 1)");
    EXPECT_EQ(refusal_for("roll_off", " 0", "1\t", " 5 "), "");
    EXPECT_EQ(refusal_for("roll_off", "0", "1", "2.5"),
              "points: \"2.5\" is not a whole number (allowed are 2 to 200)");
    EXPECT_EQ(refusal_for("roll_off", "0", "1", "500"),
              "points = 500 is out of range: allowed are 2 to 200");
    EXPECT_EQ(refusal_for("roll_off", "0", "2", "5"),
              "point 5: roll_off = 2 is out of range: allowed are 0 to 1");
    EXPECT_EQ(refusal_for("noise_to_signal", "0", "10", "5", true),
              "a logarithmic sweep needs from and to of the same sign, neither 0");
    EXPECT_EQ(refusal_for("noise_to_signal", "0.1", "10", "5", true), "");
}

TEST(Sweep_dialog, OffersEveryValueThatCanChangeAfterSetupAndStartsFromTheLastPlan)
{
    TSweep_dialog d(nullptr);
    EXPECT_EQ(d.parameter->count(), par_row_count - 2);
    EXPECT_EQ(d.parameter->findData(par_row_named("nr_stages")), -1);
    EXPECT_EQ(d.parameter->currentData().toInt(), par_row_named("noise_to_signal"));
    TSweep_dialog again(nullptr, Sweep_plan{par_row_named("rf_detune_pct"), 0.1, 0.7, 7, true});
    EXPECT_EQ(again.parameter->currentData().toInt(), par_row_named("rf_detune_pct"));
    EXPECT_EQ(again.from->text() + " " + again.to->text() + " " + again.points->text(),
              "0.1 0.7 7");
    EXPECT_TRUE(again.log_spacing->isChecked());
}

// A switch starts from one of its two values to the other, in two points.
TEST(Sweep_dialog, EveryParameterStartsWithARangeThatRuns)
{
    analog_pars().set_defaults();
    TSweep_dialog d(nullptr);
    for (int k = 0; k < d.parameter->count(); ++k) {
        d.parameter->setCurrentIndex(k);
        EXPECT_TRUE(d.checked_plan().has_value())
            << d.parameter->currentText().toStdString() << ": " << d.refusal->text().toStdString();
    }
}
