#include "ui/widgets/click_line.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// Inner margins of the drawn text, as the line edit leaves them.
constexpr int margin_x = 3;
constexpr int margin_y = 2;
constexpr int wrap_flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
constexpr int single_flags = Qt::AlignLeft | Qt::AlignVCenter;

} // namespace

QRect Click_line::text_area() const
{
    return rect().adjusted(margin_x, margin_y, -margin_x, -margin_y);
}

void Click_line::show_text(const QString& text)
{
    if (single_line_px == 0) single_line_px = height();
    setText(text);
    setToolTip(text);
    setCursorPosition(0); // the start in view, whatever happens
    const QFontMetrics metrics(font());
    const int room = width() - 2 * margin_x;
    wrapped_text = metrics.horizontalAdvance(text) > room - 2 * margin_x;
    const int needed =
        wrapped_text
            ? metrics.boundingRect(0, 0, room, 10000, wrap_flags, text).height() + 2 * margin_y + 2
            : 0;
    resize(width(), std::max(single_line_px, needed));
    update();
}

void Click_line::paintEvent(QPaintEvent*)
{
    // Drawn here in both cases: the line edit would scroll a text that nearly fills the box
    // and hide its first characters.
    QPainter painter(this);
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(text_area(), wrapped_text ? wrap_flags : single_flags, text());
}
