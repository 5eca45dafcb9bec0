#include "app/bandpass_command.h"

#include "app/cli_entries.h"
#include "engine/refusal.h"
#include "plot/bp_explorer.h"
#include "ui/pictures/view_pictures.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

// The option of each explorer field, in Bp_field order.
constexpr std::array<const char*, bp_field_count> options{"--center", "--width", "--fft",
                                                          "--low",    "--high",  "--type"};

std::optional<Bp_field> field_of(const std::string& opt)
{
    for (int f = 0; f < bp_field_count; ++f)
        if (opt == options[static_cast<size_t>(f)]) return static_cast<Bp_field>(f);
    return std::nullopt;
}

// The explorer's refusal, led by the option instead of the edit's name.
std::string option_message(const Bp_refusal& r)
{
    const std::string name = bp_field_name(r.field);
    return options[static_cast<size_t>(r.field)] + r.message.substr(name.size());
}

int refuse(std::ostream& err, const std::string& message)
{
    err << "cdma_sim: " << message << '\n';
    return 2;
}

} // namespace

int bandpass_command(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    Bp_explorer explorer;
    Bp_texts typed = explorer.texts();
    std::string png_path;
    std::array<bool, bp_field_count> given{};
    for (int k = 2; k < argc; ++k) {
        const std::string opt = argv[k];
        const std::optional<Bp_field> field = field_of(opt);
        if (!field && opt != "--png") return refuse(err, unknown_option(opt, "bandpass"));
        if (k + 1 >= argc) return refuse(err, opt + ": a value is missing");
        const std::string value = argv[++k];
        if (field) {
            typed[static_cast<size_t>(*field)] = value;
            given[static_cast<size_t>(*field)] = true;
        } else if (value.empty())
            return refuse(err, opt + ": '' is no file name");
        else
            png_path = value;
    }
    if (png_path.empty()) return refuse(err, "bandpass needs --png FILE");
    // Of the two test frequencies, the one typed is the one refused.
    const bool low_alone =
        given[static_cast<size_t>(Bp_field::low)] && !given[static_cast<size_t>(Bp_field::high)];
    if (const std::optional<Bp_refusal> r =
            explorer.read(typed, low_alone ? Bp_field::low : Bp_field::high))
        return refuse(err, option_message(*r));
    try {
        write_bandpass_picture(explorer, png_path);
    } catch (const std::runtime_error& e) {
        err << "cdma_sim: " << e.what() << '\n';
        return 1;
    }
    for (const std::string& text : explorer.drawn_texts) out << text << '\n';
    return 0;
}
