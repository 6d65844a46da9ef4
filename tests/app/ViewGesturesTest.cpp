// The view's mouse gestures: zoom rectangles, translations, the
// click-move-click variant, refusals and failing traces.

#include "AppTestSupport.h"

#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "map/ViewportOperations.h"

#include <QtTest>

class ViewGesturesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resizingResetsTheViewportToTheWholeGlobeAndTracesOnce();
    void anOddWidthGivesAnIntegerHalfOrigin();
    void zoomInDragZoomsOnTheRectangle();
    void zoomInClickMoveClickZoomsOnTheSameRectangle();
    void aSecondDragWithoutChoosingTheModeAgainDoesNothing();
    void translationDragMovesTheMapWithTheMouse();
    void translationByNothingTracesTheSameMapAgain();
    void zoomOutOnAFlatRectangleIsRefusedWithItsMessage();
    void zoomOutUndoesTheSameZoomIn();
    void theRubberBandInvertsThePixelsUnderIt();
    void uncoveringTheViewShowsTheKeptPicture();
    void aFailingTraceIsReportedAndGesturesGoOn();
    void aModeChosenDuringADragEndsTheGestureWithTheNewAction();

private:
    void Drag(QPoint from, QPoint to);
    void ClickAt(QPoint point);

    std::unique_ptr<CUmbrantDoc> m_document;
    std::unique_ptr<CUmbrantView> m_view;
    CFakeTrace m_trace;
    CMessageRecorder m_messages;
};

void ViewGesturesTest::init()
{
    m_trace = CFakeTrace();
    m_messages = CMessageRecorder();
    m_document = std::make_unique<CUmbrantDoc>();
    m_view = std::make_unique<CUmbrantView>(*m_document);
    m_view->SetTraceFunction(std::ref(m_trace));
    m_view->SetMessagePresenter(m_messages.Presenter());
    m_view->resize(800, 600);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    QTRY_COMPARE(m_trace.m_calls, 1);
}

void ViewGesturesTest::cleanup()
{
    m_view.reset();
    m_document.reset();
}

void ViewGesturesTest::Drag(QPoint from, QPoint to)
{
    QTest::mousePress(m_view.get(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(m_view.get(), to);
    QTest::mouseRelease(m_view.get(), Qt::LeftButton, Qt::NoModifier, to);
}

void ViewGesturesTest::ClickAt(QPoint point)
{
    QTest::mousePress(m_view.get(), Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseRelease(m_view.get(), Qt::LeftButton, Qt::NoModifier, point);
}

void ViewGesturesTest::resizingResetsTheViewportToTheWholeGlobeAndTracesOnce()
{
    const CViewport& viewport = m_document->m_map.m_viewport;
    QCOMPARE(viewport.m_width, 800);
    QCOMPARE(viewport.m_height, 600);
    QCOMPARE(viewport.m_scale, 254.6479034423828f);
    QCOMPARE(viewport.m_originX, 400.0f);
    QCOMPARE(viewport.m_originY, 300.0f);
    QCOMPARE(m_view->Picture().size(), QSize(800, 600));
}

void ViewGesturesTest::anOddWidthGivesAnIntegerHalfOrigin()
{
    m_view->resize(801, 401);
    QTRY_COMPARE(m_trace.m_calls, 2);
    QCOMPARE(m_document->m_map.m_viewport.m_originX, 400.0f);
    QCOMPARE(m_document->m_map.m_viewport.m_originY, 200.0f);
}

// A 100 x 50 rectangle centred on (150, 125) in an 800 x 600 view: the
// smaller factor, 8, wins and the rectangle's centre goes to (400, 300).
void ViewGesturesTest::zoomInDragZoomsOnTheRectangle()
{
    m_view->OnViewZoomIn();
    QCOMPARE(m_view->DrawModeValue(), 2);
    Drag(QPoint(100, 100), QPoint(200, 150));

    const CEclipseMap& map = m_document->m_map;
    QCOMPARE(map.m_viewport.m_scale, 2037.1832275390625f);
    QCOMPARE(map.m_viewport.m_originX, 2400.0f);
    QCOMPARE(map.m_viewport.m_originY, 1700.0f);
    QCOMPARE(map.m_previousViewport.m_scale, 254.6479034423828f);
    QCOMPARE(map.m_previousViewport.m_originX, 400.0f);
    QCOMPARE(map.m_previousViewport.m_originY, 300.0f);
    QCOMPARE(m_trace.m_calls, 2);
    QCOMPARE(m_view->DrawModeValue(), 0);
    QCOMPARE(m_view->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(m_messages.Messages().empty());
}

void ViewGesturesTest::zoomInClickMoveClickZoomsOnTheSameRectangle()
{
    m_view->OnViewZoomIn();
    ClickAt(QPoint(200, 150));
    QVERIFY(m_view->IsClickPending());
    QVERIFY(m_view->IsDragging());
    QCOMPARE(m_trace.m_calls, 1);

    QTest::mouseMove(m_view.get(), QPoint(100, 100));
    ClickAt(QPoint(100, 100));

    const CEclipseMap& map = m_document->m_map;
    QCOMPARE(map.m_viewport.m_scale, 2037.1832275390625f);
    QCOMPARE(map.m_viewport.m_originX, 2400.0f);
    QCOMPARE(map.m_viewport.m_originY, 1700.0f);
    QCOMPARE(map.m_previousViewport.m_scale, 254.6479034423828f);
    QCOMPARE(m_trace.m_calls, 2);
    QVERIFY(!m_view->IsClickPending());
    QVERIFY(!m_view->IsDragging());
}

void ViewGesturesTest::aSecondDragWithoutChoosingTheModeAgainDoesNothing()
{
    m_view->OnViewZoomIn();
    Drag(QPoint(100, 100), QPoint(200, 150));
    const float scale = m_document->m_map.m_viewport.m_scale;

    Drag(QPoint(300, 300), QPoint(500, 400));

    QCOMPARE(m_document->m_map.m_viewport.m_scale, scale);
    QCOMPARE(m_document->m_map.m_previousViewport.m_scale, 254.6479034423828f);
    QCOMPARE(m_trace.m_calls, 2);
}

void ViewGesturesTest::translationDragMovesTheMapWithTheMouse()
{
    m_view->OnViewTranslation();
    QCOMPARE(m_view->DrawModeValue(), 1);
    Drag(QPoint(100, 100), QPoint(130, 80));

    QCOMPARE(m_document->m_map.m_viewport.m_originX, 430.0f);
    QCOMPARE(m_document->m_map.m_viewport.m_originY, 280.0f);
    QCOMPARE(m_document->m_map.m_viewport.m_scale, 254.6479034423828f);
    QCOMPARE(m_trace.m_calls, 2);
}

void ViewGesturesTest::translationByNothingTracesTheSameMapAgain()
{
    const QImage before = m_view->Picture();
    m_view->OnViewTranslation();
    ClickAt(QPoint(300, 300));
    ClickAt(QPoint(300, 300));

    QCOMPARE(m_trace.m_calls, 2);
    QCOMPARE(m_document->m_map.m_viewport.m_originX, 400.0f);
    QCOMPARE(m_document->m_map.m_viewport.m_originY, 300.0f);
    QCOMPARE(m_document->m_map.m_previousViewport.m_originX, 400.0f);
    QCOMPARE(m_view->Picture(), before);
    QCOMPARE(m_view->DrawModeValue(), 0);
}

void ViewGesturesTest::zoomOutOnAFlatRectangleIsRefusedWithItsMessage()
{
    m_view->OnViewZoomOut();
    Drag(QPoint(100, 200), QPoint(300, 200));

    QCOMPARE(m_messages.Messages().size(), std::size_t{1});
    const RecordedMessage& message = m_messages.Messages().front();
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.caption, QStringLiteral("Fonction Zoom- impossible"));
    QCOMPARE(message.text, QStringLiteral("Les points origine et extrémité ont\nla même abscisse ou ordonnée"));
    QCOMPARE(m_document->m_map.m_viewport.m_scale, 254.6479034423828f);
    QCOMPARE(m_document->m_map.m_previousViewport.m_scale, 0.0f);
    QCOMPARE(m_trace.m_calls, 1);
    QCOMPARE(m_view->DrawModeValue(), 0);
}

void ViewGesturesTest::zoomOutUndoesTheSameZoomIn()
{
    m_view->OnViewZoomIn();
    Drag(QPoint(100, 100), QPoint(200, 150));
    m_view->OnViewZoomOut();
    Drag(QPoint(100, 100), QPoint(200, 150));

    // The larger ratio, 1/8, shrinks the window back into the rectangle.
    QCOMPARE(m_document->m_map.m_viewport.m_scale, 254.6479034423828f);
    QCOMPARE(m_document->m_map.m_viewport.m_originX, 400.0f);
    QCOMPARE(m_document->m_map.m_viewport.m_originY, 300.0f);
    QCOMPARE(m_trace.m_calls, 3);
}

void ViewGesturesTest::theRubberBandInvertsThePixelsUnderIt()
{
    m_view->OnViewZoomIn();
    QTest::mousePress(m_view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseMove(m_view.get(), QPoint(60, 40));

    const QImage banded = m_view->grab().toImage();
    QCOMPARE(QColor(banded.pixel(10, 25)), QColor(Qt::white));     // left side, over the black sky
    QCOMPARE(QColor(banded.pixel(35, 40)), QColor(Qt::white));     // bottom side
    QCOMPARE(QColor(banded.pixel(35, 25)), QColor(Qt::black));     // inside, untouched

    QTest::mouseRelease(m_view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 40));
    const QImage after = m_view->grab().toImage();
    QCOMPARE(QColor(after.pixel(10, 25)), QColor(Qt::black));
}

void ViewGesturesTest::uncoveringTheViewShowsTheKeptPicture()
{
    m_view->hide();
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    const QImage shown = m_view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QColor(shown.pixel(400, 300)), QColor(140, 198, 255));
    QCOMPARE(QColor(shown.pixel(5, 5)), QColor(Qt::black));
}

void ViewGesturesTest::aFailingTraceIsReportedAndGesturesGoOn()
{
    m_trace.m_failure = true;
    m_view->OnViewZoomIn();
    Drag(QPoint(100, 100), QPoint(200, 150));

    QCOMPARE(m_document->m_map.m_viewport.m_scale, 2037.1832275390625f);
    QCOMPARE(m_messages.Messages().size(), std::size_t{1});
    QCOMPARE(m_messages.Messages().front().icon, QMessageBox::Critical);
    QVERIFY(m_messages.Messages().front().text.contains(QStringLiteral("gshhs_i.dat")));
    QCOMPARE(m_view->DrawModeValue(), 0);

    m_view->OnViewTranslation();
    Drag(QPoint(100, 100), QPoint(110, 100));
    QCOMPARE(m_document->m_map.m_viewport.m_originX, 2410.0f);
    QCOMPARE(m_messages.Messages().size(), std::size_t{2});
}

void ViewGesturesTest::aModeChosenDuringADragEndsTheGestureWithTheNewAction()
{
    m_view->OnViewZoomIn();
    QTest::mousePress(m_view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(m_view.get(), QPoint(150, 120));
    m_view->OnViewTranslation();
    QVERIFY(!m_view->IsDragging());
    QTest::mouseMove(m_view.get(), QPoint(160, 130));
    QTest::mouseRelease(m_view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(160, 130));

    QCOMPARE(m_document->m_map.m_viewport.m_originX, 460.0f);
    QCOMPARE(m_document->m_map.m_viewport.m_originY, 330.0f);
    QCOMPARE(m_document->m_map.m_viewport.m_scale, 254.6479034423828f);
}

UMBRANT_QTEST(ViewGesturesTest)
#include "ViewGesturesTest.moc"
