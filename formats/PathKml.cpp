#include "formats/PathOutput.h"
#include "core/CalendarText.h"
#include "core/DeltaT.h"
#include "formats/XmlWriter.h"
#include "eclipse/path/Antimeridian.h"

#include <cstdio>
#include <map>
#include <optional>
#include <tuple>

namespace {

// KML colours are aabbggrr.
const std::map<std::string, std::string> kColours = {
    {"central", "ff0000ff"},        {"umbra-north", "ffff0000"},     {"umbra-south", "ffff0000"},
    {"penumbra-north", "ff00a000"}, {"penumbra-south", "ff00a000"}, {"sunrise-sunset", "ff0080ff"},
    {"max-at-sunrise-sunset", "ffa000a0"},
    {"central-early", "800000ff"},  {"central-late", "800000ff"},    {"umbra-limit-west", "80ff0000"},
    {"umbra-limit-east", "80ff0000"},
};
// The band of Delta T's uncertainty: a light translucent fill.
const std::string kBandLineColour = "80ff00a0";
const std::string kBandFillColour = "40ff00a0";
const std::string kMagnitudeColour = "ff808080";

std::string Coordinates(const std::vector<std::pair<double, double>>& positions)
{
    std::string text;
    for (const auto& [longitude, latitude] : positions) {
        char position[64];
        std::snprintf(position, sizeof position, "%s%.6f,%.6f", text.empty() ? "" : " ", longitude, latitude);
        text += position;
    }
    return text;
}

void Style(XmlWriter& kml, const std::string& id, const std::string& colour)
{
    kml.Start("Style", {{"id", id}});
    kml.Start("LineStyle");
    kml.Text("color", colour);
    kml.Text("width", "2");
    kml.End();
    kml.End();
}

void LinePlacemark(XmlWriter& kml, const std::string& kind, const std::string& description,
                   const std::vector<std::vector<std::pair<double, double>>>& pieces)
{
    kml.Start("Placemark");
    kml.Text("name", kind);
    kml.Text("description", description);
    kml.Text("styleUrl", "#" + kind);
    kml.Start("MultiGeometry");
    for (const auto& piece : pieces) {
        kml.Start("LineString");
        kml.Text("tessellate", "1");
        kml.Text("coordinates", Coordinates(piece));
        kml.End();
    }
    kml.End();
    kml.End();
}

std::string Span(const std::vector<PathLine>& lines, double deltaT)
{
    Instant first = lines.front().front().time;
    Instant last = first;
    for (const PathLine& line : lines) {
        for (const PathVertex& vertex : line) {
            if (vertex.time < first) {
                first = vertex.time;
            }
            if (last < vertex.time) {
                last = vertex.time;
            }
        }
    }
    return "From " + IsoUniversalTime(first, deltaT) + " to " + IsoUniversalTime(last, deltaT);
}

void GreatestPlacemark(XmlWriter& kml, const GreatestEclipse& greatest, double deltaT, const TimeModel& model)
{
    std::string description = "Greatest eclipse at " + IsoUniversalTime(greatest.time, deltaT);
    if (greatest.durationSeconds && greatest.widthKm) {
        char figures[96];
        std::snprintf(figures, sizeof figures, "; central duration %.1f s, path width %.1f km", *greatest.durationSeconds,
                      *greatest.widthKm);
        description += figures;
    }
    char time[96];
    const std::optional<double> sigma = DeltaTSigmaAt(greatest.time, model.DeltaT());
    if (sigma) {
        std::snprintf(time, sizeof time, "; Delta T %.1f \xC2\xB1 %.1f s (%s model)", deltaT, *sigma, model.Name());
    } else {
        std::snprintf(time, sizeof time, "; Delta T %.1f s (%s model)", deltaT, model.Name());
    }
    description += time;
    kml.Start("Placemark");
    kml.Text("name", "greatest");
    kml.Text("description", description);
    kml.Start("Point");
    kml.Text("coordinates", Coordinates({{greatest.longitude, greatest.latitude}}));
    kml.End();
    kml.End();
}

void BandStyle(XmlWriter& kml)
{
    kml.Start("Style", {{"id", "uncertain-band"}});
    kml.Start("LineStyle");
    kml.Text("color", kBandLineColour);
    kml.Text("width", "1");
    kml.End();
    kml.Start("PolyStyle");
    kml.Text("color", kBandFillColour);
    kml.End();
    kml.End();
}

std::string RingCoordinates(const std::vector<GeoPoint>& ring)
{
    std::vector<std::pair<double, double>> positions;
    for (const GeoPoint& point : ring) {
        positions.emplace_back(point.longitude, point.latitude);
    }
    return Coordinates(positions);
}

void Boundary(XmlWriter& kml, const char* name, const std::vector<GeoPoint>& ring)
{
    kml.Start(name);
    kml.Start("LinearRing");
    kml.Text("coordinates", RingCoordinates(ring));
    kml.End();
    kml.End();
}

void BandPlacemark(XmlWriter& kml, const UncertainBand& band)
{
    char description[160];
    std::snprintf(description, sizeof description,
                  "Central for some Delta T from %.1f to %.1f s (%g sigma either side, sigma %.1f s)", band.earlyDeltaT,
                  band.lateDeltaT, band.sigmas, band.sigma);
    kml.Start("Placemark");
    kml.Text("name", "uncertain-band");
    kml.Text("description", description);
    kml.Text("styleUrl", "#uncertain-band");
    kml.Start("MultiGeometry");
    for (const GeoPolygon& polygon : band.region) {
        kml.Start("Polygon");
        kml.Text("tessellate", "1");
        Boundary(kml, "outerBoundaryIs", polygon.outer);
        for (const std::vector<GeoPoint>& hole : polygon.holes) {
            Boundary(kml, "innerBoundaryIs", hole);
        }
        kml.End();
    }
    kml.End();
    kml.End();
}

std::vector<std::vector<std::pair<double, double>>> Pieces(const std::vector<PathLine>& lines)
{
    std::vector<std::vector<std::pair<double, double>>> pieces;
    for (const PathLine& line : lines) {
        for (const PathLine& piece : SplitAtAntimeridian(line)) {
            std::vector<std::pair<double, double>> positions;
            for (const PathVertex& vertex : piece) {
                positions.emplace_back(vertex.longitude, vertex.latitude);
            }
            pieces.push_back(std::move(positions));
        }
    }
    return pieces;
}

// The early and late lines, each described with its Delta T.
void BandLinePlacemarks(XmlWriter& kml, const UncertainBand& band)
{
    const std::tuple<const char*, const std::vector<PathLine>*, double> lines[] = {
        {"central-early", &band.centralEarly, band.earlyDeltaT},
        {"umbra-limit-west", &band.limitsWest, band.earlyDeltaT},
        {"central-late", &band.centralLate, band.lateDeltaT},
        {"umbra-limit-east", &band.limitsEast, band.lateDeltaT}};
    for (const auto& [kind, line, deltaT] : lines) {
        if (line->empty()) {
            continue;
        }
        char description[64];
        std::snprintf(description, sizeof description, "; Delta T %.3f s", deltaT);
        LinePlacemark(kml, kind, Span(*line, deltaT) + description, Pieces(*line));
    }
}

} // namespace

std::string PathKml(const EclipsePath& path, const std::vector<MagnitudeCurve>& magnitudes, const std::string& title,
                    const TimeModel& model, const UncertainBand* band)
{
    XmlWriter kml;
    kml.Start("kml", {{"xmlns", "http://www.opengis.net/kml/2.2"}});
    kml.Start("Document");
    kml.Text("name", title);
    const auto named = NamedLines(path);
    for (const auto& [kind, lines] : named) {
        Style(kml, kind, kColours.at(kind));
    }
    for (const MagnitudeCurve& curve : magnitudes) {
        Style(kml, MagnitudeKind(curve.magnitude), kMagnitudeColour);
    }
    if (band) {
        BandStyle(kml);
        for (const char* kind : {"central-early", "central-late", "umbra-limit-west", "umbra-limit-east"}) {
            Style(kml, kind, kColours.at(kind));
        }
        if (!band->region.empty()) {
            BandPlacemark(kml, *band);
        }
        BandLinePlacemarks(kml, *band);
    }
    for (const auto& [kind, lines] : named) {
        LinePlacemark(kml, kind, Span(lines, path.deltaT), Pieces(lines));
    }
    for (const MagnitudeCurve& curve : magnitudes) {
        if (curve.lines.empty()) {
            continue;
        }
        std::vector<std::vector<std::pair<double, double>>> pieces;
        for (const std::vector<GeoPoint>& line : curve.lines) {
            std::vector<std::pair<double, double>> positions;
            for (const GeoPoint& point : line) {
                positions.emplace_back(point.longitude, point.latitude);
            }
            pieces.push_back(std::move(positions));
        }
        char description[64];
        std::snprintf(description, sizeof description, "Maximum magnitude %g", curve.magnitude);
        LinePlacemark(kml, MagnitudeKind(curve.magnitude), description, pieces);
    }
    GreatestPlacemark(kml, path.circumstances.greatest, path.deltaT, model);
    return kml.Finish();
}
