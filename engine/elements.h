#pragma once
// The stage base of the transmission chain and the hand-over record between stages.

#include <array>
#include <string>
#include <vector>

// Two branch pointers into the buffers of the stage that wrote them last; owns nothing.
struct Chain_signal {
    float* i = nullptr;
    float* q = nullptr;
};

// Abstract base of every chain stage. Buffers: transmit outputs first (n_tx of
// out_len floats), then receive outputs (n_rx of in_len floats); names[k] captions buf[k].
class Elements {
public:
    static constexpr int max_buffers = 10;

    int in_len = 0;
    int out_len = 0;
    int n_tx = 1;
    int n_rx = 1;
    std::array<std::string, max_buffers> names;
    bool allocated = false;
    std::vector<std::vector<float>> buf;

    Elements() = default;
    Elements(const Elements&) = delete;
    Elements& operator=(const Elements&) = delete;
    virtual ~Elements() = default;

    // Sizes the stage for an input block of in_len elements; returns out_len.
    virtual int setup(int in_len) = 0;
    // Transmit step: reads what s points to, leaves s at this stage's transmit output.
    virtual void xmit(Chain_signal& s) = 0;
    // Receive step: reads what s points to, leaves s at this stage's receive output.
    virtual void rcve(Chain_signal& s) = 0;

    // Releases earlier buffers and allocates n_tx + n_rx new ones; false when memory ran out.
    bool alloc_buffers();
};

constexpr int n_stages = 7;
// The chain in order: Vocoder, Conv_code, Interleaver, Walsh_code, PN_spread U, PN_spread IQ,
// Analog_mod; filled by setup_chain.
extern std::array<Elements*, n_stages> stage_table;

class Screen_port;
class Walsh_code;
class PN_spread;

// Clamps nr_stages, sets up and allocates stages 0..nr_stages, reports a failure on the
// screen's error line and opens the run menu. Returns false when an allocation failed.
bool setup_chain(Screen_port& screen);
// Stages 0..nr_stages are set up for one block, each reading what the one before it
// writes, and hold buffers of their lengths, so a run may start.
bool chain_ready();
// What a user is told who asks for a run or a sweep before chain_ready.
inline constexpr const char* not_set_up_message = "the chain is not set up, press 'setup' first";
// The chained setup alone: stage k gets stage k-1's out_len, stage 0 gets len.
bool setup_stages(int len);

// side 1: out_len / n_tx, side -1: in_len / n_rx, any other side: 0.
int get_len(const Elements* e, int side);
int get_nbuf(const Elements* e, int side);
// buf[buffer][index]; 0 for a buffer or index that does not exist.
float get_sample(const Elements* e, int buffer, int index);

Walsh_code* get_walsh_code();
// 'I' or 'Q': the I/Q spreader, 'U': the long-code spreader, otherwise null.
PN_spread* get_pn_spread(char c);
