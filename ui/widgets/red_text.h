#pragma once
// The red of the texts that stand out: the buttons that open a view, a menu or a dialog,
// and a refusal.

#include <QString>

class QFont;
class QPushButton;
class QWidget;

// The style sheet of a widget whose text is red.
QString red_text_style();
// A push button with red text and no padding in the font; its geometry is the caller's.
QPushButton* red_button(const QString& text, const QFont& font, QWidget* parent);
