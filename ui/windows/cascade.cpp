#include "ui/windows/cascade.h"

#include <algorithm>

Cascade::Cascade(QPoint first_place, QSize window_size, int cascade_step)
    : first(first_place), window(window_size), step(cascade_step), next(first_place)
{}

void Cascade::restart()
{
    next = first;
    wraps = 0;
}

QRect Cascade::place(QSize room)
{
    if (next.y() + window.height() > room.height() || next.x() + window.width() > room.width()) {
        ++wraps;
        const int across = std::max(step, room.width() - window.width() - first.x());
        next = QPoint(first.x() + (wraps * step) % across, first.y());
    }
    const QRect at(next, window);
    next += QPoint(step, step);
    return at;
}
