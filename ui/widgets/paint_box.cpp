#include "ui/widgets/paint_box.h"

#include "ui/widgets/progress_runner.h"

#include <QMouseEvent>
#include <QPainter>

Paint_box::Paint_box(QWidget* parent) : QWidget(parent), image(1, 1, QImage::Format_RGB32)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    clear_image();
}

void Paint_box::clear_image() { image.fill(Qt::white); }

void Paint_box::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void Paint_box::resizeEvent(QResizeEvent*)
{
    if (image.size() == size()) return;
    const QImage old = image;
    image = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    clear_image();
    if (!on_resize) return;
    if (Progress_runner::busy()) { // the old picture until the job lets the box redraw
        QPainter painter(&image);
        painter.drawImage(0, 0, old);
    }
    Progress_runner::when_idle(this, on_resize);
}

void Paint_box::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && on_click) on_click();
    QWidget::mousePressEvent(event);
}

void Paint_box::track_mouse(std::function<void(int, int)> moved, std::function<void()> left)
{
    on_move = std::move(moved);
    on_leave = std::move(left);
    setMouseTracking(true);
}

void Paint_box::mouseMoveEvent(QMouseEvent* event)
{
    if (on_move) on_move(event->position().toPoint().x(), event->position().toPoint().y());
    QWidget::mouseMoveEvent(event);
}

void Paint_box::leaveEvent(QEvent* event)
{
    if (on_leave) on_leave();
    QWidget::leaveEvent(event);
}
