#pragma once
// A sample buffer and its in-place spectrum: triangular window, then a real-input FFT
// with the kernel exp(+2 pi i j k / N), not normalised. Packed layout of N real samples:
// [0] = F[0], [1] = F[N/2], [2k], [2k+1] = Re, Im of F[k] for k = 1 .. N/2 - 1.

#include <string>
#include <vector>

class FFT {
public:
    bool valid = false;
    int size = 0;
    std::string message; // " !fft - no space! " when the buffer could not be allocated
    std::vector<float> data;

    explicit FFT(int n);

    // Multiplies data[0 .. n-1] by a triangle peaking in the middle, 2/(n+1) at the ends.
    void window(int n);
    // N = 2 * half real values at x[0 .. N-1] (half a power of two), in place; direction
    // +1 forward into the packed layout, -1 back (scaled by N/2).
    static void real_fft(float* x, int half, int direction);
    // nn complex values interleaved (re, im) at x[0 .. 2 nn - 1], in place, radix 2.
    static void complex_fft(float* x, int nn, int direction);
    // Window and forward transform of the first n values of data; false (nothing done)
    // unless n is a power of two from 2 to size and the buffer is valid.
    bool spectrum(int n);
};
