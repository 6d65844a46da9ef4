#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <optional>

class CUmbrantDoc;
class CUmbrantView;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

// Moving about the map with the mouse and the keyboard, beside the view's
// modal gestures: the wheel zooms about the cursor, a plain left drag turns
// the globe (the map centre follows), the arrow keys turn it and "+" and "-"
// zoom. While a zoom or translation is armed or under way the mouse is left
// to it, and while a dialog is up over the window the map takes none of it.
// Each move marks the document modified; the map is drawn again at most
// once per frame of the screen. A press and release without a drag is a
// click, for the tools that pick places on the map.
class CViewNavigation : public QObject {
    Q_OBJECT

public:
    CViewNavigation(CUmbrantView& view, CUmbrantDoc& document);

    // Draws the map now if a frame is waiting.
    void Flush();
    // Forgets a press or drag under way (a dialog came up over the map).
    void DropGesture();

signals:
    // A left click on the map with no gesture pending, in view pixels.
    void Clicked(QPointF point);
    // The place under the mouse ("hors du globe" off the disk); empty when
    // the mouse left the view.
    void PlaceUnderCursorChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnMousePress(const QMouseEvent& event);
    bool OnMouseMove(const QMouseEvent& event);
    bool OnMouseRelease(const QMouseEvent& event);
    bool OnWheel(const QWheelEvent& event);
    bool OnKeyPress(const QKeyEvent& event);
    void Turn(QPoint by);
    void Zoom(QPointF about, double factor);
    void ShowPlaceUnder(QPointF point);
    void RequestFrame();

    CUmbrantView& m_view;
    CUmbrantDoc& m_document;
    QTimer m_frameTimer;
    std::optional<QPoint> m_pressedAt;
    QPoint m_lastDragPoint;
    bool m_turning = false;
};
