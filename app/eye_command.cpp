#include "app/eye_command.h"

#include "app/cli_entries.h"
#include "app/interrupt_stop.h"
#include "engine/parameters.h"
#include "engine/refusal.h"
#include "plot/eye_pattern.h"
#include "plot/fixed_text.h"
#include "ui/pictures/view_pictures.h"

namespace {

// One of two words.
bool second_word(const std::string& opt, const std::string& text, const char* first,
                 const char* second)
{
    if (text == first) return false;
    if (text == second) return true;
    throw Refused(opt + ": '" + echo_text(text) + "' is neither " + first + " nor " + second);
}

} // namespace

bool take_eye_option(Eye_options& o, const std::string& opt,
                     const std::function<std::string()>& next_value)
{
    if (opt == "--side")
        o.transmit = second_word(opt, next_value(), "rcve", "xmit");
    else if (opt == "--branch")
        o.q_branch = second_word(opt, next_value(), "I", "Q");
    else if (opt == "--sum")
        o.summing = true;
    else if (opt == "--width")
        o.width = static_cast<int>(parse_integer(opt, next_value(), 2, max_picture_px));
    else if (opt == "--height")
        o.height = static_cast<int>(parse_integer(opt, next_value(), 2, max_picture_px));
    else if (opt == "--png") {
        o.png_path = next_value();
        check_file_name(opt, o.png_path);
    } else
        return false;
    return true;
}

void check_eye_options(const Eye_options& o)
{
    if (o.png_path.empty()) throw Refused("eye needs --png FILE");
    const std::string refused = Eye_pattern::width_refusal(o.width);
    if (!refused.empty()) throw Refused("--width " + std::to_string(o.width) + ": " + refused);
}

int eye_command(const Eye_options& o, std::ostream& out, std::ostream& err)
{
    if (nr_stages != 6)
        throw Refused("eye draws analog signals: it needs nr_stages 6 (it is " +
                      std::to_string(nr_stages) + ")");
    Eye_pattern eye;
    if (o.transmit) eye.toggle_side();
    if (o.q_branch) {
        eye.toggle_branch(analog_pars().iq_branches);
        if (eye.branch_code != 200) throw Refused("--branch Q needs iq_branches 2 (it is 1)");
    }
    if (o.summing) eye.toggle_mode();
    try {
        // Drawing the eye of many pulses takes as long as the run: Ctrl+C stops it too.
        Progress_line stop(stop_only());
        if (!write_eye_picture(eye, o.width, o.height, o.png_path, stop))
            return report_stopped(err);
    } catch (const std::runtime_error& e) {
        err << "cdma_sim: " << e.what() << '\n';
        return 1;
    }
    out << eye.caption() << '\n'
        << "y: " << fixed_text(static_cast<double>(eye.y_min), 15, 3) << " to "
        << fixed_text(static_cast<double>(eye.y_max), 15, 3) << '\n';
    return 0;
}
