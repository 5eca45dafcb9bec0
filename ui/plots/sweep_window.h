#pragma once
// The sweep window: the picture of an error sweep, with a linear or log share axis, and
// "Save picture..." and "Save values..." as the plot windows have them.

#include "engine/error_sweep.h"

#include <QMdiSubWindow>

class QCheckBox;
class QPushButton;
class Paint_box;

class TSweep_window : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TSweep_window(Sweep_result result);

    // Window tag: no stage code and no menu, so Erase and the redraws leave it alone.
    static constexpr int window_tag = 3000;

    Paint_box* picture = nullptr;
    QCheckBox* log_y = nullptr;
    QPushButton* save_picture = nullptr;
    QPushButton* save_values = nullptr;
    const Sweep_result& result() const { return swept; }

    void redraw();
    void save_pictureClick();
    void save_valuesClick();

private:
    Sweep_result swept;
    // The suggested file name: sweep_<parameter>.<suffix>.
    QString file_name(const char* suffix) const;
};
