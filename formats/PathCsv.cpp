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

// The central line's longitude k sigma either way, for the closing columns.
std::string EarlyAndLate(const CentralVertex& vertex, const UncertainBand& band)
{
    const double shift = band.ShiftDegrees();
    char text[64];
    std::snprintf(text, sizeof text, ",%.5f,%.5f", ShiftedLongitude(vertex.place.longitude, -shift),
                  ShiftedLongitude(vertex.place.longitude, shift));
    return text;
}

} // namespace

std::string PathCsv(const EclipsePath& path, const UncertainBand* band)
{
    std::string csv = "ut,central_lat,central_lon,north_lat,north_lon,south_lat,south_lon,duration_s,width_km,sun_altitude,sun_azimuth";
    csv += band ? ",central_lon_early,central_lon_late\n" : "\n";
    for (const std::vector<CentralVertex>& run : path.centralLine) {
        for (const CentralVertex& vertex : run) {
            if (!vertex.onStep) {
                continue;
            }
            char numbers[128];
            std::snprintf(numbers, sizeof numbers, "%.1f,%.1f,%.2f,%.2f", vertex.durationSeconds, vertex.widthKm,
                          vertex.sunAltitude, vertex.sunAzimuth);
            csv += IsoUniversalTime(vertex.place.time, path.deltaT) + "," + Place(vertex.place) + "," +
                   Place(vertex.northLimit) + "," + Place(vertex.southLimit) + "," + numbers +
                   (band ? EarlyAndLate(vertex, *band) : "") + "\n";
        }
    }
    return csv;
}
