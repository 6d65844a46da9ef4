#pragma once

#include "places/Place.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// The towns of the world, as the program asks about them: by name, by
// place, or all of them. Whatever holds them (the compact image of the data
// directory, the GeoNames library, a test's list) answers through this, so
// that the computing code never sees how they are stored.
class Gazetteer {
public:
    virtual ~Gazetteer() = default;

    // How many places there are.
    virtual std::size_t Size() const = 0;
    // Every place, in the gazetteer's own order. The place lent to visit
    // lives until visit returns.
    virtual void ForEach(const std::function<void(const Place&)>& visit) const = 0;

    // The places whose name folds to the same key as name (FoldedName), in
    // the gazetteer's order; none for a name that is not UTF-8.
    virtual std::vector<Place> FindByName(std::string_view name) const;
    // The place nearest to a point (degrees, east and north positive) on the
    // sphere, if one lies within maximumKilometres.
    virtual std::optional<NearbyPlace> Nearest(double longitude, double latitude, double maximumKilometres) const;
};
