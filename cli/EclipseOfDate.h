#pragma once

#include "core/Calendar.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"

// The eclipse whose greatest eclipse falls on a date of Universal Time,
// with its fitted Besselian elements (and the largest residuals of their
// fits). A date without one, or one that Delta T moves out of the years
// the search covers, raises std::runtime_error with a one-line message.
struct EclipseOfDate {
    EclipseSummary summary;
    FittedElementsReport fit;
};
EclipseOfDate FindEclipseOfDate(const Ephemeris& ephemeris, const CivilDate& date);
