#include "ui/parameters/parameter_line.h"

#include "ui/pictures/pixel_font.h"

#include <QFont>
#include <QPalette>

namespace {

QLineEdit* entry_field(QWidget* parent, int left, int width)
{
    constexpr int top = 0;
    constexpr int height = 23;
    auto* field = new QLineEdit(parent);
    field->setGeometry(left, top, width, height);
    field->hide();
    return field;
}

} // namespace

TParameter_line::TParameter_line(QWidget* parent) : QWidget(parent)
{
    resize(766, 26);
    setFont(pixel_font("Times New Roman", 13));

    caption = new QLabel(this);
    caption->setTextFormat(Qt::PlainText);
    caption->setFont(pixel_font("Times New Roman", 15));
    caption->move(8, 8);
    QPalette face = caption->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    caption->setPalette(face);
    caption->setAutoFillBackground(true);

    data1 = entry_field(this, 528, 81);
    data2 = entry_field(this, 608, 81);
    data3 = entry_field(this, 688, 73);

    hide();
}
