#pragma once
// The constellation: every chip of the last run as a point (I, Q), I to the right and Q
// up on one scale, with the decision lines dashed. Either the chips the DAC is given or
// the ADC's soft chips the despreader reads. Noise spreads the four clusters, a phase
// error turns them, detuning smears them; one branch leaves them on the I axis.

#include "plot/canvas.h"

#include <string>
#include <vector>

class Constellation {
public:
    bool transmit = false; // false: the ADC's soft chips, true: the DAC's chips

    // Of the last drawing: chips per branch, and those of each branch on the other side of
    // its decision line than the sent chip.
    int chips = 0;
    int wrong_i = 0;
    int wrong_q = 0;
    bool one_branch = false;
    // Each chip's place in the picture: its distance from the I and from the Q decision
    // line, in chip values (a clean chip lies 0.5 from each).
    std::vector<float> i_points;
    std::vector<float> q_points;

    void toggle_side();
    // "constellation (rcve, 24576 chips): wrong I: 0, wrong Q: 0" and the like.
    std::string caption() const;

    // Why no constellation can be drawn now, or "" when it can.
    static std::string refusal();
    // Draws the last run's chips on box: a square as large as fits, centred.
    void draw(Canvas& box);
};
