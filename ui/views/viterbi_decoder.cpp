#include "ui/views/viterbi_decoder.h"

#include "engine/elements.h"
#include "engine/engine_objects.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/view_boxes.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/red_text.h"
#include "ui/widgets/view_host.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr const char* encoder_title = "Convolutional encoder, r=1/2, K=3";
constexpr const char* encoder_caption =
    "to encode one bit, click the upper right button three times to emulate two clock cycles "
    "to cause  two bit shifts in the registers";
constexpr const char* decoder_title =
    "Subsequent steps of the Viterbi decoding of an r=1/2, K=3 encoded signal (correctly 0 0 "
    "terminated if 24 bits are sent)";
constexpr const char* decoder_caption =
    "CAPTION: en-, decoded bits; 1st, 2nd rcved signals; accum. squared deviations for the "
    "transitions to the resp. states";

Paint_box* white_box(QWidget* parent, int left, int top, int width, int height)
{
    auto* b = new Paint_box(parent);
    b->setGeometry(left, top, width, height);
    return b;
}

QPushButton* red_button(QWidget* parent, const char* text, int left, int top, int width, int height,
                        bool bold)
{
    auto* b = ::red_button(text, pixel_font("Times New Roman", 23, bold), parent);
    b->setGeometry(left, top, width, height);
    return b;
}

} // namespace

TViterbi_decoder::TViterbi_decoder(QWidget* parent, View_host& view_host)
    : QWidget(parent), host(view_host)
{
    resize(1011, 356);
    setFont(pixel_font("Times New Roman", 13));
    setAutoFillBackground(true);
    setStyleSheet("TViterbi_decoder { background: rgb(0, 128, 128); }");
    setAttribute(Qt::WA_StyledBackground);

    trellis1 = white_box(this, 4, 23, trellis_upper_width, trellis_upper_height);
    proceed = red_button(this, "proceed", 848, 0, 140, 25, true);
    data = white_box(this, 4, 213, trellis_data_width, trellis_data_height);
    trellis2 = white_box(this, 4, 118, trellis_lower_width, trellis_lower_height);
    caption = new QLabel(this);
    // Right below the data table, so that the whole line lies inside the main window's
    // 702 pixels (the frame's top is at 350).
    caption->move(5, 333);
    caption->setFont(pixel_font("Times New Roman", 16, true));
    caption->setStyleSheet("color: rgb(128, 0, 128); background: rgb(192, 192, 192)");
    caption->setAlignment(Qt::AlignCenter);
    title = new QLabel(this);
    title->move(0, 2);
    title->setFont(pixel_font("Times New Roman", 17, true));
    title->setStyleSheet("background: rgb(192, 192, 192)");
    encoder = red_button(this, "click to view the encoder", 376, 72, 355, 25, false);
    decoder = red_button(this, "click to view the decoder", 376, 176, 353, 25, false);
    conv_enc = white_box(this, 80, 32, 713, 297);

    connect(encoder, &QPushButton::clicked, this, &TViterbi_decoder::encoderClick);
    connect(decoder, &QPushButton::clicked, this, &TViterbi_decoder::decoderClick);
    connect(proceed, &QPushButton::clicked, this, &TViterbi_decoder::proceedClick);
    encoder_view.data_bit = [](int i) {
        return get_sample(stage_table[0], 0, i) == 1.0f ? 1 : 0; // 0 past the block
    };
    hide();
}

void TViterbi_decoder::open()
{
    show();
    raise();
    for (QWidget* w :
         {static_cast<QWidget*>(title), static_cast<QWidget*>(caption), static_cast<QWidget*>(data),
          static_cast<QWidget*>(trellis1), static_cast<QWidget*>(trellis2),
          static_cast<QWidget*>(conv_enc), static_cast<QWidget*>(proceed)})
        w->hide();
    encoder->show();
    decoder->show();
}

bool TViterbi_decoder::check_run()
{
    if (Trellis_picture::run_available()) return true;
    host.show_error(run_needed);
    return false;
}

void TViterbi_decoder::encoderClick()
{
    if (!check_run()) return;
    encoder->hide();
    decoder->hide();
    title->show();
    caption->show();
    conv_enc->show();
    QFont f = proceed->font();
    f.setPixelSize(10);
    proceed->setFont(f);
    proceed->setText(QString::fromStdString(Encoder_picture().proceed_caption()));
    proceed->setGeometry(350, proceed->y(), 600, proceed->height());
    proceed->show();
    title->setText(encoder_title);
    title->adjustSize();
    caption->setText(encoder_caption);
    caption->adjustSize();
    encoder_mode = true;
    encoder_view.restart();
    conv_encPaint();
}

void TViterbi_decoder::decoderClick()
{
    if (!check_run()) return;
    encoder->hide();
    decoder->hide();
    for (QWidget* w :
         {static_cast<QWidget*>(title), static_cast<QWidget*>(caption), static_cast<QWidget*>(data),
          static_cast<QWidget*>(trellis1), static_cast<QWidget*>(trellis2)})
        w->show();
    QFont f = proceed->font();
    f.setPixelSize(14);
    proceed->setFont(f);
    proceed->setText("proceed");
    proceed->setGeometry(880, proceed->y(), 113, proceed->height());
    proceed->show();
    title->setText(decoder_title);
    title->adjustSize();
    caption->setText(decoder_caption);
    caption->adjustSize();
    encoder_mode = false;
    for (Paint_box* b : {trellis1, trellis2}) {
        b->clear_image();
        b->update();
    }
    dataPaint();
}

void TViterbi_decoder::proceedClick()
{
    if (!check_run()) return;
    if (encoder_mode) {
        proceed->setText(QString::fromStdString(encoder_view.proceed_caption()));
        {
            Qt_canvas canvas(conv_enc->image);
            encoder_view.proceed(canvas);
        }
        conv_enc->update();
        return;
    }
    {
        Qt_canvas upper(trellis1->image);
        Qt_canvas lower(trellis2->image);
        Qt_canvas table(data->image);
        decoder_view.proceed(conv_code, upper, lower, table);
    }
    for (Paint_box* b : {trellis1, trellis2, data}) b->update();
}

void TViterbi_decoder::conv_encPaint()
{
    {
        Qt_canvas canvas(conv_enc->image);
        encoder_view.paint(canvas);
    }
    conv_enc->update();
}

void TViterbi_decoder::dataPaint()
{
    {
        Qt_canvas canvas(data->image);
        decoder_view.data_paint(canvas, *stage_table[0], *stage_table[2]);
    }
    data->update();
}

void TViterbi_decoder::FrameClick() { host.clear(this); }

void TViterbi_decoder::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) FrameClick();
    QWidget::mousePressEvent(event);
}
