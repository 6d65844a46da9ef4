#pragma once

// What both programs print after their version (--version): the licence
// and the data the maps, the tables and the towns come from, with the
// credit their licences ask for. Lines end with "\n" but the last.
inline constexpr const char* kProgramNotice =
    "Copyright (C) the Umbrant developers.\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n"
    "\n"
    "Data: the Sun from VSOP87 (Bretagnon & Francou, CDS VI/81), the Moon from\n"
    "ELP 2000-82B (Chapront-Touze & Chapront, CDS VI/79), the nutation IAU 1980;\n"
    "shorelines from GSHHS (Wessel & Smith), borders and rivers from WDB II, both\n"
    "from Debian's xygrib-maps (GPL-3); towns from GeoNames (geonames.org),\n"
    "licensed under CC-BY-4.0, through Debian's libgeonames.";
