// "Eclipses.dat" of any bytes: an eclipse of a date, or those of a range, are
// found (no more than the file holds), or nothing is, or the file is refused
// naming itself; and nothing else.
#include "FuzzSupport.h"

#include "datafiles/FileException.h"
#include "eclipse/stored/StoredEclipses.h"

#include <cstdlib>
#include <vector>

namespace {

const fuzz::ScratchDirectory& Scratch()
{
    static const fuzz::ScratchDirectory directory("stored-eclipses");
    return directory;
}

// The stamp of the seeds (make_corpus.py).
const StoredEclipsesStamp kStamp{"fuzz",
                                 "modern",
                                 {{"Elp2000.dat", 1569672, 0xb8941446},
                                  {"VSOP87.dat", 100656, 0x7bf813ab},
                                  {"Nutation.dat", 2544, 0xf3199b1e}}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = Scratch().File(kStoredEclipsesName);
    fuzz::WriteBytes(path, std::vector<std::uint8_t>(data, data + size));
    for (const CivilDate& date : {CivilDate{2024, 4, 8}, CivilDate{2024, 10, 2}, CivilDate{-584, 5, 28}}) {
        try {
            const std::optional<EclipseOfDate> eclipse = FindStoredEclipse(path, kStamp, date);
            if (eclipse && !(eclipse->date == date)) {
                std::abort();
            }
        } catch (const CFileException& error) {
            if (error.FileName() != path) {
                std::abort();
            }
        }
    }
    try {
        const std::optional<std::vector<EclipseSummary>> eclipses =
            FindStoredEclipses(path, kStamp, CivilDate{-584, 1, 1}, CivilDate{2024, 12, 31});
        if (eclipses && eclipses->size() > size / 464) {
            std::abort();
        }
    } catch (const CFileException& error) {
        if (error.FileName() != path) {
            std::abort();
        }
    }
    IsStoredUnder(path, kStamp, -584, 2024);
    return 0;
}
