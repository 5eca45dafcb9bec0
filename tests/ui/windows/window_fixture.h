#pragma once
// The main screen as the program starts, with what its menus offer read off the buttons.
// The hooks a test may set in place of a user's answer go back to the program's own.

#include "analog/analog_mod.h"
#include "tests/ui/ui_fixture.h"
#include "ui/parameters/lesson_btns.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/widgets/progress_runner.h"
#include "ui/widgets/save_dialog.h"
#include "ui/windows/run_extras.h"

#include <set>
#include <string>

class Window_flow : public Ui_flow {
protected:
    void TearDown() override
    {
        Progress_runner::cancel_hook = nullptr;
        Analog_mod::block_samples = block_samples;
        Save_dialog::choose = choose;
        TRun_extras::ask_plan = nullptr;
        TLesson_btns::ask_open_path = nullptr;
        TLesson_btns::tell = nullptr;
        Ui_flow::TearDown();
    }

    // A new main screen on program-start parameters, for the next row of a table.
    void restart()
    {
        TearDown();
        SetUp();
    }

    // Codes of the blue buttons offered.
    std::set<int> shown_codes()
    {
        std::set<int> codes;
        for (size_t r = 0; r < picker().rows.size(); ++r)
            for (int j = 0; j < TGet_plots::row_count[r]; ++j) {
                const QPushButton* b = picker().rows[r][static_cast<size_t>(j)];
                if (!b->isHidden()) codes.insert(b->property("Tag").toInt());
            }
        return codes;
    }

    // Names of the red buttons offered.
    std::set<std::string> shown_views()
    {
        std::set<std::string> names;
        TGet_plots& p = picker();
        for (QPushButton* b :
             {p.en_decoder, p.FFT, p.Walsh, p.PN_U, p.PN_I, p.PN_Q, p.eye, p.bp_filter})
            if (!b->isHidden()) names.insert(b->objectName().toStdString());
        return names;
    }

    // Of run and the three parameter buttons after setup, or the four parameter buttons
    // before it, the number offered.
    int menu_buttons_shown()
    {
        if (main->start_menu() != nullptr) {
            const TStart_menue& s = *main->start_menu();
            return count_shown({s.start_par, s.analog_par, s.filter_par, s.distort_par});
        }
        TGet_plots& p = picker();
        return count_shown({p.run, p.analog_par, p.filter_par, p.distort_par});
    }

private:
    const size_t block_samples = Analog_mod::block_samples;
    const decltype(Save_dialog::choose) choose = Save_dialog::choose;

    static int count_shown(std::initializer_list<const QWidget*> widgets)
    {
        int shown = 0;
        for (const QWidget* w : widgets) shown += w->isHidden() ? 0 : 1;
        return shown;
    }
};
