#include "analog/path_evaluation.h"

namespace {

// The results sized before any helper starts on them.
size_t sized(Path_samples& s, const Analog_mod& a)
{
    s.size_results(a);
    return s.t.size();
}

} // namespace

Path_evaluation::Path_evaluation(Path_samples& s, const Analog_mod& a, const Chain_signal& c,
                                 int threads)
    : samples(s), analog(a), chips(c), parts(sized(s, a), threads, [this](size_t from, size_t to) {
          samples.evaluate_range(analog, chips, from, to);
      })
{}
