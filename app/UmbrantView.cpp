#include "app/UmbrantView.h"

#include "app/GestureCursors.h"
#include "app/UiText.h"
#include "app/UmbrantDoc.h"
#include "app/ViewMessages.h"
#include "datafiles/ProgramDirectory.h"
#include "map/Trace.h"
#include "map/ViewportOperations.h"
#include "map/qt/PainterSurface.h"
#include "map/qt/VectorMap.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

DevicePoint ToDevicePoint(QPoint point)
{
    return DevicePoint{point.x(), point.y()};
}

bool SamePlacement(const CViewport& a, const CViewport& b)
{
    return a.m_scale == b.m_scale && a.m_originX == b.m_originX && a.m_originY == b.m_originY &&
           a.m_width == b.m_width && a.m_height == b.m_height;
}

constexpr int kSmallestMapWidth = 320;
constexpr int kSmallestMapHeight = 240;

} // namespace

bool IsBehindADialog(const QWidget& widget)
{
    const QWidget* dialog = QApplication::activeModalWidget();
    return dialog != nullptr && dialog->window() != widget.window();
}

CUmbrantView::CUmbrantView(CUmbrantDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_dataDirectory(GetDataDirectory())
{
    // Moves must reach the view with no button held, for the click-move-click gesture.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(m_cursor);
    // The smallest window still shows a map beside the dock.
    setMinimumSize(kSmallestMapWidth, kSmallestMapHeight);
}

CUmbrantView::~CUmbrantView() = default;

void CUmbrantView::OnViewZoomIn()
{
    EnterMode(RectangleBand, ZoomInAction, MakeZoomInCursor());
}

void CUmbrantView::OnViewZoomOut()
{
    EnterMode(RectangleBand, ZoomOutAction, MakeZoomOutCursor());
}

void CUmbrantView::OnViewTranslation()
{
    EnterMode(LineBand, TranslationAction, MakeTranslationCursor());
}

// Posted at start-up over the viewport the resize set: no change, so the
// document is not marked.
void CUmbrantView::OnViewGlobal()
{
    const CViewport before = m_document.m_map.m_viewport;
    SetGlobalViewport();
    if (!SamePlacement(before, m_document.m_map.m_viewport)) {
        m_document.SetModifiedFlag();
    }
    TraceReportingErrors();
}

void CUmbrantView::OnViewTrace()
{
    TraceReportingErrors();
}

void CUmbrantView::EnterMode(DrawMode drawMode, Action action, const QCursor& cursor)
{
    m_cursor = cursor;
    setCursor(m_cursor);
    m_drawMode = drawMode;
    m_action = action;
    // A band already on the screen is no longer followed; the next release
    // ends the gesture with the new action.
    m_dragging = false;
    update();
}

void CUmbrantView::SetGlobalViewport()
{
    CancelGesture();
    SetWholeGlobeViewport(m_document.m_map.m_viewport, width(), height());
}

void CUmbrantView::Trace()
{
    m_traceRequested = false;
    m_instantRedrawRequested = false;  // this trace draws the instant too
    if (width() <= 0 || height() <= 0) {
        return;
    }
    // The picture has the screen's own pixels; the painter of the stand-in
    // trace scales to them.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_picture.size() != pixels || m_picture.devicePixelRatio() != ratio) {
        m_picture = QImage(pixels, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(ratio);
        m_picture.fill(palette().color(QPalette::Window));
    }
    ++m_traceCount;
    try {
        if (m_trace) {
            QPainter painter(&m_picture);
            CPainterSurface surface(painter, width(), height());
            m_trace(surface, m_document.m_map, m_dataDirectory);
        } else {
            RenderMap();
        }
    } catch (...) {
        update();
        throw;
    }
    update();
}

void CUmbrantView::ClearPicture()
{
    m_picture = QImage();
    update();
}

// The map is drawn again through its layers at the page's resolution, the
// sky left white; only a stand-in trace's picture is scaled to the page.
void CUmbrantView::PrintPicture(QPainter& painter, const QRect& page)
{
    if (page.isEmpty()) {
        return;
    }
    const bool drawn = DrawShownMap([&painter, &page](const CMapTrace& trace, const MapFrame& frame) {
        MapFrame onPaper = frame;
        onPaper.paper = true;
        DrawMapOnPage(painter, QRectF(page), trace, onPaper);
    });
    if (drawn || m_picture.isNull()) {
        return;
    }
    QSize fitted = m_picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), fitted);
    target.moveCenter(page.center());
    painter.drawImage(target, m_picture);
}

void CUmbrantView::TraceReportingErrors()
{
    RunCommand(m_presenter, this, [this] { Trace(); });
}

// Sizes come in bursts while a window is shown or dragged: the trace runs
// once, after the last of them.
void CUmbrantView::RequestTrace()
{
    if (m_traceRequested) {
        return;
    }
    m_traceRequested = true;
    QTimer::singleShot(0, this, &CUmbrantView::RunRequestedTrace);
}

void CUmbrantView::RunRequestedTrace()
{
    if (m_traceRequested) {
        TraceReportingErrors();
    }
}

void CUmbrantView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, palette().color(QPalette::Window));
    if (!m_picture.isNull()) {
        const qreal ratio = m_picture.devicePixelRatio();
        painter.drawImage(QRectF(area), m_picture, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    }
    if (m_dragging && m_drawMode != NoBand) {
        DrawRubberBand(painter);
    }
}

// White combined by exclusive or inverts every pixel of the band, so that it
// shows on any colour of the map.
void CUmbrantView::DrawRubberBand(QPainter& painter) const
{
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 0));
    if (m_drawMode == LineBand) {
        painter.drawLine(m_start, m_current);
        return;
    }
    const QPoint corners[] = {m_start, QPoint(m_start.x(), m_current.y()), m_current,
                              QPoint(m_current.x(), m_start.y()), m_start};
    painter.drawPolyline(corners, 5);
}

QRect CUmbrantView::BandBounds(QPoint end) const
{
    return QRect(m_start, end).normalized().adjusted(-1, -1, 1, 1);
}

void CUmbrantView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    SetGlobalViewport();
    RequestTrace();
}

void CUmbrantView::mousePressEvent(QMouseEvent* event)
{
    if (IsBehindADialog(*this)) {
        CancelMode();
        return;
    }
    if (event->button() != Qt::LeftButton || m_drawMode == NoBand) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (m_released != 0) {
        return; // the second click of a click-move-click gesture
    }
    grabMouse();
    m_capturing = true;
    m_start = event->position().toPoint();
    m_current = m_start;
    m_dragging = true;
    m_released = 0;
    update(BandBounds(m_current));
}

void CUmbrantView::mouseMoveEvent(QMouseEvent* event)
{
    if (IsBehindADialog(*this)) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (m_dragging && m_drawMode != NoBand) {
        update(BandBounds(m_current));
        update(BandBounds(point));
    }
    m_current = point;
    QWidget::mouseMoveEvent(event);
}

// The gesture ends at the last point a move reported, not at the release's.
void CUmbrantView::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsBehindADialog(*this)) {
        CancelMode();
        return;
    }
    if (event->button() != Qt::LeftButton || m_drawMode == NoBand || !m_capturing) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (m_current == m_start && m_released == 0) {
        m_released = 1; // a click at the anchor: the band follows until the next click
        return;
    }
    EndGesture();
    RunGestureAction();
}

void CUmbrantView::EndGesture()
{
    releaseMouse();
    m_capturing = false;
    if (m_dragging) {
        update(BandBounds(m_current));
    }
    m_dragging = false;
    m_drawMode = NoBand;
    m_released = 0;
    m_cursor = QCursor(Qt::ArrowCursor);
    setCursor(m_cursor);
}

void CUmbrantView::CancelMode()
{
    CancelGesture();
    update();
}

void CUmbrantView::CancelGesture()
{
    if (m_drawMode != NoBand || m_capturing) {
        EndGesture();
    }
    m_action = NoAction;
}

void CUmbrantView::RunGestureAction()
{
    const int action = m_action;
    m_action = NoAction;
    CEclipseMap& map = m_document.m_map;
    const DevicePoint start = ToDevicePoint(m_start);
    const DevicePoint end = ToDevicePoint(m_current);
    switch (action) {
    case ZoomInAction:
        if (ZoomIn(map, start, end) == ZoomResult::Refused) {
            ReportZoomRefusal(kZoomInRefusedCaption);
            return;
        }
        break;
    case ZoomOutAction:
        if (ZoomOut(map, start, end) == ZoomResult::Refused) {
            ReportZoomRefusal(kZoomOutRefusedCaption);
            return;
        }
        break;
    case TranslationAction:
        Translate(map, start, end);
        break;
    default:
        return;
    }
    m_document.SetModifiedFlag();
    TraceReportingErrors();
}

void CUmbrantView::ReportZoomRefusal(const char* caption)
{
    m_presenter(this, QMessageBox::Critical, CUiText(caption), CUiText(kZoomRefusedText));
}
