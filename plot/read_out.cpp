#include "plot/read_out.h"

#include "engine/number_text.h"
#include "plot/conversions.h"

namespace {

bool inside(size_t size, int x) { return x >= 0 && static_cast<size_t>(x) < size; }

} // namespace

std::string signal_read_out(const std::vector<float>& t_us, const std::vector<float>& values,
                            float rate, int x)
{
    if (!inside(t_us.size(), x) || !inside(values.size(), x)) return {};
    const auto t = static_cast<double>(t_us[static_cast<size_t>(x)]);
    const auto v = static_cast<double>(values[static_cast<size_t>(x)]);
    std::string text = "t = " + significant_text(t, 6) + " \xC2\xB5s, ";
    // The sample the plot read for this column, as the plot control picks it.
    if (rate > 0.0f)
        text += "sample " + std::to_string(trunc_to_int(t * static_cast<double>(rate))) + ", ";
    return text + "value " + significant_text(v, 6);
}

std::string spectrum_read_out(const Drawn_spectrum& s, int x)
{
    if (!inside(s.levels.size(), x)) return {};
    return "f = " + significant_text(x * s.mhz_per_entry, 6) + " MHz, level " +
           significant_text(static_cast<double>(s.levels[static_cast<size_t>(x)]), 4);
}
