#include "formats/PathOutput.h"
#include "core/CalendarText.h"
#include "core/DeltaT.h"
#include "eclipse/path/Antimeridian.h"

#include <nlohmann/json.hpp>

#include <cmath>

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

// One geometry of one or several pieces.
Json Geometry(Json pieces)
{
    const char* const type = pieces.size() == 1 ? "LineString" : "MultiLineString";
    Json geometry = Json::object();
    geometry["type"] = type;
    geometry["coordinates"] = Single(std::move(pieces));
    return geometry;
}

Json LineFeature(const std::string& kind, const std::vector<PathLine>& lines, double deltaT)
{
    Json coordinates = Json::array();
    Json times = Json::array();
    for (const PathLine& line : lines) {
        for (const PathLine& piece : SplitAtAntimeridian(line)) {
            Json pieceCoordinates = Json::array();
            Json pieceTimes = Json::array();
            pieceCoordinates.get_ref<Json::array_t&>().reserve(piece.size());
            pieceTimes.get_ref<Json::array_t&>().reserve(piece.size());
            for (const PathVertex& vertex : piece) {
                pieceCoordinates.push_back(Position(vertex.longitude, vertex.latitude));
                pieceTimes.push_back(IsoUniversalTime(vertex.time, deltaT));
            }
            coordinates.push_back(std::move(pieceCoordinates));
            times.push_back(std::move(pieceTimes));
        }
    }
    Json feature = Json::object();
    feature["type"] = "Feature";
    feature["properties"] = Json{{"kind", kind}};
    feature["properties"]["times"] = Single(std::move(times));
    feature["geometry"] = Geometry(std::move(coordinates));
    return feature;
}

Json MagnitudeFeature(const MagnitudeCurve& curve)
{
    Json coordinates = Json::array();
    for (const std::vector<GeoPoint>& line : curve.lines) {
        Json piece = Json::array();
        piece.get_ref<Json::array_t&>().reserve(line.size());
        for (const GeoPoint& point : line) {
            piece.push_back(Position(point.longitude, point.latitude));
        }
        coordinates.push_back(std::move(piece));
    }
    Json feature = Json::object();
    feature["type"] = "Feature";
    feature["properties"] = Json{{"kind", MagnitudeKind(curve.magnitude)}, {"magnitude", curve.magnitude}};
    feature["geometry"] = Geometry(std::move(coordinates));
    return feature;
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
void AddBandFeatures(Json& features, const UncertainBand& band)
{
    if (!band.region.empty()) {
        features.push_back(BandFeature(band));
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
            Json feature = LineFeature(kind, *line, deltaT);
            // To the millisecond: another run with --delta-t draws the same line.
            feature["properties"]["delta_t"] = std::round(deltaT * 1000.0) / 1000.0;
            features.push_back(std::move(feature));
        }
    }
}

} // namespace

std::string PathGeoJson(const EclipsePath& path, const std::vector<MagnitudeCurve>& magnitudes, const TimeModel& model,
                        const UncertainBand* band)
{
    Json features = Json::array();
    if (band) {
        AddBandFeatures(features, *band);
    }
    for (const auto& [kind, lines] : NamedLines(path)) {
        features.push_back(LineFeature(kind, lines, path.deltaT));
    }
    for (const MagnitudeCurve& curve : magnitudes) {
        if (!curve.lines.empty()) {
            features.push_back(MagnitudeFeature(curve));
        }
    }
    features.push_back(GreatestFeature(path.circumstances, path.deltaT, model));
    Json collection = Json::object();
    collection["type"] = "FeatureCollection";
    collection["features"] = std::move(features);
    return collection.dump() + "\n";
}
