#pragma once
// Where the next child window of one kind goes: each one step below and right of the one
// before; when the next would leave the area, back at the first place, one step further
// right on every wrap.

#include <QPoint>
#include <QRect>
#include <QSize>

class Cascade {
public:
    Cascade(QPoint first, QSize window, int step);

    // The next window goes to the first place again.
    void restart();
    // The place of the next window in an area of `room`; the place after it moves on.
    QRect place(QSize room);

private:
    QPoint first;
    QSize window;
    int step;
    QPoint next;
    int wraps = 0; // times the cascade went back to its first place
};
