#include "ui/parameter_menue.h"

#include "plot/fixed_text.h"
#include "ui/pixel_font.h"

#include <QFont>
#include <QMessageBox>
#include <QPalette>
#include <QRegularExpression>
#include <QShowEvent>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

static_assert(par_count == 28, "the menu addresses the analog block by its 28 indices");

std::function<void(QWidget*, const QString&)> TParameter_menue::warn = [](QWidget* parent,
                                                                          const QString& text) {
    QMessageBox::warning(parent, "parameters not stored", text);
};

namespace {

// One entry field of a set and the value behind it.
struct Field {
    int line;   // 0..3
    int column; // 0..2: data1 .. data3
    const char* name;
    int par;       // index into par_table; in the start set 0 nr_stages, 1 data_bytes
    int precision; // shown as fixed_text(value, precision, digits)
    int digits;
    bool mhz; // shown and typed in MHz, stored in Hz
};

struct Set_layout {
    QString heading;
    std::vector<QString> captions; // one per line shown, line 1 first
    std::vector<Field> fields;
};

constexpr double hz_per_mhz = 1.0e6;

std::vector<Set_layout> make_layouts()
{
    std::vector<Set_layout> sets(4);
    sets[0] = {"start parameters (can be modified only now)",
               {"logical stages of the system:",
                "1-conv. encoder/Viterbi   2-de/interleaver     3-Walsh coding/Hadamard",
                "4-PN U de/spread          5-PN I,Q de/spread   6-analog de/modulation",
                "transmitted date: 3, 9 or 36 bytes at a data rate of 14.4 khz (36 bytes == 20 "
                "ms)"},
               {{2, 0, "nr_stages", 0, 0, 0, false}, {3, 0, "data_bytes", 1, 0, 0, false}}};
    sets[1] = {"parameters for the analog modulation (can be modifed later on)",
               {"DAC: Nyquist pulses to integrate; roll off",
                "ADC: samples/chip; IQ branches 1 or 2 == only I or I and Q",
                "IF freq (MHz; >= 3 bb); IF-mod , IF-demod (0, 1 == no, yes)",
                "RF freq (MHz; >= 3 IF); RF-mod , RF-demod (0, 1 == no, yes)"},
               {{0, 0, "nyquist_pulses", par_nyquist_pulses, 3, 0, false},
                {0, 1, "roll_off", par_roll_off, 5, 2, false},
                {1, 0, "samples_per_chip", par_samples_per_chip, 3, 0, false},
                {1, 1, "iq_branches", par_iq_branches, 3, 0, false},
                {2, 0, "if_freq", par_if_freq, 7, 2, true},
                {2, 1, "if_mod", par_if_mod, 3, 0, false},
                {2, 2, "if_demod", par_if_demod, 3, 0, false},
                {3, 0, "rf_freq", par_rf_freq, 7, 2, true},
                {3, 1, "rf_mod", par_rf_mod, 3, 0, false},
                {3, 2, "rf_demod", par_rf_demod, 3, 0, false}}};
    sets[2].heading = "filter parameters (can be modifed later on)";
    // Filter k (0..3) on line k; its switch, centre and width follow each other in par_table.
    static const char* const filter_names[4][3] = {{"bp_on1", "bp_center1", "bp_width1"},
                                                   {"bp_on2", "bp_center2", "bp_width2"},
                                                   {"bp_on3", "bp_center3", "bp_width3"},
                                                   {"bp_on4", "bp_center4", "bp_width4"}};
    for (int k = 0; k < 4; ++k) {
        sets[2].captions.push_back(QString::number(k + 1) +
                                   ". band-pass: 0/1 - no/yes; center and width (MHz)");
        const int first = par_bp_first + 3 * k;
        sets[2].fields.push_back({k, 0, filter_names[k][0], first, 3, 0, false});
        sets[2].fields.push_back({k, 1, filter_names[k][1], first + 1, 6, 2, true});
        sets[2].fields.push_back({k, 2, filter_names[k][2], first + 2, 6, 2, true});
    }
    sets[3] = {"noise and distortion parameters (can be modifed later on)",
               {"noise to signal, unmodulated RF signal", "IF detuning: % of f ; % of 2*pi ",
                "RF detuning: % of f ; % of 2*pi "},
               {{0, 0, "noise_to_signal", par_noise_to_signal, 4, 1, false},
                {1, 0, "if_detune_pct", par_if_detune_pct, 4, 0, false},
                {1, 1, "if_phase_pct", par_if_phase_pct, 4, 0, false},
                {2, 0, "rf_detune_pct", par_rf_detune_pct, 4, 0, false},
                {2, 1, "rf_phase_pct", par_rf_phase_pct, 4, 0, false}}};
    return sets;
}

// The set for a tag, or nullptr for a tag that names none.
const Set_layout* set_layout(int tag)
{
    static const std::vector<Set_layout> sets = make_layouts();
    if (tag < 1 || tag > static_cast<int>(sets.size())) return nullptr;
    return &sets[static_cast<size_t>(tag - 1)];
}

void set_text_colour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

QString ordinal(int column)
{
    static const char* const names[] = {"1st", "2nd", "3rd"};
    return names[column];
}

// std::from_chars wants no leading '+'.
std::string without_plus(const QString& text)
{
    std::string s = text.toStdString();
    if (!s.empty() && s[0] == '+') s.erase(0, 1);
    return s;
}

// A whole decimal number with an optional sign and surrounding blanks; on failure
// `problem` says why.
std::optional<int> to_int(const QString& text, QString& problem)
{
    static const QRegularExpression whole("^[+-]?[0-9]+$");
    const QString t = text.trimmed();
    if (!whole.match(t).hasMatch()) {
        problem = "is not a whole number";
        return std::nullopt;
    }
    const std::string s = without_plus(t);
    int v = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), v);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size()) {
        problem = "is outside the range of whole numbers";
        return std::nullopt;
    }
    return v;
}

// A decimal number as a user types it: optional sign, decimal point and exponent,
// surrounded by blanks. No names (inf, nan), no hexadecimal, nothing after the number.
std::optional<float> to_float(const QString& text, QString& problem)
{
    static const QRegularExpression number("^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?$");
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch()) {
        problem = "is not a number";
        return std::nullopt;
    }
    const std::string s = without_plus(t);
    double v = 0.0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), v);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size() ||
        std::abs(v) > static_cast<double>(std::numeric_limits<float>::max())) {
        problem = "is outside the range of numbers";
        return std::nullopt;
    }
    return static_cast<float>(v);
}

} // namespace

TParameter_menue::TParameter_menue(QWidget* parent) : QWidget(parent)
{
    resize(806, 239);
    setFont(pixel_font("Times New Roman", 13));
    // Opaque, so that the child windows it lies over do not show through.
    setAutoFillBackground(true);

    PaintBox1 = new QWidget(this);
    PaintBox1->setGeometry(672, 8, 33, 49);

    caption1 = new QLabel(this);
    caption1->setTextFormat(Qt::PlainText);
    caption1->setFont(pixel_font("Times New Roman", 17));
    set_text_colour(caption1, QPalette::WindowText, Qt::red);
    caption1->move(30, 8);

    set_quit = new QPushButton("use these parameters", this);
    set_quit->setFont(pixel_font("MS Sans Serif", 20));
    set_text_colour(set_quit, QPalette::ButtonText, Qt::red);
    set_quit->setGeometry(288, 198, 313, 25);
    connect(set_quit, &QPushButton::clicked, this, &TParameter_menue::set_quitClick);

    parameter_line1 = new TParameter_line(this);
    parameter_line2 = new TParameter_line(this);
    parameter_line3 = new TParameter_line(this);
    parameter_line4 = new TParameter_line(this);
    lines = {parameter_line1, parameter_line2, parameter_line3, parameter_line4};
    constexpr int line_left = 10;
    constexpr int first_line_top = 40;
    constexpr int line_spacing = 40;
    for (int i = 0; i < line_count; ++i) {
        TParameter_line* line = lines[static_cast<size_t>(i)];
        line->move(line_left, first_line_top + line_spacing * i);
        captions[static_cast<size_t>(i)] = line->caption;
        fields[static_cast<size_t>(i)] = {line->data1, line->data2, line->data3};
    }

    hide();
}

void TParameter_menue::showEvent(QShowEvent* event)
{
    // Only when the menu is opened: restoring the minimised main window must not put the
    // stored values back over what the user has typed.
    if (!event->spontaneous()) fill();
    QWidget::showEvent(event);
}

void TParameter_menue::fill()
{
    const Set_layout* set = set_layout(tag);
    if (set == nullptr) return;
    start_pars = get_start_pars();
    pars = get_analog_pars();

    caption1->setText(set->heading);
    caption1->adjustSize();
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool used = i < set->captions.size();
        captions[i]->setText(used ? set->captions[i] : QString());
        captions[i]->adjustSize();
        lines[i]->setVisible(used);
        // Fields the set does not use are hidden, whatever set was open before.
        for (size_t j = 0; j < fields[i].size(); ++j) {
            fields[i][j]->hide();
            filled[i][j].clear();
        }
    }

    for (const Field& f : set->fields) {
        QString text;
        if (tag == 1) {
            text = QString::number(f.par == 0 ? *start_pars.nr_stages : *start_pars.data_bytes);
        } else {
            const double v = static_cast<double>(*pars[static_cast<size_t>(f.par)]);
            text = QString::fromStdString(
                fixed_text(f.mhz ? v / hz_per_mhz : v, f.precision, f.digits));
        }
        QLineEdit* edit = fields[static_cast<size_t>(f.line)][static_cast<size_t>(f.column)];
        edit->setText(text);
        edit->show();
        filled[static_cast<size_t>(f.line)][static_cast<size_t>(f.column)] = text;
    }
}

void TParameter_menue::set_quitClick()
{
    // Every field is converted and checked before anything is stored, so a refused set
    // leaves all stored values as they were and the menu open as the user left it.
    const std::function<void()> store = checked_set();
    if (!store) return;
    hide_all();
    store();
    if (on_confirmed) on_confirmed();
}

std::function<void()> TParameter_menue::checked_set()
{
    const Set_layout* set = set_layout(tag);
    if (set == nullptr) return [] {};

    const auto edit_of = [this](const Field& f) {
        return fields[static_cast<size_t>(f.line)][static_cast<size_t>(f.column)];
    };
    QString problem;
    // The engine names the field first ("roll_off = 2 is out of range: ...").
    const auto accepted = [this, set](const std::string& message) {
        if (message.empty()) return true;
        const QString text = QString::fromStdString(message);
        for (const Field& f : set->fields) {
            const QString prefix = QString(f.name) + " = ";
            if (text.startsWith(prefix)) {
                refuse(f.line, f.column, f.name, text.mid(prefix.size()));
                return false;
            }
        }
        warn(this, text);
        return false;
    };

    if (tag == 1) {
        std::array<int, 2> v{};
        for (const Field& f : set->fields) {
            const std::optional<int> n = to_int(edit_of(f)->text(), problem);
            if (!n) {
                refuse(f.line, f.column, f.name, "\"" + edit_of(f)->text() + "\" " + problem);
                return {};
            }
            v[static_cast<size_t>(f.par)] = *n;
        }
        return [v] { apply_start_pars(v[0], v[1]); };
    }

    // Typed values in menu units, by par_table index; none where the text is still the
    // fill's, so that the stored value stands exactly (no rounding to the shown digits).
    std::array<std::optional<float>, par_count> typed;
    for (const Field& f : set->fields) {
        const QString text = edit_of(f)->text();
        if (text == filled[static_cast<size_t>(f.line)][static_cast<size_t>(f.column)]) continue;
        const std::optional<float> v = to_float(text, problem);
        if (!v) {
            refuse(f.line, f.column, f.name, "\"" + text + "\" " + problem);
            return {};
        }
        typed[static_cast<size_t>(f.par)] = v;
    }
    const auto at = [&typed](int par) { return typed[static_cast<size_t>(par)]; };
    const auto take = [&at](float& value, int par) {
        if (at(par)) value = *at(par);
    };

    Analog_pars& p = analog_pars();
    if (tag == 2) {
        Analog_entry e = current_analog_entry(p);
        take(e.nyquist_pulses, par_nyquist_pulses);
        take(e.roll_off, par_roll_off);
        take(e.samples_per_chip, par_samples_per_chip);
        take(e.iq_branches, par_iq_branches);
        e.if_mhz = at(par_if_freq);
        take(e.if_mod, par_if_mod);
        take(e.if_demod, par_if_demod);
        e.rf_mhz = at(par_rf_freq);
        take(e.rf_mod, par_rf_mod);
        take(e.rf_demod, par_rf_demod);
        if (!accepted(check_analog_entry(e))) return {};
        return [e] { apply_analog_pars(analog_pars(), e); };
    }
    if (tag == 3) {
        Filter_entry e = current_filter_entry(p);
        for (size_t k = 0; k < e.size(); ++k) {
            const int first = par_bp_first + 3 * static_cast<int>(k);
            take(e[k].on, first);
            e[k].center_mhz = at(first + 1);
            e[k].width_mhz = at(first + 2);
        }
        if (!accepted(check_filter_entry(e))) return {};
        return [e] { apply_filter_pars(analog_pars(), e); };
    }
    Noise_entry e = current_noise_entry(p);
    take(e.noise_to_signal, par_noise_to_signal);
    take(e.if_detune_pct, par_if_detune_pct);
    take(e.if_phase_pct, par_if_phase_pct);
    take(e.rf_detune_pct, par_rf_detune_pct);
    take(e.rf_phase_pct, par_rf_phase_pct);
    if (!accepted(check_noise_entry(e))) return {};
    return [e] { apply_noise_pars(analog_pars(), e); };
}

void TParameter_menue::refuse(int line, int column, const QString& name, const QString& problem)
{
    QLineEdit* edit = fields[static_cast<size_t>(line)][static_cast<size_t>(column)];
    warn(this,
         QString("%1 (\"%2\", %3 field): %4")
             .arg(name, captions[static_cast<size_t>(line)]->text(), ordinal(column), problem));
    edit->setFocus();
}

void TParameter_menue::hide_all()
{
    hide();
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i]->hide();
        for (QLineEdit* edit : fields[i]) edit->hide();
    }
}
