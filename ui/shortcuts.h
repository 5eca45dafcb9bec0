#pragma once
// The main screen's keys: F1 help, Esc hides the open teaching view, Ctrl+W closes the
// plot window in front, Ctrl+R runs while the run button is offered.

#include <QObject>

class TMain_screen;

class TShortcuts : public QObject {
    Q_OBJECT
public:
    explicit TShortcuts(TMain_screen& main);

    void helpKey();
    void escapeKey();
    void closeKey();
    void runKey();

private:
    TMain_screen& main;
};
