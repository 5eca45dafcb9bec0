#include "plot/read_out.h"

#include "plot/conversions.h"

#include <cstdio>

namespace {

bool inside(size_t size, int x) { return x >= 0 && static_cast<size_t>(x) < size; }

} // namespace

std::string signal_read_out(const std::vector<float>& t_us, const std::vector<float>& values,
                            float rate, int x)
{
    if (!inside(t_us.size(), x) || !inside(values.size(), x)) return {};
    const auto t = static_cast<double>(t_us[static_cast<size_t>(x)]);
    const auto v = static_cast<double>(values[static_cast<size_t>(x)]);
    char text[128];
    if (rate > 0.0f) {
        // The sample the plot read for this column, as the plot control picks it.
        const int i = trunc_to_int(t * static_cast<double>(rate));
        std::snprintf(text, sizeof text, "t = %.6g \xC2\xB5s, sample %d, value %.6g", t, i, v);
    } else {
        std::snprintf(text, sizeof text, "t = %.6g \xC2\xB5s, value %.6g", t, v);
    }
    return text;
}

std::string spectrum_read_out(const Drawn_spectrum& s, int x)
{
    if (!inside(s.levels.size(), x)) return {};
    char text[96];
    std::snprintf(text, sizeof text, "f = %.6g MHz, level %.4g", x * s.mhz_per_entry,
                  static_cast<double>(s.levels[static_cast<size_t>(x)]));
    return text;
}
