// What the four teaching views of the main screen share: a red button shows the view in
// its place and in front of whatever was shown there before, and a click on its background
// hides it while a click on one of its parts does not.
#include "tests/ui/ui_fixture.h"
#include "ui/views/bp_plots.h"
#include "ui/views/constellation_view.h"
#include "ui/views/eye_patterns.h"
#include "ui/views/spreading_fcts.h"
#include "ui/views/viterbi_decoder.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/paint_box.h"

#include <QLineEdit>

namespace {

class Teaching_views : public Ui_flow {
protected:
    struct View {
        const char* name;
        QPushButton* TGet_plots::*button;
        QWidget* view;
        QRect place;
        QWidget* part;
        QPoint background;
    };

    std::vector<View> views()
    {
        TMain_screen& m = *main;
        return {
            {"eye pattern", &TGet_plots::eye, m.eye_patterns(), QRect(8, 350, 260, 276),
             m.eye_patterns()->plot, QPoint(250, 270)},
            {"constellation", &TGet_plots::constellation, m.constellation(),
             QRect(8, 350, 388, 346), m.constellation()->plot, QPoint(350, 300)},
            {"band-pass explorer", &TGet_plots::bp_filter, m.bp_plots(), QRect(0, 350, 1024, 301),
             m.bp_plots()->time1, QPoint(600, 60)},
            {"Viterbi decoder", &TGet_plots::en_decoder, m.viterbi_decoder(),
             QRect(4, 350, 1011, 356), m.viterbi_decoder()->encoder, QPoint(2, 300)},
            {"spreading functions", &TGet_plots::Walsh, m.spreading_fcts(), QRect(8, 320, 978, 212),
             m.spreading_fcts()->input1, QPoint(900, 200)},
        };
    }
};

} // namespace

TEST_F(Teaching_views, RedButtonShowsTheViewInItsPlaceInFront)
{
    setup_and_run();
    const std::vector<View> all = views();
    for (const View& v : all) {
        SCOPED_TRACE(v.name);
        for (const View& other : all) click(picker().*other.button);
        click(picker().*v.button);
        ASSERT_FALSE(v.view->isHidden());
        EXPECT_EQ(v.view->geometry(), v.place);
        QWidget* on_top = v.view->parentWidget()->childAt(v.place.topLeft() + QPoint(3, 3));
        EXPECT_TRUE(on_top == v.view || v.view->isAncestorOf(on_top));
        EXPECT_TRUE(main->error_line()->isHidden()) << "no 'not part of this version' line";
    }
}

TEST_F(Teaching_views, ClickOnTheBackgroundHidesTheViewButNotOnAPart)
{
    setup_and_run();
    for (const View& v : views()) {
        SCOPED_TRACE(v.name);
        click(picker().*v.button);
        QTest::mouseClick(v.part, Qt::LeftButton);
        EXPECT_FALSE(v.view->isHidden());
        QTest::mouseClick(v.view, Qt::LeftButton, {}, v.background);
        EXPECT_TRUE(v.view->isHidden());
    }
}
