#pragma once

#include <string>
#include <vector>

// The marks of the map that its key explains, each drawn in the key as its
// layer draws it on the map.
enum class LegendMark {
    UmbralBand,
    CentralLine,
    PenumbralLimit,
    RiseSetContacts,
    RiseSetMaximum,
    MagnitudeCurve,
    GreatestEclipse,
    Shadow,
    Observer,
    Terminator,
};

// The map's title and key, in the words of the front end (UTF-8): the
// title's lines at the top left, the first larger; the key's entries boxed
// at the bottom left.
struct MapLegend {
    struct Entry {
        LegendMark mark;
        std::string text;
    };
    std::vector<std::string> title;
    std::vector<Entry> entries;
};
