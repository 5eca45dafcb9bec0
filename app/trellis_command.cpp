#include "app/trellis_command.h"

#include "plot/trellis_picture.h"
#include "ui/pictures/trellis_png.h"

#include <ostream>
#include <stdexcept>

int trellis_command(const Trellis_request& r, std::ostream& out, std::ostream& err)
{
    Trellis_picture view;
    try {
        draw_decoder_clicks(view, r.steps, r.png_path);
    } catch (const std::runtime_error& e) {
        err << "cdma_sim: " << e.what() << '\n';
        return 1;
    }
    for (size_t row = 0; row < view.cells.size(); ++row) {
        out << Trellis_picture::row_labels[row];
        for (const std::string& value : view.cells[row])
            if (!value.empty()) out << ' ' << value;
        out << '\n';
    }
    return 0;
}
