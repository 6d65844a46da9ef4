#pragma once

#include "places/Gazetteer.h"

// The towns of Debian's GeoNames library (libgeonames: the GeoNames places
// of 15 000 people and more, CC-BY-4.0), in its order, with their names as
// GeoNames spells them (the library translates them only for a process
// that has set a locale). The library starts GLib and loads its whole table
// at its first question (some 25 ms), and each of its own name searches
// scans every town (some 80 ms): the programs read the compact image made
// from it instead (places/PlaceImage.h).
class GeonamesGazetteer final : public Gazetteer {
public:
    std::size_t Size() const override;
    void ForEach(const std::function<void(const Place&)>& visit) const override;
};
