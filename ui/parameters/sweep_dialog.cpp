#include "ui/parameters/sweep_dialog.h"

#include "engine/number_reader.h"
#include "engine/number_text.h"
#include "engine/par_entry.h"
#include "engine/par_rows.h"
#include "engine/parameters.h"
#include "engine/refusal.h"
#include "ui/widgets/red_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString unit_text(const Par_row& row)
{
    switch (row.unit) {
    case Par_unit::mhz: return " (MHz)";
    case Par_unit::pct: return " (%)";
    case Par_unit::none: break;
    }
    return "";
}

// The stored value of a row in the row's unit, as a start for from and to.
float shown_value(const Par_row& row)
{
    const float v = *analog_pars().par_table[static_cast<size_t>(row.par)];
    return row.unit == Par_unit::mhz ? static_cast<float>(static_cast<double>(v) / hz_per_mhz) : v;
}

// The refusal of a field, as `field: "text" is not a number (allowed ...)`; "" when it
// reads.
QString refusal_of(const char* field, const QLineEdit* edit, std::optional<Number_refusal> why,
                   const std::string& allowed)
{
    if (!why) return {};
    return QString(field) + ": \"" + QString::fromStdString(echo_text(edit->text().toStdString())) +
           "\" " + QString::fromStdString(refusal_text(*why) + " (" + allowed + ")");
}

// Fewest digits that read back as v (a float or a typed double).
template <typename T> QString text_of(T v) { return QString::fromStdString(shortest_text(v)); }

QString whole_text(int n) { return QString::fromStdString(std::to_string(n)); }

} // namespace

TSweep_dialog::TSweep_dialog(QWidget* parent, const std::optional<Sweep_plan>& last)
    : QDialog(parent)
{
    setWindowTitle("error sweep");
    parameter = new QComboBox(this);
    for (int r = 0; r < par_row_count; ++r) {
        const Par_row& row = par_rows[static_cast<size_t>(r)];
        if (row.set == Par_set::start) continue;
        parameter->addItem(
            QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())) +
                unit_text(row),
            r);
    }
    from = new QLineEdit(this);
    to = new QLineEdit(this);
    points = new QLineEdit(this);
    log_spacing = new QCheckBox("logarithmic spacing", this);
    refusal = new QLabel(this);
    refusal->setStyleSheet(red_text_style());
    refusal->setWordWrap(true);
    run = new QPushButton("run", this);
    run->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow("parameter", parameter);
    form->addRow("from", from);
    form->addRow("to", to);
    form->addRow("points (2 to 200)", points);
    form->addRow("", log_spacing);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(refusal);
    layout->addWidget(run);

    connect(parameter, &QComboBox::currentIndexChanged, this, &TSweep_dialog::parameterChange);
    connect(run, &QPushButton::clicked, this, &TSweep_dialog::runClick);
    const int start_row = last ? last->row : par_row_named("noise_to_signal");
    parameter->setCurrentIndex(std::max(0, parameter->findData(start_row)));
    parameterChange();
    if (!last) return;
    from->setText(text_of(last->from));
    to->setText(text_of(last->to));
    points->setText(whole_text(last->points));
    log_spacing->setChecked(last->log);
}

void TSweep_dialog::parameterChange()
{
    const int r = parameter->currentData().toInt();
    const Par_row& row = par_rows[static_cast<size_t>(r)];
    const Sweep_plan both_values{r, row.lo, row.hi, 0, false};
    if (const std::optional<int> n = whole_value_points(both_values)) {
        // The two values it takes, one point each.
        from->setText(text_of(row.lo));
        to->setText(text_of(row.hi));
        points->setText(whole_text(*n));
    } else {
        // A start around the stored value: half to twice it, or 0 to 10 from 0.
        constexpr float from_zero_to = 10.0f;
        const float v = shown_value(row);
        const float hi = row.hi;
        const float a = v == 0.0f ? 0.0f : v / 2;
        const float b = v == 0.0f ? std::min(hi, from_zero_to) : std::clamp(v * 2, -hi, hi);
        from->setText(text_of(a));
        to->setText(row.name == "noise_to_signal" ? "20" : text_of(b));
        points->setText(whole_text(default_sweep_points));
    }
    refusal->clear();
}

std::optional<Sweep_plan> TSweep_dialog::checked_plan()
{
    Sweep_plan plan;
    plan.row = parameter->currentData().toInt();
    plan.log = log_spacing->isChecked();
    const Number_read<double> a = read_number(from->text().toStdString());
    const Number_read<double> b = read_number(to->text().toStdString());
    const Number_read<int> n = read_whole(points->text().toStdString());
    const std::string ends = allowed_text(par_rows[static_cast<size_t>(plan.row)]);
    QString why = refusal_of("from", from, a.refusal, ends);
    if (why.isEmpty()) why = refusal_of("to", to, b.refusal, ends);
    if (why.isEmpty())
        why = refusal_of("points", points, n.refusal,
                         "allowed are " + std::to_string(min_sweep_points) + " to " +
                             std::to_string(max_sweep_points));
    if (!why.isEmpty()) {
        refusal->setText(why);
        return std::nullopt;
    }
    plan.from = a.value;
    plan.to = b.value;
    plan.points = n.value;
    if (const std::optional<std::string> problem = check_sweep(plan)) {
        refusal->setText(QString::fromStdString(*problem));
        return std::nullopt;
    }
    refusal->clear();
    return plan;
}

void TSweep_dialog::runClick()
{
    if (checked_plan()) accept();
}
