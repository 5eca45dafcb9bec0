#include "ui/sim_application.h"

#include "ui/pixel_font.h"

#include <QFont>
#include <QLocale>
#include <QMessageBox>

#include <clocale>
#include <exception>

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

Sim_application::Sim_application(int& argc, char** argv) : QApplication(argc, argv)
{
    pin_c_numbers();
    install_font_substitutes();
    // Without it a machine with only the Liberation faces falls back to a monospaced one.
    setFont(pixel_font("Times New Roman", 13));
}

bool Sim_application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::critical(activeWindow(), "Error", QString::fromStdString(e.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), "Error", "unknown error");
    }
    return false;
}
