#pragma once
// The error sweep's dialog: which value, from, to, how many points, linear or
// logarithmic spacing. "run" checks everything before anything happens and names the
// first field or point it refuses. It opens with the last plan when there is one; a
// switch (or the branch count) is offered from one of its two values to the other.

#include "engine/error_sweep.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TSweep_dialog : public QDialog {
    Q_OBJECT
public:
    explicit TSweep_dialog(QWidget* parent, const std::optional<Sweep_plan>& last = std::nullopt);

    QComboBox* parameter = nullptr; // item data: the row in par_rows
    QLineEdit* from = nullptr;
    QLineEdit* to = nullptr;
    QLineEdit* points = nullptr;
    QCheckBox* log_spacing = nullptr;
    QLabel* refusal = nullptr;
    QPushButton* run = nullptr;

    // The checked plan, or nothing with the refusal shown.
    std::optional<Sweep_plan> checked_plan();
    void runClick();

private:
    void parameterChange();
};
