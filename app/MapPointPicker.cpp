#include "app/MapPointPicker.h"

#include "app/ToolTexts.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "map/GlobeNavigation.h"

CMapPointPicker::CMapPointPicker(CUmbrantView& view, const CUmbrantDoc& document)
    : QObject(&view), m_view(view), m_document(document)
{
}

void CMapPointPicker::Arm(Tool tool)
{
    m_view.CancelMode();
    m_tool = tool;
    m_firstPoint.reset();
    if (tool == Tool::None) {
        Disarm();
        return;
    }
    m_view.setCursor(Qt::CrossCursor);
    emit Prompt(tool == Tool::Observer ? kPickObserverPrompt : kPickFirstPointPrompt);
}

void CMapPointPicker::Cancel()
{
    if (m_tool != Tool::None) {
        Disarm();
        emit Prompt(QString());
    }
}

// A zoom or translation armed meanwhile keeps its own cursor.
void CMapPointPicker::Disarm()
{
    m_tool = Tool::None;
    m_firstPoint.reset();
    if (!m_view.HasPendingGesture()) {
        m_view.setCursor(Qt::ArrowCursor);
    }
}

void CMapPointPicker::OnClicked(QPointF point)
{
    if (m_tool == Tool::None) {
        return;
    }
    const CEclipseMap& map = m_document.m_map;
    const std::optional<CGeoPosition> place = PlaceUnderPoint(point.x(), point.y(), map.m_viewport, map.m_observation.m_centre);
    if (!place) {
        emit Prompt(kPickOffGlobePrompt);
        return;
    }
    if (m_tool == Tool::Separation && !m_firstPoint) {
        m_firstPoint = place;
        emit Prompt(kPickSecondPointPrompt);
        return;
    }
    const Tool tool = m_tool;
    const std::optional<CGeoPosition> first = m_firstPoint;
    Disarm();
    if (tool == Tool::Observer) {
        emit ObserverPicked(*place);
    } else {
        emit SeparationPicked(*first, *place);
    }
}
