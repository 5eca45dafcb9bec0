#pragma once
// The run-time menu: the time-window panel above the circuit-diagram stage picker.
// The main screen creates it at setup and drives its panels.

#include <QMdiSubWindow>

class TGet_plots;
class Menu_host;
class TRun_extras;
class TSet_times;
struct Picker_views;

class TRun_menue : public QMdiSubWindow {
    Q_OBJECT
public:
    TRun_menue(Menu_host& host, const Picker_views& views);

    TSet_times* Set_times = nullptr;
    TGet_plots* Get_plots = nullptr;
    TRun_extras* Run_extras = nullptr;

    // Puts the window at its place in the main screen.
    void place();

protected:
    // The menu stays for the rest of the program: closing only minimises it.
    void closeEvent(QCloseEvent* event) override;
};
