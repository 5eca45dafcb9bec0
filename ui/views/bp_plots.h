#pragma once
// The band-pass filter explorer: a panel of the main screen with the filter's centre and
// width, the spectrum range, the test band and type as edits, "show", and four plots:
// y(t) and log |FFT(y)| above, the filtered z(t) and log |FFT(z)| below.

#include "plot/bp_explorer.h"

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class Paint_box;
class View_host;

class TBp_plots : public QFrame {
    Q_OBJECT
public:
    TBp_plots(QWidget* parent, View_host& host);

    QLabel* caption = nullptr;
    QLineEdit* center = nullptr;
    QLineEdit* width = nullptr;
    QLineEdit* fft = nullptr;
    QLineEdit* low = nullptr;
    QLineEdit* high = nullptr;
    QLineEdit* mode = nullptr;
    QPushButton* show = nullptr;
    Paint_box* time1 = nullptr;
    Paint_box* frequency1 = nullptr;
    Paint_box* time2 = nullptr;
    Paint_box* frequency2 = nullptr;
    std::array<Paint_box*, 4> plots{};
    Bp_explorer explorer;

    void FrameClick();
    // Reads, corrects and echoes the edits and draws both rows; a refused edit is named
    // in a message box and nothing is drawn or stored.
    void showClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    View_host& host;
    std::array<QLineEdit*, bp_field_count> edits() const;
    void write_edits();
    QLineEdit* make_edit(int left, int width);
    Paint_box* make_plot(int left, int top);
};
