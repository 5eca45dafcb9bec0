#include "app/sweep_command.h"

#include "app/cli_entries.h"
#include "app/interrupt_stop.h"
#include "engine/error_sweep.h"
#include "engine/headless_screen.h"
#include "engine/number_reader.h"
#include "engine/par_rows.h"
#include "engine/parameters.h"
#include "engine/refusal.h"
#include "ui/pictures/safe_file.h"
#include "ui/pictures/sweep_picture.h"

#include <optional>
#include <ostream>
#include <string>

namespace {

struct Sweep_command {
    Cli_entries entries;
    Sweep_plan plan;
    std::optional<std::string> from, to; // as typed
    std::optional<int> points;
    std::string png_path;
};

int sweep_row(const std::string& name)
{
    const int row = par_row_named(name);
    if (row < 0 || par_rows[static_cast<size_t>(row)].set == Par_set::start)
        throw Refused(std::string("--vary: unknown parameter '").append(echo_text(name)) +
                      "' (an analog, band-pass or noise parameter; see cdma_sim --help)");
    return row;
}

// An end of the sweep; a text that is no number is refused with what the row takes.
double sweep_end(const std::string& option, const std::string& text, int row)
{
    const Number_read<double> read = read_number(text);
    if (!read.ok())
        throw Refused(option + ": " + unread_problem(row, text, *read.refusal) + " (" +
                      std::string(par_rows[static_cast<size_t>(row)].name) + ")");
    return read.value;
}

Sweep_command parse(int argc, const char* const* argv)
{
    Sweep_command c;
    for (int k = 2; k < argc; ++k) {
        const std::string opt = argv[k];
        if (c.entries.take(k, argc, argv)) {
        } else if (opt == "--vary") {
            c.plan.row = sweep_row(value_of(k, argc, argv));
        } else if (opt == "--from") {
            c.from = value_of(k, argc, argv);
        } else if (opt == "--to") {
            c.to = value_of(k, argc, argv);
        } else if (opt == "--points") {
            c.points = static_cast<int>(
                parse_integer(opt, value_of(k, argc, argv), min_sweep_points, max_sweep_points));
        } else if (opt == "--log") {
            c.plan.log = true;
        } else if (opt == "--png") {
            c.png_path = file_name_of(k, argc, argv);
        } else {
            throw Refused(unknown_option(opt, "sweep"));
        }
    }
    if (c.plan.row < 0 || !c.from || !c.to)
        throw Refused("sweep needs --vary NAME --from A --to B");
    c.plan.from = sweep_end("--from", *c.from, c.plan.row);
    c.plan.to = sweep_end("--to", *c.to, c.plan.row);
    // A switch steps through its two values unless told otherwise.
    c.plan.points = c.points.value_or(whole_value_points(c.plan).value_or(default_sweep_points));
    c.entries.check();
    if (const std::optional<std::string> why = check_sweep(c.plan)) throw Refused(*why);
    return c;
}

} // namespace

int run_sweep_command(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    try {
        const Sweep_command c = parse(argc, argv);
        c.entries.confirm();
        Headless_screen screen;
        if (!setup_chain(screen)) {
            err << "cdma_sim: " << screen.error << '\n';
            return 1;
        }
        Progress_line progress(job_progress(err, c.plan.points));
        const Sweep_result r = run_sweep(c.plan, progress);
        progress.erase();
        if (!r.complete && Interrupt_stop::asked()) return report_stopped(err);
        out << sweep_csv(r);
        if (!c.png_path.empty() && !write_sweep_picture(r, false, c.png_path)) {
            err << "cdma_sim: " << cannot_write_picture(c.png_path) << '\n';
            return 1;
        }
        return 0;
    } catch (const Refused& r) {
        err << "cdma_sim: " << r.what() << '\n';
        return 2;
    }
}
