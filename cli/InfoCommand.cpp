#include "model/EclipseMap.h"
#include "cli/CommandRegistry.h"
#include "cli/Options.h"
#include "ephemeris/EpochArithmetic.h"
#include "ephemeris/TimeModel.h"
#include "cli/FieldRanges.h"
#include "ephemeris/TimeScales.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// A document may hold any bits: a value that is not a finite number is named
// as such rather than printed as "nan" or "inf".
std::string Figure(double value, const char* format)
{
    if (std::isnan(value)) {
        return "not a number";
    }
    if (std::isinf(value)) {
        return value > 0.0 ? "infinite" : "minus infinite";
    }
    char text[512];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void PrintViewport(const char* name, const CViewport& viewport)
{
    std::printf("%-18s scale %s  origin (%s, %s)  client %d x %d\n", name, Figure(viewport.m_scale, "%.6f").c_str(),
                Figure(viewport.m_originX, "%.3f").c_str(), Figure(viewport.m_originY, "%.3f").c_str(), viewport.m_width,
                viewport.m_height);
}

void PrintObservation(const CObservation& observation)
{
    const CivilDateTime shown = DisplayedTime(observation, 2);
    std::printf("Date               %02d/%02d/%d\n", shown.day, shown.month, shown.year);
    std::printf("Time (UT)          %02d:%02d:%s\n", shown.hour, shown.minute, Figure(shown.second, "%05.2f").c_str());
    std::printf("Delta T            %s, given value %s s\n", observation.m_deltaTAuto ? "automatic" : "given",
                Figure(observation.m_deltaT, "%.2f").c_str());
    std::printf("Observer           longitude %s, latitude %s (degrees, east and north positive)\n",
                Figure(observation.m_longitude, "%.6f").c_str(), Figure(observation.m_latitude, "%.6f").c_str());
    std::printf("Map centre         longitude %s, latitude %s\n", Figure(observation.m_centre.m_longitude, "%.6f").c_str(),
                Figure(observation.m_centre.m_latitude, "%.6f").c_str());
    if (const std::optional<std::string> outside = EpochOutOfRange(observation)) {
        std::printf("Out of range       %s\n", outside->c_str());
    }
    for (const std::string& note : FieldRangeNotes(observation)) {
        std::printf("Out of range       %s\n", note.c_str());
    }
}

void PrintTimeTerms(const CTimeTerms& terms)
{
    std::printf("JD at 0 h          %s\n", Figure(terms.m_julianDay0, "%.6f").c_str());
    std::printf("Centuries 1900     %s\n", Figure(terms.m_centuries1900, "%.12f").c_str());
    std::printf("Millennia J2000 TT %s\n", Figure(terms.m_millennia2000TT, "%.15f").c_str());
    std::printf("Delta T used       %s s\n", Figure(terms.m_deltaTUsed, "%.3f").c_str());
    std::printf("Sidereal time      %s h\n", Figure(terms.m_siderealTime / 0.2617993877991494, "%.9f").c_str());
}

// The document's quantities above are its own (the classic model's); the
// modern model's Delta T for the same Universal Time shows how far they
// stand from the observed rotation of the Earth.
void PrintModernDeltaT(const CObservation& observation)
{
    const double julianDateUT = UniversalOfEpoch(observation).JulianDate();
    std::printf("Delta T modern     %s s\n", Figure(ModernModel().DeltaT().SecondsAt(julianDateUT), "%.3f").c_str());
}

void RunInfo(const std::string& file)
{
    CEclipseMap map;
    if (!file.empty()) {
        LoadDocument(file, map);
        std::printf("Document           %s\n", file.c_str());
    } else {
        std::printf("Document           (defaults of a new document)\n");
    }
    PrintObservation(map.m_observation);
    PrintViewport("Viewport", map.m_viewport);
    PrintViewport("Second viewport", map.m_viewport2);
    PrintViewport("Previous viewport", map.m_previousViewport);
    CTimeTerms terms;
    ComputeTimeTerms(map.m_observation, terms);
    PrintTimeTerms(terms);
    PrintModernDeltaT(map.m_observation);
}

void DefineInfo(CLI::App& command)
{
    auto file = std::make_shared<std::string>();
    command.add_option("document", *file, "the document (default: a new one)")->type_name("FILE.umb");
    command.callback([file] { RunInfo(*file); });
}

const CommandRegistration kInfo("info", "print a document and its time quantities", DefineInfo);

} // namespace
