#include "ui/windows/sim_application.h"

#include "ui/pictures/pixel_font.h"
#include "ui/pictures/text_setup.h"

#include <QFont>
#include <QMessageBox>

#include <exception>

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
