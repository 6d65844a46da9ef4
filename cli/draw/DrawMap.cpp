// The command line's drawing module: the maps drawn with Qt into PNG, SVG or
// PDF files, loaded by the tool only for the commands that draw.

#include "cli/MapDrawing.h"
#include "cli/OutputCheck.h"
#include "cli/draw/GuiApplication.h"
#include "datafiles/FileIo.h"
#include "ephemeris/Ephemeris.h"
#include "map/Trace.h"
#include "map/qt/FontWarmUp.h"
#include "map/qt/MapImage.h"
#include "map/qt/VectorMap.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kStandardOutput = "-";

// The whole map as a vector file: the trace's layers with the shadow of
// the model.
QByteArray DrawVectorMap(const MapDrawingRequest& request, MapFileFormat format)
{
    const CMapTrace trace(request.dataDirectory);
    const MapScene scene = ComposeScene(Ephemeris::Load(request.dataDirectory, request.model), request.map, request.scene);
    const QString title = QStringLiteral("Umbrant");
    const QByteArray bytes =
        format == MapFileFormat::Svg ? DrawSvgMap(trace, scene.frame, title) : DrawPdfMap(trace, scene.frame, title);
    if (bytes.isEmpty()) {
        throw std::runtime_error(format == MapFileFormat::Svg ? "cannot draw the map as SVG" : "cannot draw the map as PDF");
    }
    return bytes;
}

QByteArray PngOf(const QImage& image)
{
    const QByteArray png = EncodePng(image);
    if (png.isEmpty()) {
        throw std::runtime_error("cannot encode the map as PNG");
    }
    return png;
}

// "-" is the standard output, as for most tools.
void SaveBytes(const QByteArray& bytes, const std::string& path)
{
    const std::span data(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    if (path == kStandardOutput) {
        std::fwrite(data.data(), 1, data.size(), stdout);
        FinishOutput(stdout);
    } else {
        WriteFileAtomically(path, data);
    }
}

// Whether writing path writes the standard output ("-", /dev/stdout, or the
// file the output is redirected to), which then holds the picture alone.
bool IsStandardOutput(const std::string& path)
{
    struct stat output {};
    struct stat target {};
    return path == kStandardOutput || (::fstat(STDOUT_FILENO, &output) == 0 && ::stat(path.c_str(), &target) == 0 &&
                                       output.st_dev == target.st_dev && output.st_ino == target.st_ino);
}

void DrawAndSave(const MapDrawingRequest& request)
{
    const std::unique_ptr<QGuiApplication> application = StartGuiApplication();
    const CFontWarmUp fonts;
    // Any other name than .svg or .pdf gets a PNG, as it always did (devices, pipes).
    const MapFileFormat format = MapFileFormatOf(request.output).value_or(MapFileFormat::Png);
    const auto start = std::chrono::steady_clock::now();
    QImage image;
    QByteArray bytes;
    if (format == MapFileFormat::Png) {
        image = RenderMapImage(request.map, request.dataDirectory, request.model, request.scene);
    } else {
        bytes = DrawVectorMap(request, format);
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    if (format == MapFileFormat::Png) {
        bytes = PngOf(image);
    }
    // Beside a picture on the standard output, the notes go to standard error.
    const bool toStandardOutput = IsStandardOutput(request.output);
    SaveBytes(bytes, request.output);
    std::FILE* notes = toStandardOutput ? stderr : stdout;
    if (request.timed) {
        std::fprintf(notes, "Trace: %.1f ms\n", elapsed.count());
    }
    if (!toStandardOutput) {
        std::printf("Map %dx%d written to %s\n", request.scene.width, request.scene.height, request.output.c_str());
    }
}

} // namespace

extern "C" __attribute__((visibility("default"))) int UmbrantDrawMap(const MapDrawingRequest& request, std::string& error)
{
    try {
        DrawAndSave(request);
        return 0;
    } catch (const std::exception& failure) {
        error = failure.what();
    } catch (...) {
        error = "the map could not be drawn";
    }
    return 1;
}
