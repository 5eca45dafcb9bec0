#include "ui/parameters/parameter_menue.h"

#include "engine/number_reader.h"
#include "engine/parameters.h"
#include "plot/fixed_text.h"
#include "ui/pictures/pixel_font.h"
#include "ui/widgets/refusal_box.h"

#include <QFont>
#include <QPalette>
#include <QHideEvent>
#include <QShowEvent>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

std::function<void(QWidget*, const QString&)> TParameter_menue::warn =
    [](QWidget* parent, const QString& text) { refusal_box(parent, text)->exec(); };

namespace {

// The texts of a set; its fields are the rows of par_rows.
struct Set_texts {
    QString heading;
    std::vector<QString> captions; // one per line shown, line 1 first
};

std::vector<Set_texts> make_texts()
{
    std::vector<Set_texts> sets(4);
    sets[0] = {"start parameters (can be modified only now)",
               {"logical stages of the system:",
                "1-conv. encoder/Viterbi   2-de/interleaver     3-Walsh coding/Hadamard",
                "4-PN U de/spread          5-PN I,Q de/spread   6-analog de/modulation",
                "transmitted date: 3, 9 or 36 bytes at a data rate of 14.4 khz (36 bytes == 20 "
                "ms)"}};
    sets[1] = {"parameters for the analog modulation (can be modifed later on)",
               {"DAC: Nyquist pulses to integrate; roll off",
                "ADC: samples/chip; IQ branches 1 or 2 == only I or I and Q",
                "IF freq (MHz; >= 3 bb); IF-mod , IF-demod (0, 1 == no, yes)",
                "RF freq (MHz; >= 3 IF); RF-mod , RF-demod (0, 1 == no, yes)"}};
    sets[2].heading = "filter parameters (can be modifed later on)";
    for (int k = 0; k < 4; ++k)
        sets[2].captions.push_back(QString::number(k + 1) +
                                   ". band-pass: 0/1 - no/yes; center and width (MHz)");
    sets[3] = {"noise and distortion parameters (can be modifed later on)",
               {"noise to signal, unmodulated RF signal", "IF detuning: % of f ; % of 2*pi ",
                "RF detuning: % of f ; % of 2*pi "}};
    return sets;
}

// The texts for a tag, or nullptr for a tag that names no set.
const Set_texts* set_texts(int tag)
{
    static const std::vector<Set_texts> sets = make_texts();
    if (tag < 1 || tag > static_cast<int>(sets.size())) return nullptr;
    return &sets[static_cast<size_t>(tag - 1)];
}

bool in_set(const Par_row& row, int tag) { return static_cast<int>(row.set) == tag; }

QString name_of(const Par_row& row)
{
    return QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size()));
}

void set_text_colour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

// A line caption as a warning names it: blanks run together, and cut after a word when
// long.
QString short_caption(const QString& caption)
{
    constexpr qsizetype longest = 52;
    QString text = caption.simplified();
    if (text.size() <= longest) return text;
    text.truncate(longest);
    const qsizetype blank = text.lastIndexOf(' ');
    if (blank > 0) text.truncate(blank);
    return text + " ...";
}

QString ordinal(int column)
{
    static const char* const names[] = {"1st", "2nd", "3rd"};
    return names[column];
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

void TParameter_menue::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Only a hide of the menu itself: a minimised or closing main window hides it too.
    if (isHidden() && !confirming && on_dismissed) on_dismissed();
}

void TParameter_menue::fill()
{
    const Set_texts* set = set_texts(tag);
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

    for (const Par_row& row : par_rows) {
        if (!in_set(row, tag)) continue;
        const QString text = stored_text(row);
        edit_of(row)->setText(text);
        edit_of(row)->show();
        filled[static_cast<size_t>(row.line)][static_cast<size_t>(row.field)] = text;
    }
}

QString TParameter_menue::stored_text(const Par_row& row) const
{
    if (row.set == Par_set::start)
        return QString::number(row.par == start_nr_stages ? *start_pars.nr_stages
                                                          : *start_pars.data_bytes);
    const double stored = static_cast<double>(*pars[static_cast<size_t>(row.par)]);
    const double v = row.unit == Par_unit::mhz ? stored / hz_per_mhz : stored;
    // A value with more whole digits than the row's precision is still shown whole
    // (10000 pulses, not 1E4).
    int whole_digits = 1;
    for (double m = std::fabs(v); m >= 10.0 && whole_digits < 17; m /= 10.0) ++whole_digits;
    return QString::fromStdString(fixed_text(v, std::max(row.precision, whole_digits), row.digits));
}

QLineEdit* TParameter_menue::edit_of(const Par_row& row) const
{
    return fields[static_cast<size_t>(row.line)][static_cast<size_t>(row.field)];
}

void TParameter_menue::set_quitClick()
{
    // Every field is converted and checked before anything is stored, so a refused set
    // leaves all stored values as they were and the menu open as the user left it.
    const std::function<void()> store = checked_set();
    if (!store) return;
    confirming = true;
    hide_all();
    confirming = false;
    store();
    if (on_confirmed) on_confirmed();
}

std::function<void()> TParameter_menue::checked_set()
{
    if (set_texts(tag) == nullptr) return [] {};
    Par_entry entry;
    entry.confirm(static_cast<Par_set>(tag));
    for (int r = 0; r < par_row_count; ++r)
        if (in_set(par_rows[static_cast<size_t>(r)], tag) && !read_field(entry, r)) return {};
    if (const std::optional<Refusal> refusal = check_entry(entry)) {
        const Par_row& row = par_rows[static_cast<size_t>(refusal->row)];
        refuse(row.line, row.field, name_of(row), QString::fromStdString(refusal->problem));
        return {};
    }
    return [entry] { apply_entry(analog_pars(), entry); };
}

bool TParameter_menue::read_field(Par_entry& entry, int r)
{
    const Par_row& row = par_rows[static_cast<size_t>(r)];
    const QString text = edit_of(row)->text();
    // Untouched, so that the stored value stands exactly (no rounding to the shown digits).
    if (text == filled[static_cast<size_t>(row.line)][static_cast<size_t>(row.field)]) return true;
    const std::string typed = text.toStdString();
    std::optional<Number_refusal> problem;
    if (row.set == Par_set::start) {
        const Number_read<int> v = read_whole(typed);
        if (v.ok()) entry.type_whole(r, v.value);
        problem = v.refusal;
    } else {
        // Beyond the float range an infinity, which the range check then refuses.
        const Number_read<double> v = read_number(typed);
        if (v.ok()) entry.type(r, as_float(v.value), without_blanks(typed));
        problem = v.refusal;
    }
    if (!problem) return true;
    refuse(row.line, row.field, name_of(row),
           QString::fromStdString(unread_problem(r, typed, *problem)));
    return false;
}

void TParameter_menue::refuse(int line, int column, const QString& name, const QString& problem)
{
    QLineEdit* edit = fields[static_cast<size_t>(line)][static_cast<size_t>(column)];
    // What the user sees first (the line and its field), the name in the table after it.
    warn(this, QString("\"%1\", %2 field (%3):\n%4")
                   .arg(short_caption(captions[static_cast<size_t>(line)]->text()), ordinal(column),
                        name, problem));
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
