#pragma once
// What the start and run menus, their panels and buttons, and the keys ask of the main
// screen: the plot windows, the parameter menu, the run menu once it is open, and the
// window itself as the parent of dialogs. The views' own calls come with View_host.

#include "ui/widgets/view_host.h"

class QMdiArea;
class Screen_port;
class TRun_menue;

class Menu_host : public View_host {
public:
    // The main window: parent of dialogs, progress boxes and keys.
    virtual QWidget& window_widget() = 0;
    // The screen the engine reports to.
    virtual Screen_port& engine_screen() = 0;
    // The area that holds the child windows.
    virtual QMdiArea& area() const = 0;

    // Opens the signal plot window of a stage code; one that is open already is raised.
    virtual void view_item(int code) = 0;
    // Closes every plot window; the menus stay.
    virtual void erase_curves() = 0;
    // Redraws every plot window for the current time window and hides every view.
    virtual void redraw_plots_and_hide_views() = 0;
    // The parameter button of set tag: shows the parameter menu and hides the buttons.
    virtual void open_parameter_menu(int tag) = 0;
    virtual void show_menu_buttons() = 0;
    // As after a stored parameter set, once the run menu is open: the old run's plot
    // windows close, its views and stage buttons hide, the menu buttons come back.
    virtual void forget_run() = 0;

    // The run-time menu; null before setup.
    virtual TRun_menue* run_menu() const = 0;
    virtual bool run_menu_open() const = 0;

    // Window tags: plot windows carry their stage code, below plot_tag_limit in size;
    // the menus carry menu_tag.
    static constexpr int plot_tag_limit = 1000;
    static constexpr int menu_tag = 2000;
    static constexpr int cascade_step = 20;
};
