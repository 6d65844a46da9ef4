#include "map/qt/MapImage.h"

#include "core/LargePages.h"
#include "core/WorkerPool.h"
#include "ephemeris/Ephemeris.h"
#include "map/Trace.h"
#include "map/qt/PainterSurface.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// zlib's level 1 (the PNG writer maps quality q to level (100 - q) * 9 / 91).
constexpr int kFastPngQuality = 80;

struct LargePixels {
    void* pages;
    std::size_t size;
};

void ReleaseLargePixels(void* info)
{
    auto* pixels = static_cast<LargePixels*>(info);
    ReleaseLargePages(pixels->pages, pixels->size);
    delete pixels;
}

// A picture whose pixels sit on huge pages (core/LargePages.h): a 1920x1080
// picture costs 11 ms in page faults otherwise, a tenth of its whole trace.
QImage ImageOnLargePages(int width, int height, qsizetype bytesPerLine, QImage::Format format)
{
    const std::size_t size = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(std::max(height, 0));
    void* pages = width > 0 && height > 0 && size >= kLargePagesThreshold ? AllocateLargePages(size) : nullptr;
    if (pages == nullptr) {
        return QImage(width, height, format);
    }
    return QImage(static_cast<uchar*>(pages), width, height, bytesPerLine, format, ReleaseLargePixels,
                  new LargePixels{pages, size});
}

// The image with a palette holding exactly its colours, or none when it has
// more than 256 of them.
std::optional<QImage> WithExactPalette(const QImage& image)
{
    const QImage source = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    // Rows of whole 32-bit words, as QImage lays them out itself.
    const qsizetype bytesPerLine = (static_cast<qsizetype>(source.width()) + 3) / 4 * 4;
    QImage indexed = ImageOnLargePages(source.width(), source.height(), bytesPerLine, QImage::Format_Indexed8);
    QList<QRgb> palette;
    std::array<QRgb, 256> colours{};
    QRgb last = 0;
    uchar lastIndex = 0;
    bool haveLast = false;
    const int width = source.width();
    const int height = source.height();
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            if (!haveLast || colour != last) {
                const auto found = std::find(colours.begin(), colours.begin() + palette.size(), colour);
                if (found == colours.begin() + palette.size()) {
                    if (palette.size() == 256) {
                        return std::nullopt;
                    }
                    colours[static_cast<std::size_t>(palette.size())] = colour;
                    palette.append(colour);
                }
                last = colour;
                lastIndex = static_cast<uchar>(found - colours.begin());
                haveLast = true;
            }
            out[x] = lastIndex;
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}

// The scene's work refers to the caller's arguments: it is waited for on
// every way out, a failed drawing included.
class SceneWaiter {
public:
    explicit SceneWaiter(const PoolTask<MapScene>& task) : m_task(task) {}
    SceneWaiter(const SceneWaiter&) = delete;
    SceneWaiter& operator=(const SceneWaiter&) = delete;
    ~SceneWaiter()
    {
        try {
            m_task.Get();
        } catch (...) {
            // Raised again by the drawing's own Get, or lost with the failure that ended it.
        }
    }

private:
    const PoolTask<MapScene>& m_task;
};

} // namespace

QImage NewMapImage(int width, int height)
{
    return ImageOnLargePages(width, height, static_cast<qsizetype>(width) * 4, QImage::Format_RGB32);
}

QImage RenderMapImage(const CEclipseMap& map, const std::string& dataDirectory, const TimeModel& model,
                      const SceneRequest& request)
{
    // The shadow is computed while the static layers are drawn.
    const PoolTask<MapScene> scene = WorkerPool::Shared().Submit(
        TaskUrgency::Ahead, [&] { return ComposeScene(Ephemeris::Load(dataDirectory, model), map, request); });
    const SceneWaiter waiter(scene);
    const CMapTrace trace(dataDirectory);
    QImage image = NewMapImage(request.width, request.height);
    QPainter painter(&image);
    CPainterSurface surface(painter, request.width, request.height);
    trace.DrawStatic(surface, BaseFrame(map, request));
    trace.DrawDynamic(surface, scene.Get().frame);
    return image;
}

QImage DrawMapImage(const CMapTrace& trace, const MapFrame& frame)
{
    QImage image = NewMapImage(frame.width, frame.height);
    QPainter painter(&image);
    CPainterSurface surface(painter, frame.width, frame.height);
    trace.Draw(surface, frame);
    return image;
}

QByteArray EncodePng(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kFastPngQuality);
    const std::optional<QImage> indexed = WithExactPalette(image);
    if (!writer.write(indexed ? *indexed : image)) {
        return {};
    }
    return png;
}
