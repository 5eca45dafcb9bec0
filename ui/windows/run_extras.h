#pragma once
// The run-time menu's buttons beyond one run, right of the time-window panel: the error
// sweep and the lesson-file buttons.

#include "engine/error_sweep.h"
#include "ui/plots/sweep_window.h"
#include "ui/windows/cascade.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QPushButton;
class TLesson_btns;
class Menu_host;

class TRun_extras : public QWidget {
    Q_OBJECT
public:
    TRun_extras(QWidget* parent, Menu_host& host);

    QPushButton* error_sweep = nullptr;
    TLesson_btns* lesson = nullptr;
    QPushButton* help = nullptr;

    void error_sweepClick();
    // The sweep window the last sweep opened, while it is open.
    TSweep_window* last_window() const;

    // The plan the user asks for, nothing when cancelled; the sweep dialog, opened with
    // the last plan asked for, unless replaced (tests).
    static std::function<std::optional<Sweep_plan>(QWidget* parent,
                                                   const std::optional<Sweep_plan>& last)>
        ask_plan;

private:
    Menu_host& host;
    QPointer<TSweep_window> opened;
    std::optional<Sweep_plan> last_plan;
    // Where the next sweep window goes, as the plot windows cascade; back at the first
    // place once none is open.
    Cascade cascade;

    void place(TSweep_window* window);
};
