#pragma once
// Stage 2: block interleaver, written column by column and read row by row.

#include "engine/elements.h"

class Interleaver : public virtual Elements {
public:
    int rows = 0;
    int cols = 0;

    // 48 -> 8 x 6, 144 -> 16 x 9, 576 -> 32 x 18; returns len.
    int setup(int len) override;
    // Output position j takes input element source_of(j).
    void xmit(Chain_signal& s) override;
    // The inverse reordering: input element j goes back to position source_of(j).
    void rcve(Chain_signal& s) override;

    // The element that position j of the interleaved block comes from: the matrix of
    // R rows and C columns is written column by column and read row by row, so j takes
    // (j mod C) * R + j div C.
    int source_of(int j) const;
};
