#include "engine/error_sweep.h"

#include "engine/engine_objects.h"
#include "engine/number_text.h"
#include "engine/par_entry.h"
#include "engine/parameters.h"

#include <array>
#include <cmath>

namespace {

// Every stored analog value, to be put back bit for bit.
class Stored_values {
public:
    Stored_values()
    {
        for (size_t k = 0; k < saved.size(); ++k) saved[k] = *analog_pars().par_table[k];
    }
    Stored_values(const Stored_values&) = delete;
    Stored_values& operator=(const Stored_values&) = delete;
    ~Stored_values() { restore(); }

    void restore() const
    {
        for (size_t k = 0; k < saved.size(); ++k) *analog_pars().par_table[k] = saved[k];
    }

private:
    std::array<float, par_count> saved{};
};

bool run_chain(Progress& progress)
{
    prepare_analog_run();
    return transmission.run(stage_table.data(), nr_stages, progress);
}

// The point of one value, or nothing when progress stopped its run.
std::optional<Sweep_point> run_point(int row, float value, Progress& progress)
{
    Par_entry e;
    e.type(row, value);
    apply_entry(analog_pars(), e);
    if (!run_chain(progress)) return std::nullopt;
    Sweep_point p{value, {}};
    for (int step = 1; step <= nr_stages; ++step)
        p.steps.push_back(transmission.count(step, 0).value_or(Step_count{}));
    return p;
}

// Why point k (0 = from) cannot be stored, or nothing. The ends echo the typed value, the
// points between the float they store.
std::optional<std::string> point_problem(const Sweep_plan& plan, const std::vector<float>& values,
                                         size_t k)
{
    const std::string text = k == 0                   ? shortest_text(plan.from)
                             : k + 1 == values.size() ? shortest_text(plan.to)
                                                      : shortest_text(values[k]);
    Par_entry e;
    e.type(plan.row, values[k], text);
    if (const std::optional<Refusal> r = check_entry(e))
        return "point " + std::to_string(k + 1) + ": " + r->message();
    return std::nullopt;
}

} // namespace

std::vector<float> sweep_values(const Sweep_plan& plan)
{
    std::vector<float> v;
    const int n = plan.points;
    // A log sweep spaces the magnitudes (same signs only, check_sweep) and keeps the sign.
    const double a = plan.log ? std::log10(std::fabs(plan.from)) : plan.from;
    const double b = plan.log ? std::log10(std::fabs(plan.to)) : plan.to;
    for (int k = 0; k < n; ++k) {
        // Multiplied before divided, so that (b - a) * k / (n - 1) is a whole number of
        // decades wherever it should be; rounded to float once, at the end.
        double x = a + (b - a) * k / (n - 1);
        if (plan.log) x = std::copysign(std::pow(10.0, x), plan.from);
        v.push_back(as_float(x));
    }
    if (n >= 1) v.front() = as_float(plan.from);
    if (n >= 2) v.back() = as_float(plan.to);
    return v;
}

std::optional<int> whole_value_points(const Sweep_plan& plan)
{
    if (plan.row < 0 || plan.row >= par_row_count) return std::nullopt;
    const Par_range range = par_rows[static_cast<size_t>(plan.row)].range;
    if ((range != Par_range::on_off && range != Par_range::iq) || plan.from == plan.to)
        return std::nullopt;
    return 2;
}

std::optional<std::string> check_sweep(const Sweep_plan& plan)
{
    if (plan.row < 0 || plan.row >= par_row_count ||
        par_rows[static_cast<size_t>(plan.row)].set == Par_set::start)
        return "only an analog, band-pass or noise parameter can be swept";
    const Par_row& row = par_rows[static_cast<size_t>(plan.row)];
    if (plan.points < min_sweep_points || plan.points > max_sweep_points)
        return "points = " + std::to_string(plan.points) + " is out of range: allowed are " +
               std::to_string(min_sweep_points) + " to " + std::to_string(max_sweep_points);
    if (plan.log && !(plan.from * plan.to > 0.0))
        return "a logarithmic sweep needs from and to of the same sign, neither 0";
    const std::vector<float> values = sweep_values(plan);
    const size_t last = values.size() - 1;
    for (size_t k : {size_t{0}, last})
        if (std::optional<std::string> problem = point_problem(plan, values, k)) return problem;
    if (const std::optional<int> n = whole_value_points(plan); n && *n != plan.points)
        return "points = " + std::to_string(plan.points) +
               " is out of range: " + std::string(row.name) + " takes only " +
               shortest_text(row.lo) + " and " + shortest_text(row.hi) + ", so a sweep from " +
               shortest_text(plan.from) + " to " + shortest_text(plan.to) + " has " +
               std::to_string(*n) + " points";
    for (size_t k = 1; k < last; ++k)
        if (std::optional<std::string> problem = point_problem(plan, values, k)) return problem;
    return std::nullopt;
}

Sweep_result run_sweep(const Sweep_plan& plan, Progress& progress)
{
    Sweep_result result{plan.row, plan.log, nr_stages, {}, false, plan.points};
    if (!chain_ready()) return result;
    const std::vector<float> values = sweep_values(plan);
    // The points, then the run that gives the chain back, as equal shares.
    const double share = 1.0 / static_cast<double>(values.size() + 1);
    {
        const Stored_values stored;
        for (size_t k = 0; k < values.size(); ++k) {
            Progress_part part(progress, static_cast<double>(k) * share, share);
            std::optional<Sweep_point> point = run_point(plan.row, values[k], part);
            stored.restore();
            if (point) result.points.push_back(std::move(*point));
            if (!point || !progress.report(static_cast<double>(k + 1) * share)) {
                // The chain holds a run of another value, or part of one.
                transmission.complete = false;
                return result;
            }
        }
    }
    // The chain again as it was before the sweep, so the open plots show the same.
    Progress_part last(progress, static_cast<double>(values.size()) * share, share);
    result.complete = run_chain(last);
    return result;
}

std::string sweep_title(const Sweep_result& r)
{
    const std::string done = std::to_string(r.points.size());
    return "error sweep over " + std::string(par_rows[static_cast<size_t>(r.row)].name) + ": " +
           (r.complete ? done + " points"
                       : done + " of " + std::to_string(r.planned) + " points (cancelled)");
}

std::string sweep_csv(const Sweep_result& r)
{
    std::string text = r.complete ? "" : "# " + sweep_title(r) + "\n";
    text += par_rows[static_cast<size_t>(r.row)].name;
    for (int step = 1; step <= r.steps; ++step) {
        const std::string n = std::to_string(step);
        text.append(",step").append(n).append("_wrong,step").append(n).append("_total");
    }
    text += '\n';
    for (const Sweep_point& p : r.points) {
        text += shortest_text(p.value);
        for (const Step_count& c : p.steps)
            text.append(",")
                .append(std::to_string(c.wrong))
                .append(",")
                .append(std::to_string(c.total));
        text += '\n';
    }
    return text;
}
