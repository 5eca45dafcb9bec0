#pragma once
// The application object: sets the fonts every window uses and shows an exception that
// escapes an event handler in a message box, after which the program goes on.

#include <QApplication>

class Sim_application : public QApplication {
public:
    Sim_application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
