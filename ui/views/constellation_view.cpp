#include "ui/views/constellation_view.h"

#include "ui/pictures/pixel_font.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/view_host.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr int picture_px = 300;
constexpr int plot_left = 4;
constexpr int caption_height = 36; // two lines: a long caption wraps
constexpr int plot_top = caption_height + 4;
constexpr int button_left = plot_left + picture_px + 8;
constexpr int button_width = 70;
constexpr int button_height = 26;
constexpr int frame_width = button_left + button_width + 6;
constexpr int frame_height = plot_top + picture_px + 6;

} // namespace

TConstellation_view::TConstellation_view(QWidget* parent, View_host& view_host)
    : QFrame(parent), host(view_host)
{
    resize(frame_width, frame_height);
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    caption = new QLabel(this);
    caption->setGeometry(plot_left, 2, frame_width - 8, caption_height);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    plot = new Paint_box(this);
    plot->setGeometry(plot_left, plot_top, picture_px, picture_px);
    xmit_rcve = new QPushButton("xmit/rcve", this);
    xmit_rcve->setGeometry(button_left, plot_top, button_width, button_height);
    xmit_rcve->setFont(pixel_font("MS Sans Serif", 13, true));
    connect(xmit_rcve, &QPushButton::clicked, this, &TConstellation_view::xmit_rcveClick);
    hide();
}

void TConstellation_view::mousePressEvent(QMouseEvent* event)
{
    // Only the background: the paint box and the label pass their clicks on too.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        FrameClick();
    QFrame::mousePressEvent(event);
}

void TConstellation_view::FrameClick() { hide(); }

void TConstellation_view::xmit_rcveClick()
{
    constellation.toggle_side();
    plotPaint();
}

void TConstellation_view::showEvent(QShowEvent* event)
{
    plotPaint();
    QFrame::showEvent(event);
}

void TConstellation_view::plotPaint()
{
    if (plot->image.size() != plot->size())
        plot->image = QImage(plot->size(), QImage::Format_RGB32);
    plot->clear_image();
    const std::string refused = Constellation::refusal();
    if (refused.empty()) {
        Qt_canvas canvas(plot->image);
        constellation.draw(canvas);
        caption->setText(QString::fromStdString(constellation.caption()));
    } else {
        caption->clear();
        host.show_error(refused);
    }
    plot->update();
}
