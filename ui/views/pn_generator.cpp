#include "ui/views/pn_generator.h"

#include "ui/widgets/paint_box.h"
#include "ui/widgets/view_host.h"

#include <QMouseEvent>

TPn_generator::TPn_generator(QWidget* parent, View_host& view_host)
    : QWidget(parent), host(view_host)
{
    resize(1000, 84);
    setAutoFillBackground(true);
    PaintBox = new Paint_box(this);
    PaintBox->setGeometry(0, 0, 990, 73);
    PaintBox->on_click = [this] { PaintBoxClick(); };
    hide();
}

void TPn_generator::PaintBoxClick() { host.clear(this); }

void TPn_generator::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) PaintBoxClick();
    QWidget::mousePressEvent(event);
}
