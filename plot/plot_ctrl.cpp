#include "plot/plot_ctrl.h"

void Plot_ctrl::set_window(float total, float width, float start)
{
    t_total = total;
    delta_t = width;
    t_zero = start;
    fft_count = 0;
    fft_size = 0;
}
