#pragma once
// The main window: holds the menus and the signal plot windows as child windows, the
// views as embedded panels, the result and error lines, and the bookkeeping of the plot
// windows. It is the engine's screen, the views' host and the menus' host.

#include "engine/screen_port.h"
#include "ui/widgets/menu_host.h"
#include "ui/windows/cascade.h"

#include <QMainWindow>

#include <array>

class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class Click_line;
class TBp_plots;
class TEye_patterns;
class TConstellation_view;
class TFourier_plot;
class TParameter_menue;
class TPn_generator;
class TRun_menue;
class TSpreading_fcts;
class TStart_menue;
class TViterbi_decoder;

class TMain_screen : public QMainWindow, public Screen_port, public Menu_host {
    Q_OBJECT
public:
    TMain_screen();

    // Every text shown on the result and error lines is also printed to stdout.
    void set_echo_lines(bool on) { echo_lines = on; }

    // Opens the start menu; the program entry calls it right after construction.
    void open_start_menu();
    // Loads a lesson file into the start menu, start values included, as its "load
    // parameters..." does; the program entry calls it for a file named on the command line.
    void open_lesson(const QString& path);

    void EraseClick();
    void view_item(int code) override;
    void erase_curves() override;
    void clear_display(int mask) override;
    void clear(QWidget* sender) override;
    void redraw_plots_and_hide_views() override;
    void open_parameter_menu(int tag) override;
    void show_menu_buttons() override;
    void forget_run() override;

    QList<QMdiSubWindow*> child_windows() const override;
    QWidget& window_widget() override { return *this; }
    Screen_port& engine_screen() override { return *this; }
    QMdiArea& area() const override { return *mdi; }
    TRun_menue* run_menu() const override { return run_window; }
    bool run_menu_open() const override { return run_menu_shown; }
    // The start menu until setup, null after it.
    TStart_menue* start_menu() const { return start_window; }

    // Screen of the engine; its error line is the views' too.
    void show_error(const std::string& text) override;
    void hide_error() override;
    void set_result(const std::string& text) override;
    void open_run_menu() override;
    void show_buttons() override;

    // The panels, for driving the screen as a user does.
    QPushButton* erase_button() const { return Erase; }
    Click_line* error_line() const { return error_message; }
    Click_line* result_line() const { return result; }
    // k: 0 the upper, 1 the lower one.
    TPn_generator* pn_generator(int k) const { return k == 0 ? Pn_generator1 : Pn_generator2; }
    TFourier_plot* fourier_plot(int k) const { return k == 0 ? Fourier_plot1 : Fourier_plot2; }
    TEye_patterns* eye_patterns() const { return Eye_patterns; }
    TConstellation_view* constellation() const { return Constellation_view; }
    TViterbi_decoder* viterbi_decoder() const { return Viterbi_decoder; }
    TSpreading_fcts* spreading_fcts() const { return Spreading_fcts; }
    TBp_plots* bp_plots() const { return Bp_plots; }
    TParameter_menue* parameter_menu() const { return Parameter_menue; }

private:
    static constexpr int first_top = 335;

    QMdiArea* mdi = nullptr;
    QPushButton* Erase = nullptr;
    Click_line* error_message = nullptr;
    TPn_generator* Pn_generator1 = nullptr;
    TPn_generator* Pn_generator2 = nullptr;
    TEye_patterns* Eye_patterns = nullptr;
    TConstellation_view* Constellation_view = nullptr;
    Click_line* result = nullptr;
    TViterbi_decoder* Viterbi_decoder = nullptr;
    TSpreading_fcts* Spreading_fcts = nullptr;
    TBp_plots* Bp_plots = nullptr;
    TFourier_plot* Fourier_plot1 = nullptr;
    TFourier_plot* Fourier_plot2 = nullptr;
    TParameter_menue* Parameter_menue = nullptr;

    bool echo_lines = false;
    bool run_menu_shown = false;
    TRun_menue* run_window = nullptr;
    TStart_menue* start_window = nullptr;
    // Plot windows ever created.
    int plots_opened = 0;

    struct View_bit {
        int bit;
        QWidget* view;
    };
    std::array<View_bit, 12> view_bits() const;
    // Where the next plot window goes.
    Cascade plot_cascade;
};
