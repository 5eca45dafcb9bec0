#include "ui/parameters/lesson_btns.h"

#include "engine/lesson_file.h"
#include "tests/ui/parameters/parameter_fixture.h"
#include "tests/ui/windows/window_fixture.h"
#include "ui/widgets/save_dialog.h"
#include "ui/windows/run_extras.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <cstdint>
#include <vector>

using testing::ElementsAreArray;
using testing::HasSubstr;

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
    void write(const char* text)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
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

TEST_F(Lesson_btns, AfterSetupTheStartValuesOfAFileAreIgnoredWithANote)
{
    setup_and_run();
    write("nr_stages = 2\ndata_bytes = 36\nroll_off = 0.5\n");
    click(main->run_menu()->Run_extras->lesson->load_pars);
    EXPECT_THAT(told.toStdString(), HasSubstr("nr_stages and data_bytes are ignored"));
    EXPECT_EQ(nr_stages, 6);
    EXPECT_EQ(data_bytes, 3);
    EXPECT_EQ(analog_pars().roll_off, 0.5f);
    // The old run no longer holds: its stage buttons go, the run button comes back.
    EXPECT_TRUE(picker().stage_button(1)->isHidden());
    EXPECT_FALSE(picker().run->isHidden());
}
