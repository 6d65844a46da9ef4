#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <numbers>

// Sines of four or eight angles at once, for the long trigonometric series:
// written with the compilers' vector types so that each lane is the same
// IEEE double arithmetic on any instruction set (four lanes in two SSE2
// registers or one AVX2, eight in one AVX-512).
//
// The functions take their vectors by reference: a 32-byte vector passed by
// value would change the calling convention between those instruction sets.

using DoubleLanes = double __attribute__((vector_size(32)));
using BitLanes = std::uint64_t __attribute__((vector_size(32)));
inline constexpr std::size_t kLaneCount = sizeof(DoubleLanes) / sizeof(double);
// Eight lanes: for code compiled for AVX-512 only, where they fill one register.
using WideDoubleLanes = double __attribute__((vector_size(64)));
using WideBitLanes = std::uint64_t __attribute__((vector_size(64)));

// Largest |angle| (radians) that SineLanes reduces exactly: 2^24, so that the
// quadrant number has at most 24 bits and its products by the first two parts
// of pi/2 are exact.
inline constexpr double kSineLanesLimit = 16777216.0;

namespace sine_lanes {

// pi/2 in three parts (Cody & Waite): the double nearest pi/2 cut to its
// first 28 bits, the rest of that double (25 bits), and the difference
// between pi/2 and that double.
inline constexpr double kHalfPi = std::numbers::pi / 2.0;
inline constexpr double kHalfPiHigh = std::bit_cast<double>(std::bit_cast<std::uint64_t>(kHalfPi) & ~((std::uint64_t{1} << 25) - 1));
inline constexpr double kHalfPiMiddle = kHalfPi - kHalfPiHigh;
inline constexpr double kHalfPiLow = 6.123233995736766e-17;
inline constexpr double kTwoOverPi = 2.0 / std::numbers::pi;
// Adding 1.5 * 2^52 rounds a double below 2^51 to an integer, which is left
// in the low bits of the sum.
inline constexpr double kRoundingShift = 6755399441055744.0;

constexpr double InverseFactorial(int n)
{
    double factorial = 1.0;
    for (int k = 2; k <= n; ++k) {
        factorial *= k;
    }
    return 1.0 / factorial;
}

template <typename Lanes>
struct BitsOf;
template <>
struct BitsOf<DoubleLanes> {
    using Type = BitLanes;
};
template <>
struct BitsOf<WideDoubleLanes> {
    using Type = WideBitLanes;
};

} // namespace sine_lanes

// Replaces each angle x by sin(x + quarterTurns * pi/2): quarterTurns 0 gives
// the sines, 1 the cosines.
// Given:    angles  radians, |x| <= kSineLanesLimit (others: no meaning, no trap)
// Returned: within 2.3e-16 of the exact value: the reduction to |r| <= pi/4
//           loses at most 1.2e-16, the Taylor series to r^17 (sine) and r^16
//           (cosine) leave out less than 1e-19 and round within one unit in
//           the last place.
// Reference: Cody & Waite, Software Manual for the Elementary Functions
//            (1980), chapter 8, the reduction by pi/2 in parts.
template <typename Lanes>
[[gnu::always_inline]] inline void SineLanes(Lanes& angles, std::uint64_t quarterTurns)
{
    using namespace sine_lanes;
    using Bits = typename BitsOf<Lanes>::Type;
    const Lanes shifted = angles * kTwoOverPi + kRoundingShift;
    const Lanes quadrant = shifted - kRoundingShift;
    const Lanes r = ((angles - quadrant * kHalfPiHigh) - quadrant * kHalfPiMiddle) - quadrant * kHalfPiLow;
    const Lanes z = r * r;
    const Lanes sine =
        r + r * z *
                (-InverseFactorial(3) +
                 z * (InverseFactorial(5) +
                      z * (-InverseFactorial(7) +
                           z * (InverseFactorial(9) +
                                z * (-InverseFactorial(11) +
                                     z * (InverseFactorial(13) + z * (-InverseFactorial(15) + z * InverseFactorial(17))))))));
    const Lanes cosine =
        1.0 + z * (-InverseFactorial(2) +
                   z * (InverseFactorial(4) +
                        z * (-InverseFactorial(6) +
                             z * (InverseFactorial(8) +
                                  z * (-InverseFactorial(10) +
                                       z * (InverseFactorial(12) + z * (-InverseFactorial(14) + z * InverseFactorial(16))))))));
    // Quadrant n: sin r, cos r, -sin r, -cos r for n = 0, 1, 2, 3 modulo 4.
    const Bits turns = __builtin_bit_cast(Bits, shifted) + quarterTurns;
    const Bits takesCosine = -(turns & 1);
    const Bits signBit = (turns & 2) << 62;
    const Bits chosen = (__builtin_bit_cast(Bits, cosine) & takesCosine) | (__builtin_bit_cast(Bits, sine) & ~takesCosine);
    angles = __builtin_bit_cast(Lanes, chosen ^ signBit);
}
