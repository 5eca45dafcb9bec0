#pragma once
// Stage 2: block interleaver, written column by column and read row by row.

#include "engine/elements.h"

#include <vector>

class Interleaver : public virtual Elements {
public:
    int rows = 0;
    int cols = 0;
    std::vector<std::vector<float>> matrix; // rows x cols

    // 48 -> 8 x 6, 144 -> 16 x 9, 576 -> 32 x 18; returns len.
    int setup(int len) override;
    // Output position j takes input element (j mod C) * R + j div C.
    void xmit(Chain_signal& s) override;
    // The inverse reordering.
    void rcve(Chain_signal& s) override;
};
