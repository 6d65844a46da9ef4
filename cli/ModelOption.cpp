#include "cli/ModelOption.h"

#include "core/ModernDeltaT.h"

#include <cstdio>

TimeModel TakeModel(OptionReader& options, std::optional<double> givenDeltaT)
{
    std::string name;
    if (!options.Take("--model", name)) {
        return TimeModel(TimeModel::Formulas::Modern, givenDeltaT);
    }
    const std::optional<TimeModel::Formulas> formulas = TimeModel::FormulasNamed(name);
    if (!formulas) {
        throw UsageError{"unknown model \"" + name + "\" (expected classic or modern)"};
    }
    return TimeModel(*formulas, givenDeltaT);
}

std::string ModelDescription(const TimeModel& model)
{
    if (model.IsClassic()) {
        return "classic (the document's Delta T formula, ELP 2000-82B as published, Newcomb's mean sidereal time)";
    }
    char text[128];
    std::snprintf(text, sizeof text, "modern (observed Delta T, Moon at %.1f\"/cy^2, apparent sidereal time)",
                  kModernLunarAcceleration);
    return text;
}
