#include "model/EclipseMap.h"
#include "cli/CommandRegistry.h"
#include "ephemeris/TimeScales.h"

#include <cstdio>
#include <string>

namespace {

void PrintViewport(const char* name, const CViewport& viewport)
{
    std::printf("%-18s scale %.6f  origin (%.3f, %.3f)  client %d x %d\n", name, static_cast<double>(viewport.m_scale),
                static_cast<double>(viewport.m_originX), static_cast<double>(viewport.m_originY), viewport.m_width,
                viewport.m_height);
}

void PrintObservation(const CObservation& observation)
{
    std::printf("Date               %02d/%02d/%d\n", observation.m_day, observation.m_month, observation.m_year);
    std::printf("Time (UT)          %02d:%02d:%05.2f\n", observation.m_hour, observation.m_minute,
                static_cast<double>(observation.m_second));
    std::printf("Delta T            %s, given value %.2f s\n", observation.m_deltaTAuto ? "automatic" : "given",
                static_cast<double>(observation.m_deltaT));
    std::printf("Observer           longitude %.6f, latitude %.6f (degrees, east and north positive)\n",
                observation.m_longitude, observation.m_latitude);
    std::printf("Map centre         longitude %.6f, latitude %.6f\n", observation.m_centre.m_longitude,
                observation.m_centre.m_latitude);
}

void PrintTimeTerms(const CTimeTerms& terms)
{
    std::printf("JD at 0 h          %.6f\n", terms.m_julianDay0);
    std::printf("Centuries 1900     %.12f\n", terms.m_centuries1900);
    std::printf("Millennia J2000 TT %.15f\n", terms.m_millennia2000TT);
    std::printf("Delta T used       %.3f s\n", static_cast<double>(terms.m_deltaTUsed));
    std::printf("Sidereal time      %.9f h\n", terms.m_siderealTime / 0.2617993877991494);
}

int RunInfo(const CommandArguments& arguments)
{
    const std::vector<std::string> files = OptionReader(arguments).Positionals();
    if (files.size() > 1) {
        throw UsageError{"at most one document"};
    }
    CEclipseMap map;
    if (!files.empty()) {
        LoadDocument(files.front(), map);
        std::printf("Document           %s\n", files.front().c_str());
    } else {
        std::printf("Document           (defaults of a new document)\n");
    }
    PrintObservation(map.m_observation);
    PrintViewport("Viewport", map.m_viewport);
    PrintViewport("Second viewport", map.m_viewport2);
    PrintViewport("Previous viewport", map.m_previousViewport);
    ComputeTimeTerms(map.m_observation, map.m_terms);
    PrintTimeTerms(map.m_terms);
    return 0;
}

const CommandRegistration kInfo("info", "info [FILE.umb]   print a document and its time quantities", RunInfo);

} // namespace
