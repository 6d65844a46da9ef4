#include "datafiles/Converters.h"

#include "datafiles/FileException.h"

namespace {

using ImageBuilder = void (*)(const std::string&);

bool IsInputError(const CFileException& error)
{
    return error.Kind() == FileErrorKind::Open || error.Kind() == FileErrorKind::Read;
}

// The desktop's end of a conversion: every error is a failed conversion,
// except where the reading of the input is not guarded (the ELP series and
// the shoreline input), whose errors reach the command's own report.
ConversionStatus Convert(ImageBuilder build, const std::string& dataDirectory, bool inputErrorsReachCaller)
{
    try {
        build(dataDirectory);
    } catch (const CFileException& error) {
        if (inputErrorsReachCaller && IsInputError(error)) {
            throw;
        }
        return ConversionStatus::Failed;
    }
    return ConversionStatus::Completed;
}

} // namespace

ConversionStatus ConvertNutation(const std::string& dataDirectory)
{
    return Convert(BuildNutationImage, dataDirectory, false);
}

ConversionStatus ConvertVsop(const std::string& dataDirectory)
{
    return Convert(BuildVsopImage, dataDirectory, false);
}

ConversionStatus ConvertElp(const std::string& dataDirectory)
{
    return Convert(BuildElpImage, dataDirectory, true);
}

ConversionStatus ConvertShorelines(const std::string& dataDirectory)
{
    return Convert(BuildShorelineImage, dataDirectory, true);
}

ConversionStatus ConvertBorders(const std::string& dataDirectory)
{
    return Convert(BuildBorderImage, dataDirectory, false);
}

ConversionStatus ConvertRivers(const std::string& dataDirectory)
{
    return Convert(BuildRiverImage, dataDirectory, false);
}
