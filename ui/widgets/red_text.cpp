#include "ui/widgets/red_text.h"

#include <QPushButton>

QString red_text_style() { return QStringLiteral("color: rgb(255, 0, 0)"); }

QPushButton* red_button(const QString& text, const QFont& font, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setFont(font);
    b->setStyleSheet("QPushButton { " + red_text_style() + "; padding: 0px; }");
    return b;
}
