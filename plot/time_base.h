#pragma once
// The time base of the plots: the duration of the transmitted block and the window that
// the time-window panel hands to the plot control.

// mode 1: block duration in microseconds to *t, returns stage 0's out_len;
// mode 2: hands (duration, *t = window width, *t2 = window start) to the plot control.
int time_base(int mode, float* t, float* t2);
