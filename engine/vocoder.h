#pragma once
// Stage 0: the test data source. Sends the bits of a fixed text, receives bytes back.

#include "engine/elements.h"

#include <string_view>

// The text whose first data_bytes characters are sent.
constexpr std::string_view test_text = "sequence.of.test.data.to.be.transmitted";

class Vocoder : public virtual Elements {
public:
    // bytes other than 3, 9 or 36 are taken as 3; returns 8 * bytes.
    int setup(int bytes) override;
    // MSB first; the last two bits of the block are always 0 (encoder tail).
    void xmit(Chain_signal& s) override;
    // Packs bits into byte values; only an exact 1.0 counts as a one.
    void rcve(Chain_signal& s) override;
};
