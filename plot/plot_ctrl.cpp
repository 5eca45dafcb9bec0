#include "plot/plot_ctrl.h"

void Plot_ctrl::set_window(float total, float width, float start)
{
    t_total = total;
    delta_t = width;
    t_zero = start;
    fft_count = 0;
    fft_size = 0;
}
int fft_code = 0;
float Plot_ctrl::select(int, Canvas&) { return 0; }
std::string draw_signal_plot(int code, Canvas& box, char) { box.text_out(10, 10, "stub " + std::to_string(code)); return "stub " + std::to_string(code); }
void plot_spectrum(Canvas& box) { box.text_out(10, 10, "no valid input for FFT! "); }
