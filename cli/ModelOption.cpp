#include "cli/ModelOption.h"


ModelChoice TakeModel(OptionReader& options)
{
    std::string name;
    if (!options.Take("--model", name) || name == "classic") {
        return ModelChoice::Classic;
    }
    if (name == "modern") {
        return ModelChoice::Modern;
    }
    throw UsageError{"unknown model \"" + name + "\" (expected classic or modern)"};
}

EphemerisModel EphemerisModelFor(ModelChoice choice, std::optional<double> givenDeltaT)
{
    return choice == ModelChoice::Modern ? ModernModel(givenDeltaT) : ClassicModel(givenDeltaT);
}

EphemerisModel EphemerisModelFor(ModelChoice choice, const CObservation& observation)
{
    return EphemerisModelFor(choice, observation.m_deltaTAuto ? std::nullopt
                                                              : std::optional<double>(static_cast<double>(observation.m_deltaT)));
}
