#pragma once

#include "model/Observation.h"

#include <QObject>
#include <QPointF>
#include <QString>

#include <optional>

class CUmbrantView;
class CUmbrantDoc;

// The tools that pick places with clicks on the map: the observer's place
// (one click) and the separation of two points (two clicks). A tool is armed
// by its command and serves once; a click off the globe is refused and the
// tool stays armed; Escape or a zoom or translation command disarms it.
class CMapPointPicker : public QObject {
    Q_OBJECT

public:
    enum class Tool { None, Observer, Separation };

    CMapPointPicker(CUmbrantView& view, const CUmbrantDoc& document);

    void Arm(Tool tool);
    void Cancel();
    Tool Armed() const { return m_tool; }

    // A click at a point of the view, in its pixels (the navigation's clicks).
    void OnClicked(QPointF point);

signals:
    // What the user is asked to do, for the status bar.
    void Prompt(const QString& text);
    void ObserverPicked(const CGeoPosition& place);
    void SeparationPicked(const CGeoPosition& from, const CGeoPosition& to);

private:
    void Disarm();

    CUmbrantView& m_view;
    const CUmbrantDoc& m_document;
    Tool m_tool = Tool::None;
    std::optional<CGeoPosition> m_firstPoint;
};
