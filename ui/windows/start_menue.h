#pragma once
// The start menu: the circuit diagram, the four parameter buttons and "setup", which
// fixes the start parameters, sets up the chain and opens the run-time menu.

#include <QMdiSubWindow>

class QLabel;
class QPushButton;
class Menu_host;
class TLesson_btns;
class TParameter_btn;

class TStart_menue : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TStart_menue(Menu_host& host);

    QLabel* title = nullptr;
    QLabel* sub_title = nullptr;
    QPushButton* setup = nullptr;
    QLabel* Image1 = nullptr;
    TParameter_btn* start_par = nullptr;
    TParameter_btn* analog_par = nullptr;
    TParameter_btn* filter_par = nullptr;
    TParameter_btn* distort_par = nullptr;
    TLesson_btns* lesson = nullptr;

    // Puts the window at its place in the main screen.
    void place();
    void setupClick();
    void hide_parameter_buttons();
    void show_parameter_buttons();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Menu_host& host;
    bool setup_done = false;
};
