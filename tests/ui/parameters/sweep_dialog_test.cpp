#include "ui/parameters/sweep_dialog.h"

#include "engine/par_rows.h"
#include "engine/parameters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Typed_plan {
    const char* name;
    const char* from;
    const char* to;
    const char* points;
    bool log;
    std::string refusal; // "" when the plan is accepted
};

} // namespace

// Which plans can run is the engine's to say; here, that each field is read under its
// name, the check box takes part and the engine's refusal is shown.
TEST(Sweep_dialog, EachFieldIsReadUnderItsNameAndARefusalIsShown)
{
    const std::vector<Typed_plan> rows = {
        {"roll_off", "abc", "1", "5", false, "from: \"abc\" is not a number (allowed are 0 to 1)"},
        {"roll_off", "0", "1", "2.5", false,
         "points: \"2.5\" is not a whole number (allowed are 2 to 200)"},
        {"roll_off", "0", "2", "5", false,
         "point 5: roll_off = 2 is out of range: allowed are 0 to 1"},
        {"noise_to_signal", "0", "10", "5", true,
         "a logarithmic sweep needs from and to of the same sign, neither 0"},
        {"roll_off", " 0", "1\t", " 5 ", false, ""},
        {"noise_to_signal", "0.1", "10", "5", true, ""},
    };
    for (const Typed_plan& r : rows) {
        SCOPED_TRACE(std::string(r.name) + " " + r.from + " .. " + r.to + ", " + r.points);
        analog_pars().set_defaults();
        TSweep_dialog d(nullptr);
        d.parameter->setCurrentIndex(d.parameter->findData(par_row_named(r.name)));
        d.from->setText(r.from);
        d.to->setText(r.to);
        d.points->setText(r.points);
        d.log_spacing->setChecked(r.log);
        EXPECT_EQ(d.checked_plan().has_value(), r.refusal.empty());
        EXPECT_EQ(d.refusal->text().toStdString(), r.refusal);
    }
}
