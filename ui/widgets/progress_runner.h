#pragma once
// Runs a long computation (a job) on a worker thread while the window keeps repainting.
// Once it has taken show_after_ms, a progress dialog with a Cancel button appears; Cancel,
// Esc and the dialog's close box stop the job. Until the job ends, mouse and key input
// reaches only that dialog, and closing the main window stops the job and closes the
// window once it has ended.
//
// The hand-over rule: while a job runs, the worker alone uses the engine objects (stages,
// analog stage, plot control, FFT, the run's flags). Window handlers that would read or
// write them (a resize that redraws a plot, a shown spectrum) wait through when_idle;
// meanwhile windows repaint from the pictures they already hold.

#include "engine/progress.h"

#include <QString>

#include <functional>

class QObject;
class QWidget;

class Progress_runner {
public:
    // Returns true when work finished, false when the user stopped it. work runs on the
    // worker thread and must not touch widgets. An exception thrown by work is thrown
    // again here, on the user-interface thread, after the worker has ended.
    static bool run(QWidget* parent, const QString& label,
                    const std::function<void(Progress&)>& work);

    // Whether a job is running.
    static bool busy();
    // Runs action now when no job runs; otherwise once the job has ended and the handler
    // that started it has returned. An owner has one waiting action (a later one takes
    // its place), dropped when the owner is deleted first.
    static void when_idle(QObject* owner, std::function<void()> action);

    static inline int show_after_ms = 500;
    // Tests: called on the worker thread with every reported share; true cancels, as
    // the Cancel button does.
    static inline std::function<bool(double)> cancel_hook;
};
