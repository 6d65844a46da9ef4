// Writes the compact image of the GeoNames towns (places.dat) into a data
// directory, with its entry in the directory's manifest. Run by the build.

#include "datafiles/DataManifest.h"
#include "places/PlaceImage.h"
#include "places/geonames/GeonamesGazetteer.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: umbrant-places-export DATA_DIRECTORY\n";
        return 1;
    }
    try {
        const GeonamesGazetteer geonames;
        if (geonames.Size() == 0) {
            std::cerr << "umbrant-places-export: the GeoNames library has no places\n";
            return 1;
        }
        WriteDataImage(argv[1], kPlacesFileName, PlaceImage::Encode(geonames));
    } catch (const std::exception& error) {
        std::cerr << "umbrant-places-export: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
