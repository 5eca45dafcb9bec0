#pragma once
// What a view or a plot asks of the window that holds it: hiding views, the error line,
// and the child windows. The main screen is the one host.

#include <QList>

#include <string>

class QMdiSubWindow;
class QWidget;

class View_host {
public:
    virtual ~View_host() = default;

    // Makes the error line visible with this text.
    virtual void show_error(const std::string& text) = 0;
    // Hides the views whose bits are set in mask.
    virtual void clear_display(int mask) = 0;
    // Hides the view that was clicked.
    virtual void clear(QWidget* view) = 0;
    // The child windows, first to last.
    virtual QList<QMdiSubWindow*> child_windows() const = 0;

    // Shows a view or line in front of every other one: the one just asked for.
    static void bring_to_front(QWidget* view);

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
    static constexpr int constellation_view = 8192;
    static constexpr int all_views = 2 * constellation_view - 1; // every bit up to the last view
};
