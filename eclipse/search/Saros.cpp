#include "eclipse/search/Saros.h"

#include <cmath>

namespace {

constexpr int kSarosLunations = 223;
constexpr int kInexLunations = 358;
// 358 * 38 = 61 * 223 + 1: the inverse of an inex modulo a saros.
constexpr int kInexInverseModuloSaros = 38;
static_assert(kInexLunations * kInexInverseModuloSaros % kSarosLunations == 1);

constexpr int kReferenceLunation = 300;  // 2024 April 8
constexpr int kReferenceSeries = 139;

// In the panorama the first eclipse of series s + 1 comes about 0.152
// saroses later (by its row) than that of series s (series 1 begins 52
// saroses before its eclipse of -1935 December 18, series 139 29 before
// 2024 April 8). An eclipse of the reference's row lies near the middle of
// its series when b - 0.152 a is about 6; the other solutions lie 392 rows
// away, far outside any series' life of some 70 to 85 eclipses.
constexpr double kRowsPerSeries = 0.152;
constexpr double kMiddleOfLifeRow = 6.0;

int Modulo(int value, int modulus)
{
    const int remainder = value % modulus;
    return remainder < 0 ? remainder + modulus : remainder;
}

} // namespace

int SarosSeries(int lunation)
{
    const int n = lunation - kReferenceLunation;
    const int a0 = Modulo(Modulo(n, kSarosLunations) * kInexInverseModuloSaros, kSarosLunations);
    // Rows b = (n - 358 a) / 223; b - 0.152 a = middle gives the best a.
    const double slope = static_cast<double>(kInexLunations) / kSarosLunations + kRowsPerSeries;
    const double best = (static_cast<double>(n) / kSarosLunations - kMiddleOfLifeRow) / slope;
    const int a = a0 + kSarosLunations * static_cast<int>(std::lround((best - a0) / kSarosLunations));
    return kReferenceSeries + a;
}
