#pragma once

#include "cli/Options.h"
#include "formats/LocalOutput.h"
#include "places/Gazetteer.h"

#include <memory>
#include <optional>
#include <string>

// The observer of a command: where they stand, the town when one was named,
// and the zone of their clocks.
struct ObserverPlace {
    GeographicPlace place;
    ObserverContext context;                  // its zone is the one below
    std::shared_ptr<const TimeZone> zone;
};

// The towns of the data directory's gazetteer (places.dat). Raises
// CFileException naming the file when it is missing or damaged.
std::shared_ptr<const Gazetteer> LoadGazetteer(const std::string& dataDirectory);

// The observer of --place and --tz. A name is looked up in the gazetteer:
// of several towns of that name the most populous is taken, and the standard
// error says which, with the next ones; none is a one-line error with the
// closest spellings (std::runtime_error). The zone is --tz's, else the
// town's, else, for coordinates, that of the nearest town within 100 km
// (none when there is none, or no gazetteer in the data directory).
ObserverPlace FindObserver(const PlaceOption& option, const std::optional<std::string>& zone,
                           const std::string& dataDirectory);

// The same with the gazetteer given (none: coordinates find no zone).
ObserverPlace FindObserverIn(const Gazetteer* gazetteer, const PlaceOption& option,
                             const std::optional<std::string>& zone);
