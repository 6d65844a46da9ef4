#pragma once

#include "datafiles/ImageCache.h"
#include "ephemeris/LunarSeriesTerms.h"

#include <memory>
#include <string>

// The three series images the evaluators sum: "VSOP87.dat", "Elp2000.dat"
// and "Nutation.dat" of one data directory, each checked for its size, and
// the terms of "Elp2000.dat" laid out for summation. They never change once
// loaded; computations share them across threads.
struct EphemerisSeries {
    DataImage vsop;
    DataImage elp;
    DataImage nutation;
    std::shared_ptr<const LunarSeriesTerms> elpTerms;
};

// The series of dataDirectory (ending with a separator). Loaded once and
// shared; loaded again when a file has been rewritten since (a converter's
// new output is used from the next computation on). A missing or short file,
// or one whose sums are not those of the published series
// (SeriesPlausibility.h), raises CFileException naming it.
std::shared_ptr<const EphemerisSeries> LoadEphemerisSeries(const std::string& dataDirectory);
