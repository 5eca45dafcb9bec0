#include "engine/par_entry.h"
#include "engine/par_rows.h"

#include <gtest/gtest.h>

#include <optional>

TEST(Par_rows, NamesLeadToTheirMenuPlaceAndStorage)
{
    const int r = par_row_named("bp_center3");
    ASSERT_GE(r, 0);
    const Par_row& row = par_rows[static_cast<size_t>(r)];
    EXPECT_EQ(row.set, Par_set::band_pass);
    EXPECT_EQ(row.line, 2);
    EXPECT_EQ(row.field, 1);
    EXPECT_EQ(row.par, par_bp_first + 7);
    EXPECT_EQ(par_row_storing(par_bp_first + 7), r);
    EXPECT_EQ(par_row_named("bp_center5"), -1);
    EXPECT_EQ(par_row_storing(par_chip_rate), -1);
}

// Confirming the menus without typing must never be refused: every program-start value
// lies in its row's range, in the unit the row is typed in.
TEST(Par_rows, ProgramStartValuesLieInTheirRanges)
{
    const Analog_pars p;
    for (int r = 0; r < par_row_count; ++r) {
        const Par_row& row = par_rows[static_cast<size_t>(r)];
        if (row.set == Par_set::start) continue;
        const float v = *p.par_table[static_cast<size_t>(row.par)];
        Par_entry e;
        e.type(r, row.unit == Par_unit::mhz ? v / 1.0e6f : v);
        const std::optional<Refusal> refusal = check_entry(e);
        EXPECT_FALSE(refusal.has_value()) << refusal->message();
    }
}
