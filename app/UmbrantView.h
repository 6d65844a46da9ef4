#pragma once

#include "app/DesktopSettings.h"
#include "app/UserMessages.h"
#include "map/DrawingSurface.h"
#include "map/MapFrame.h"
#include "map/MapLegend.h"
#ifndef Q_MOC_RUN
#include "map/MapScene.h"  // moc cannot read the standard library's concepts
#endif
#include "map/qt/MapRenderer.h"

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

// Whether a modal dialog other than the widget's own window is up: its
// window then takes no input, and the map behind stays as it is.
bool IsBehindADialog(const QWidget& widget);

class CEclipseMap;
class CMapTrace;
struct EclipseOverlay;
class CUmbrantDoc;
class QPainter;

// The view of the map. The trace draws into an image that the view keeps and
// repaints whenever the window is uncovered. A mode command arms one mouse
// gesture (a rectangle for the zooms, a line for the translation) whose end
// changes the viewport and traces again.
class CUmbrantView : public QWidget {
    Q_OBJECT

public:
    // A whole trace on the next turn of the event loop; requests in between
    // are merged, and an instant redraw asked for meanwhile is left to it.
    void RequestTrace();
    using TraceFunction =
        std::function<void(IDrawingSurface& surface, const CEclipseMap& map, const std::string& dataDirectory)>;

    enum DrawMode { NoBand = 0, LineBand = 1, RectangleBand = 2 };
    enum Action { NoAction = 0, ZoomInAction = 1, ZoomOutAction = 2, TranslationAction = 3 };

    explicit CUmbrantView(CUmbrantDoc& document, QWidget* parent = nullptr);
    ~CUmbrantView() override;

    void SetMessagePresenter(MessagePresenter presenter) { m_presenter = std::move(presenter); }
    // Draws through trace instead of the map renderer (tests).
    void SetTraceFunction(TraceFunction trace) { m_trace = std::move(trace); }
    void SetDataDirectory(std::string dataDirectory) { m_dataDirectory = std::move(dataDirectory); }
    const std::string& DataDirectory() const { return m_dataDirectory; }

    // The mode commands: each arms one gesture.
    void OnViewZoomIn();
    void OnViewZoomOut();
    void OnViewTranslation();
    // "Global": the whole globe, traced at once. "Trace !": traced at once.
    // Both report an error of the trace and return.
    void OnViewGlobal();
    void OnViewTrace();

    // Resets the document's viewport to the whole globe of the view's size and
    // cancels a pending gesture; no trace.
    void SetGlobalViewport();
    // Draws the map at the view's size into the kept image. Raises what the
    // trace raises (CFileException); what was drawn before stays.
    void Trace();
    // Forgets the picture: the view stays blank until the next trace.
    void ClearPicture();
    // Escape: a pending zoom or translation is given up, its band erased.
    void CancelMode();
    // A zoom or translation is armed or under way: the mouse is the gesture's.
    bool HasPendingGesture() const { return m_drawMode != NoBand || m_capturing; }
    // Draws the map shown as large as fits in page, keeping its
    // proportions: through its layers at the page's resolution, or the kept
    // picture scaled with a stand-in trace. Raises CFileException as a
    // trace does.
    void PrintPicture(QPainter& painter, const QRect& page);

    // What the map shows beside the base map and the shadow: the current
    // eclipse's path (none: no path), the optional layers, and the model the
    // shadow and the Sun are computed with. Each takes effect at the next
    // drawing.
    void SetEclipse(std::shared_ptr<const EclipseOverlay> eclipse);
    const std::shared_ptr<const EclipseOverlay>& Eclipse() const { return m_eclipse; }
    void SetLayers(const MapLayerChoice& layers);
    void SetTimeModel(const TimeModel& model);
    // A new instant (or a new path or choice of layers): the dynamic layers
    // drawn again over the kept base map, which is drawn again only when its
    // viewport, centre, size, layers or path changed. Without a map traced
    // before, a whole trace. Reports an error and returns.
    void RedrawInstant();
    // The same after the events already queued, once for a burst of requests.
    void RequestInstantRedraw();
    // How many new instants were drawn over the kept map, and how many times
    // the base map itself was drawn.
    int InstantRedrawCount() const { return m_instantRedrawCount; }
    int StaticDrawCount() const { return m_renderer.StaticDrawCount(); }

    const QImage& Picture() const { return m_picture; }
    // Calls draw with the layers and the frame of the map shown (the
    // client's size, the chosen layers, the current eclipse, the shadow at
    // the epoch), for a drawing elsewhere: a file, a printer. False, and
    // nothing drawn, before the first trace or with a stand-in trace.
    // Raises CFileException as a trace does.
    bool DrawShownMap(const std::function<void(const CMapTrace&, const MapFrame&)>& draw);
    int TraceCount() const { return m_traceCount; }
    int DrawModeValue() const { return m_drawMode; }
    int ActionValue() const { return m_action; }
    bool IsDragging() const { return m_dragging; }
    bool IsClickPending() const { return m_released != 0; }

signals:
    // A drawing of a new instant failed (and was reported).
    void DrawingFailed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void EnterMode(DrawMode drawMode, Action action, const QCursor& cursor);
    void EndGesture();
    void CancelGesture();
    void RunGestureAction();
    void ReportZoomRefusal(const char* caption);
    void TraceReportingErrors();
    void RunRequestedTrace();
    void DrawRubberBand(QPainter& painter) const;
    void RenderMap();
    MapScene ComposeScene() const;
    // The document's time offset for the times written on the map, and the
    // title and key when they are chosen.
    void AddLegend(MapScene& scene);
    void RenderInstant();
    QRect BandBounds(QPoint end) const;

    CUmbrantDoc& m_document;
    MessagePresenter m_presenter = ShowMessageBox;
    TraceFunction m_trace;  // none: the map renderer
    CMapRenderer m_renderer;
    std::string m_dataDirectory;
    QImage m_picture;
    int m_traceCount = 0;
    bool m_traceRequested = false;
    std::unique_ptr<const CMapTrace> m_mapTrace;  // the layers of the last trace
    std::shared_ptr<const EclipseOverlay> m_eclipse;
    MapLayerChoice m_layers;
    MapLegend m_legend;  // of the last frame composed
    TimeModel m_timeModel;
    int m_instantRedrawCount = 0;
    bool m_instantRedrawRequested = false;

    QCursor m_cursor{Qt::ArrowCursor};
    int m_drawMode = NoBand;
    int m_action = NoAction;
    QPoint m_start;
    QPoint m_current;
    bool m_dragging = false;
    int m_released = 0;
    bool m_capturing = false; // the button went down in this gesture and the view holds the mouse
};
