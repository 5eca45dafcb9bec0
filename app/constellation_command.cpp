#include "app/constellation_command.h"

#include "app/cli_entries.h"
#include "engine/number_text.h"
#include "engine/parameters.h"
#include "engine/refusal.h"
#include "plot/constellation.h"
#include "plot/null_canvas.h"
#include "ui/pictures/safe_file.h"
#include "ui/pictures/view_pictures.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace {

// "i,q" then one line per chip, each number in its shortest exact form.
QByteArray points_csv(const Constellation& c)
{
    std::string text = "i,q\n";
    for (size_t k = 0; k < c.i_points.size() && k < c.q_points.size(); ++k)
        text += shortest_text(c.i_points[k]) + "," + shortest_text(c.q_points[k]) + "\n";
    return QByteArray::fromStdString(text);
}

} // namespace

bool take_constellation_option(Constellation_options& o, const std::string& opt,
                               const std::function<std::string()>& next_value)
{
    if (opt == "--side") {
        const std::string side = next_value();
        if (side != "rcve" && side != "xmit")
            throw Refused(opt + ": '" + echo_text(side) + "' is neither rcve nor xmit");
        o.transmit = side == "xmit";
    } else if (opt == "--size") {
        o.size = static_cast<int>(
            parse_integer(opt, next_value(), min_constellation_px, max_constellation_px));
    } else if (opt == "--png") {
        o.png_path = next_value();
        check_file_name(opt, o.png_path);
    } else if (opt == "--csv") {
        o.csv_path = next_value();
        check_file_name(opt, o.csv_path);
    } else {
        return false;
    }
    return true;
}

void check_constellation_options(const Constellation_options& o)
{
    if (o.png_path.empty()) throw Refused("constellation needs --png FILE");
}

int constellation_command(const Constellation_options& o, std::ostream& out, std::ostream& err)
{
    if (nr_stages != 6)
        throw Refused("constellation shows the analog stage's chips: it needs nr_stages 6 (it is " +
                      std::to_string(nr_stages) + ")");
    Constellation c;
    c.transmit = o.transmit;
    try {
        // The points first, so that a refused CSV leaves no picture behind either.
        if (!o.csv_path.empty()) {
            Null_canvas points(o.size, o.size);
            c.draw(points);
            if (!save_text(QString::fromStdString(o.csv_path), points_csv(c)))
                throw std::runtime_error("cannot write the file '" + echo_text(o.csv_path) + "'");
        }
        write_constellation_picture(c, o.size, o.png_path);
    } catch (const std::runtime_error& e) {
        err << "cdma_sim: " << e.what() << '\n';
        return 1;
    }
    out << c.caption() << '\n';
    return 0;
}
