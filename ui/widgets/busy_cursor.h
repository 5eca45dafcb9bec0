#pragma once
// The busy cursor while the window thread draws something that can take a while without
// a progress dialog (a plot of many pulses): set on construction, given back on
// destruction. A short drawing ends before the cursor is seen.

#include <QGuiApplication>

class Busy_cursor {
public:
    Busy_cursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy_cursor() { QGuiApplication::restoreOverrideCursor(); }
    Busy_cursor(const Busy_cursor&) = delete;
    Busy_cursor& operator=(const Busy_cursor&) = delete;
};
