#include "ui/views/spreading_fcts.h"

#include "engine/elements.h"
#include "engine/number_reader.h"
#include "engine/pn_spread.h"
#include "engine/refusal.h"
#include "engine/walsh_code.h"
#include "plot/fixed_text.h"
#include "plot/narrowed_canvas.h"
#include "plot/plot_gen.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/views/pn_generator.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"
#include "ui/widgets/red_text.h"
#include "ui/widgets/view_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <chrono>
#include <cmath>

namespace {

constexpr std::array<const char*, 4> family_names{"Walsh", "PN U", "PN I", "PN Q"};
constexpr float curve_top = 1.1f;
constexpr int box_left = 520;
constexpr int box_width = 361;
constexpr int box_height = 49;
constexpr int label_gap = 4;    // between a curve box and its label
constexpr int label_width = 90; // to the frame's right edge
constexpr int text_left = 4;    // of a result text in a curve box
constexpr int text_px = 13;
// PN counts beyond the long code's period are refused: 2^42 steps.
constexpr double max_count = 4398046511104.0;

// Whole numbers without decimals, as the captions show them.
std::string whole(double v) { return fixed_text(std::trunc(v), 15, 0); }

QPushButton* red_button(QWidget* parent, const char* text, int left, int top, int width)
{
    auto* b = ::red_button(text, pixel_font("MS Sans Serif", 12, true), parent);
    b->setGeometry(left, top, width, 24);
    return b;
}

QLineEdit* edit(QWidget* parent, int left, int top, int width, bool red)
{
    auto* e = new QLineEdit("0", parent);
    e->setGeometry(left, top, width, 24);
    if (red) e->setStyleSheet(red_text_style());
    return e;
}

long long seconds_since(std::chrono::steady_clock::time_point start)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    return static_cast<long long>(static_cast<double>(ms) * 0.001);
}

// Text broken at blanks into lines no wider than width on canvas (a longer word keeps a
// line of its own).
std::vector<std::string> wrapped(const Canvas& canvas, const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(' ', start), text.size());
        const std::string word = text.substr(start, end - start);
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && canvas.text_width(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

} // namespace

TSpreading_fcts::TSpreading_fcts(QWidget* parent,
                                 const std::array<TPn_generator*, 2>& pn_generators)
    : QWidget(parent), generators(pn_generators)
{
    resize(978, 212);
    setAutoFillBackground(true);
    setFont(pixel_font("MS Sans Serif", 13));
    const std::array<int, 4> tops{3, 57, 110, 163};
    for (size_t k = 0; k < plots.size(); ++k) {
        plots[k] = new Paint_box(this);
        plots[k]->setGeometry(box_left, tops[k], box_width, box_height);
        // Beside the box, so that no curve crosses it.
        labels[k] = new QLabel(this);
        labels[k]->setGeometry(box_left + box_width + label_gap, tops[k], label_width, box_height);
        labels[k]->setFont(pixel_font("Times New Roman", 11));
        labels[k]->setStyleSheet("color: rgb(0, 0, 255)");
        labels[k]->setWordWrap(true);
    }
    caption1 = new QPushButton("  ", this);
    caption1->setGeometry(2, 2, 512, 24);
    caption2 = new QPushButton("  ", this);
    caption2->setGeometry(2, 28, 512, 24);
    for (QPushButton* c : {caption1, caption2}) c->setFont(pixel_font("MS Sans Serif", 13, true));
    input1 = edit(this, 8, 60, 110, true);
    times = new QPushButton("X", this);
    times->setGeometry(120, 60, 20, 24);
    input2 = edit(this, 142, 60, 110, true);
    multiply = red_button(this, "multiply two functions", 258, 60, 256);
    show_gen = red_button(this, "show PN generators", 140, 90, 374);
    input3 = edit(this, 8, 120, 124, false);
    correlate = red_button(this, "  ", 140, 120, 374);
    input4 = edit(this, 8, 150, 124, false);
    max_nr = red_button(this, "enter a nr (> 0) of fcts. to be correlated/generate", 140, 150, 374);
    pn_timing = red_button(this, "  ", 140, 180, 374);
    for (QPushButton* b : {multiply, correlate, show_gen, max_nr, pn_timing})
        connect(b, &QPushButton::clicked, this, [this, b] { multiplyClick(b); });
    forget_family();
    hide();
}

double TSpreading_fcts::wrap(double x) const
{
    const double r = std::fmod(std::trunc(x), fct_count);
    return r < 0 ? r + fct_count : r;
}

void TSpreading_fcts::open(int family_tag)
{
    if (!isHidden())
        FrameClick();
    else if (family_tag != family)
        forget_family(); // hidden by Esc or another view: no reset yet
    View_host::bring_to_front(this);
    tag = family_tag;
    generators[0]->hide();
    generators[1]->hide();
    set_up_family();
}

void TSpreading_fcts::FrameClick()
{
    hide();
    forget_family();
    nr = 0;
    in.fill(0.0);
    for (QPushButton* b : {caption1, caption2}) b->setText("  ");
    generators[0]->hide();
    generators[1]->hide();
}

void TSpreading_fcts::forget_family()
{
    for (QWidget* w : {static_cast<QWidget*>(show_gen), static_cast<QWidget*>(input3),
                       static_cast<QWidget*>(correlate), static_cast<QWidget*>(input4),
                       static_cast<QWidget*>(max_nr), static_cast<QWidget*>(pn_timing)})
        w->hide();
    for (QPushButton* b : {correlate, pn_timing}) b->setText("  ");
    hide_curves();
    text.clear();
}

void TSpreading_fcts::hide_curves()
{
    for (Paint_box* p : plots) p->hide();
    for (QLabel* l : labels) l->hide();
}

void TSpreading_fcts::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) FrameClick();
    QWidget::mousePressEvent(event);
}

void TSpreading_fcts::set_up_family()
{
    family = tag;
    matches = 0;
    if (family == walsh) {
        walsh_obj = get_walsh_code();
        walsh_obj->make_walsh(); // filled by setup; the explorer needs no setup
        fct_count = std::ldexp(1.0, walsh_obj->order);
        points = static_cast<int>(fct_count);
        generators[0]->hide();
        generators[1]->hide();
        for (QWidget* w : {static_cast<QWidget*>(show_gen), static_cast<QWidget*>(input4),
                           static_cast<QWidget*>(max_nr), static_cast<QWidget*>(pn_timing)})
            w->hide();
        input3->show();
        correlate->show();
        nr = fct_count;
        correlate->setText(
            QString::fromStdString("correlate this fct. with " + whole(nr) + "  others"));
    } else {
        const char code = family == pn_u ? 'U' : family == pn_i ? 'I' : 'Q';
        pn = get_pn_spread(code);
        step = family == pn_u   ? &PN_spread::step_u
               : family == pn_i ? &PN_spread::step_i
                                : &PN_spread::step_q;
        mask = family == pn_u ? pn->mask_u : family == pn_i ? pn->mask_i : pn->mask_q;
        reg_len = pn->reg_len;
        nr = in[3];
        points = reg_len;
        fct_count = std::ldexp(1.0, reg_len);
        for (QWidget* w : {static_cast<QWidget*>(show_gen), static_cast<QWidget*>(input4),
                           static_cast<QWidget*>(max_nr)})
            w->show();
    }
    for (size_t k = 0; k < in.size(); ++k) {
        QLineEdit* e = std::array<QLineEdit*, 4>{input1, input2, input3, input4}[k];
        e->setText(QString::fromStdString(whole(in[k])));
    }
    const std::string name = family_names[static_cast<size_t>(std::clamp(family, 1, 4) - 1)];
    caption1->setText(QString::fromStdString("play with " + name +
                                             " functions: enter numbers to choose functions"));
    caption2->setText(QString::fromStdString("(from 0 to " + whole(fct_count - 1) +
                                             ")  and press the selected operation"));
    multiply->setText("multiply two functions");
    show_gen->setText("show PN generators");
    max_nr->setText("enter a nr (> 0) of fcts. to be correlated/generate");
}

bool TSpreading_fcts::read_inputs()
{
    const std::array<QLineEdit*, 4> edits{input1, input2, input3, input4};
    std::array<double, 4> v{};
    for (size_t k = 0; k < edits.size(); ++k) {
        const QString typed = edits[k]->text();
        const Number_read<double> read = read_number(typed.toStdString());
        v[k] = read.value;
        const std::string field = "input" + std::to_string(k + 1);
        const bool count = k == 3;
        if (!read.ok() || (count && (v[k] < 0 || v[k] > max_count))) {
            const std::string range =
                count ? "a count from 0 to " + whole(max_count)
                      : "a function number; it is reduced to 0 to " + whole(fct_count - 1);
            caption2->setText(QString::fromStdString(field + ": '" +
                                                     echo_text(typed.trimmed().toStdString()) +
                                                     "' is refused: enter " + range));
            return false;
        }
    }
    in = v;
    return true;
}

void TSpreading_fcts::pick_operation(QPushButton* sender)
{
    operation = none;
    if (sender == multiply) {
        in[0] = wrap(in[0]);
        in[1] = wrap(in[1]);
        current = in[0];
        operation = product_op;
    } else if (sender == correlate) {
        in[2] = wrap(in[2]);
        current = in[2];
        operation = correlate_op;
    } else if (sender == max_nr) {
        operation = count_op;
    } else if (sender == pn_timing) {
        operation = timing_op;
    } else if (sender == show_gen) {
        if (!generators[0]->isHidden()) {
            in[0] += 1;
            in[1] += 1;
        }
        in[0] = wrap(in[0]);
        if (in[1] == in[0]) in[1] += 1;
        in[1] = wrap(in[1]);
        current = in[0];
        operation = generators_op;
        generators[0]->show();
        generators[1]->show();
        generators[0]->raise();
        generators[1]->raise();
    }
}

void TSpreading_fcts::count_functions()
{
    if (family == walsh) {
        nr = fct_count;
        return;
    }
    if (in[3] > 0) nr = std::trunc(in[3]);
    if (operation == product_op || operation == correlate_op) nr = std::min(nr, fct_count);
    if (operation == count_op) {
        input3->show();
        correlate->show();
        pn_timing->show();
        // Correlation checks at most all N functions (multiplyClick limits nr to N).
        correlate->setText(QString::fromStdString("correlate this fct. with " +
                                                  whole(std::min(nr, fct_count)) + "  others"));
        pn_timing->setText(QString::fromStdString("get the time required to generate " + whole(nr) +
                                                  " PN numbers"));
    }
}

void TSpreading_fcts::multiplyClick(QPushButton* sender)
{
    if (!read_inputs()) return;
    pick_operation(sender);
    hide_curves();
    set_up_family();
    count_functions();
    draw();
}

float TSpreading_fcts::value(double f, std::uint64_t state, int i) const
{
    if (family == walsh) {
        const auto row = static_cast<size_t>(f);
        return 2.0f * static_cast<float>(walsh_obj->wf[row][static_cast<size_t>(i)]) - 1.0f;
    }
    return ((state >> (reg_len - 1 - i)) & 1u) != 0 ? 1.0f : -1.0f;
}

void TSpreading_fcts::plot(int box, const std::string& label, const std::function<float(int)>& at,
                           int count)
{
    const auto k = static_cast<size_t>(box);
    Paint_box& b = *plots[k];
    b.show();
    labels[k]->setText(QString::fromStdString(label));
    labels[k]->show();
    // Every point the same whole number of pixels, rounded down so that all lie inside.
    const int per_point = std::max(1, b.width() / count);
    Curve_frame frame;
    frame.dx = 1.0f; // column x at abscissa x
    frame.y_lo = -curve_top;
    frame.y_hi = curve_top;
    frame.overlay = overlay_flag;
    {
        Qt_canvas canvas(b.image);
        canvas.set_pen(colour::black, 1);
        canvas.set_brush(colour::white);
        canvas.rectangle(0, 0, canvas.width(), canvas.height());
        // The drawer fills columns 0 .. width - 2: the points' columns and no more.
        Narrowed_canvas point_columns(canvas, count * per_point + 1);
        curves.plot(point_columns, frame, [&](float x, const Curve_frame&) {
            return at(std::min(static_cast<int>(x) / per_point, count - 1));
        });
    }
    b.update();
}

void TSpreading_fcts::write(int box, const std::string& line)
{
    const auto k = static_cast<size_t>(box);
    Paint_box& b = *plots[k];
    b.show();
    labels[k]->hide();
    {
        Qt_canvas canvas(b.image);
        canvas.set_pen(colour::black, 1);
        canvas.set_brush(colour::white);
        canvas.rectangle(0, 0, canvas.width(), canvas.height());
        canvas.set_font(text_px, colour::black);
        // In as many lines as it needs, centred in the box's height.
        const std::vector<std::string> lines =
            wrapped(canvas, line, canvas.width() - 2 * text_left);
        const int line_h = text_px + 2;
        int y = std::max(1, (canvas.height() - line_h * static_cast<int>(lines.size())) / 2);
        for (const std::string& l : lines) {
            canvas.text_out(text_left, y, l);
            y += line_h;
        }
    }
    b.update();
}

void TSpreading_fcts::draw()
{
    if (operation == timing_op) {
        draw_timing();
        return;
    }
    if (operation == count_op || operation == none) return;
    if (family != walsh) slot[0] = pn_jump(1, mask, static_cast<std::uint64_t>(current));
    plot(
        0, whole(current) + ". fct.", [this](int i) { return value(current, slot[0], i); }, points);
    if (operation == correlate_op) {
        draw_correlation();
        return;
    }
    draw_products();
}

void TSpreading_fcts::draw_products()
{
    const double second = in[1];
    if (family != walsh) slot[1] = pn_jump(1, mask, static_cast<std::uint64_t>(second));
    plot(
        1, whole(second) + ". fct.", [this, second](int i) { return value(second, slot[1], i); },
        points);
    if (operation == generators_op) show_generators();
    std::vector<float> product(static_cast<size_t>(points));
    std::vector<float> mean(static_cast<size_t>(points));
    float sum = 0.0f;
    for (int i = 0; i < points; ++i) {
        const auto k = static_cast<size_t>(i);
        product[k] = value(current, slot[0], i) * value(second, slot[1], i);
        sum += product[k];
        mean[k] = sum / static_cast<float>(i + 1);
    }
    plot(
        2, " product ", [&](int i) { return product[static_cast<size_t>(i)]; }, points);
    plot(
        3, " integral ", [&](int i) { return mean[static_cast<size_t>(i)]; }, points);
}

void TSpreading_fcts::show_generators()
{
    auto& box1 = *generators[0]->PaintBox;
    auto& box2 = *generators[1]->PaintBox;
    box1.clear_image();
    box2.clear_image();
    {
        Qt_canvas c1(box1.image);
        Qt_canvas c2(box2.image);
        Plot_gen gen;
        gen.init({&c1, &c2}, reg_len, mask);
        gen.draw(0, current, slot[0]);
        gen.draw(1, in[1], slot[1]);
    }
    box1.update();
    box2.update();
}

void TSpreading_fcts::draw_correlation()
{
    if (family == walsh) {
        const auto f = static_cast<size_t>(current);
        walsh_obj->probe.assign(walsh_obj->wf[f].begin(), walsh_obj->wf[f].end());
        walsh_obj->probe_corr.assign(walsh_obj->probe.size(), 0.0f);
        walsh_obj->correlate(walsh_obj->probe.data(), walsh_obj->probe_corr.data());
        plot(
            1, " correlation ",
            [this](int i) { return walsh_obj->probe_corr[static_cast<size_t>(i)]; }, points);
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto count = static_cast<std::uint64_t>(nr);
    Pn_matches m;
    const std::uint64_t target = slot[0];
    const bool finished =
        Progress_runner::run(this, "correlating PN states", [&, target, count](Progress& p) {
            m = find_pn_state(*pn, step, target, count, p);
        });
    matches = m.matches;
    text = " matches: " + whole(matches) + ", identical states: " + m.list;
    if (!finished)
        text += "; cancelled after " + std::to_string(m.states) + " of " + whole(nr) + " states";
    text += "; t = " + std::to_string(seconds_since(start)) + " sec";
    write(1, text);
}

void TSpreading_fcts::draw_timing()
{
    const auto start = std::chrono::steady_clock::now();
    const auto count = static_cast<std::uint64_t>(nr);
    Pn_timing t;
    const bool finished = Progress_runner::run(this, "timing the PN generator", [&](Progress& p) {
        t = time_pn_steps(*pn, step, count, p);
    });
    text = "time for " + whole(nr) + " pn generations: ";
    if (!finished) text += "cancelled after " + std::to_string(t.steps) + " generations, ";
    text += std::to_string(seconds_since(start)) + " sec";
    write(0, text);
}
