#include "plot/time_base.h"

#include "engine/elements.h"
#include "plot/plot_objects.h"

namespace {
// 288 bits last 20000 microseconds (14.4 kbit/s); 1/288 is held as a double.
constexpr double one_288th = 0.003472222222222222;
float block_duration_us = 0.0f;
} // namespace

int time_base(int mode, float* t, float* t2)
{
    if (mode == 1) {
        const int bits = get_len(stage_table[0], 1);
        block_duration_us = static_cast<float>(bits * 20000.0 * one_288th);
        *t = block_duration_us;
        return bits;
    }
    if (mode == 2) plot_ctrl.set_window(block_duration_us, *t, *t2);
    return 0;
}
