#include "ui/widgets/refusal_box.h"

#include <QFontMetrics>
#include <QLabel>

#include <gtest/gtest.h>

TEST(Refusal_box, IsWideEnoughForItsLongestLine)
{
    const QString first = "\"ADC: samples/chip; IQ branches 1 or 2 == only I ...\", 2nd field "
                          "(iq_branches):";
    const auto box = refusal_box(nullptr, first + "\n3 is out of range: allowed are 1 (I only) "
                                                  "and 2 (I and Q)");
    box->show();
    const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(first));
}
