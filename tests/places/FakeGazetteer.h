#pragma once

#include "places/Gazetteer.h"

#include <vector>

// A gazetteer of the few towns a test lists, answering through the
// interface's own searches.
class FakeGazetteer final : public Gazetteer {
public:
    explicit FakeGazetteer(std::vector<Place> places) : m_places(std::move(places)) {}

    std::size_t Size() const override { return m_places.size(); }
    void ForEach(const std::function<void(const Place&)>& visit) const override
    {
        for (const Place& place : m_places) {
            visit(place);
        }
    }

private:
    std::vector<Place> m_places;
};

// Towns of GeoNames, as its data gives them, and namesakes.
inline std::vector<Place> SampleTowns()
{
    return {
        {"Dallas", "Oregon", "United States of America", "US", "America/Los_Angeles", -123.3170, 44.9193, 15277},
        {"Dallas", "Texas", "United States of America", "US", "America/Chicago", -96.8067, 32.7831, 1300092},
        {"Burgos", "Castille and León", "Spain", "ES", "Europe/Madrid", -3.7018, 42.3411, 178966},
        {"Burgos", "Central Luzon", "Philippines", "PH", "Asia/Manila", 120.5722, 15.7289, 28178},
        {"Montréal", "Quebec", "Canada", "CA", "America/Toronto", -73.5878, 45.5088, 1600000},
        {"Winston-Salem", "North Carolina", "United States of America", "US", "America/New_York", -80.2442, 36.0999, 249545},
        {"Dalian", "Liaoning", "China", "CN", "Asia/Shanghai", 121.6022, 38.9122, 3902467},
        {"Labasa", "Northern", "Fiji", "FJ", "Pacific/Fiji", 179.3833, -16.4167, 27949},
        {"Alert", "Nunavut", "Canada", "CA", "America/Pangnirtung", -62.3481, 82.5018, 15000},
    };
}
