#pragma once
// The application object: sets the fonts every window uses and shows an exception that
// escapes an event handler in a message box, after which the program goes on.

#include <QApplication>

class Sim_application : public QApplication {
public:
    Sim_application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The faces the windows ask for are mapped to the metric-compatible Liberation faces.
void install_font_substitutes();

// Sets the C library's number conventions (LC_NUMERIC) and Qt's default locale back to
// "C" after an application object has set them from the environment. The program formats and reads
// its numbers without the C library's locale; this also keeps any library it calls from writing or
// reading a decimal comma.
void pin_c_numbers();
