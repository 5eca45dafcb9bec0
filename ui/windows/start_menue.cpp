#include "ui/windows/start_menue.h"

#include "engine/elements.h"
#include "plot/plot_objects.h"
#include "ui/parameters/lesson_btns.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/pictures/pixel_font.h"
#include "ui/widgets/click_line.h"
#include "ui/widgets/menu_host.h"
#include "ui/windows/circuit_picture.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TStart_menue::TStart_menue(Menu_host& menu_host) : host(menu_host)
{
    setProperty("Tag", Menu_host::menu_tag);
    setWindowFlags(Qt::SubWindow | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString("Start menue: option to view/modify the system parameters; ") +
                   "press 'setup' to allocate the program's buffers and continue");
    auto* body = new QWidget(this);
    setWidget(body);

    title = new QLabel("Simulation of a CDMA System", body);
    title->setFont(pixel_font("Times New Roman", 21));
    title->setStyleSheet("color: rgb(0, 0, 255)");
    title->adjustSize();
    title->move(8, 0);
    sub_title = new QLabel(QString("click the respective button ") +
                               "(the start parameters can be modified at this stage only)",
                           body);
    sub_title->setFont(pixel_font("MS Sans Serif", 16));
    sub_title->setStyleSheet("color: rgb(0, 0, 255)");
    sub_title->adjustSize();
    sub_title->move(8, 26);

    setup = new QPushButton("setup", body);
    setup->setGeometry(785, 41, 98, 29);
    setup->setFont(pixel_font("Times New Roman", 24, true));
    setup->setStyleSheet("color: rgb(0, 0, 255)");
    setup->setDefault(true);
    connect(setup, &QPushButton::clicked, this, &TStart_menue::setupClick);

    Image1 = new QLabel(body);
    Image1->setGeometry(0, 89, 897, 168);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(circuit_picture(Circuit_note::average_n)));

    start_par = new TParameter_btn(body, host, 1);
    start_par->move(16, 56);
    analog_par = new TParameter_btn(body, host, 2);
    analog_par->move(168, 56);
    filter_par = new TParameter_btn(body, host, 3);
    filter_par->move(320, 56);
    distort_par = new TParameter_btn(body, host, 4);
    distort_par->move(472, 56);

    lesson = new TLesson_btns(body, host, false);
    lesson->move(16, 262);

    // The title is centred in the window.
    title->move((995 - title->width()) / 2, 0);
    host.clear_display(Menu_host::result_view);
}

// Centred in the main screen's 1032 pixels, so that no scroll bar appears at start.
void TStart_menue::place() { setGeometry(18, 40, 995, 350); }

void TStart_menue::setupClick()
{
    setup_done = true;
    close();
    plot_ctrl.empty_capture();
    setup_chain(host.engine_screen());
}

void TStart_menue::closeEvent(QCloseEvent* event)
{
    if (setup_done) {
        setAttribute(Qt::WA_DeleteOnClose);
        event->accept();
        return;
    }
    // Without setup the start menu cannot be dismissed, only minimised.
    event->ignore();
    showMinimized();
}

void TStart_menue::hide_parameter_buttons()
{
    for (TParameter_btn* b : {start_par, analog_par, filter_par, distort_par}) b->hide();
}

void TStart_menue::show_parameter_buttons()
{
    for (TParameter_btn* b : {start_par, analog_par, filter_par, distort_par}) b->show();
}
