#include "ui/windows/sim_application.h"

#include "tests/locale_environment.h"

#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Reads the text of the next modal message box and closes it.
void close_next_message_box(QString& text)
{
    QTimer::singleShot(10, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
}

} // namespace

TEST(Sim_application, ExceptionFromAHandlerIsShownAndTheProgramGoesOn)
{
    QPushButton button("throw");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] {
        ++clicks;
        throw std::runtime_error("test failure in a click handler");
    });
    button.show();
    QString shown;
    close_next_message_box(shown);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(shown, "test failure in a click handler");
    close_next_message_box(shown);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

// Qt sets the C library's locale from the environment when the application starts; the
// number conventions go back to "C" at once.
TEST(Sim_application, NumbersKeepTheCConventionsInEveryLocale)
{
    EXPECT_EQ(numeric_locale_after_start, "C");
    EXPECT_EQ(QLocale().toString(-1234.5), "-1234.5");
}
