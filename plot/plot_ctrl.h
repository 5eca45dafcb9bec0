#pragma once
// The plot control: which signal is drawn over which time window. For now it holds the
// time window that the time-window panel hands over.

class Plot_ctrl {
public:
    float t_total = 0.0f; // duration of the transmitted block, microseconds
    float delta_t = 0.0f; // window width, microseconds
    float t_zero = 0.0f;  // window start, microseconds
    int fft_count = 0;
    int fft_size = 0;

    // Stores the window and empties the spectrum capture.
    void set_window(float t_total, float delta_t, float t_zero);
};
