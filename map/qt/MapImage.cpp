#include "map/qt/MapImage.h"

#include "map/Trace.h"
#include "map/qt/PainterSurface.h"

QImage RenderMapImage(CEclipseMap& map, const std::string& dataDirectory, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    CPainterSurface surface(painter, width, height);
    Trace(surface, map, dataDirectory);
    return image;
}
