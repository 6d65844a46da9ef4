#include "app/ViewNavigation.h"

#include "app/PlaceText.h"
#include "app/ToolTexts.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "map/GlobeNavigation.h"
#include "map/ViewportOperations.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWheelEvent>

#include <cmath>

namespace {

// One notch of the wheel (120 eighths of a degree), and one press of "+".
constexpr double kZoomPerStep = 1.25;
constexpr double kWheelNotch = 120.0;
// One press of an arrow key turns the globe as a drag of this many pixels.
constexpr int kArrowTurnPixels = 40;
constexpr double kFallbackFrameRate = 60.0;

int FrameIntervalMilliseconds(const QWidget& widget)
{
    const QScreen* screen = widget.screen();
    const double rate = screen != nullptr && screen->refreshRate() > 1.0 ? screen->refreshRate() : kFallbackFrameRate;
    return static_cast<int>(std::lround(1000.0 / rate));
}

bool IsInputEvent(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress: return true;
    default: return false;
    }
}

} // namespace

CViewNavigation::CViewNavigation(CUmbrantView& view, CUmbrantDoc& document)
    : QObject(&view), m_view(view), m_document(document)
{
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, &m_view, &CUmbrantView::OnViewTrace);
    m_view.installEventFilter(this);
}

void CViewNavigation::Flush()
{
    if (m_frameTimer.isActive()) {
        m_frameTimer.stop();
        m_view.OnViewTrace();
    }
}

void CViewNavigation::DropGesture()
{
    m_pressedAt.reset();
    m_turning = false;
}

bool CViewNavigation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_view) {
        return false;
    }
    if (IsInputEvent(*event) && IsBehindADialog(m_view)) {
        DropGesture();
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: return OnMousePress(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseMove: return OnMouseMove(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease: return OnMouseRelease(static_cast<const QMouseEvent&>(*event));
    case QEvent::Wheel: return OnWheel(static_cast<const QWheelEvent&>(*event));
    case QEvent::KeyPress: return OnKeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::Leave: emit PlaceUnderCursorChanged(QString()); return false;
    default: return false;
    }
}

bool CViewNavigation::OnMousePress(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton || m_view.HasPendingGesture()) {
        return false;
    }
    m_pressedAt = event.position().toPoint();
    m_lastDragPoint = *m_pressedAt;
    m_turning = false;
    return true;
}

// A drag begins once the mouse has gone the platform's drag distance, so
// that a slightly shaky click still picks its place.
bool CViewNavigation::OnMouseMove(const QMouseEvent& event)
{
    const QPoint point = event.position().toPoint();
    ShowPlaceUnder(event.position());
    if (!m_pressedAt || m_view.HasPendingGesture()) {
        return false;
    }
    if (!m_turning && (point - *m_pressedAt).manhattanLength() < QApplication::startDragDistance()) {
        return true;
    }
    m_turning = true;
    Turn(point - m_lastDragPoint);
    m_lastDragPoint = point;
    return true;
}

bool CViewNavigation::OnMouseRelease(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton || !m_pressedAt) {
        return false;
    }
    const bool click = !m_turning;
    m_pressedAt.reset();
    m_turning = false;
    if (click) {
        emit Clicked(event.position());
    }
    return true;
}

bool CViewNavigation::OnWheel(const QWheelEvent& event)
{
    const int delta = event.angleDelta().y();
    if (delta == 0 || m_view.IsDragging()) {
        return false;
    }
    Zoom(event.position(), std::pow(kZoomPerStep, delta / kWheelNotch));
    ShowPlaceUnder(event.position());
    return true;
}

bool CViewNavigation::OnKeyPress(const QKeyEvent& event)
{
    if (m_view.IsDragging()) {
        return false;
    }
    const QPointF middle(m_view.width() / 2.0, m_view.height() / 2.0);
    switch (event.key()) {
    case Qt::Key_Left: Turn(QPoint(kArrowTurnPixels, 0)); return true;
    case Qt::Key_Right: Turn(QPoint(-kArrowTurnPixels, 0)); return true;
    case Qt::Key_Up: Turn(QPoint(0, kArrowTurnPixels)); return true;
    case Qt::Key_Down: Turn(QPoint(0, -kArrowTurnPixels)); return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal: Zoom(middle, kZoomPerStep); return true;
    case Qt::Key_Minus: Zoom(middle, 1.0 / kZoomPerStep); return true;
    default: return false;
    }
}

void CViewNavigation::Turn(QPoint by)
{
    if (by.isNull()) {
        return;
    }
    CEclipseMap& map = m_document.m_map;
    TurnGlobe(map.m_observation.m_centre, by.x(), by.y(), map.m_viewport.m_scale);
    m_document.SetModifiedFlag();
    RequestFrame();
}

void CViewNavigation::Zoom(QPointF about, double factor)
{
    ZoomAbout(m_document.m_map, MapPoint{about.x(), about.y()}, factor);
    m_document.SetModifiedFlag();
    RequestFrame();
}

void CViewNavigation::ShowPlaceUnder(QPointF point)
{
    const CEclipseMap& map = m_document.m_map;
    const std::optional<CGeoPosition> place =
        PlaceUnderPoint(point.x(), point.y(), map.m_viewport, map.m_observation.m_centre);
    emit PlaceUnderCursorChanged(place ? PlaceText(*place) : kOffGlobeText);
}

// Moves come faster than the screen shows them: the map is drawn once per
// frame, with the latest centre and viewport.
void CViewNavigation::RequestFrame()
{
    if (!m_frameTimer.isActive()) {
        m_frameTimer.start(FrameIntervalMilliseconds(m_view));
    }
}
