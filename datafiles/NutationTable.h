#pragma once

#include "datafiles/NutationImage.h"

#include <array>
#include <string>

// One term of the IAU 1980 nutation series as the table prints it.
struct PublishedNutationTerm {
    int multipliers[5];   // of l, l', F, D and Omega, in this order
    double periodDays;    // period of the argument, days (not used in the sums)
    int longitude;        // sine coefficient of the nutation in longitude, 0.0001 arcsecond
    double longitudeRate; // its change, 0.0001 arcsecond per Julian century
    int obliquity;        // cosine coefficient of the nutation in obliquity, 0.0001 arcsecond
    double obliquityRate; // its change, 0.0001 arcsecond per Julian century
};

// The 106 terms in the order of the published table, which is the order of
// the records of "Nutation.dat".
// Reference: Seidelmann, Celestial Mechanics 27, 79 (1982), "1980 IAU theory
//            of nutation: the final report of the IAU Working Group on
//            Nutation"; Explanatory Supplement to the Astronomical Almanac
//            (1992), table 3.222.1.
extern const std::array<PublishedNutationTerm, kNutationTermCount> kIau1980Nutation;

// "Nutation.txt" as the nutation converter reads it: one header line, then
// one line per term in its fixed columns, the coefficients in arcseconds and
// their rates in 0.00001 arcsecond per century.
std::string NutationText();

// Writes NutationText() to dataDirectory + "Nutation.txt" (dataDirectory ends
// with a separator), replacing the file atomically. Raises CFileException.
void WriteNutationText(const std::string& dataDirectory);
