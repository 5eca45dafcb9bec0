#pragma once
// How a received value is judged against the sent one: the decision line lies halfway
// across the range of the sent values, and a value on the other side of it than the sent
// one is wrong. A value on the line itself (0.5 for 0/1 data) is undecided, never wrong.

#include <algorithm>

// The span the line halves: the largest sent value (at least 0) less the smallest.
template <typename At> float sent_range(At sent, int n)
{
    float max_a = 0.0f;
    float min_a = 100000.0f;
    for (int i = 0; i < n; ++i) {
        max_a = std::max(max_a, sent(i));
        min_a = std::min(min_a, sent(i));
    }
    return max_a - min_a;
}

// Twice the signed distance of v from the line.
inline float from_line(float v, float range) { return 2.0f * v - range; }

inline bool wrong_side(float sent_from_line, float got_from_line)
{
    return sent_from_line * got_from_line < 0.0f;
}
