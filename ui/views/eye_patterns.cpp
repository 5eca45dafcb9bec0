#include "ui/views/eye_patterns.h"

#include "analog/analog_objects.h"
#include "engine/engine_objects.h"
#include "engine/parameters.h"
#include "plot/plot_objects.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/vector_state.h"
#include "ui/pictures/view_boxes.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"
#include "ui/widgets/view_host.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr int frame_width = 260;
constexpr int frame_height = 276;
constexpr int plot_left = 4;
constexpr int plot_top = 40;
constexpr int button_left = 186;
constexpr int button_width = 70;
constexpr int button_height = 26;

} // namespace

TEye_patterns::TEye_patterns(QWidget* parent, View_host& view_host)
    : QFrame(parent), host(view_host)
{
    resize(frame_width, frame_height);
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    caption = new QLabel(this);
    caption->setGeometry(plot_left, 2, frame_width - 8, 18);
    caption2 = new QLabel("(triggered at  the baseband frequency)", this);
    caption2->setGeometry(plot_left, 20, frame_width - 8, 18);
    plot = new Paint_box(this);
    plot->setGeometry(plot_left, plot_top, eye_box_width, eye_box_height);

    xmit_rcve = make_button("xmit/rcve", plot_top);
    I_Q = make_button("I / Q", plot_top + 32);
    run_sum = make_button("run/sum", plot_top + 64);
    start = make_button("start", plot_top + 128);
    for (QPushButton* b : {xmit_rcve, I_Q, run_sum})
        connect(b, &QPushButton::clicked, this, [this, b] { optionsClick(b); });
    connect(start, &QPushButton::clicked, this, &TEye_patterns::startClick);
    plotPaint();
    hide();
}

QPushButton* TEye_patterns::make_button(const char* text, int top)
{
    auto* b = new QPushButton(text, this);
    b->setGeometry(button_left, top, button_width, button_height);
    b->setFont(pixel_font("MS Sans Serif", 13, true));
    return b;
}

void TEye_patterns::mousePressEvent(QMouseEvent* event)
{
    // Only the background: the paint box and the labels pass their clicks on too.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        FrameClick();
    QFrame::mousePressEvent(event);
}

void TEye_patterns::FrameClick() { hide(); }

void TEye_patterns::optionsClick(QPushButton* sender)
{
    if (sender == xmit_rcve) eye.toggle_side();
    if (sender == I_Q) eye.toggle_branch(analog_pars().iq_branches);
    if (sender == run_sum) eye.toggle_mode();
    plotPaint();
}

void TEye_patterns::plotPaint()
{
    eye.fit_branch(analog_pars().iq_branches);
    caption->setText(QString::fromStdString(eye.caption()));
}

void TEye_patterns::showEvent(QShowEvent* event)
{
    plotPaint();
    if (picture_run != transmission.runs) {
        plot->clear_image();
        plot->update();
    }
    QFrame::showEvent(event);
}

void TEye_patterns::startClick()
{
    const std::string refused = Eye_pattern::refusal(plot->width());
    if (!refused.empty()) {
        host.show_error(refused);
        return;
    }
    // Drawn into a copy, so that the box shows the old picture until the new one is done.
    QImage picture = plot->image;
    if (picture.size() != plot->size()) { // not shown yet: the box has no picture of its size
        picture = QImage(plot->size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    bool drawn = false;
    clear_upper_vector_state();
    Progress_runner::run(this, "drawing the eye pattern", [&](Progress& progress) {
        Qt_canvas canvas(picture);
        clear_upper_vector_state();
        drawn = eye.draw(canvas, analog_mod, plot_curves, progress);
    });
    if (drawn) {
        plot->image = picture;
        picture_run = transmission.runs;
        plot->update();
    }
    plotPaint();
}
