#include "map/qt/FontWarmUp.h"

#include "core/ThreadPriority.h"
#include "map/layers/CreditLayer.h"
#include "map/qt/PainterSurface.h"

#include <QImage>
#include <QPainter>

namespace {

// The credit, as the maps draw it, on a picture of its own: the fonts of the
// maps' labels come from the same family.
void DrawCreditAside()
{
    LowerThisThreadsPriority(kAheadNiceness);
    QImage image(400, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    CPainterSurface surface(painter, image.width(), image.height());
    DrawCredit(surface);
}

} // namespace

CFontWarmUp::CFontWarmUp() : m_thread(DrawCreditAside)
{
}

CFontWarmUp::~CFontWarmUp()
{
    m_thread.join();
}
