#include "engine/elements.h"

#include "engine/engine_objects.h"
#include "engine/parameters.h"
#include "engine/screen_port.h"

#include <algorithm>
#include <new>
#include <stdexcept>

std::array<Elements*, n_stages> stage_table{};

bool Elements::alloc_buffers()
{
    buf.clear();
    allocated = true;
    try {
        buf.resize(static_cast<size_t>(n_tx + n_rx));
        for (int k = 0; k < n_tx + n_rx; ++k)
            buf[static_cast<size_t>(k)].assign(static_cast<size_t>(k < n_tx ? out_len : in_len),
                                               0.0f);
    } catch (const std::bad_alloc&) {
        allocated = false;
    } catch (const std::length_error&) {
        allocated = false;
    }
    if (!allocated) buf.clear();
    return allocated;
}

bool setup_stages(int len)
{
    bool ok = true;
    transmission.complete = false; // new buffers hold no run
    for (int k = 0; k <= nr_stages && ok; ++k) {
        Elements* e = stage_table[static_cast<size_t>(k)];
        len = e->setup(len);
        ok = ok && e->alloc_buffers();
    }
    return ok;
}

bool setup_chain(Screen_port& screen)
{
    nr_stages = std::max(0, std::min(6, nr_stages));
    stage_table = chain_stages();
    const bool ok = setup_stages(data_bytes);
    if (!ok) screen.show_error("not enough memory, please exit");
    screen.open_run_menu();
    return ok;
}

namespace {
// The buffers were allocated for the stage's present lengths.
bool buffers_fit(const Elements& e)
{
    if (!e.allocated || e.buf.size() != static_cast<size_t>(e.n_tx + e.n_rx)) return false;
    for (int k = 0; k < e.n_tx + e.n_rx; ++k) {
        const int len = k < e.n_tx ? e.out_len : e.in_len;
        if (e.buf[static_cast<size_t>(k)].size() != static_cast<size_t>(len)) return false;
    }
    return true;
}
} // namespace

bool chain_ready()
{
    if (nr_stages < 0 || nr_stages >= n_stages) return false;
    for (int k = 0; k <= nr_stages; ++k) {
        const Elements* e = stage_table[static_cast<size_t>(k)];
        if (e == nullptr || !buffers_fit(*e)) return false;
        // A stage set up for another block would read past its neighbour's buffer.
        if (k > 0 && e->in_len != stage_table[static_cast<size_t>(k - 1)]->out_len) return false;
    }
    return true;
}

int get_len(const Elements* e, int side)
{
    if (e == nullptr) return 0;
    return side == 1 ? e->out_len : side == -1 ? e->in_len : 0;
}

int get_nbuf(const Elements* e, int side)
{
    if (e == nullptr) return 0;
    return side == 1 ? e->n_tx : side == -1 ? e->n_rx : 0;
}

float get_sample(const Elements* e, int buffer, int index)
{
    if (e == nullptr || buffer < 0 || static_cast<size_t>(buffer) >= e->buf.size()) return 0.0f;
    const std::vector<float>& b = e->buf[static_cast<size_t>(buffer)];
    if (index < 0 || static_cast<size_t>(index) >= b.size()) return 0.0f;
    return b[static_cast<size_t>(index)];
}

Walsh_code* get_walsh_code() { return &walsh_code; }

PN_spread* get_pn_spread(char c)
{
    if (c == 'I' || c == 'Q') return &pn_spread_iq;
    if (c == 'U') return &pn_spread_u;
    return nullptr;
}
