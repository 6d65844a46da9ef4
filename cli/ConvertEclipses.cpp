#include "cli/ConverterRegistry.h"
#include "cli/Options.h"
#include "core/ProgramBuild.h"
#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"
#include "eclipse/search/EclipseOfDate.h"
#include "eclipse/stored/StoredEclipses.h"
#include "ephemeris/Ephemeris.h"

#include <optional>
#include <string>

namespace {

// Every eclipse of the years the commands take, computed with the default
// model from the series of the directory, for the commands of a date to read
// (cli/EclipseOfDate.h). Nothing is done when those stored are current.
void StoreEclipses(const std::string& dataDirectory)
{
    const std::string program = ProgramBuildId();
    if (program.empty()) {
        throw CFileException(dataDirectory + kStoredEclipsesName,
                             "this program carries no build ID, so it could never tell its own stored eclipses");
    }
    const TimeModel model;
    const std::optional<StoredEclipsesStamp> stamp = StampFor(dataDirectory, program, model);
    if (!stamp) {
        throw CFileException(dataDirectory + kManifestName, "does not list the three series images (convert them first: "
                                                            "umbrant-cli convert ephemeris)");
    }
    const std::string path = dataDirectory + kStoredEclipsesName;
    if (IsStoredUnder(path, *stamp, kEarliestYear, kLatestYear)) {
        return;
    }
    const Ephemeris ephemeris = Ephemeris::Load(dataDirectory, model);
    const std::vector<EclipseOfDate> eclipses = ComputeEclipsesOfYears(ephemeris, kEarliestYear, kLatestYear);
    WriteDataImage(dataDirectory, kStoredEclipsesName, StoredEclipsesImage(*stamp, kEarliestYear, kLatestYear, eclipses));
}

const ConverterRegistration kEclipses({"eclipses", "eclipses", 10, StoreEclipses});

} // namespace
