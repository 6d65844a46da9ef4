#pragma once

#include "datafiles/FileIo.h"

#include <cstdint>
#include <span>
#include <vector>

// The series texts read into their images, from a file or from memory. Each
// takes only the published layout (the header lines, the number of terms of
// each series, and term lines that hold one whole number in each field read
// or shown, blanks elsewhere; blank lines only at the end), and raises
// CFileException "FILE: line N: what is wrong" for anything else.

// "Nutation.txt": a header line and the 106 terms of the IAU 1980 nutation.
std::vector<std::uint8_t> NutationImageFromText(ILineSource& text);

// "VSOP87C.ear": the 17 series of the Earth in version C, in the order of
// the image, each a header that names its variable, power of time and
// number of terms, then its term lines, numbered from 1.
std::vector<std::uint8_t> VsopImageFromText(ILineSource& text);

// ELPn: a header line, then exactly the series' count of term lines, stored
// in the series' region of image (the whole ElpImage, kElpImageSize bytes).
void ReadElpSeriesText(ILineSource& text, int series, std::span<std::uint8_t> image);
