#include "formats/PathOutput.h"
#include "core/CalendarText.h"

#include <cstdio>
#include <optional>

namespace {

std::string Place(const std::optional<PathVertex>& vertex)
{
    if (!vertex) {
        return ",";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.5f,%.5f", vertex->latitude, vertex->longitude);
    return text;
}

} // namespace

std::string PathCsv(const EclipsePath& path)
{
    std::string csv = "ut,central_lat,central_lon,north_lat,north_lon,south_lat,south_lon,duration_s,width_km,sun_altitude,sun_azimuth\n";
    for (const std::vector<CentralVertex>& run : path.centralLine) {
        for (const CentralVertex& vertex : run) {
            if (!vertex.onStep) {
                continue;
            }
            char numbers[128];
            std::snprintf(numbers, sizeof numbers, "%.1f,%.1f,%.2f,%.2f", vertex.durationSeconds, vertex.widthKm,
                          vertex.sunAltitude, vertex.sunAzimuth);
            csv += IsoUniversalTime(vertex.place.time, path.deltaT) + "," + Place(vertex.place) + "," +
                   Place(vertex.northLimit) + "," + Place(vertex.southLimit) + "," + numbers + "\n";
        }
    }
    return csv;
}
