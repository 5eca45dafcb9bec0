#include "ui/windows/circuit_picture.h"

#include "tests/ui/ui_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QRect>
#include <QRegularExpression>

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

using testing::StartsWith;
using Circuit_picture_buttons = Ui_flow;

namespace {

const std::string damaged = "the circuit-diagram picture is damaged: ";

std::vector<unsigned char> stored(Circuit_note note)
{
    const auto jpeg = circuit_jpeg(note);
    return {jpeg.begin(), jpeg.end()};
}

// The message decode_jpeg throws for the data, or "" when it decodes.
std::string failure_of(const std::vector<unsigned char>& data)
{
    try {
        decode_jpeg(data.data(), data.size());
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

class Circuit_pictures : public testing::TestWithParam<Circuit_note> {};
INSTANTIATE_TEST_SUITE_P(BothNotes, Circuit_pictures,
                         testing::Values(Circuit_note::average_8, Circuit_note::average_n));

} // namespace

TEST_P(Circuit_pictures, DecodesTo895By163)
{
    const QImage picture = circuit_picture(GetParam());
    EXPECT_EQ(picture.width(), 895);
    EXPECT_EQ(picture.height(), 163);
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
}

TEST_P(Circuit_pictures, KeepsColourChannelsAndIsOpaque)
{
    // The labels of codes and oscillators are red and nothing is blue: swapped channels
    // would turn the red into blue.
    const QImage picture = circuit_picture(GetParam());
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

// The buttons as the run-time menu places them.
TEST_F(Circuit_picture_buttons, EveryStageButtonSitsOnAWire)
{
    press_setup();
    const QList<QPushButton*> stage_buttons = picker().findChildren<QPushButton*>(
        QRegularExpression("^stage"), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(stage_buttons.size(), 33);
    for (const Circuit_note note : {Circuit_note::average_8, Circuit_note::average_n}) {
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

TEST(Circuit_picture, EmptyDataIsDamage)
{
    EXPECT_THAT(failure_of({}), StartsWith(damaged));
    try {
        decode_jpeg(nullptr, 0);
        ADD_FAILURE() << "no exception for no data";
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), StartsWith(damaged));
    }
}

TEST(Circuit_picture, GarbageIsDamage)
{
    const std::string text = "this is not a JPEG file at all";
    EXPECT_THAT(failure_of({text.begin(), text.end()}), StartsWith(damaged));
    // A JPEG start marker followed by nonsense.
    EXPECT_THAT(failure_of({0xff, 0xd8, 0xff, 0x42, 0x00, 0x01, 0x02}), StartsWith(damaged));
}

TEST(Circuit_picture, TruncatedDataIsDamage)
{
    const std::vector<unsigned char> whole = stored(Circuit_note::average_8);
    ASSERT_EQ(failure_of(whole), "");
    for (std::size_t keep :
         {std::size_t{2}, std::size_t{300}, whole.size() / 2, whole.size() - 2}) {
        const std::vector<unsigned char> part(whole.begin(),
                                              whole.begin() + static_cast<long>(keep));
        EXPECT_THAT(failure_of(part), StartsWith(damaged)) << keep << " bytes kept";
    }
}

TEST(Circuit_picture, ImplausibleSizeIsDamageNotAnAllocation)
{
    // Baseline frame header: FF C0, length (2), precision (1), height (2), width (2).
    std::vector<unsigned char> data = stored(Circuit_note::average_8);
    std::size_t sof = 0;
    while (sof + 1 < data.size() && !(data[sof] == 0xff && data[sof + 1] == 0xc0)) ++sof;
    ASSERT_LT(sof + 9, data.size());
    const unsigned char huge[] = {0xea, 0x60}; // 60000
    data[sof + 5] = huge[0];
    data[sof + 6] = huge[1];
    data[sof + 7] = huge[0];
    data[sof + 8] = huge[1];
    EXPECT_EQ(failure_of(data), damaged + "60000 x 60000 pixels exceed the limit of 8192 a side");
}
