#include "ui/pictures/text_setup.h"

#include <QFont>
#include <QLocale>

#include <clocale>

void install_font_substitutes()
{
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
}

void pin_c_numbers()
{
    std::setlocale(LC_NUMERIC, "C");
    // Qt's own widgets (the progress bar's percentage) write their numbers the same way.
    QLocale::setDefault(QLocale::c());
}
