#pragma once
// The encoder / Viterbi visualizer, a panel of the main screen: first two buttons that
// choose the encoder view or the decoder view; then the chosen view, advanced by its
// "proceed" button. Both views read the last run's sent bits and, for the decoder, the
// deinterleaved soft values; their boxes keep what was drawn when covered.

#include "plot/encoder_picture.h"
#include "plot/trellis_picture.h"

#include <QWidget>

class QLabel;
class QPushButton;
class Paint_box;
class View_host;

class TViterbi_decoder : public QWidget {
    Q_OBJECT
public:
    TViterbi_decoder(QWidget* parent, View_host& host);

    Paint_box* trellis1 = nullptr;
    QPushButton* proceed = nullptr;
    Paint_box* data = nullptr;
    Paint_box* trellis2 = nullptr;
    QLabel* caption = nullptr;
    QLabel* title = nullptr;
    QPushButton* encoder = nullptr;
    QPushButton* decoder = nullptr;
    Paint_box* conv_enc = nullptr;

    bool encoder_mode = false;
    Encoder_picture encoder_view;
    Trellis_picture decoder_view;

    // The stage picker's en/decoder button: only the two view buttons show.
    void open();
    void encoderClick();
    void decoderClick();
    void proceedClick();
    void conv_encPaint();
    void dataPaint();
    void FrameClick();

    static constexpr const char* run_needed =
        "the en/decoder view needs a run with at least 2 stages: press 'xmit/rcve'";

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    View_host& host;
    // False, with the message on the error line, when the run the views read is gone.
    bool check_run();
};
