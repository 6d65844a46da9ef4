#include "ephemeris/EphemerisSeries.h"

#include "datafiles/ElpImage.h"
#include "datafiles/NutationImage.h"
#include "datafiles/VsopImage.h"
#include "ephemeris/SeriesPlausibility.h"

#include <map>
#include <mutex>

std::shared_ptr<const EphemerisSeries> LoadEphemerisSeries(const std::string& dataDirectory)
{
    EphemerisSeries loaded{LoadCachedImage(dataDirectory + kVsopImageName, kVsopImageSize),
                           LoadCachedImage(dataDirectory + kElpImageName, kElpImageSize),
                           LoadCachedImage(dataDirectory + kNutationImageName, kNutationImageSize), nullptr};
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const EphemerisSeries>> byDirectory;
    const std::lock_guard<std::mutex> lock(mutex);
    std::shared_ptr<const EphemerisSeries>& kept = byDirectory[dataDirectory];
    if (!kept || kept->vsop != loaded.vsop || kept->elp != loaded.elp || kept->nutation != loaded.nutation) {
        loaded.elpTerms = SharedLunarSeriesTerms(loaded.elp);
        CheckSeriesPlausible(loaded, dataDirectory);
        kept = std::make_shared<const EphemerisSeries>(std::move(loaded));
    }
    return kept;
}
