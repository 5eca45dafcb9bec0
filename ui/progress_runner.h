#pragma once
// Runs a long computation on a worker thread while the window keeps repainting. Once it
// has taken show_after_ms, a modal progress dialog with a Cancel button appears. Until
// it ends, mouse and key input reaches only that dialog, so nothing else can use the
// chain meanwhile.

#include "engine/progress.h"

#include <QString>

#include <functional>

class QWidget;

class Progress_runner {
public:
    // Returns true when work finished, false when the user cancelled it. work runs on
    // the worker thread and must not touch widgets. An exception thrown by work is
    // thrown again here, on the user-interface thread, after the worker has ended.
    static bool run(QWidget* parent, const QString& label,
                    const std::function<void(Progress&)>& work);

    static inline int show_after_ms = 500;
    // Tests: called on the worker thread with every reported share; true cancels, as
    // the Cancel button does.
    static inline std::function<bool(double)> cancel_hook;
};
