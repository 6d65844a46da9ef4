#pragma once

// The Saros series of the solar eclipse of lunation k (new moons counted
// from 2000 January 6), numbered as the canons number them (the eclipse of
// 2024 April 8, lunation 300, belongs to series 139).
//
// An eclipse N lunations after another lies a whole number of saroses (223
// lunations, same series) and inexes (358 lunations, next series) away:
// N = 358 a + 223 b. The pairs (a + 223 n, b - 358 n) all solve it; the
// series is the one in which the eclipse falls inside the series' life.
// Reference: van den Bergh, Periodicity and Variation of Solar (and Lunar)
//            Eclipses (1955), the Saros-Inex panorama; Espenak & Meeus, Five
//            Millennium Canon of Solar Eclipses (NASA TP-2006-214141), for
//            the numbering.
int SarosSeries(int lunation);
