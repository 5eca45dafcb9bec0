#include "engine/lesson_file.h"

#include "engine/number_reader.h"
#include "engine/number_text.h"
#include "engine/parameters.h"
#include "engine/refusal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Floats beside a MHz value tried when no shorter text stores back.
constexpr int mhz_neighbours = 4;

const Par_row& row_at(int r) { return par_rows[static_cast<size_t>(r)]; }

// The stored float a value read for the row becomes (as apply_entry stores it): the
// carriers take the float of the text in MHz, a band-pass frequency the text itself.
float stored_from_text(const Par_row& row, double read)
{
    if (row.unit != Par_unit::mhz) return static_cast<float>(read);
    if (row.set == Par_set::band_pass) return static_cast<float>(read * hz_per_mhz);
    return static_cast<float>(read) * hz_per_mhz_f;
}

// The text of a typed float when it stores back to `stored`, or "".
std::string shortest_for(const Par_row& row, float typed, float stored)
{
    const std::string text = shortest_text(typed);
    return stored_from_text(row, read_number(text).value) == stored ? text : std::string();
}

std::string trimmed(std::string_view s) { return std::string(without_blanks(s)); }

// "name: 'value' is not a number; allowed are ..." and the like.
std::string refused(int row, const std::string& value, Number_refusal why)
{
    return std::string(row_at(row).name) + ": " + unread_problem(row, value, why);
}

// Types one "name = value" line into e; the reason it cannot, or "".
std::string type_line(const std::string& line, Par_entry& e, std::array<int, par_row_count>& seen,
                      int number)
{
    const size_t eq = line.find('=');
    if (eq == std::string::npos)
        return std::string("expected 'name = value', got '").append(echo_text(line)) + "'";
    const std::string name = trimmed(std::string_view(line).substr(0, eq));
    const std::string value = trimmed(std::string_view(line).substr(eq + 1));
    const int r = par_row_named(name);
    if (r < 0) return std::string("unknown parameter '").append(echo_text(name)) + "'";
    int& first = seen[static_cast<size_t>(r)];
    if (first != 0) return name + " is given twice (first on line " + std::to_string(first) + ")";
    first = number;
    if (row_at(r).set == Par_set::start) {
        const Number_read<int> v = read_whole(value);
        if (!v.ok()) return refused(r, value, *v.refusal);
        e.type_whole(r, v.value);
        return {};
    }
    const Number_read<double> v = read_number(value);
    if (!v.ok()) return refused(r, value, *v.refusal);
    Par_entry alone;
    alone.type(r, as_float(v.value));
    if (const std::optional<Refusal> out = check_entry(alone)) return out->message();
    e.type_exact(r, v.value);
    return {};
}

} // namespace

std::string Lesson_error::message(std::string_view file) const
{
    return echo_text(file) + ", line " + std::to_string(line) + ": " + reason;
}

std::string lesson_value(int r, float stored)
{
    const Par_row& row = row_at(r);
    if (row.unit != Par_unit::mhz) return shortest_for(row, stored, stored);
    const auto nearest = static_cast<float>(static_cast<double>(stored) / hz_per_mhz);
    // Several MHz floats can give the same product, or the nearest one can miss it by a
    // step: look at its neighbours too.
    float m = nearest;
    for (int k = 0; k < mhz_neighbours; ++k) m = std::nextafter(m, -INFINITY);
    std::string text;
    for (int k = 0; k <= 2 * mhz_neighbours; ++k, m = std::nextafter(m, INFINITY)) {
        const std::string t = shortest_for(row, m, stored);
        if (t.empty()) continue;
        // The RF floor is 3 x the IF as typed, so a carrier takes the smallest such float:
        // the floors then come out no higher than they were, and a carrier below its
        // floor is raised to the same product. A filter frequency takes the shortest text.
        if (text.empty() || (row.set == Par_set::band_pass && t.size() < text.size())) text = t;
    }
    // A recomputed centre no typed float reaches: the MHz value to double precision.
    return text.empty() ? shortest_text(static_cast<double>(stored) / hz_per_mhz) : text;
}

std::string lesson_text(const Analog_pars& p, int stages, int bytes)
{
    static constexpr std::array<const char*, 4> set_titles{
        "start parameters (read only before setup)", "analog parameters",
        "band-pass filters (centre and width in MHz)",
        "noise and distortion (detune and phase in %)"};
    std::ostringstream out;
    out << "# CDMA link parameters: one 'name = value' line each, as with --set.\n"
        << "# Lines starting with '#' and blank lines are ignored.\n";
    Par_set set{};
    for (int r = 0; r < par_row_count; ++r) {
        const Par_row& row = row_at(r);
        if (r == 0 || row.set != set) {
            set = row.set;
            out << "\n# " << set_titles[static_cast<size_t>(set) - 1] << '\n';
        }
        out << row.name << " = ";
        if (row.set == Par_set::start)
            out << (row.par == start_nr_stages ? stages : bytes);
        else
            out << lesson_value(r, *p.par_table[static_cast<size_t>(row.par)]);
        out << '\n';
    }
    return out.str();
}

Lesson_read read_lesson_file(const std::string& path, std::string_view name)
{
    const auto refused = [name](const std::string& why) {
        return Lesson_read{std::nullopt,
                           std::string("cannot read '").append(echo_text(name)) + "': " + why};
    };
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return refused("there is no such file");
    // Checked before the file is opened: opening a pipe waits for a writer.
    if (!std::filesystem::is_regular_file(status))
        return refused("it is no regular file (a lesson file is a text file)");
    std::ifstream file(path, std::ios::binary);
    std::string text(static_cast<size_t>(max_lesson_bytes) + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad() || (!file && !file.eof())) return refused("the file cannot be read");
    text.resize(static_cast<size_t>(file.gcount()));
    if (std::ssize(text) > max_lesson_bytes) return refused("it is larger than 1 MB");
    if (text.find('\0') != std::string::npos)
        return refused("it holds NUL bytes (a lesson file is a text file)");
    return {std::move(text), {}};
}

std::optional<Lesson_error> read_lesson(std::string_view text, Par_entry& entry)
{
    Par_entry e = entry;
    // Some editors begin a UTF-8 text with a byte order mark.
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.substr(0, bom.size()) == bom) text.remove_prefix(bom.size());
    std::array<int, par_row_count> seen{};
    int number = 0;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        ++number;
        std::string_view line = text.substr(start, end - start);
        line = line.substr(0, std::min(line.find('#'), line.size()));
        const std::string content = trimmed(line);
        if (!content.empty()) {
            const std::string reason = type_line(content, e, seen, number);
            if (!reason.empty()) return Lesson_error{number, reason};
        }
        start = end + 1;
    }
    entry = e;
    return std::nullopt;
}

Par_entry without_start(const Par_entry& entry, int stages, int bytes, bool& start_changed)
{
    Par_entry e;
    start_changed = false;
    const int stages_row = par_row_named("nr_stages");
    for (int r = 0; r < par_row_count; ++r) {
        const std::optional<double> v = entry.typed(r);
        if (!v) continue;
        if (row_at(r).set == Par_set::start)
            start_changed = start_changed || *v != (r == stages_row ? stages : bytes);
        else
            e.type_exact(r, *v);
    }
    for (Par_set set : {Par_set::analog, Par_set::band_pass, Par_set::noise})
        if (entry.confirmed(set)) e.confirm(set);
    return e;
}
