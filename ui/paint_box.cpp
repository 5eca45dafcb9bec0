#include "ui/paint_box.h"

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
    image = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    clear_image();
    if (on_resize) on_resize();
}

void Paint_box::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && on_click) on_click();
    QWidget::mousePressEvent(event);
}
