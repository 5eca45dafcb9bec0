#pragma once
// The main screen's keys: F1 help, Esc hides the open teaching view, Ctrl+W closes the
// plot window in front, Ctrl+R runs while the run button is offered and otherwise says on
// the error line what brings it back.

#include <QObject>

class Menu_host;

class TShortcuts : public QObject {
    Q_OBJECT
public:
    explicit TShortcuts(Menu_host& host);

    void helpKey();
    void escapeKey();
    void closeKey();
    void runKey();

    static constexpr const char* before_setup_hint =
        "Ctrl+R runs the chain once it is set up: press 'setup' first";
    static constexpr const char* run_hidden_hint =
        "Ctrl+R: 'xmit/rcve' is offered again once a parameter set is confirmed "
        "('use these parameters') or a lesson file is loaded";

private:
    Menu_host& host;
};
