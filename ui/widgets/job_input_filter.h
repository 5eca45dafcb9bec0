#pragma once
// The window's side of a running job: user input reaches only the job's progress dialog
// (none before it is shown), and closing the main window asks the job to stop; the window
// is closed once the job has ended.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class Job_input_filter : public QObject {
public:
    // main: the window whose close stops the job (may be null); stop asks the job to stop.
    Job_input_filter(QWidget* main, std::function<void()> stop);

    // The progress dialog, whose input passes from now on.
    void let_through(QWidget* dialog);
    // The main window was closed while the job ran.
    bool close_wanted() const { return closing; }

    bool eventFilter(QObject* target, QEvent* event) override;

private:
    QPointer<QWidget> main;
    QPointer<QWidget> dialog;
    std::function<void()> stop;
    bool closing = false;

    // The widget or platform window of w (real input reaches the platform window first).
    static bool is_window_of(const QObject* target, const QWidget* w);
    bool in_dialog(QObject* target) const;
};
