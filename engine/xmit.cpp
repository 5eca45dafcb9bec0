#include "engine/xmit.h"

#include "engine/decision_line.h"
#include "engine/engine_objects.h"
#include "engine/parameters.h"
#include "engine/screen_port.h"

#include <algorithm>
#include <chrono>

namespace {

// Passes reports on and remembers a request to stop.
class Stop_latch : public Progress {
public:
    explicit Stop_latch(Progress& to) : outer(to) {}
    bool stopped = false;

    bool report(double done) override
    {
        if (!stopped && !outer.report(done)) stopped = true;
        return !stopped;
    }

private:
    Progress& outer;
};

} // namespace

void Xmit::run(Elements** chain, int last_stage)
{
    No_progress none;
    run(chain, last_stage, none);
}

bool Xmit::run(Elements** chain, int last_stage, Progress& progress)
{
    stages = chain;
    last = last_stage;
    complete = false;
    ++runs;
    Stop_latch latch(progress);
    set_analog_progress(&latch);
    Chain_signal s;
    for (int k = 0; k <= last && !latch.stopped; ++k) stages[k]->xmit(s);
    set_analog_progress(nullptr);
    if (latch.stopped) return false;
    for (int k = last; k >= 0; --k) stages[k]->rcve(s);
    complete = true;
    return true;
}

std::string Xmit::compare(int step, int selector) const
{
    const std::optional<Step_count> c = count(step, selector);
    if (!c) return {};
    return ", rcve step " + std::to_string(step) + ": " + std::to_string(c->wrong) +
           " wrong out of " + std::to_string(c->total) + " signals";
}

std::optional<Step_count> Xmit::count(int step, int selector) const
{
    if (!complete || stages == nullptr || step < 1 || step > last) return std::nullopt;
    const Elements& a = *stages[step - 1];
    const Elements& b = *stages[step];
    const int h = selector / 2;
    const int ia = std::clamp(h, 0, a.n_tx - 1);
    const int ib = std::clamp(b.n_tx + h, b.n_tx, b.n_tx + b.n_rx - 1);
    if (static_cast<size_t>(ia) >= a.buf.size() || static_cast<size_t>(ib) >= b.buf.size())
        return std::nullopt; // a stage without buffers has nothing to compare
    const std::vector<float>& va = a.buf[static_cast<size_t>(ia)];
    const std::vector<float>& vb = b.buf[static_cast<size_t>(ib)];
    // The chain makes both lengths out_len of stage step-1; never read past either buffer.
    const int n =
        static_cast<int>(std::min({static_cast<size_t>(a.out_len), va.size(), vb.size()}));

    const float range = sent_range([&va](int i) { return va[static_cast<size_t>(i)]; }, n);
    int errors = 0;
    for (int i = 0; i < n; ++i) {
        // For 0/1 data: b lies on the other side of 0.5 than a.
        const float ta = from_line(va[static_cast<size_t>(i)], range);
        const float tb = from_line(vb[static_cast<size_t>(i)], range);
        if (wrong_side(ta, tb)) ++errors;
    }
    return Step_count{errors, n};
}

void run_transmission(Screen_port& screen)
{
    if (!chain_ready()) {
        prepare_analog_run();
        screen.show_error(not_set_up_message);
        return;
    }
    No_progress none;
    show_run(screen, compute_run(none));
}

Run_time compute_run(Progress& progress)
{
    prepare_analog_run();
    const auto t0 = std::chrono::steady_clock::now();
    const bool finished = transmission.run(stage_table.data(), nr_stages, progress);
    const auto t1 = std::chrono::steady_clock::now();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t1 - t0).count();
    return {finished, static_cast<long long>(static_cast<double>(ms) * 0.001)};
}

void show_run(Screen_port& screen, const Run_time& run)
{
    if (nr_stages > 0) {
        screen.hide_error();
        screen.set_result(transmission.compare(1, 0) + "; t = " + std::to_string(run.seconds) +
                          " sec");
    }
    screen.show_buttons();
}
