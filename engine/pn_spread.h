#pragma once
// Stages 4 and 5: PN spreading. "U" spreads each Walsh chip into 4 chips of the long code
// PN-U and despreads 4:1; "IQ" splits the chips into an I branch (PN-I) and a Q branch
// (PN-Q). Bits combine by exclusive-or; soft values by (2x-1)(2b-1) mapped back to 0..1.

#include "engine/elements.h"

#include <cstdint>
#include <string>

class PN_spread : public virtual Elements {
public:
    static constexpr std::uint64_t u_mask = 0x278E02A21E2; // 42-bit long code
    static constexpr std::uint64_t i_mask = 0x42E2;        // 15-bit short codes
    static constexpr std::uint64_t q_mask = 0x4F1C;

    bool is_u = false;
    bool is_iq = false;
    std::uint64_t reg_u = 0;
    std::uint64_t reg_i = 0;
    std::uint64_t reg_q = 0;
    std::string pn_name;
    int reg_len = 0;
    // Every transmit and receive step starts its registers here, so both ends share
    // the code phase without a search.
    std::uint64_t init_u = 1;
    std::uint64_t init_i = 1;
    std::uint64_t init_q = 1;
    std::uint64_t mask_u = 0;
    std::uint64_t mask_i = i_mask;
    std::uint64_t mask_q = q_mask;

    // "U" or "IQ".
    explicit PN_spread(const std::string& name);

    int setup(int chips) override;
    void xmit(Chain_signal& s) override;
    void rcve(Chain_signal& s) override;

    // One Galois step, shifting right: the bit shifted out selects the feedback mask.
    // Returns the new lowest bit.
    bool step_u(std::uint64_t& reg) const;
    bool step_i(std::uint64_t& reg) const;
    bool step_q(std::uint64_t& reg) const;
    void reset_regs();
};

// The register after `steps` Galois steps with feedback mask `mask`, without stepping:
// a step multiplies the register, read as a polynomial, by x^-1 = mask modulo
// P(x) = x * mask(x) + 1, so the state follows from about log2(steps) squarings.
// reg must lie below 2^n, n the length of the register (the highest mask bit + 1).
std::uint64_t pn_jump(std::uint64_t reg, std::uint64_t mask, std::uint64_t steps);

// Soft despreading of x with PN bit b: x for b = 0, 1 - x for b = 1.
float despread(float x, bool b);
