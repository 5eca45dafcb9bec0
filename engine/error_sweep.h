#pragma once
// The error sweep: one entered value stepped through a range, the chain run at each
// value, and the wrong count of every receive comparison step kept per point. The
// parameters are given back exactly afterwards and the chain run once more with them, so
// it holds what it held before.

#include "engine/progress.h"
#include "engine/xmit.h"

#include <optional>
#include <string>
#include <vector>

struct Sweep_plan {
    int row = -1; // into par_rows; not a start row
    // The ends as typed, in the row's unit; the points between are spaced from these, not
    // from their floats.
    double from = 0.0;
    double to = 0.0;
    int points = 2;
    bool log = false; // values spaced evenly on a logarithmic scale
};

constexpr int min_sweep_points = 2;
constexpr int max_sweep_points = 200;
// Points offered when none are asked for (a switch: its two values).
constexpr int default_sweep_points = 11;

struct Sweep_point {
    float value; // in the row's unit, as --set takes it
    // Step s (1..steps) at index s - 1: the first branch's comparison, as the result
    // line and the plot captions of the "a" buttons count it.
    std::vector<Step_count> steps;
};

struct Sweep_result {
    int row = -1;
    bool log = false;
    int steps = 0; // nr_stages of the runs
    std::vector<Sweep_point> points;
    // Every point ran and the chain ran once more with the stored values; a stopped sweep
    // leaves the chain not run.
    bool complete = false;
    int planned = 0; // points of the plan
};

// The values of a plan, from first to last: each the float nearest to its place between
// the typed ends, so that "--set NAME=<its shortest text>" stores the same float.
std::vector<float> sweep_values(const Sweep_plan& plan);

// A row that takes only two whole values (a switch, the branch count) is swept through
// them one by one: the points a sweep from one of them to the other has. Nothing for
// other rows, or when from equals to.
std::optional<int> whole_value_points(const Sweep_plan& plan);

// Why the plan cannot run, or nothing: the row, the number of points, the spacing, an end
// or the first value the stages cannot carry ("point 5: roll_off = 2 is out of ..."),
// or a points count that a row of whole values cannot step through.
std::optional<std::string> check_sweep(const Sweep_plan& plan);

// Runs a checked plan on the set-up chain, telling progress how far each run has come.
// When progress asks to stop, ends within the run in hand with the points done so far,
// the stored values given back and the chain not run. Every point runs with the stored
// parameters and the one value, as "--set NAME=value" would give them.
Sweep_result run_sweep(const Sweep_plan& plan, Progress& progress);

// "error sweep over NAME: 12 points", or for a stopped sweep "...: 3 of 12 points
// (cancelled)".
std::string sweep_title(const Sweep_result& r);

// The points as CSV: a header "NAME,step1_wrong,step1_total,...", then one line per point
// with the value as its shortest exact text. A stopped sweep begins with "# " and its
// title.
std::string sweep_csv(const Sweep_result& r);
