#include "formats/PathOutput.h"
#include "core/CalendarText.h"
#include "core/DeltaT.h"
#include "eclipse/path/Antimeridian.h"
#include "formats/CompactJson.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

// Six decimals of a degree: a tenth of a metre.
double Rounded(double degrees)
{
    return std::round(degrees * 1e6) / 1e6;
}

Json Position(double longitude, double latitude)
{
    return Json::array({Rounded(longitude), Rounded(latitude)});
}

// One piece alone, or all of them: a geometry's coordinates and the
// matching nesting of times.
Json Single(Json pieces)
{
    if (pieces.size() == 1) {
        return std::move(pieces.front());
    }
    return pieces;
}

void WritePosition(CompactJson& json, double longitude, double latitude)
{
    json.BeginArray().Number(Rounded(longitude)).Number(Rounded(latitude)).EndArray();
}

// Each piece as an array of what writeItems writes, inside one more array
// unless there is a single piece (as Single nests them).
template <typename Piece, typename WriteItems>
void WritePieces(CompactJson& json, const std::vector<Piece>& pieces, WriteItems writeItems)
{
    const bool single = pieces.size() == 1;
    if (!single) {
        json.BeginArray();
    }
    for (const Piece& piece : pieces) {
        json.BeginArray();
        writeItems(piece);
        json.EndArray();
    }
    if (!single) {
        json.EndArray();
    }
}

template <typename Piece, typename WritePoint>
void WriteGeometry(CompactJson& json, const std::vector<Piece>& pieces, WritePoint writePoint)
{
    json.Key("geometry").BeginObject();
    json.Key("type").String(pieces.size() == 1 ? "LineString" : "MultiLineString");
    json.Key("coordinates");
    WritePieces(json, pieces, [&](const Piece& piece) {
        for (const auto& point : piece) {
            writePoint(point);
        }
    });
    json.EndObject();
}

// A line's feature: its pieces cut at the antimeridian, the Universal Time of
// every vertex, and the Delta T the line was drawn with when it is one of
// the band's.
void WriteLineFeature(CompactJson& json, const std::string& kind, const std::vector<PathLine>& lines, double deltaT,
                      std::optional<double> shownDeltaT = std::nullopt)
{
    std::vector<PathLine> pieces;
    for (const PathLine& line : lines) {
        for (PathLine& piece : SplitAtAntimeridian(line)) {
            pieces.push_back(std::move(piece));
        }
    }
    json.BeginObject().Key("type").String("Feature");
    json.Key("properties").BeginObject().Key("kind").String(kind).Key("times");
    WritePieces(json, pieces, [&](const PathLine& piece) {
        for (const PathVertex& vertex : piece) {
            json.String(IsoUniversalTime(vertex.time, deltaT));
        }
    });
    if (shownDeltaT) {
        json.Key("delta_t").Number(*shownDeltaT);
    }
    json.EndObject();
    WriteGeometry(json, pieces, [&](const PathVertex& vertex) { WritePosition(json, vertex.longitude, vertex.latitude); });
    json.EndObject();
}

void WriteMagnitudeFeature(CompactJson& json, const MagnitudeCurve& curve)
{
    json.BeginObject().Key("type").String("Feature");
    json.Key("properties").BeginObject().Key("kind").String(MagnitudeKind(curve.magnitude));
    json.Key("magnitude").Number(curve.magnitude).EndObject();
    WriteGeometry(json, curve.lines, [&](const GeoPoint& point) { WritePosition(json, point.longitude, point.latitude); });
    json.EndObject();
}

Json OptionalNumber(const std::optional<double>& value, double scale)
{
    return value ? Json(std::round(*value * scale) / scale) : Json(nullptr);
}

Json ContactJson(const std::optional<GlobalContact>& contact, double deltaT)
{
    if (!contact) {
        return nullptr;
    }
    return Json{{"ut", IsoUniversalTime(contact->time, deltaT)},
                {"latitude", Rounded(contact->latitude)},
                {"longitude", Rounded(contact->longitude)}};
}

// The shadow's contacts with the Earth, P1 to P4 and U1 to U4, null where
// there is none.
Json ContactsJson(const GlobalCircumstances& global, double deltaT)
{
    return Json{{"p1", ContactJson(global.p1, deltaT)}, {"p2", ContactJson(global.p2, deltaT)},
                {"u1", ContactJson(global.u1, deltaT)}, {"u2", ContactJson(global.u2, deltaT)},
                {"u3", ContactJson(global.u3, deltaT)}, {"u4", ContactJson(global.u4, deltaT)},
                {"p3", ContactJson(global.p3, deltaT)}, {"p4", ContactJson(global.p4, deltaT)}};
}

Json GreatestFeature(const GlobalCircumstances& global, double deltaT, const TimeModel& model)
{
    const GreatestEclipse& greatest = global.greatest;
    return Json{{"type", "Feature"},
                {"properties",
                 {{"kind", "greatest"},
                  {"ut", IsoUniversalTime(greatest.time, deltaT)},
                  {"duration_s", OptionalNumber(greatest.durationSeconds, 10.0)},
                  {"width_km", OptionalNumber(greatest.widthKm, 10.0)},
                  {"gamma", std::round(greatest.gamma * 1e4) / 1e4},
                  {"sun_altitude", std::round(greatest.sunAltitude * 10.0) / 10.0},
                  {"contacts", ContactsJson(global, deltaT)},
                  {"delta_t", std::round(deltaT * 10.0) / 10.0},
                  {"delta_t_sigma", OptionalNumber(DeltaTSigmaAt(greatest.time, model.DeltaT()), 10.0)},
                  {"model", model.Name()}}},
                {"geometry", {{"type", "Point"}, {"coordinates", Position(greatest.longitude, greatest.latitude)}}}};
}

Json Ring(const std::vector<GeoPoint>& ring)
{
    Json positions = Json::array();
    for (const GeoPoint& point : ring) {
        positions.push_back(Position(point.longitude, point.latitude));
    }
    return positions;
}

Json PolygonCoordinates(const GeoPolygon& polygon)
{
    Json rings = Json::array({Ring(polygon.outer)});
    for (const std::vector<GeoPoint>& hole : polygon.holes) {
        rings.push_back(Ring(hole));
    }
    return rings;
}

Json BandFeature(const UncertainBand& band)
{
    Json polygons = Json::array();
    for (const GeoPolygon& polygon : band.region) {
        polygons.push_back(PolygonCoordinates(polygon));
    }
    Json geometry = Json::object();
    geometry["type"] = polygons.size() == 1 ? "Polygon" : "MultiPolygon";
    geometry["coordinates"] = Single(std::move(polygons));
    return Json{{"type", "Feature"},
                {"properties",
                 {{"kind", "uncertain-band"},
                  {"k_sigma", band.sigmas},
                  {"delta_t_sigma", std::round(band.sigma * 10.0) / 10.0},
                  {"delta_t_from", std::round(band.earlyDeltaT * 1000.0) / 1000.0},
                  {"delta_t_to", std::round(band.lateDeltaT * 1000.0) / 1000.0}}},
                {"geometry", std::move(geometry)}};
}

// The band and the early and late lines, the band first so that it lies
// under the lines drawn after it.
void WriteBandFeatures(CompactJson& json, const UncertainBand& band)
{
    if (!band.region.empty()) {
        json.Value(BandFeature(band));
    }
    const std::pair<const char*, const std::vector<PathLine>*> early[] = {{"central-early", &band.centralEarly},
                                                                           {"umbra-limit-west", &band.limitsWest}};
    const std::pair<const char*, const std::vector<PathLine>*> late[] = {{"central-late", &band.centralLate},
                                                                          {"umbra-limit-east", &band.limitsEast}};
    for (const auto& [lines, deltaT] : {std::pair{&early, band.earlyDeltaT}, std::pair{&late, band.lateDeltaT}}) {
        for (const auto& [kind, line] : *lines) {
            if (line->empty()) {
                continue;
            }
            // To the millisecond: another run with --delta-t draws the same line.
            WriteLineFeature(json, kind, *line, deltaT, std::round(deltaT * 1000.0) / 1000.0);
        }
    }
}

} // namespace

std::string PathGeoJson(const EclipsePath& path, const std::vector<MagnitudeCurve>& magnitudes, const TimeModel& model,
                        const UncertainBand* band)
{
    CompactJson json;
    json.BeginObject().Key("type").String("FeatureCollection").Key("features").BeginArray();
    if (band) {
        WriteBandFeatures(json, *band);
    }
    for (const auto& [kind, lines] : NamedLines(path)) {
        WriteLineFeature(json, kind, lines, path.deltaT);
    }
    for (const MagnitudeCurve& curve : magnitudes) {
        if (!curve.lines.empty()) {
            WriteMagnitudeFeature(json, curve);
        }
    }
    json.Value(GreatestFeature(path.circumstances, path.deltaT, model));
    json.EndArray().EndObject();
    return json.TakeText() + "\n";
}
