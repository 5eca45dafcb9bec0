#include "ui/windows/circuit_picture.h"

#include "tests/ui/ui_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QRect>
#include <QRegularExpression>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

using Circuit_picture_buttons = Ui_flow;

namespace {

const std::string damaged = "the circuit-diagram picture is damaged: ";
const Circuit_note both_notes[] = {Circuit_note::average_8, Circuit_note::average_n};

// The message decode_jpeg throws for the data, or "" when it decodes.
std::string failure_of(const std::vector<unsigned char>& data)
{
    try {
        decode_jpeg(data.empty() ? nullptr : data.data(), data.size());
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

bool is_black(QRgb pixel) { return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100; }

// The picture lies at panel (0, -7) of the stage picker. Each stage button must sit on a
// wire of the drawing.
constexpr int panel_offset_y = 7;

// Number of the button's four edges that a black wire crosses.
int edges_crossed(const QImage& picture, const QRect& button)
{
    const QRect r = button.translated(0, panel_offset_y);
    bool left = false, right = false, top = false, bottom = false;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        left = left || is_black(picture.pixel(r.left(), y));
        right = right || is_black(picture.pixel(r.right(), y));
    }
    for (int x = r.left(); x <= r.right(); ++x) {
        top = top || is_black(picture.pixel(x, r.top()));
        bottom = bottom || is_black(picture.pixel(x, r.bottom()));
    }
    return int{left} + int{right} + int{top} + int{bottom};
}

} // namespace

// The labels of codes and oscillators are red and nothing is blue: swapped channels would
// turn the red into blue.
TEST(Circuit_picture, BothPicturesDecodeOpaqueWithTheirColoursAt895By163)
{
    for (const Circuit_note note : both_notes) {
        SCOPED_TRACE(static_cast<int>(note));
        const QImage picture = circuit_picture(note);
        ASSERT_EQ(picture.size(), QSize(895, 163));
        EXPECT_EQ(picture.format(), QImage::Format_RGB32);
        int red = 0, blue = 0, transparent = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                red += qRed(p) > 150 && qGreen(p) < 80 && qBlue(p) < 80;
                blue += qBlue(p) > 150 && qRed(p) < 80 && qGreen(p) < 80;
                transparent += qAlpha(p) != 255;
            }
        EXPECT_GT(red, 100);
        EXPECT_EQ(blue, 0);
        EXPECT_EQ(transparent, 0);
    }
}

// The buttons as the run-time menu places them.
TEST_F(Circuit_picture_buttons, EveryStageButtonSitsOnAWire)
{
    press_setup();
    const QList<QPushButton*> stage_buttons = picker().findChildren<QPushButton*>(
        QRegularExpression("^stage"), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(stage_buttons.size(), 33);
    for (const Circuit_note note : both_notes) {
        const QImage picture = circuit_picture(note);
        for (const QPushButton* b : stage_buttons)
            EXPECT_GE(edges_crossed(picture, b->geometry()), 2)
                << b->objectName().toStdString() << " does not lie across a wire";
    }
}

TEST(Circuit_picture, PicturesDifferOnlyInTheAdcNote)
{
    const QImage run = circuit_picture(Circuit_note::average_8);
    const QImage start = circuit_picture(Circuit_note::average_n);
    QRect changed;
    for (int y = 0; y < run.height(); ++y)
        for (int x = 0; x < run.width(); ++x)
            if (run.pixel(x, y) != start.pixel(x, y)) changed |= QRect(x, y, 1, 1);
    ASSERT_FALSE(changed.isEmpty());
    // Below the ADC's Q-branch buttons (panel x 562 .. 574, bottom at picture row 114).
    const QRect under_adc(530, 115, 80, 48);
    EXPECT_TRUE(under_adc.contains(changed))
        << "changed pixels in x " << changed.left() << ".." << changed.right() << ", y "
        << changed.top() << ".." << changed.bottom();
}

struct Damage {
    const char* what;
    std::vector<unsigned char> data;
    std::string cause; // after the common start; "" when only the start is checked
};

TEST(Circuit_picture, DamagedDataIsRefusedNotDecodedNorAllocated)
{
    const auto stored = circuit_jpeg(Circuit_note::average_8);
    const std::vector<unsigned char> whole(stored.begin(), stored.end());
    ASSERT_EQ(failure_of(whole), "");
    const auto first = [&whole](std::size_t n) {
        return std::vector<unsigned char>(whole.begin(), whole.begin() + static_cast<long>(n));
    };
    // Baseline frame header: FF C0, length (2), precision (1), height (2), width (2).
    std::vector<unsigned char> huge = whole;
    std::size_t sof = 0;
    while (sof + 9 < huge.size() && !(huge[sof] == 0xff && huge[sof + 1] == 0xc0)) ++sof;
    ASSERT_LT(sof + 9, huge.size());
    for (std::size_t k : {sof + 5, sof + 7}) {
        huge[k] = 0xea; // 60000
        huge[k + 1] = 0x60;
    }
    const std::string text = "this is not a JPEG file at all";
    const std::vector<Damage> rows = {
        {"no data", {}, ""},
        {"text", {text.begin(), text.end()}, ""},
        {"a start marker and nonsense", {0xff, 0xd8, 0xff, 0x42, 0x00, 0x01, 0x02}, ""},
        {"2 bytes", first(2), ""},
        {"300 bytes", first(300), ""},
        {"half", first(whole.size() / 2), ""},
        {"all but 2 bytes", first(whole.size() - 2), ""},
        {"60000 pixels a side", huge, "60000 x 60000 pixels exceed the limit of 8192 a side"},
    };
    for (const Damage& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_THAT(failure_of(r.data), testing::StartsWith(damaged + r.cause));
    }
}
