#pragma once
// The eye-pattern view: a panel of the main screen that overlays one-chip traces of the
// transmitted or received signal of one branch; three buttons toggle side, branch and
// running/summing display, "start" draws.

#include "plot/eye_pattern.h"

#include <QFrame>

class QLabel;
class QPushButton;
class Paint_box;
class View_host;

class TEye_patterns : public QFrame {
    Q_OBJECT
public:
    TEye_patterns(QWidget* parent, View_host& host);

    Paint_box* plot = nullptr;
    QPushButton* xmit_rcve = nullptr;
    QPushButton* I_Q = nullptr;
    QPushButton* run_sum = nullptr;
    QPushButton* start = nullptr;
    QLabel* caption = nullptr;
    QLabel* caption2 = nullptr;
    Eye_pattern eye;

    void FrameClick();
    void optionsClick(QPushButton* sender);
    // Writes the mode into the caption: the branch "start" draws with the current
    // parameters.
    void plotPaint();
    // Draws the eye pattern of the last run, or says on the error line why it cannot.
    void startClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // The caption for the current parameters; the eye of an earlier run is cleared.
    void showEvent(QShowEvent* event) override;

private:
    View_host& host;
    long long picture_run = -1; // the run whose eye the box shows
    QPushButton* make_button(const char* caption, int top);
};
