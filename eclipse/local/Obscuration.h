#pragma once

// The fraction of the Sun's disk covered by the Moon's, from their apparent
// radii and the distance between their centres (any one unit).
// Reference: Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 8
//            (the area of the lune between two circles).
double Obscuration(double sunRadius, double moonRadius, double separation);
