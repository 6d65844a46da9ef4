#include "app/CentralChanceText.h"

#include "app/UncertaintyTexts.h"

#include <cmath>

namespace {

// Below this the probability shows as 0 % and the panel says nothing.
constexpr double kShownProbability = 0.005;
// Seconds of Delta T are shown to the tenth while sigma is below this.
constexpr double kTenthsBelowSigma = 10.0;

QString PercentText(double probability)
{
    if (probability < 0.01) {
        return QStringLiteral("< 1");
    }
    if (probability >= 0.995 && probability < 1.0) {
        return QStringLiteral("> 99");
    }
    return QString::number(std::lround(100.0 * probability));
}

QString SecondsText(double seconds, int decimals)
{
    return QString::number(seconds, 'f', decimals);
}

} // namespace

QString CentralChanceText(const CentralChance& chance, double deltaT)
{
    if (!chance.likeliest || chance.probability < kShownProbability) {
        return QString();
    }
    const CUiText& headline = chance.centralType == LocalEclipseType::Annular ? kAnnularChance : kTotalChance;
    const int decimals = chance.sigma < kTenthsBelowSigma ? 1 : 0;
    return headline.arg(PercentText(chance.probability)) + QLatin1Char('\n') +
           kCentralRangeText.arg(SecondsText(chance.likeliest->from, decimals), SecondsText(chance.likeliest->to, decimals),
                                 SecondsText(deltaT, decimals), SecondsText(chance.sigma, decimals));
}
