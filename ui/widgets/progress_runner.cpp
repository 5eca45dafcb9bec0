#include "ui/widgets/progress_runner.h"

#include "ui/widgets/job_input_filter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <exception>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

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

struct Waiting_action {
    QPointer<QObject> owner;
    std::function<void()> action;
};

bool job_running = false;
std::vector<Waiting_action> waiting;

// The actions that waited for the job, each once, as a handler of their own.
void run_waiting()
{
    if (job_running) return;
    std::vector<Waiting_action> due;
    due.swap(waiting);
    for (Waiting_action& w : due)
        if (w.owner != nullptr) w.action();
}

std::unique_ptr<QProgressDialog> open_dialog(QWidget* parent, const QString& label,
                                             Job_input_filter& filter, Shared_progress& progress)
{
    auto dialog = std::make_unique<QProgressDialog>(label, "Cancel", 0, dialog_steps, parent);
    // Not modal: the platform would then swallow a close of the main window; the filter
    // blocks the other windows instead.
    dialog->setWindowModality(Qt::NonModal);
    dialog->setWindowTitle(label);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    const auto stop = [&progress] { progress.stop.store(true); };
    QObject::connect(dialog.get(), &QProgressDialog::canceled, stop);
    QObject::connect(dialog.get(), &QDialog::rejected, stop); // Esc
    filter.let_through(dialog.get());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

} // namespace

bool Progress_runner::busy() { return job_running; }

void Progress_runner::when_idle(QObject* owner, std::function<void()> action)
{
    if (!job_running) {
        action();
        return;
    }
    for (Waiting_action& w : waiting)
        if (w.owner == owner) {
            w.action = std::move(action);
            return;
        }
    waiting.push_back({owner, std::move(action)});
}

bool Progress_runner::run(QWidget* parent, const QString& label,
                          const std::function<void(Progress&)>& work)
{
    Shared_progress progress;
    std::atomic<bool> finished{false};
    std::exception_ptr failure;
    Job_input_filter filter(parent != nullptr ? parent->window() : nullptr,
                            [&progress] { progress.stop.store(true); });
    qApp->installEventFilter(&filter);
    job_running = true;

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
        if (!dialog && clock.elapsed() >= show_after_ms)
            dialog = open_dialog(parent, label, filter, progress);
        if (dialog) dialog->setValue(static_cast<int>(progress.done.load() * dialog_steps));
    });
    poll.start(poll_ms);
    if (!finished.load()) loop.exec();
    poll.stop();
    worker.join();
    dialog.reset();
    qApp->removeEventFilter(&filter);
    job_running = false;

    if (!waiting.empty()) QTimer::singleShot(0, qApp, run_waiting);
    if (filter.close_wanted() && parent != nullptr)
        QTimer::singleShot(0, parent->window(), [w = parent->window()] { w->close(); });
    if (failure) std::rethrow_exception(failure);
    return !progress.stop.load();
}
