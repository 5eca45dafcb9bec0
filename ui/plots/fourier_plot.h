#pragma once
// A spectrum strip of the main screen: draws the spectrum of the values captured from
// the last signal plot each time it is shown.

#include "plot/plot_ctrl.h"
#include "plot/read_out.h"

#include <QWidget>

class Paint_box;
class QLabel;
class View_host;

class TFourier_plot : public QWidget {
    Q_OBJECT
public:
    TFourier_plot(QWidget* parent, View_host& host);

    Paint_box* Fourier = nullptr;
    View_host& host;
    // Right of the spectrum: the frequency and level under the mouse, from the values drawn.
    QLabel* read_out = nullptr;
    Drawn_spectrum drawn;
    static constexpr int read_out_width = 118;

    void FourierMove(int x);

    void FourierPaint();
    void FourierClick();
    // The signed stage number of the spectrum shown; 0 before the first one.
    int shown_code = 0;
    // The capture the picture was drawn under: a picture of an earlier run or of a closed
    // window is cleared before "no valid input for FFT! " is written.
    Plot_ctrl::Stamp picture;

    bool save_picture(const QString& path) const;
    // The line above a saved picture: the signal whose spectrum it is, with the caption of
    // its plot window while that is open.
    QString caption() const;
    // The context menu's entry: asks for a file (spectrum_<stage>.png) and saves.
    void save_picture_as();
    // Shows the spectrum that another strip shows, without drawing it anew.
    void take_picture(const TFourier_plot& other);
    // The strip below this one: while that is shown, a click leaves this one in place.
    void set_strip_below(const TFourier_plot* strip);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    const TFourier_plot* below = nullptr;
};
