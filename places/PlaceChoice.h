#pragma once

#include "places/Gazetteer.h"

#include <optional>
#include <string_view>
#include <vector>

// What a place named by the user stands for.
struct PlaceChoice {
    // The most populous of the places that answer to the name; none when no
    // place does.
    std::optional<Place> chosen;
    // The other places that answer to it, most populous first.
    std::vector<Place> others;
    // When none answers: the places whose names are spelled most nearly so
    // (a few, the nearest spelling first, then the most populous), or those
    // of the very name when only the state or country did not match.
    std::vector<Place> closest;
};

// The place of a text "NAME", "NAME, WHERE" or "NAME, WHERE, WHERE", where
// each WHERE names the state, the country or the country's ISO code of the
// place ("Dallas, Texas", "Burgos, Spain", "Paris, FR"). Names compare as
// FoldedName makes them. Empty texts, texts that are not UTF-8 and texts
// longer than any name of a place answer to nothing (and have no close
// spellings).
PlaceChoice ChoosePlace(const Gazetteer& gazetteer, std::string_view text);
