// Draws the block diagram of the CDMA link that the stage picker and the start menu show,
// and writes it as baseline JPEGs (one per ADC note). The blue "?" buttons of the stage
// picker are laid over this picture, so every wire below is placed to run through the
// button of the signal point it carries; the optional preview outlines those buttons.
//
// usage: draw_circuit OUTPUT_DIR [PREVIEW_PNG]

#include "engine/stage_codes.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include <jpeglib.h>

namespace {

constexpr int picture_width = 895;
constexpr int picture_height = 163;

// The stage picker shows the picture at panel (0, -7) in a control of 889 x 160.
constexpr int panel_offset_y = 7;
constexpr int shown_width = 889;
constexpr int shown_height = 160;

constexpr int jpeg_quality = 92;

const QColor ink(0, 0, 0);
const QColor red_ink(215, 0, 0);

// Every x and y below is a picture coordinate. The stage buttons leave gaps as narrow as 6
// pixels along the chain, so each block or symbol is drawn into the gap before the button
// of its output, and small symbols (radius 5) and labels above or below the wires keep the
// gaps readable.

// Wire rows of the signal levels; each lies inside the rows of the buttons placed on it.
constexpr int y_walsh = 97;   // Walsh encoder output
constexpr int y_spread = 81;  // after the PN-U XOR
constexpr int y_tx_i = 57;    // transmit I branch
constexpr int y_tx_q = 105;   // transmit Q branch
constexpr int y_rf = 79;      // summing node to band-pass 1, RF, band-pass 3
constexpr int y_channel = 62; // band-pass 2 and the noise node
constexpr int y_rx_i = 65;    // receive I branch up to the ADC
constexpr int y_rx_q = 105;   // receive Q branch up to the ADC
constexpr int y_pn_i = 49;    // after the receive PN-I XOR
constexpr int y_pn_q = 121;   // after the receive PN-Q XOR
constexpr int y_pnu_i = 57;   // after the receive PN-U XOR, I
constexpr int y_pnu_q = 113;  // after the receive PN-U XOR, Q
constexpr int y_decoded = 81; // Hadamard transform to the soft Walsh decoder

constexpr int x_source = 29;   // left column: data source to interleaver
constexpr int x_sink = 850;    // right column: deinterleaver to data sink
constexpr int x_tx_sum = 280;  // I + Q node, under the corners of the stage7a/7b buttons
constexpr int x_adc_out = 600; // end of the ADC's output wires

constexpr int symbol_radius = 5; // XORs, mixers, summing nodes
constexpr int filter_width = 14;
constexpr int filter_half_height = 7;

QFont font(const char* family, int pixel_size, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(pixel_size);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

class Diagram {
public:
    explicit Diagram(QImage& image) : painter(&image)
    {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::TextAntialiasing);
    }

    // Polyline through the given points, 1 pixel wide.
    void wire(std::initializer_list<QPoint> points)
    {
        set_ink(ink);
        const QPoint* previous = nullptr;
        for (const QPoint& p : points) {
            if (previous != nullptr) painter.drawLine(*previous, p);
            previous = &p;
        }
    }

    // Rectangle whose outline runs through both corners.
    void box(int left, int top, int right, int bottom)
    {
        set_ink(ink);
        painter.drawRect(left, top, right - left, bottom - top);
    }

    // Rectangle with its name centred inside, lines separated by '\n'.
    void block(int left, int top, int right, int bottom, const QString& name)
    {
        block(left, top, right, bottom, name, block_font);
    }
    void block(int left, int top, int right, int bottom, const QString& name, const QFont& f)
    {
        box(left, top, right, bottom);
        text_centred((left + right + 1) / 2, (top + bottom + 1) / 2, name, ink, f);
    }

    // Name of a block drawn beside it.
    void name(int x, int y, const QString& text)
    {
        text_centred(x, y, text, ink, small_block_font);
    }

    // Text whose lines are centred on x, the whole centred on y.
    void text_centred(int x, int y, const QString& text, const QColor& colour, const QFont& f)
    {
        painter.setFont(f);
        painter.setPen(colour);
        const QFontMetrics metrics(f);
        const QStringList lines = text.split('\n');
        const int line_height = metrics.ascent() + metrics.descent();
        const int total = line_height * static_cast<int>(lines.size());
        int baseline = y - total / 2 + metrics.ascent();
        for (const QString& line : lines) {
            painter.drawText(x - metrics.horizontalAdvance(line) / 2, baseline, line);
            baseline += line_height;
        }
    }

    // Red name of a code, oscillator or noise source, with its feed line down or up to the
    // symbol at (x, symbol_y); the text is centred on (x, text_y).
    void source(int x, int text_y, int symbol_y, const QString& name)
    {
        const QFontMetrics metrics(label_font);
        const int lines = static_cast<int>(name.count('\n')) + 1;
        const int half = (metrics.ascent() + metrics.descent()) * lines / 2;
        const int from = text_y < symbol_y ? text_y + half + 1 : text_y - half - 1;
        const int to = text_y < symbol_y ? symbol_y - symbol_radius : symbol_y + symbol_radius;
        wire({{x, from}, {x, to}});
        text_centred(x, text_y, name, red_ink, label_font);
    }

    void note(int x, int y, const QString& text) { text_centred(x, y, text, ink, note_font); }

    void xor_gate(QPoint c)
    {
        circle(c);
        const int r = symbol_radius;
        painter.drawLine(c.x() - r, c.y(), c.x() + r, c.y());
        painter.drawLine(c.x(), c.y() - r, c.x(), c.y() + r);
    }

    void mixer(QPoint c)
    {
        circle(c);
        const int d = 3; // the cross stays inside the circle: 5 / sqrt(2) rounded down
        painter.drawLine(c.x() - d, c.y() - d, c.x() + d, c.y() + d);
        painter.drawLine(c.x() - d, c.y() + d, c.x() + d, c.y() - d);
    }

    void summing_node(QPoint c)
    {
        circle(c);
        const int d = 2;
        painter.drawLine(c.x() - d, c.y(), c.x() + d, c.y());
        painter.drawLine(c.x(), c.y() - d, c.x(), c.y() + d);
    }

    void junction(QPoint c)
    {
        set_ink(ink);
        painter.setBrush(ink);
        painter.drawRect(c.x() - 1, c.y() - 1, 2, 2);
        painter.setBrush(Qt::NoBrush);
    }

    // Band-pass filter on the wire at row y: a box with its pass band (response over
    // frequency) inside; it spans left .. left + filter_width - 1.
    void band_pass(int left, int y)
    {
        const int right = left + filter_width - 1;
        box(left, y - filter_half_height, right, y + filter_half_height);
        const double l = left + 0.5;
        const double r = right + 0.5;
        const double base = y + 3.5;
        const double top = y - 2.5;
        const QPointF response[] = {{l + 2.0, base}, {l + 4.0, base}, {l + 5.0, top},
                                    {r - 5.0, top},  {r - 4.0, base}, {r - 2.0, base}};
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawPolyline(response, 6);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    // Antenna: a triangle on a mast whose foot is at (x, foot_y); the triangle's top edge
    // lies on top_y.
    void antenna(int x, int top_y, int foot_y)
    {
        set_ink(ink);
        const int half = 7;
        const int apex_y = top_y + 10;
        painter.drawLine(x - half, top_y, x + half, top_y);
        painter.drawLine(x - half, top_y, x, apex_y);
        painter.drawLine(x + half, top_y, x, apex_y);
        painter.drawLine(x, top_y, x, foot_y);
    }

    QFont block_font = font("Liberation Serif", 11);
    QFont small_block_font = font("Liberation Serif", 10);
    QFont label_font = font("Liberation Sans", 10);
    QFont note_font = font("Liberation Serif", 10, true);

private:
    void set_ink(const QColor& colour)
    {
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
    }

    void circle(QPoint c)
    {
        set_ink(ink);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawEllipse(QPointF(c.x() + 0.5, c.y() + 0.5), symbol_radius, symbol_radius);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    QPainter painter;
};

// Data source, convolutional encoder, interleaver, Walsh encoder (left column).
void draw_coder(Diagram& d)
{
    d.antenna(11, 9, 23);
    d.wire({{11, 23}, {x_source, 23}, {x_source, 28}});
    d.block(6, 28, 52, 62, "conv.\nencoder");
    d.wire({{x_source, 62}, {x_source, 84}});
    d.block(6, 84, 52, 126, "inter-\nleaver");
    d.wire({{x_source, 126}, {x_source, 137}, {78, 137}, {78, 114}});
    d.block(58, 80, 98, 114, "Walsh\nencoder");
}

// PN-U, the I/Q split with PN-I and PN-Q, DAC, quadrature mixers and their sum.
void draw_modulator(Diagram& d)
{
    const int x_pnu = 127;
    d.wire({{98, y_walsh}, {x_pnu - symbol_radius, y_walsh}});
    d.xor_gate({x_pnu, y_walsh});
    d.source(x_pnu, 124, y_walsh, "PN-U");
    const int x_split = 168;
    d.wire(
        {{x_pnu + symbol_radius, y_walsh}, {141, y_walsh}, {141, y_spread}, {x_split, y_spread}});
    d.wire({{x_split, y_tx_i}, {x_split, y_tx_q}});
    d.junction({x_split, y_spread});

    const int x_pn = 184;
    d.wire({{x_split, y_tx_i}, {x_pn - symbol_radius, y_tx_i}});
    d.wire({{x_split, y_tx_q}, {x_pn - symbol_radius, y_tx_q}});
    d.xor_gate({x_pn, y_tx_i});
    d.xor_gate({x_pn, y_tx_q});
    d.source(x_pn, 36, y_tx_i, "PN-I");
    d.source(x_pn, 126, y_tx_q, "PN-Q");

    const int dac_left = 212, dac_right = 227;
    d.wire({{x_pn + symbol_radius, y_tx_i}, {dac_left, y_tx_i}});
    d.wire({{x_pn + symbol_radius, y_tx_q}, {dac_left, y_tx_q}});
    // 20 pixels between the buttons: one box over both branches, its name stacked.
    d.block(dac_left, 45, dac_right, 117, "D\nA\nC");
    d.note(220, 137, "Nyquist\npulses");

    const int x_mix = 256;
    d.wire({{dac_right, y_tx_i}, {x_mix - symbol_radius, y_tx_i}});
    d.wire({{dac_right, y_tx_q}, {x_mix - symbol_radius, y_tx_q}});
    d.mixer({x_mix, y_tx_i});
    d.mixer({x_mix, y_tx_q});
    // ω written out: the font has it, and it reads as the textbook's angular frequency.
    d.source(x_mix, 36, y_tx_i, QString::fromUtf8("sin ωt"));
    d.source(x_mix, 126, y_tx_q, QString::fromUtf8("cos ωt"));

    d.wire({{x_mix + symbol_radius, y_tx_i}, {x_tx_sum, y_tx_i}, {x_tx_sum, y_rf - symbol_radius}});
    d.wire({{x_mix + symbol_radius, y_tx_q}, {x_tx_sum, y_tx_q}, {x_tx_sum, y_rf + symbol_radius}});
    d.summing_node({x_tx_sum, y_rf});
}

// Band-pass 1, RF up-mixer, band-pass 2, noise, RF down-mixer, band-pass 3.
void draw_channel(Diagram& d)
{
    d.wire({{x_tx_sum + symbol_radius, y_rf}, {302, y_rf}});
    d.band_pass(302, y_rf);
    d.name(309, 104, "1. band\npass");
    const int x_up = 336;
    d.wire({{315, y_rf}, {x_up - symbol_radius, y_rf}});
    d.mixer({x_up, y_rf});
    d.source(x_up, 50, y_rf, "RF");

    // Band-pass 2 and the noise node sit higher, on the rows of the stage10/stage11 buttons.
    d.wire({{x_up + symbol_radius, y_rf}, {356, y_rf}, {356, y_channel}, {358, y_channel}});
    d.band_pass(358, y_channel);
    d.name(365, 104, "2. band\npass");
    const int x_noise = 392;
    d.wire({{371, y_channel}, {x_noise - symbol_radius, y_channel}});
    d.summing_node({x_noise, y_channel});
    d.source(x_noise, 40, y_channel, "noise");

    const int x_down = 420;
    d.wire({{x_noise + symbol_radius, y_channel},
            {412, y_channel},
            {412, y_rf},
            {x_down - symbol_radius, y_rf}});
    d.mixer({x_down, y_rf});
    d.source(x_down, 50, y_rf, "RF");
    d.wire({{x_down + symbol_radius, y_rf}, {445, y_rf}});
    d.band_pass(445, y_rf);
    d.name(452, 104, "3. band\npass");
}

// Receive split, quadrature mixers, band-pass 4, ADC.
void draw_demodulator(Diagram& d, const QString& adc_note)
{
    const int x_split = 479;
    d.wire({{458, y_rf}, {x_split, y_rf}});
    d.wire({{x_split, y_rx_i}, {x_split, y_rx_q}});
    d.junction({x_split, y_rf});
    const int x_mix = 496;
    d.wire({{x_split, y_rx_i}, {x_mix - symbol_radius, y_rx_i}});
    d.wire({{x_split, y_rx_q}, {x_mix - symbol_radius, y_rx_q}});
    d.mixer({x_mix, y_rx_i});
    d.mixer({x_mix, y_rx_q});
    d.source(x_mix, 36, y_rx_i, QString::fromUtf8("sin ωt"));
    d.source(x_mix, 134, y_rx_q, QString::fromUtf8("cos ωt"));

    d.wire({{x_mix + symbol_radius, y_rx_i}, {525, y_rx_i}});
    d.wire({{x_mix + symbol_radius, y_rx_q}, {525, y_rx_q}});
    d.band_pass(525, y_rx_i);
    d.band_pass(525, y_rx_q);
    d.name(532, 85, "4. band\npass");

    // One box over both branches; the stage_6c/6d buttons sit on the wires inside it.
    d.wire({{538, y_rx_i}, {x_adc_out, y_rx_i}});
    d.wire({{538, y_rx_q}, {x_adc_out, y_rx_q}});
    d.box(556, 45, 584, 125);
    d.text_centred(570, 85, "ADC", ink, d.block_font);
    d.note(570, 140, adc_note);
}

// PN-I, PN-Q and PN-U despreading, 4:1, Hadamard transform, soft Walsh decoder,
// deinterleaver, Viterbi decoder and the data sink (right column).
void draw_decoder(Diagram& d)
{
    const int x_pn = 616;
    d.wire({{x_adc_out, y_rx_i}, {604, y_rx_i}, {604, y_pn_i}, {x_pn - symbol_radius, y_pn_i}});
    d.wire({{x_adc_out, y_rx_q}, {604, y_rx_q}, {604, y_pn_q}, {x_pn - symbol_radius, y_pn_q}});
    d.xor_gate({x_pn, y_pn_i});
    d.xor_gate({x_pn, y_pn_q});
    d.source(x_pn, 28, y_pn_i, "PN-I");
    d.source(x_pn, 142, y_pn_q, "PN-Q");

    const int x_pnu = 668;
    d.wire({{x_pn + symbol_radius, y_pn_i},
            {652, y_pn_i},
            {652, y_pnu_i},
            {x_pnu - symbol_radius, y_pnu_i}});
    d.wire({{x_pn + symbol_radius, y_pn_q},
            {652, y_pn_q},
            {652, y_pnu_q},
            {x_pnu - symbol_radius, y_pnu_q}});
    d.xor_gate({x_pnu, y_pnu_i});
    d.xor_gate({x_pnu, y_pnu_q});
    // One PN-U source between the branches feeds both XORs.
    d.text_centred(x_pnu, 85, "PN-U", red_ink, d.label_font);
    d.wire({{x_pnu, 78}, {x_pnu, y_pnu_i + symbol_radius}});
    d.wire({{x_pnu, 92}, {x_pnu, y_pnu_q - symbol_radius}});

    // 114 pixels for three blocks: their names in the smaller face.
    const int x_merge = 709;
    d.wire({{x_pnu + symbol_radius, y_pnu_i}, {x_merge, y_pnu_i}});
    d.wire({{x_pnu + symbol_radius, y_pnu_q}, {x_merge, y_pnu_q}});
    d.block(x_merge, 45, 725, 125, "4:1", d.small_block_font);
    d.wire({{725, y_decoded}, {730, y_decoded}});
    d.block(730, 58, 776, 104, "Hadamard\ntransform", d.small_block_font);
    d.wire({{776, y_decoded}, {781, y_decoded}});
    d.block(781, 58, 817, 104, "soft\nWalsh\ndecoder", d.small_block_font);

    // The turn lies under the button of the soft Walsh decoder's output.
    d.wire({{817, y_decoded}, {824, y_decoded}, {824, 125}, {832, 125}});
    d.block(832, 102, 872, 148, "deinter-\nleaver");
    d.wire({{x_sink, 102}, {x_sink, 71}});
    d.block(832, 44, 872, 71, "Viterbi\ndecoder");
    d.wire({{x_sink, 44}, {x_sink, 30}, {878, 30}});
    d.antenna(878, 9, 30);
}

QImage draw_circuit(const QString& adc_note)
{
    QImage image(picture_width, picture_height, QImage::Format_RGB32);
    image.fill(Qt::white);
    Diagram d(image);
    draw_coder(d);
    draw_modulator(d);
    draw_channel(d);
    draw_demodulator(d, adc_note);
    draw_decoder(d);
    return image;
}

// The run-menu picture with the parts the stage picker cuts off greyed and the button
// rectangles outlined in blue.
QImage preview(const QImage& picture)
{
    QImage image = picture.copy();
    QPainter p(&image);
    const QColor cut(0, 0, 0, 40);
    p.fillRect(0, 0, picture_width, panel_offset_y, cut);
    p.fillRect(shown_width, panel_offset_y, picture_width - shown_width, picture_height, cut);
    p.fillRect(0, shown_height, shown_width, picture_height - shown_height, cut);
    p.setPen(QPen(QColor(0, 0, 255), 1));
    for (const Stage_code& b : stage_codes)
        p.drawRect(b.left, b.top + panel_offset_y, b.width - 1, b.height - 1);
    return image;
}

// Writes a baseline JPEG with full-resolution colour, so thin red text stays sharp.
bool write_jpeg(const QImage& picture, const std::string& path)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error); // the tool may exit on a libjpeg error
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, jpeg_quality, TRUE);
    for (int c = 0; c < 3; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg takes non-const rows but only reads them
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [PREVIEW_PNG]\n", argv[0]);
        return 2;
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);

    const std::string dir = argv[1];
    const QImage run = draw_circuit("average\n8 samples");
    const QImage start = draw_circuit("average\nn samples");
    const std::string run_path = dir + "/circuit_run.jpg";
    const std::string start_path = dir + "/circuit_start.jpg";
    if (!write_jpeg(run, run_path) || !write_jpeg(start, start_path)) {
        std::fprintf(stderr, "cannot write the pictures to %s\n", dir.c_str());
        return 1;
    }
    if (argc == 3 && !preview(run).save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
