#pragma once

#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/path/PathTypes.h"
#include "eclipse/uncertainty/UncertainBand.h"
#include "core/Instant.h"
#include "ephemeris/TimeModel.h"

#include <string>
#include <utility>
#include <vector>

// The lines of a path under the names the outputs give them: central,
// umbra-north, umbra-south, penumbra-north, penumbra-south, sunrise-sunset,
// max-at-sunrise-sunset; kinds without a line are left out.
std::vector<std::pair<std::string, std::vector<PathLine>>> NamedLines(const EclipsePath& path);

// "Solar eclipse of 2024-04-08": the date of greatest eclipse (UT), the
// eclipse's name in the files.
std::string EclipseTitle(const Instant& greatest, double deltaT);

// "magnitude-0.2" and so on.
std::string MagnitudeKind(double magnitude);

// A FeatureCollection: every named line as a LineString or MultiLineString
// cut at the antimeridian, with properties.times holding the UT of each
// vertex nested like the coordinates; the magnitude curves; greatest
// eclipse as a Point with its ut, duration_s, width_km, the Delta T and the
// name of the time model (and Delta T's sigma, null where the model states
// none), and the shadow's contacts with the Earth (P1 to P4, U1 to U4) each
// with its ut and place. With Delta T's uncertainty: the polygon (or
// polygons) "uncertain-band", where the central phase is seen for some
// Delta T within k sigma, with its k, sigma and range of Delta T; and the
// lines "central-early" and "umbra-limit-west" (the central line and the
// umbral limits for Delta T - k sigma, west of the path), "central-late" and
// "umbra-limit-east" (for + k sigma, east of it), each with its delta_t and
// its times in the Universal Time of that Delta T.
std::string PathGeoJson(const EclipsePath& path, const std::vector<MagnitudeCurve>& magnitudes, const TimeModel& model,
                        const UncertainBand* band = nullptr);

// KML 2.2: a Document with one Placemark per line (its pieces cut at the
// antimeridian in a MultiGeometry) and one for greatest eclipse, whose
// description names the Delta T and the time model; with Delta T's
// uncertainty, the band and the early and late lines under the same names
// as in GeoJSON.
std::string PathKml(const EclipsePath& path, const std::vector<MagnitudeCurve>& magnitudes, const std::string& title,
                    const TimeModel& model, const UncertainBand* band = nullptr);

// One row per vertex of the central line at a whole step or an end (not
// those added for drawing), with the umbral limits at the same instant.
// With Delta T's uncertainty, two more columns: the central line's
// longitude at the same instant for Delta T - k sigma and + k sigma (its
// latitude is the row's); the band itself, an area, has no place in rows.
std::string PathCsv(const EclipsePath& path, const UncertainBand* band = nullptr);
