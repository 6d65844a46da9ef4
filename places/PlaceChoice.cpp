#include "places/PlaceChoice.h"

#include "places/PlaceNames.h"

#include <algorithm>
#include <string>

namespace {

// Far beyond the longest name of a place (GeoNames' run to about 60 bytes):
// a longer text is a slip or an attack, and is not compared letter by letter.
constexpr std::size_t kLongestQuery = 256;
// The close spellings offered, and how far (in edits) they may be.
constexpr std::size_t kClosestCount = 5;
constexpr std::size_t kMostEdits = 3;

struct Query {
    std::string name;                    // folded
    std::vector<std::string> qualifiers; // folded
};

std::optional<Query> ReadQuery(std::string_view text)
{
    if (text.size() > kLongestQuery) {
        return std::nullopt;
    }
    Query query;
    std::size_t start = 0;
    for (std::size_t comma = 0; comma <= text.size(); ++comma) {
        if (comma != text.size() && text[comma] != ',') {
            continue;
        }
        const std::optional<std::string> part = FoldedName(text.substr(start, comma - start));
        if (!part || part->empty()) {
            return std::nullopt;
        }
        (start == 0 ? query.name : query.qualifiers.emplace_back()) = *part;
        start = comma + 1;
    }
    return query;
}

bool AnswersTo(const Place& place, const std::string& qualifier)
{
    return FoldedName(place.state) == qualifier || FoldedName(place.country) == qualifier ||
           FoldedName(place.countryCode) == qualifier;
}

bool MorePopulous(const Place& a, const Place& b)
{
    return a.population > b.population;
}

struct NearSpelling {
    std::size_t edits;
    std::string key;
    Place place;
};

// The places spelled within a few edits of the name, nearest first; the
// towns of one name stay together (the most populous first), so that a typo
// of "Dallas" offers both Dallases before another name as near.
std::vector<Place> ClosestSpellings(const Gazetteer& gazetteer, const std::string& name)
{
    const std::size_t limit = std::clamp<std::size_t>(name.size() / 3, 1, kMostEdits);
    std::vector<NearSpelling> near;
    gazetteer.ForEach([&](const Place& place) {
        std::optional<std::string> key = FoldedName(place.name);
        if (!key) {
            return;
        }
        if (const std::size_t edits = BoundedEditDistance(name, *key, limit); edits <= limit) {
            near.push_back({edits, std::move(*key), place});
        }
    });
    std::sort(near.begin(), near.end(), [](const NearSpelling& a, const NearSpelling& b) {
        return a.edits != b.edits ? a.edits < b.edits : MorePopulous(a.place, b.place);
    });
    std::vector<Place> closest;
    std::vector<bool> taken(near.size(), false);
    for (std::size_t i = 0; i < near.size() && closest.size() < kClosestCount; ++i) {
        for (std::size_t j = i; j < near.size() && closest.size() < kClosestCount; ++j) {
            if (!taken[j] && near[j].key == near[i].key) {
                taken[j] = true;
                closest.push_back(near[j].place);
            }
        }
    }
    return closest;
}

} // namespace

PlaceChoice ChoosePlace(const Gazetteer& gazetteer, std::string_view text)
{
    PlaceChoice choice;
    const std::optional<Query> query = ReadQuery(text);
    if (!query) {
        return choice;
    }
    std::vector<Place> named = gazetteer.FindByName(query->name);
    std::stable_sort(named.begin(), named.end(), MorePopulous);
    std::vector<Place> matching;
    std::copy_if(named.begin(), named.end(), std::back_inserter(matching), [&](const Place& place) {
        return std::all_of(query->qualifiers.begin(), query->qualifiers.end(),
                           [&](const std::string& qualifier) { return AnswersTo(place, qualifier); });
    });
    if (matching.empty()) {
        named.resize(std::min(named.size(), kClosestCount));
        choice.closest = named.empty() ? ClosestSpellings(gazetteer, query->name) : named;
        return choice;
    }
    choice.chosen = matching.front();
    choice.others.assign(matching.begin() + 1, matching.end());
    return choice;
}
