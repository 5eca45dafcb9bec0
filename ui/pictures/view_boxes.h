#pragma once
// The sizes of the teaching views' drawing boxes, shared by the views and by the pictures
// drawn from them without a window, so that a picture is the box as the view shows it.

// The eye pattern's box.
constexpr int eye_box_width = 176;
constexpr int eye_box_height = 215;

// The band-pass explorer's four plots: two rows of two, the rows' tops in the panel.
constexpr int bp_plot_width = 512;
constexpr int bp_plot_height = 105;
constexpr int bp_row_top[2] = {80, 192};

// The decoder view's boxes: upper trellis, lower trellis, data table, one below the other.
constexpr int trellis_upper_width = 993, trellis_upper_height = 95;
constexpr int trellis_lower_width = 997, trellis_lower_height = 96;
constexpr int trellis_data_width = 993, trellis_data_height = 120;
