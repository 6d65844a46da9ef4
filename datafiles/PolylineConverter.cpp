#include "core/Units.h"
#include "datafiles/Converters.h"
#include "datafiles/DataManifest.h"

#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/PolylineImage.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/TextFields.h"

#include <string>
#include <string_view>

namespace {

// Reads the text as the map's line files were always read: a header line,
// then exactly pointCapacity + lineCapacity lines, those past the end of the
// file being empty. A line with a tab is a point "latitude<TAB>longitude" in
// degrees; any other line closes the current line. A text holding more than
// the image can take raises; closing lines beyond the line capacity that end
// no point are dropped, so a short text converts.
void FillPolylineImage(CTextFile& text, PolylineImage& image)
{
    const PolylineLayout& layout = image.Layout();
    std::string line;
    text.ReadString(line);
    std::int32_t points = 0;
    std::int32_t closed = 0;
    std::int32_t pointsInLine = 0;
    for (std::int32_t read = 0; read < layout.TextLinesRead(); ++read) {
        text.ReadString(line);
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos) {
            if (points >= layout.pointCapacity) {
                throw CFileException(text.Path(), "more than the image's " + std::to_string(layout.pointCapacity) + " points");
            }
            const std::string_view view(line);
            const double latitude = ParseReal(view.substr(0, tab)) * kDegreesToRadians;
            const double longitude = ParseReal(view.substr(tab + 1)) * kDegreesToRadians;
            image.SetPoint(points++, static_cast<float>(longitude), static_cast<float>(latitude));
            ++pointsInLine;
        } else if (closed < layout.lineCapacity) {
            image.SetPointCount(closed++, pointsInLine);
            pointsInLine = 0;
        } else if (pointsInLine > 0) {
            throw CFileException(text.Path(), "more than the image's " + std::to_string(layout.lineCapacity) + " lines");
        }
    }
    image.SetLineCount(closed - 1);
}

void BuildPolylineImage(const std::string& dataDirectory, const PolylineLayout& layout)
{
    CTextFile text(JoinPath(dataDirectory, layout.textName));
    PolylineImage image(layout);
    FillPolylineImage(text, image);
    WriteDataImage(dataDirectory, layout.imageName, image.Bytes());
}

} // namespace

void BuildBorderImage(const std::string& dataDirectory)
{
    BuildPolylineImage(dataDirectory, kBorderLayout);
}

void BuildRiverImage(const std::string& dataDirectory)
{
    BuildPolylineImage(dataDirectory, kRiverLayout);
}
