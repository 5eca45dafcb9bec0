#include "ui/widgets/view_host.h"

#include <QWidget>

void View_host::bring_to_front(QWidget* view)
{
    view->show();
    view->raise();
}
