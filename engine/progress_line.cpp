#include "engine/progress_line.h"

#include <algorithm>
#include <cmath>
#include <ostream>

Progress_line::Progress_line(Setup s) : setup(std::move(s))
{
    if (setup.seconds) start = setup.seconds();
}

Progress_line::~Progress_line() { erase(); }

std::string Progress_line::text(double done) const
{
    const double share = std::clamp(done, 0.0, 1.0);
    const std::string percent = std::to_string(static_cast<int>(std::floor(share * 100.0))) + " %";
    if (setup.points <= 0) return "cdma_sim: " + percent;
    const int shares = setup.points + 1;
    const int point = std::min(static_cast<int>(std::floor(share * shares)) + 1, setup.points);
    return "cdma_sim: point " + std::to_string(point) + " of " + std::to_string(setup.points) +
           ", " + percent;
}

bool Progress_line::report(double done)
{
    const bool go_on = !setup.stop_asked || !setup.stop_asked();
    if (setup.out == nullptr || ended || !setup.seconds) return go_on;
    if (setup.seconds() - start < setup.delay_s) return go_on;
    const std::string line = text(done);
    if (line != shown) {
        // Blanks over what a longer line left.
        const size_t pad = shown.size() > line.size() ? shown.size() - line.size() : 0;
        *setup.out << '\r' << line << std::string(pad, ' ');
        setup.out->flush();
        shown = line;
    }
    return go_on;
}

void Progress_line::erase()
{
    ended = true;
    if (shown.empty() || setup.out == nullptr) return;
    *setup.out << '\r' << std::string(shown.size(), ' ') << '\r';
    setup.out->flush();
    shown.clear();
}
