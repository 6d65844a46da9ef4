#include "map/PathCentre.h"

#include "core/Units.h"
#include "core/Vector3.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kIterations = 400;

Vector3 UnitVector(double latitudeDegrees, double longitudeDegrees)
{
    const double phi = latitudeDegrees * kDegreesToRadians;
    const double lambda = longitudeDegrees * kDegreesToRadians;
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

Vector3 Normalised(const Vector3& v)
{
    const double length = Length(v);
    return length > 0.0 ? (1.0 / length) * v : Vector3{1.0, 0.0, 0.0};
}

void AddLines(const std::vector<PathLine>& lines, std::vector<Vector3>& points)
{
    for (const PathLine& line : lines) {
        for (const PathVertex& vertex : line) {
            points.push_back(UnitVector(vertex.latitude, vertex.longitude));
        }
    }
}

std::vector<Vector3> PathPoints(const EclipsePath& path)
{
    std::vector<Vector3> points;
    for (const auto& line : path.centralLine) {
        for (const CentralVertex& vertex : line) {
            points.push_back(UnitVector(vertex.place.latitude, vertex.place.longitude));
        }
    }
    for (const auto* lines : {&path.umbraNorth, &path.umbraSouth, &path.penumbraNorth, &path.penumbraSouth,
                              &path.riseSetContacts, &path.riseSetMaximum}) {
        AddLines(*lines, points);
    }
    const GlobalCircumstances& contacts = path.circumstances;
    for (const auto* contact : {&contacts.p1, &contacts.p2, &contacts.p3, &contacts.p4, &contacts.u1, &contacts.u2,
                                &contacts.u3, &contacts.u4}) {
        if (*contact) {
            points.push_back(UnitVector((*contact)->latitude, (*contact)->longitude));
        }
    }
    points.push_back(UnitVector(contacts.greatest.latitude, contacts.greatest.longitude));
    return points;
}

} // namespace

CGeoPosition CentreShowingPath(const EclipsePath& path)
{
    const std::vector<Vector3> points = PathPoints(path);
    Vector3 centre = points.front();
    for (int step = 1; step <= kIterations; ++step) {
        const Vector3* farthest = &points.front();
        for (const Vector3& point : points) {
            if (Dot(point, centre) < Dot(*farthest, centre)) {
                farthest = &point;
            }
        }
        const double weight = 1.0 / (step + 1.0);
        centre = Normalised(centre + weight * (*farthest - centre));
    }
    return CGeoPosition(std::atan2(centre.y, centre.x) * kRadiansToDegrees,
                        std::asin(std::fmax(-1.0, std::fmin(1.0, centre.z))) * kRadiansToDegrees);
}
