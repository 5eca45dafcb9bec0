#pragma once
// The constellation view: a panel of the main screen that shows every chip of the last run
// as an I/Q point, the ADC's soft chips or the chips the DAC is given; "xmit/rcve" toggles
// between them.

#include "plot/constellation.h"

#include <QFrame>

class QLabel;
class QPushButton;
class Paint_box;
class View_host;

class TConstellation_view : public QFrame {
    Q_OBJECT
public:
    TConstellation_view(QWidget* parent, View_host& host);

    Paint_box* plot = nullptr;
    QPushButton* xmit_rcve = nullptr;
    QLabel* caption = nullptr;
    Constellation constellation;

    void FrameClick();
    void xmit_rcveClick();
    // Draws the constellation of the last run and writes its caption, or clears the box
    // and says on the error line why there is none.
    void plotPaint();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Every opening shows the present run: a picture of an earlier one is gone.
    void showEvent(QShowEvent* event) override;

private:
    View_host& host;
};
