#include "ui/parameters/parameter_btn.h"

#include "ui/pictures/pixel_font.h"
#include "ui/widgets/menu_host.h"
#include "ui/widgets/red_text.h"

#include <QFont>
#include <QPushButton>

#include <array>

const char* parameter_set_name(int tag)
{
    static constexpr std::array<const char*, 4> names{"start parameters", "analog modulation",
                                                      "band-pass filters", "noise / distortions"};
    if (tag < 1 || tag > 4) return "";
    return names[static_cast<size_t>(tag - 1)];
}

TParameter_btn::TParameter_btn(QWidget* parent, Menu_host& menu_host, int tag)
    : QWidget(parent), host(menu_host)
{
    resize(130, 28);
    button = new QPushButton(parameter_set_name(tag), this);
    button->setGeometry(0, 0, 130, 25);
    button->setProperty("Tag", tag);
    button->setFont(pixel_font("Times New Roman", 15, true));
    button->setStyleSheet(red_text_style());
    PaintBox1 = new QWidget(this);
    PaintBox1->setGeometry(0, 27, 1, 1);
    connect(button, &QPushButton::clicked, this, &TParameter_btn::buttonClick);
}

int TParameter_btn::tag() const { return button->property("Tag").toInt(); }

void TParameter_btn::buttonClick() { host.open_parameter_menu(tag()); }
