#pragma once
// Tooltips of the stage picker: each blue "?" names its signal point as the plot caption
// does, each red button says what its view shows.

class TGet_plots;

// The red buttons' tooltips; they do not change.
void set_view_tooltips(TGet_plots& picker);
// The blue buttons' tooltips from the names of the chain as set up and last run.
void set_signal_tooltips(TGet_plots& picker);
