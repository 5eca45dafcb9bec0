#pragma once
// The help window for students: what each block of the diagram does, what to look at in
// each view, and what the result line means. Opened by F1 and the run-time menu's "help".

#include <QDialog>

class QTextBrowser;

class THelp_window : public QDialog {
    Q_OBJECT
public:
    explicit THelp_window(QWidget* parent);

    QTextBrowser* text = nullptr;

    // Shows the help window of this main window, made on first use, in front.
    static THelp_window* open(QWidget* main);
};

// The help text (HTML).
const char* help_text();
