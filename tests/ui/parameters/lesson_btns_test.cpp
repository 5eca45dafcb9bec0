#include "ui/parameters/lesson_btns.h"

#include "engine/lesson_file.h"
#include "tests/ui/parameters/parameter_fixture.h"
#include "tests/ui/windows/window_fixture.h"
#include "ui/widgets/save_dialog.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <cstdint>
#include <vector>

using testing::ElementsAreArray;

namespace {

class Lesson_btns : public Window_flow {
protected:
    void SetUp() override
    {
        Window_flow::SetUp();
        path = dir.filePath("lesson.txt");
        TLesson_btns::ask_open_path = [this](QWidget*) { return path; };
        Save_dialog::choose = [this](QWidget*, const QString&, const QString&, const QString&) {
            return path;
        };
        TLesson_btns::tell = [this](QWidget*, const QString&, const QString& text) { told = text; };
    }

    QTemporaryDir dir;
    QString path;
    QString told;
};

} // namespace

TEST_F(Lesson_btns, SavedParametersLoadBackExactlyInTheStartMenu)
{
    Par_entry edit;
    edit.type(par_row_named("roll_off"), 0.123456789f);
    edit.type(par_row_named("if_freq"), 71.3f);
    apply_entry(analog_pars(), edit);
    apply_start_pars(4, 9);
    const std::vector<std::uint32_t> saved = stored_bits();
    click(main->start_menu()->lesson->save_pars);
    analog_pars().set_defaults();
    apply_start_pars(6, 3);
    click(main->start_menu()->lesson->load_pars);
    EXPECT_EQ(told, "");
    EXPECT_THAT(stored_bits(), ElementsAreArray(saved));
}
