#include "ui/widgets/job_input_filter.h"

#include <QEvent>
#include <QWindow>

namespace {

bool is_input(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    default: return false;
    }
}

} // namespace

Job_input_filter::Job_input_filter(QWidget* main_window, std::function<void()> stop_job)
    : main(main_window), stop(std::move(stop_job))
{}

void Job_input_filter::let_through(QWidget* d) { dialog = d; }

bool Job_input_filter::is_window_of(const QObject* target, const QWidget* w)
{
    return w != nullptr && (target == w || target == w->windowHandle());
}

bool Job_input_filter::in_dialog(QObject* target) const
{
    if (dialog == nullptr) return false;
    if (const auto* widget = qobject_cast<QWidget*>(target)) return widget->window() == dialog;
    return target == dialog->windowHandle();
}

bool Job_input_filter::eventFilter(QObject* target, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        if (!is_window_of(target, main)) return false;
        // Held back until the job has ended: the window's widgets still share its objects.
        closing = true;
        stop();
        event->ignore();
        return true;
    }
    if (!is_input(event->type())) return false;
    if (!in_dialog(target)) return true;
    // Keys typed into the dialog are its own (Esc cancels), not the main window's shortcuts.
    if (event->type() == QEvent::ShortcutOverride) event->accept();
    return false;
}
