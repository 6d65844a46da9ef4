#include "ephemeris/TimeModel.h"

#include "core/ModernDeltaT.h"

namespace {

std::shared_ptr<const IDeltaTModel> DeltaTOf(TimeModel::Formulas formulas, std::optional<double> givenDeltaT)
{
    const bool modern = formulas == TimeModel::Formulas::Modern;
    if (givenDeltaT) {
        // A given Delta T under the modern model keeps the modern
        // acceleration: the seconds come from the same observations.
        return std::make_shared<GivenDeltaT>(*givenDeltaT, modern ? kModernLunarAcceleration : kElpLunarAcceleration);
    }
    // Both are stateless: one instance of each serves every model.
    static const auto classic = std::make_shared<const ClassicDeltaT>();
    static const auto observed = std::make_shared<const ModernDeltaT>();
    return modern ? std::shared_ptr<const IDeltaTModel>(observed) : std::shared_ptr<const IDeltaTModel>(classic);
}

} // namespace

TimeModel::TimeModel(Formulas formulas, std::optional<double> givenDeltaT)
    : m_formulas(formulas), m_givenDeltaT(givenDeltaT), m_deltaT(DeltaTOf(formulas, givenDeltaT))
{
}

std::optional<TimeModel::Formulas> TimeModel::FormulasNamed(std::string_view name)
{
    if (name == "classic") {
        return Formulas::Classic;
    }
    if (name == "modern") {
        return Formulas::Modern;
    }
    return std::nullopt;
}

const char* TimeModel::Name() const
{
    return IsClassic() ? "classic" : "modern";
}

TimeModel TimeModel::ForEpoch(const CObservation& epoch) const
{
    return TimeModel(m_formulas,
                     epoch.m_deltaTAuto ? std::nullopt : std::optional<double>(static_cast<double>(epoch.m_deltaT)));
}

SiderealTimeModel TimeModel::SiderealTime() const
{
    return IsClassic() ? SiderealTimeModel::NewcombMean : SiderealTimeModel::Apparent;
}

TimeModel ClassicModel(std::optional<double> givenDeltaT)
{
    return TimeModel(TimeModel::Formulas::Classic, givenDeltaT);
}

TimeModel ModernModel(std::optional<double> givenDeltaT)
{
    return TimeModel(TimeModel::Formulas::Modern, givenDeltaT);
}
