#include "ui/progress_runner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <exception>
#include <memory>
#include <thread>

namespace {

constexpr int poll_ms = 10;
constexpr int dialog_steps = 1000;

class Shared_progress : public Progress {
public:
    std::atomic<double> done{0.0};
    std::atomic<bool> stop{false};

    bool report(double share) override
    {
        done.store(share);
        if (Progress_runner::cancel_hook && Progress_runner::cancel_hook(share)) stop.store(true);
        return !stop.load();
    }
};

// Drops user input meant for anything but the progress dialog; paint events pass.
class Input_blocker : public QObject {
public:
    QWidget* dialog = nullptr;

    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (!is_input(event->type())) return false;
        auto* widget = qobject_cast<QWidget*>(target);
        return dialog == nullptr || widget == nullptr || widget->window() != dialog;
    }

private:
    static bool is_input(QEvent::Type type)
    {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride: return true;
        default: return false;
        }
    }
};

} // namespace

bool Progress_runner::run(QWidget* parent, const QString& label,
                          const std::function<void(Progress&)>& work)
{
    Shared_progress progress;
    std::atomic<bool> finished{false};
    std::exception_ptr failure;
    Input_blocker blocker;
    qApp->installEventFilter(&blocker);

    std::thread worker([&] {
        try {
            work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
        finished.store(true);
    });

    std::unique_ptr<QProgressDialog> dialog;
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (finished.load()) {
            loop.quit();
            return;
        }
        if (!dialog && clock.elapsed() >= show_after_ms) {
            dialog = std::make_unique<QProgressDialog>(label, "Cancel", 0, dialog_steps, parent);
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
            dialog->setAutoClose(false);
            dialog->setAutoReset(false);
            QObject::connect(dialog.get(), &QProgressDialog::canceled,
                             [&] { progress.stop.store(true); });
            blocker.dialog = dialog.get();
            dialog->show();
        }
        if (dialog) dialog->setValue(static_cast<int>(progress.done.load() * dialog_steps));
    });
    poll.start(poll_ms);
    if (!finished.load()) loop.exec();
    poll.stop();
    worker.join();
    qApp->removeEventFilter(&blocker);
    if (failure) std::rethrow_exception(failure);
    return !progress.stop.load();
}
