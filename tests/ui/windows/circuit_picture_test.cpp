#include "ui/windows/circuit_picture.h"

#include "tests/ui/ui_fixture.h"

#include <QRect>
#include <QRegularExpression>

using Circuit_picture = Ui_flow;

namespace {

const Circuit_note both_notes[] = {Circuit_note::average_8, Circuit_note::average_n};

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
// turn the red into blue. The buttons lie as the run-time menu places them.
TEST_F(Circuit_picture, BothPicturesDecodeInTheirColoursWithEveryStageButtonOnAWire)
{
    press_setup();
    const QList<QPushButton*> stage_buttons = picker().findChildren<QPushButton*>(
        QRegularExpression("^stage"), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(stage_buttons.size(), 33);
    for (const Circuit_note note : both_notes) {
        SCOPED_TRACE(static_cast<int>(note));
        const QImage picture = circuit_picture(note);
        ASSERT_EQ(picture.size(), QSize(895, 163));
        EXPECT_EQ(picture.format(), QImage::Format_RGB32);
        int red = 0, blue = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                red += qRed(p) > 150 && qGreen(p) < 80 && qBlue(p) < 80;
                blue += qBlue(p) > 150 && qRed(p) < 80 && qGreen(p) < 80;
            }
        EXPECT_GT(red, 100);
        EXPECT_EQ(blue, 0);
        for (const QPushButton* b : stage_buttons)
            EXPECT_GE(edges_crossed(picture, b->geometry()), 2)
                << b->objectName().toStdString() << " does not lie across a wire";
    }
}
