#include "app/sweep_command.h"

#include "app/cli_entries.h"
#include "engine/error_sweep.h"
#include "engine/headless_screen.h"
#include "engine/par_rows.h"
#include "engine/parameters.h"
#include "ui/pictures/safe_file.h"
#include "ui/pictures/sweep_picture.h"

#include <optional>
#include <ostream>
#include <string>

namespace {

struct Sweep_command {
    Cli_entries entries;
    Sweep_plan plan;
    std::optional<double> from, to;
    std::optional<int> points;
    std::string png_path;
};

int sweep_row(const std::string& name)
{
    const int row = par_row_named(name);
    if (row < 0 || par_rows[static_cast<size_t>(row)].set == Par_set::start)
        throw Refused("--vary: unknown parameter '" + name +
                      "' (an analog, band-pass or noise parameter; see cdma_sim --help)");
    return row;
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
            c.from = parse_number(opt, value_of(k, argc, argv));
        } else if (opt == "--to") {
            c.to = parse_number(opt, value_of(k, argc, argv));
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
    c.plan.from = *c.from;
    c.plan.to = *c.to;
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
        No_progress none;
        const Sweep_result r = run_sweep(c.plan, none);
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
