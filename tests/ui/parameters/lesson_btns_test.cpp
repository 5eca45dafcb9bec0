#include "ui/parameters/lesson_btns.h"

#include "engine/lesson_file.h"
#include "tests/ui/parameters/parameter_fixture.h"
#include "tests/ui/windows/window_fixture.h"
#include "ui/widgets/save_dialog.h"

#include <QFile>
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

TEST_F(Lesson_btns, SaveSuggestsTheLessonSuffix)
{
    QString suggested, suffix;
    Save_dialog::choose = [&](QWidget*, const QString&, const QString& name, const QString& s) {
        suggested = name;
        suffix = s;
        return QString();
    };
    click(main->start_menu()->lesson->save_pars);
    EXPECT_EQ(suggested, "lesson.cdmalesson");
    EXPECT_EQ(suffix, "cdmalesson");
    EXPECT_EQ(file_filter(suffix), "lesson files (*.cdmalesson)");
}

// A lesson file named on the command line, written as a teacher types it.
TEST_F(Lesson_btns, AMainScreenStartedWithALessonHasItsValuesStartValuesIncluded)
{
    path = dir.filePath("week3.cdmalesson");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# week 3: fewer stages\nnr_stages = 4\ndata_bytes = 9\nroll_off = 0.25\n");
    file.close();
    main->open_lesson(path);
    EXPECT_EQ(told, "");
    EXPECT_EQ(nr_stages, 4);
    EXPECT_EQ(data_bytes, 9);
    EXPECT_EQ(analog_pars().roll_off, 0.25f); // exact in binary
}

// A refused file still leaves a working window: the message names the file and the line,
// and nothing is stored.
TEST_F(Lesson_btns, AMainScreenStartedWithARefusedLessonTellsWhyAndKeepsItsValues)
{
    struct Row {
        const char* name;
        const char* text; // null: no such file
        QString told;
    };
    const std::vector<Row> rows = {
        {"week3.cdmalesson", "nr_stages = 4\nfoo = 1\n",
         "week3.cdmalesson, line 2: unknown parameter 'foo'\nNothing was stored."},
        {"notes", "data_bytes = 9\nroll_off 0.5\n",
         "notes, line 2: expected 'name = value', got 'roll_off 0.5'\nNothing was stored."},
        {"gone.cdmalesson", nullptr, "cannot read 'gone.cdmalesson': there is no such file"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        told.clear();
        path = dir.filePath(row.name);
        if (row.text != nullptr) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(row.text);
        }
        const std::vector<std::uint32_t> before = stored_bits();
        main->open_lesson(path);
        EXPECT_EQ(told, row.told);
        EXPECT_THAT(stored_bits(), ElementsAreArray(before));
    }
}
