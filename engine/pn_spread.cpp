#include "engine/pn_spread.h"

#include <bit>

namespace {

constexpr int chips_per_walsh_chip = 4;

bool galois_step(std::uint64_t& reg, std::uint64_t mask)
{
    const bool out = reg & 1u;
    reg >>= 1;
    if (out) reg ^= mask;
    return reg & 1u;
}

float xor_bit(float x, bool b) { return static_cast<float>((static_cast<int>(x) + b) % 2); }

// ((2x - 1)(2b - 1) + 1) / 2: the product of the +/-1 images mapped back to 0..1.
float soft_product(float x, bool b)
{
    return ((2.0f * x - 1.0f) * (2.0f * static_cast<float>(b) - 1.0f) + 1.0f) / 2.0f;
}

// a * b modulo p, for polynomials over GF(2) below degree n; p has degree n.
std::uint64_t mul_mod(std::uint64_t a, std::uint64_t b, std::uint64_t p, int n)
{
    const std::uint64_t top = std::uint64_t{1} << n;
    std::uint64_t r = 0;
    for (int i = n - 1; i >= 0; --i) {
        r <<= 1;
        if (r & top) r ^= p;
        if ((b >> i) & 1u) r ^= a;
    }
    return r;
}

} // namespace

std::uint64_t pn_jump(std::uint64_t reg, std::uint64_t mask, std::uint64_t steps)
{
    const auto n = static_cast<int>(std::bit_width(mask));
    if (n == 0) return steps >= 64 ? 0 : reg >> steps; // no feedback: a plain shift
    const std::uint64_t p = (mask << 1) | 1u;          // bit n set; n <= 63 for a 63-bit mask
    std::uint64_t power = mask;                        // x^-1 modulo p
    for (; steps != 0; steps >>= 1) {
        if (steps & 1u) reg = mul_mod(reg, power, p, n);
        power = mul_mod(power, power, p, n);
    }
    return reg;
}

float despread(float x, bool b) { return 1.0f - soft_product(x, b); }

PN_spread::PN_spread(const std::string& name) : pn_name(name)
{
    if (name == "U") {
        is_u = true;
        reg_len = 42;
        mask_u = u_mask;
    } else if (name == "IQ") {
        is_iq = true;
        reg_len = 15;
    }
}

bool PN_spread::step_u(std::uint64_t& reg) const { return galois_step(reg, mask_u); }
bool PN_spread::step_i(std::uint64_t& reg) const { return galois_step(reg, mask_i); }
bool PN_spread::step_q(std::uint64_t& reg) const { return galois_step(reg, mask_q); }

void PN_spread::reset_regs()
{
    reg_u = init_u;
    reg_i = init_i;
    reg_q = init_q;
}

int PN_spread::setup(int chips)
{
    in_len = chips;
    if (is_u) {
        out_len = chips_per_walsh_chip * chips;
        n_tx = 1;
        n_rx = 2;
        names[0] = "PN-U spread signals";
        names[1] = "PN-U despread I signals";
        names[2] = "PN-U despread Q signals";
    } else {
        out_len = chips;
        n_tx = 2;
        n_rx = 2;
        names[0] = "PN-I spread signals";
        names[1] = "PN-Q spread signals";
        names[2] = "PN-I despread  signals";
        names[3] = "PN-Q despread  signals";
    }
    return out_len;
}

void PN_spread::xmit(Chain_signal& s)
{
    reset_regs();
    if (is_u) {
        float* out = buf[0].data();
        for (int k = 0, j = 0; k < out_len; ++j)
            for (int n = 0; n < chips_per_walsh_chip && k < out_len; ++n, ++k)
                out[k] = xor_bit(s.i[j], step_u(reg_u));
        s.i = out;
        s.q = out;
    } else {
        float* out_i = buf[0].data();
        float* out_q = buf[1].data();
        for (int k = 0; k < out_len; ++k) {
            out_i[k] = xor_bit(s.i[k], step_i(reg_i));
            out_q[k] = xor_bit(s.i[k], step_q(reg_q));
        }
        s.i = out_i;
        s.q = out_q;
    }
}

void PN_spread::rcve(Chain_signal& s)
{
    reset_regs();
    if (is_u) {
        float* out_i = buf[1].data();
        float* out_q = buf[2].data();
        int j = 0;
        for (int k = 0; k < in_len; ++k) {
            float sum_i = 0.0f, sum_q = 0.0f;
            for (int n = 0; n < chips_per_walsh_chip; ++n, ++j) {
                const bool b = step_u(reg_u);
                sum_i += soft_product(s.i[j], b);
                sum_q += soft_product(s.q[j], b);
            }
            out_i[k] = 1.0f - 0.25f * sum_i;
            out_q[k] = 1.0f - 0.25f * sum_q;
        }
        s.i = out_i;
        s.q = out_q;
    } else {
        float* out_i = buf[2].data();
        float* out_q = buf[3].data();
        for (int k = 0; k < in_len; ++k) {
            out_i[k] = despread(s.i[k], step_i(reg_i));
            out_q[k] = despread(s.q[k], step_q(reg_q));
        }
        s.i = out_i;
        s.q = out_q;
    }
}
