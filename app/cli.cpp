#include "app/cli.h"

#include "analog/analog_objects.h"
#include "app/bandpass_command.h"
#include "app/cli_entries.h"
#include "app/constellation_command.h"
#include "app/eye_command.h"
#include "app/interrupt_stop.h"
#include "app/sweep_command.h"
#include "app/trellis_command.h"
#include "app/usage.h"
#include "engine/elements.h"
#include "engine/engine_objects.h"
#include "engine/headless_screen.h"
#include "engine/number_text.h"
#include "engine/par_entry.h"
#include "engine/parameters.h"
#include "engine/refusal.h"
#include "engine/stage_codes.h"
#include "engine/xmit.h"
#include "plot/time_base.h"
#include "ui/pictures/plot_picture.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace {

constexpr double max_t0_us = 1.0e9;
constexpr double max_dt_us = 1.0e6;
// Below about 3e-6 microseconds the band-pass filters, whose coefficients are floats,
// are no longer stable.
constexpr double min_dt_us = 1.0e-5;
constexpr long max_count = 1000000;

struct Command {
    std::string verb;
    Cli_entries entries;
    bool all = false;
    std::optional<int> code;
    double t0_us = 0.0;
    double dt_us = 0.05;
    long count = 200;
    bool plot_window_given = false;
    Plot_picture picture;
    bool window_given = false;
    Trellis_request trellis;
    Eye_options eye;
    Constellation_options constellation;
    double window_typed_us = 0.0; // as typed, before its rounding to float
    std::string window_text;
};

// Bounds of the plot command: the time-window panel's narrowest window, and the finest
// plot step at which the band-pass filters stay stable.
constexpr double min_window_us = 0.0051;

bool parse_plot_option(Command& c, const std::string& opt, int& k, int argc,
                       const char* const* argv)
{
    Plot_picture& p = c.picture;
    if (opt == "--start") {
        p.start_us = static_cast<float>(
            parse_number_in(opt, value_of(k, argc, argv), 0.0, max_t0_us, "0 to 1e9 microseconds"));
    } else if (opt == "--window") {
        const double v = parse_number_in(opt, value_of(k, argc, argv), min_window_us, max_dt_us,
                                         "0.0051 to 1e6 microseconds");
        p.window_us = static_cast<float>(v);
        c.window_given = true;
        c.window_typed_us = v;
        c.window_text = echo_text(argv[k]);
    } else if (opt == "--width") {
        p.width = static_cast<int>(parse_integer(opt, value_of(k, argc, argv), 2, max_picture_px));
    } else if (opt == "--height") {
        p.height = static_cast<int>(parse_integer(opt, value_of(k, argc, argv), 2, max_picture_px));
    } else if (opt == "--png") {
        p.png_path = file_name_of(k, argc, argv);
    } else if (opt == "--caption") {
        p.with_caption = true;
    } else {
        return false;
    }
    return true;
}

void check_plot(const Command& c)
{
    if (!c.code) throw Refused("plot needs --code C");
    if (c.picture.png_path.empty()) throw Refused("plot needs --png FILE");
    // The typed window is a decimal whose double is off by about 1e-16 of it, so a window
    // exactly at the limit is tested with that much slack.
    constexpr double typed_slack = 1.0e-12;
    const int width = c.picture.width;
    if (c.window_given && c.window_typed_us / width < min_dt_us * (1.0 - typed_slack)) {
        const std::string lowest = significant_text(min_dt_us * width, 6);
        throw Refused("--window = " + c.window_text + " is out of range for --width " +
                      std::to_string(width) + ": allowed are " + lowest +
                      " to 1e6 microseconds (at least 1e-5 microseconds per pixel, where the "
                      "band-pass filters are stable)");
    }
}

Command parse(int argc, const char* const* argv)
{
    Command c;
    c.verb = argv[1];
    if (c.verb != "run" && c.verb != "dump" && c.verb != "plot" && c.verb != "trellis" &&
        c.verb != "eye" && c.verb != "constellation")
        throw Refused(std::string("unknown command '").append(echo_text(c.verb)) + "'");
    for (int k = 2; k < argc; ++k) {
        const std::string opt = argv[k];
        if (c.entries.take(k, argc, argv)) {
        } else if (c.verb == "dump" && opt == "--all") {
            c.all = true;
        } else if (c.verb == "plot" && parse_plot_option(c, opt, k, argc, argv)) {
        } else if (c.verb == "trellis" && opt == "--steps") {
            c.trellis.steps =
                static_cast<int>(parse_integer(opt, value_of(k, argc, argv), 0, max_trellis_steps));
        } else if (c.verb == "trellis" && opt == "--png") {
            c.trellis.png_path = file_name_of(k, argc, argv);
        } else if (c.verb == "eye" &&
                   take_eye_option(c.eye, opt, [&] { return value_of(k, argc, argv); })) {
        } else if (c.verb == "constellation" &&
                   take_constellation_option(c.constellation, opt,
                                             [&] { return value_of(k, argc, argv); })) {
        } else if ((c.verb == "dump" || c.verb == "plot") && opt == "--code") {
            c.code = static_cast<int>(parse_integer(opt, value_of(k, argc, argv), -9999, 9999));
        } else if (c.verb == "dump" && opt == "--t0") {
            c.t0_us = parse_number_in(opt, value_of(k, argc, argv), -max_t0_us, max_t0_us,
                                      "-1e9 to 1e9 microseconds");
            c.plot_window_given = true;
        } else if (c.verb == "dump" && opt == "--dt") {
            c.dt_us = parse_number_in(opt, value_of(k, argc, argv), min_dt_us, max_dt_us,
                                      "1e-5 to 1e6 microseconds");
            c.plot_window_given = true;
        } else if (c.verb == "dump" && opt == "--count") {
            c.count = parse_integer(opt, value_of(k, argc, argv), 0, max_count);
            c.plot_window_given = true;
        } else {
            throw Refused(unknown_option(opt, c.verb));
        }
    }
    if (c.verb == "dump") {
        if (c.all == c.code.has_value())
            throw Refused("dump needs exactly one of --all and --code C");
        if (c.all && c.plot_window_given) throw Refused("--t0, --dt and --count go with --code");
    }
    if (c.verb == "plot") check_plot(c);
    if (c.verb == "trellis" && c.trellis.steps < 0) throw Refused("trellis needs --steps S");
    if (c.verb == "eye") check_eye_options(c.eye);
    if (c.verb == "constellation") check_constellation_options(c.constellation);
    c.entries.check();
    return c;
}

void dump_all(std::ostream& out)
{
    for (int k = 0; k <= nr_stages; ++k) {
        const Elements* e = stage_table[static_cast<size_t>(k)];
        for (size_t b = 0; b < e->buf.size(); ++b)
            for (size_t i = 0; i < e->buf[b].size(); ++i)
                out << std::to_string(k) << ' ' << std::to_string(b) << ' ' << std::to_string(i)
                    << ' ' << significant_text(static_cast<double>(e->buf[b][i]), 9) << '\n';
    }
}

// The stage a code belongs to must be in the chain.
void check_in_chain(const Stage_code& signal)
{
    if (signal.element > nr_stages)
        throw Refused("--code " + std::to_string(signal.code) + " needs nr_stages of at least " +
                      std::to_string(signal.element) + " (it is " + std::to_string(nr_stages) +
                      ")");
}

// The stored buffer a signal plot of the code reads, one value a line.
void dump_buffer(std::ostream& out, const Stage_code& signal)
{
    check_in_chain(signal);
    const Elements* e = stage_table[static_cast<size_t>(signal.element)];
    const int len = get_len(e, signal.code < 0 ? -1 : 1);
    for (int i = 0; i < len; ++i)
        out << std::to_string(i) << ' '
            << significant_text(static_cast<double>(get_sample(e, signal.buffer, i)), 9) << '\n';
}

// Whether the float instants the analog stage evaluates are all apart, t0 + i dt rounded
// to float.
bool float_instants_apart(const Command& c)
{
    float before = -INFINITY;
    for (long i = 0; i < c.count; ++i) {
        const auto t = static_cast<float>(c.t0_us + static_cast<double>(i) * c.dt_us);
        if (!(t > before)) return false;
        before = t;
    }
    return true;
}

// Significant digits that tell instants dt apart up to the largest time of the dump.
int time_digits(const Command& c)
{
    const double last = c.t0_us + static_cast<double>(std::max(c.count - 1, 0L)) * c.dt_us;
    const double largest = std::max({std::fabs(c.t0_us), std::fabs(last), c.dt_us});
    const double places = std::floor(std::log10(largest)) - std::floor(std::log10(c.dt_us));
    return std::clamp(static_cast<int>(places) + 3, 9, 17);
}

// The analog signal at t0 + i dt. The stage evaluates float instants; while they are all
// apart, the times are printed as those floats, else from the double sum, in digits that
// tell them apart (neighbours that share a float then share a value).
void dump_analog(std::ostream& out, const Command& c)
{
    const int code = *c.code;
    if (nr_stages != 6)
        throw Refused("--code " + std::to_string(code) +
                      " is an analog signal: it needs nr_stages 6 (it is " +
                      std::to_string(nr_stages) + ")");
    const Chain_signal chips{pn_spread_iq.buf[0].data(), pn_spread_iq.buf[1].data()};
    analog_mod.prepare_plot(code, static_cast<float>(c.dt_us));
    const bool as_floats = float_instants_apart(c);
    const int digits = time_digits(c);
    for (long i = 0; i < c.count; ++i) {
        const double t = c.t0_us + static_cast<double>(i) * c.dt_us;
        const auto t_float = static_cast<float>(t);
        const float v = analog_mod.signal_at(chips, t_float);
        out << (as_floats ? significant_text(static_cast<double>(t_float), 9)
                          : significant_text(t, digits))
            << ' ' << significant_text(static_cast<double>(v), 9) << '\n';
    }
}

// The analog codes, for the refusal of window options given to a stored buffer.
std::string analog_list()
{
    std::string list;
    for (const Stage_code& s : stage_codes)
        if (s.kind == Signal_kind::analog)
            list += (list.empty() ? "" : " ") + std::to_string(s.code);
    return list;
}

int plot_picture(const Command& c, const Stage_code& signal, std::ostream& out, std::ostream& err)
{
    check_in_chain(signal);
    Plot_picture p = c.picture;
    p.code = *c.code;
    float block_us = 0.0f;
    time_base(1, &block_us, nullptr);
    if (!c.window_given) p.window_us = std::min(250.0f, block_us);
    try {
        out << write_plot_picture(p) << '\n';
    } catch (const std::runtime_error& e) {
        err << "cdma_sim: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

// Every stage code, in the order of the stage-code table.
std::string signal_list()
{
    std::string list;
    for (const Stage_code& s : stage_codes)
        list += (list.empty() ? "" : " ") + std::to_string(s.code);
    return list;
}

int execute(const Command& c, std::ostream& out, std::ostream& err)
{
    const Stage_code* signal = c.code ? find_stage_code(*c.code) : nullptr;
    if (c.code && signal == nullptr)
        throw Refused("--code " + std::to_string(*c.code) + " names no signal: the signals are " +
                      signal_list());
    if (c.plot_window_given && signal->kind != Signal_kind::analog)
        throw Refused("--t0, --dt and --count go with an analog code (" + analog_list() +
                      "); --code " + std::to_string(*c.code) + " is a stored buffer, dumped whole");
    c.entries.confirm();
    Headless_screen screen;
    if (!setup_chain(screen)) {
        err << "cdma_sim: " << screen.error << '\n';
        return 1;
    }
    Progress_line progress(job_progress(err, 0));
    const Run_time run = compute_run(progress);
    progress.erase();
    if (!run.finished) return report_stopped(err);
    show_run(screen, run);
    if (c.verb == "run") {
        out << (nr_stages > 0 ? screen.result : std::string()) << '\n';
    } else if (c.verb == "plot") {
        return plot_picture(c, *signal, out, err);
    } else if (c.verb == "trellis") {
        if (nr_stages < 2)
            throw Refused("trellis needs nr_stages of at least 2 (it is " +
                          std::to_string(nr_stages) + ")");
        return trellis_command(c.trellis, out, err);
    } else if (c.verb == "eye") {
        return eye_command(c.eye, out, err);
    } else if (c.verb == "constellation") {
        return constellation_command(c.constellation, out, err);
    } else if (c.all) {
        dump_all(out);
    } else if (signal->kind == Signal_kind::analog) {
        dump_analog(out, c);
    } else {
        dump_buffer(out, *signal);
    }
    return 0;
}

} // namespace

int run_cli(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    if (argc < 2) return 0;
    const std::string first = argv[1];
    if ((first == "--help" || first == "-h" || first == "--version") && argc > 2) {
        err << "cdma_sim: " << unknown_option(argv[2], first) << '\n';
        return 2;
    }
    if (first == "--help" || first == "-h") {
        out << usage_text();
        return 0;
    }
    if (first == "--version") {
        out << "cdma_sim " CDMA_SIM_VERSION "\n";
        return 0;
    }
    if (first == "bandpass") return bandpass_command(argc, argv, out, err);
    const Interrupt_stop ctrl_c;
    if (first == "sweep") return run_sweep_command(argc, argv, out, err);
    try {
        return execute(parse(argc, argv), out, err);
    } catch (const Refused& r) {
        err << "cdma_sim: " << r.what() << '\n';
        return 2;
    }
}
