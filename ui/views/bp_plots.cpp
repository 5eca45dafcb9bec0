#include "ui/views/bp_plots.h"

#include "plot/plot_objects.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/vector_state.h"
#include "ui/pictures/view_boxes.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/view_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr int frame_width = 1024;
constexpr int frame_height = 301;
constexpr int edit_top = 28;
constexpr int edit_height = 22;
// Views of the mask bits 1 to 1024: every view but the explorer and the Viterbi view.
constexpr int views_below_explorer = 2047;

} // namespace

TBp_plots::TBp_plots(QWidget* parent, View_host& view_host) : QFrame(parent), host(view_host)
{
    resize(frame_width, frame_height);
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    caption = new QLabel("set  center freq and  width of the filter;  the FFT range; lower and "
                         "upper freqs (MHz) of  the test signal and its  type (1/ 2)  and press "
                         "\"show\"",
                         this);
    caption->move(0, 6);
    center = make_edit(24, 81);
    width = make_edit(128, 73);
    fft = make_edit(280, 65);
    low = make_edit(368, 65);
    high = make_edit(448, 65);
    mode = make_edit(768, 25);
    const std::array<QLineEdit*, bp_field_count> named = edits();
    for (int f = 0; f < bp_field_count; ++f)
        named[static_cast<size_t>(f)]->setObjectName(bp_field_name(static_cast<Bp_field>(f)));

    show = new QPushButton("show", this);
    show->setGeometry(832, 34, 107, 39);
    show->setFont(pixel_font("MS Sans Serif", 13, true));
    connect(show, &QPushButton::clicked, this, &TBp_plots::showClick);

    time1 = make_plot(0, bp_row_top[0]);
    frequency1 = make_plot(bp_plot_width, bp_row_top[0]);
    time2 = make_plot(0, bp_row_top[1]);
    frequency2 = make_plot(bp_plot_width, bp_row_top[1]);
    plots = {time1, frequency1, time2, frequency2};
    write_edits();
    hide();
}

QLineEdit* TBp_plots::make_edit(int left, int edit_width)
{
    auto* e = new QLineEdit(this);
    e->setGeometry(left, edit_top, edit_width, edit_height);
    return e;
}

Paint_box* TBp_plots::make_plot(int left, int top)
{
    auto* box = new Paint_box(this);
    box->setGeometry(left, top, bp_plot_width, bp_plot_height);
    box->image = QImage(bp_plot_width, bp_plot_height, QImage::Format_RGB32);
    box->clear_image();
    return box;
}

std::array<QLineEdit*, bp_field_count> TBp_plots::edits() const
{
    return {center, width, fft, low, high, mode}; // in Bp_field order
}

void TBp_plots::write_edits()
{
    const Bp_texts texts = explorer.texts();
    const std::array<QLineEdit*, bp_field_count> e = edits();
    for (size_t f = 0; f < e.size(); ++f) e[f]->setText(QString::fromStdString(texts[f]));
}

void TBp_plots::mousePressEvent(QMouseEvent* event)
{
    // Only the background: the paint boxes and the caption pass their clicks on too.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        FrameClick();
    QFrame::mousePressEvent(event);
}

void TBp_plots::FrameClick() { hide(); }

void TBp_plots::showClick()
{
    Bp_texts typed;
    const std::array<QLineEdit*, bp_field_count> e = edits();
    for (size_t f = 0; f < e.size(); ++f) typed[f] = e[f]->text().toStdString();
    if (const std::optional<Bp_refusal> r = explorer.read(typed)) {
        auto* box = new QMessageBox(QMessageBox::Warning, "band-pass filter",
                                    QString::fromStdString(r->message), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        e[static_cast<size_t>(r->field)]->setFocus();
        return;
    }
    host.clear_display(views_below_explorer);
    write_edits();
    {
        Qt_canvas c0(time1->image), c1(frequency1->image), c2(time2->image), c3(frequency2->image);
        clear_upper_vector_state();
        explorer.show({&c0, &c1, &c2, &c3}, plot_curves);
    }
    for (Paint_box* p : plots) p->update();
}
