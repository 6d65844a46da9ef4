#include "formats/PathOutput.h"

#include "core/CalendarText.h"

#include <cstdio>

std::vector<std::pair<std::string, std::vector<PathLine>>> NamedLines(const EclipsePath& path)
{
    std::vector<PathLine> central;
    for (const std::vector<CentralVertex>& run : path.centralLine) {
        PathLine line;
        for (const CentralVertex& vertex : run) {
            line.push_back(vertex.place);
        }
        central.push_back(std::move(line));
    }
    std::vector<std::pair<std::string, std::vector<PathLine>>> named{
        {"central", central},
        {"umbra-north", path.umbraNorth},
        {"umbra-south", path.umbraSouth},
        {"penumbra-north", path.penumbraNorth},
        {"penumbra-south", path.penumbraSouth},
        {"sunrise-sunset", path.riseSetContacts},
        {"max-at-sunrise-sunset", path.riseSetMaximum},
    };
    std::erase_if(named, [](const auto& entry) { return entry.second.empty(); });
    return named;
}

std::string MagnitudeKind(double magnitude)
{
    char text[32];
    std::snprintf(text, sizeof text, "magnitude-%g", magnitude);
    return text;
}

std::string EclipseTitle(const Instant& greatest, double deltaT)
{
    const Instant universal = greatest.PlusSeconds(-deltaT);
    const CivilDateTime civil = CivilFromJulianDate(universal.WholeDays(), universal.DayFraction());
    return "Solar eclipse of " + IsoDateText(civil.year, civil.month, civil.day);
}
