#include "app/cli_entries.h"

#include "engine/lesson_file.h"
#include "engine/number_reader.h"
#include "engine/parameters.h"
#include "engine/refusal.h"

#include <climits>

long parse_integer(const std::string& option, const std::string& text, long lo, long hi)
{
    const std::string allowed = "allowed are " + std::to_string(lo) + " to " + std::to_string(hi);
    const Number_read<int> read = read_whole(text);
    if (!read.ok()) throw Refused(option + ": " + unread_text(text, *read.refusal, allowed));
    const long v = read.value;
    if (v < lo || v > hi) throw Refused(option + " = " + out_of_range_text(text, allowed));
    return v;
}

double parse_number_in(const std::string& option, const std::string& text, double lo, double hi,
                       const char* allowed)
{
    const std::string allowed_are = std::string("allowed are ") + allowed;
    const Number_read<double> read = read_number(text);
    if (!read.ok()) throw Refused(option + ": " + unread_text(text, *read.refusal, allowed_are));
    const double v = read.value;
    if (!(v >= lo && v <= hi)) throw Refused(option + " = " + out_of_range_text(text, allowed_are));
    return v;
}

std::string unknown_option(const std::string& option, const std::string& verb)
{
    return "unknown option '" + echo_text(option) + "' for '" + verb + "' (see cdma_sim --help)";
}

std::string value_of(int& k, int argc, const char* const* argv)
{
    const std::string option = argv[k];
    if (k + 1 >= argc) throw Refused(option + ": a value is missing");
    return argv[++k];
}

std::optional<std::string> file_name_refusal(const std::string& option, const std::string& name)
{
    if (!name.empty()) return std::nullopt;
    return option + ": '' is no file name";
}

void check_file_name(const std::string& option, const std::string& name)
{
    if (const std::optional<std::string> why = file_name_refusal(option, name)) throw Refused(*why);
}

std::string file_name_of(int& k, int argc, const char* const* argv)
{
    const std::string option = argv[k];
    std::string name = value_of(k, argc, argv);
    check_file_name(option, name);
    return name;
}

bool Cli_entries::take(int& k, int argc, const char* const* argv)
{
    const std::string opt = argv[k];
    if (opt == "--stages") {
        stages = static_cast<int>(parse_integer(opt, value_of(k, argc, argv), INT_MIN, INT_MAX));
    } else if (opt == "--bytes") {
        bytes = static_cast<int>(parse_integer(opt, value_of(k, argc, argv), INT_MIN, INT_MAX));
    } else if (opt == "--set") {
        set(value_of(k, argc, argv));
    } else if (opt == "--params") {
        load(file_name_of(k, argc, argv));
    } else {
        return false;
    }
    return true;
}

void Cli_entries::set(const std::string& assignment)
{
    const size_t eq = assignment.find('=');
    if (eq == std::string::npos)
        throw Refused(
            std::string("--set: expected NAME=VALUE, got '").append(echo_text(assignment)) + "'");
    const std::string name = assignment.substr(0, eq);
    const int row = par_row_named(name);
    // The start set has options of its own.
    if (row < 0 || par_rows[static_cast<size_t>(row)].set == Par_set::start)
        throw Refused(std::string("--set: unknown parameter '").append(echo_text(name)) +
                      "' (see cdma_sim --help)");
    const std::string text = assignment.substr(eq + 1);
    const Number_read<double> read = read_number(text);
    if (!read.ok()) throw Refused(name + ": " + unread_problem(row, text, *read.refusal));
    given.type(row, as_float(read.value), text);
}

void Cli_entries::load(const std::string& path)
{
    if (lesson_read) throw Refused("--params: only one lesson file can be given");
    const Lesson_read file = read_lesson_file(path, path);
    if (!file.text) throw Refused("--params: " + file.refusal);
    if (const std::optional<Lesson_error> error = read_lesson(*file.text, lesson))
        throw Refused("--params: " + error->message(path));
    lesson_read = true;
}

Par_entry Cli_entries::merged() const
{
    Par_entry e = lesson;
    for (int r = 0; r < par_row_count; ++r)
        if (const std::optional<double> v = given.typed(r))
            e.type_exact(r, *v, given.typed_text(r));
    for (Par_set set : {Par_set::analog, Par_set::band_pass, Par_set::noise})
        if (given.confirmed(set)) e.confirm(set);
    if (stages) e.type_whole(par_row_named("nr_stages"), *stages);
    if (bytes) e.type_whole(par_row_named("data_bytes"), *bytes);
    return e;
}

void Cli_entries::check() const
{
    if (const std::optional<Refusal> r = check_entry(merged())) throw Refused(r->message());
}

void Cli_entries::confirm() const { apply_entry(analog_pars(), merged()); }
