#pragma once
// Second-order band-pass: ten times (input - notch output), the notch being the bilinear
// transform (no pre-warping) of (s^2 + W^2) / ((s + B W)^2 + W^2). Gain 10 at the centre,
// 10 B^2 / (1 + B^2) at DC, 0 at half the sample rate.

class Band_pass {
public:
    float rel_width = 0.0f; // B: width / centre
    float w_norm = 0.0f;    // W: normalised centre, tan(theta/2) of the notch frequency
    float b0 = 0.0f, b1 = 0.0f, b2 = 0.0f;
    float a1 = 0.0f, a2 = 0.0f;
    float x1 = 0.0f, x2 = 0.0f;
    float y1 = 0.0f, y2 = 0.0f;
    int n_samples = 0; // 0: clear the state and compute the coefficients at the next sample

    // Arms the filter; the work is done by the next filter() call.
    void set(float rel_width, float w_norm);
    // One sample, in time order at the interval W was formed for.
    float filter(float x);
};
