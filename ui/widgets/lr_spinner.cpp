#include "ui/widgets/lr_spinner.h"

#include <QHBoxLayout>
#include <QToolButton>

#include <algorithm>

Lr_spinner::Lr_spinner(QWidget* parent, int low, int high) : QWidget(parent), lo(low), hi(high)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    left = new QToolButton(this);
    left->setArrowType(Qt::LeftArrow);
    right = new QToolButton(this);
    right->setArrowType(Qt::RightArrow);
    for (QToolButton* b : {left, right}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    connect(left, &QToolButton::clicked, this, &Lr_spinner::click_left);
    connect(right, &QToolButton::clicked, this, &Lr_spinner::click_right);
}

void Lr_spinner::set_position(int p) { pos = std::clamp(p, lo, hi); }

void Lr_spinner::click_left() { step(-1); }

void Lr_spinner::click_right() { step(1); }

void Lr_spinner::step(int by)
{
    set_position(pos + by);
    if (on_click) on_click();
}
