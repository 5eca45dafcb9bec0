#include "ui/sweep_dialog.h"

#include "engine/number_reader.h"
#include "engine/par_entry.h"
#include "engine/par_rows.h"
#include "engine/parameters.h"

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
    return row.unit == Par_unit::mhz ? static_cast<float>(static_cast<double>(v) / 1.0e6) : v;
}

// The refusal of a field, as `field: "text" is not a number`; "" when it reads.
QString refusal_of(const char* field, const QLineEdit* edit, std::optional<Number_refusal> why,
                   const char* allowed = "")
{
    if (!why) return {};
    return QString(field) + ": \"" + edit->text() + "\" " +
           QString::fromStdString(refusal_text(*why)) + allowed;
}

} // namespace

TSweep_dialog::TSweep_dialog(QWidget* parent) : QDialog(parent)
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
    points = new QLineEdit("11", this);
    log_spacing = new QCheckBox("logarithmic spacing", this);
    refusal = new QLabel(this);
    refusal->setStyleSheet("color: rgb(255, 0, 0)");
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
    const int noise = parameter->findData(par_row_named("noise_to_signal"));
    parameter->setCurrentIndex(noise);
    parameterChange();
}

void TSweep_dialog::parameterChange()
{
    // A start around the stored value: half to twice it, or 0 to 10 from 0.
    constexpr float from_zero_to = 10.0f;
    const Par_row& row = par_rows[static_cast<size_t>(parameter->currentData().toInt())];
    const float v = shown_value(row);
    const float hi = row.hi;
    const float a = v == 0.0f ? 0.0f : v / 2;
    const float b = v == 0.0f ? std::min(hi, from_zero_to) : std::clamp(v * 2, -hi, hi);
    from->setText(QString::number(static_cast<double>(a)));
    to->setText(QString::number(static_cast<double>(b)));
    if (row.name == "noise_to_signal") to->setText("20");
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
    QString why = refusal_of("from", from, a.refusal);
    if (why.isEmpty()) why = refusal_of("to", to, b.refusal);
    if (why.isEmpty()) why = refusal_of("points", points, n.refusal, " (allowed are 2 to 200)");
    if (!why.isEmpty()) {
        refusal->setText(why);
        return std::nullopt;
    }
    // Beyond the float range an infinity, which check_sweep refuses.
    plan.from = as_float(a.value);
    plan.to = as_float(b.value);
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
