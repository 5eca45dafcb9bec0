#pragma once
// The main window: holds the menus and the signal plot windows as child windows, the
// views as embedded panels, the result and error lines, and the bookkeeping of the plot
// windows. It is the engine's screen.

#include "engine/screen_port.h"
#include "ui/windows/cascade.h"

#include <QMainWindow>

#include <array>

class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class Click_line;
class TBp_plots;
class TEye_patterns;
class TFourier_plot;
class TParameter_menue;
class TPn_generator;
class TRun_menue;
class TSpreading_fcts;
class TStart_menue;
class TViterbi_decoder;

class TMain_screen : public QMainWindow, public Screen_port {
    Q_OBJECT
public:
    TMain_screen();

    QMdiArea* mdi = nullptr;
    QPushButton* Erase = nullptr;
    Click_line* error_message = nullptr;
    TPn_generator* Pn_generator1 = nullptr;
    TPn_generator* Pn_generator2 = nullptr;
    TEye_patterns* Eye_patterns = nullptr;
    Click_line* result = nullptr;
    TViterbi_decoder* Viterbi_decoder = nullptr;
    TSpreading_fcts* Spreading_fcts = nullptr;
    TBp_plots* Bp_plots = nullptr;
    TFourier_plot* Fourier_plot1 = nullptr;
    TFourier_plot* Fourier_plot2 = nullptr;
    TParameter_menue* Parameter_menue = nullptr;

    // Every text shown on the result and error lines is also printed to stdout.
    bool echo_lines = false;

    bool run_menu_open = false;
    TRun_menue* run_menu = nullptr;
    TStart_menue* start_menu = nullptr;

    // Plot windows ever created.
    int plots_opened = 0;

    // Opens the start menu; the program entry calls it right after construction.
    void open_start_menu();

    void EraseClick();
    // Opens the signal plot window of a stage code; one that is open already is raised.
    void view_item(int code);
    // Closes every plot window; the menus stay.
    void erase_curves();
    // Hides the views whose bits are set in mask (see view_bits).
    void clear_display(int mask);
    // Hides the view that was clicked.
    void clear(QWidget* sender);
    // Shows a view or line in front of every other one: the one just asked for.
    static void bring_to_front(QWidget* view);
    // Redraws every plot window for the current time window and hides every view.
    void redraw_plots_and_hide_views();
    // The parameter button of set tag: shows the parameter menu and hides the buttons.
    void open_parameter_menu(int tag);
    void show_menu_buttons();

    // The child windows, first to last.
    QList<QMdiSubWindow*> child_windows() const;

    // Screen of the engine.
    void show_error(const std::string& text) override;
    void hide_error() override;
    void set_result(const std::string& text) override;
    void open_run_menu() override;
    void show_buttons() override;

    // Bits of clear_display's mask.
    static constexpr int result_view = 1;
    static constexpr int error_view = 2;
    static constexpr int fourier_view_1 = 4;
    static constexpr int fourier_view_2 = 8;
    static constexpr int spreading_view = 32;
    static constexpr int pn_generator_view_1 = 64;
    static constexpr int pn_generator_view_2 = 128;
    static constexpr int parameter_view = 512;
    static constexpr int eye_view = 1024;
    static constexpr int band_pass_view = 2048;
    static constexpr int viterbi_view = 4096;
    static constexpr int all_views = 8191;
    // Window tags: plot windows carry their stage code, below plot_tag_limit in size;
    // the menus carry menu_tag.
    static constexpr int plot_tag_limit = 1000;
    static constexpr int menu_tag = 2000;
    static constexpr int first_top = 335;
    static constexpr int cascade_step = 20;

private:
    struct View_bit {
        int bit;
        QWidget* view;
    };
    std::array<View_bit, 11> view_bits() const;
    // Where the next plot window goes.
    Cascade plot_cascade;
};
