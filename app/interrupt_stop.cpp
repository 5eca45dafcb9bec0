#include "app/interrupt_stop.h"

#include <chrono>
#include <ostream>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stop_requested = 0;

void on_interrupt(int)
{
    if (stop_requested != 0) {
        // The job has not stopped since the first Ctrl+C: end as Ctrl+C ends a program.
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
        return;
    }
    stop_requested = 1;
}

double steady_seconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

Interrupt_stop::Interrupt_stop()
{
    struct sigaction action {};
    action.sa_handler = on_interrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &before);
    if (before.sa_handler == SIG_IGN) {
        sigaction(SIGINT, &before, nullptr);
        return;
    }
    installed = true;
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    sigprocmask(SIG_UNBLOCK, &interrupt, &mask_before);
}

Interrupt_stop::~Interrupt_stop()
{
    if (!installed) return;
    sigprocmask(SIG_SETMASK, &mask_before, nullptr);
    sigaction(SIGINT, &before, nullptr);
    stop_requested = 0;
}

bool Interrupt_stop::asked() { return stop_requested != 0; }

Progress_line::Setup job_progress(std::ostream& err, int points)
{
    Progress_line::Setup s;
    s.out = isatty(STDERR_FILENO) != 0 ? &err : nullptr;
    s.seconds = steady_seconds;
    s.stop_asked = Interrupt_stop::asked;
    s.points = points;
    return s;
}

Progress_line::Setup stop_only()
{
    Progress_line::Setup s;
    s.stop_asked = Interrupt_stop::asked;
    return s;
}

int report_stopped(std::ostream& err)
{
    err << "cdma_sim: stopped by Ctrl+C; nothing was printed or written\n";
    return stopped_status;
}
