#include "ui/windows/run_menue.h"

#include "ui/pictures/pixel_font.h"
#include "ui/widgets/menu_host.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/run_extras.h"
#include "ui/windows/set_times.h"

#include <QCloseEvent>
#include <QFont>
#include <QPushButton>

TRun_menue::TRun_menue(Menu_host& host, const Picker_views& views)
{
    setProperty("Tag", Menu_host::menu_tag);
    setWindowFlags(Qt::SubWindow | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle("run time menue");
    auto* body = new QWidget(this);
    setWidget(body);
    body->setFont(pixel_font("MS Sans Serif", 10));
    Set_times = new TSet_times(body, host);
    Set_times->move(10, 0);
    Get_plots = new TGet_plots(body, host, views);
    Get_plots->move(6, 80);
    Get_plots->run->setFocus();
    Run_extras = new TRun_extras(body, host);
    Run_extras->move(848, 2);
}

void TRun_menue::place() { setGeometry(10, 35, 1000, 300); }

void TRun_menue::closeEvent(QCloseEvent* event)
{
    event->ignore();
    showMinimized();
}
