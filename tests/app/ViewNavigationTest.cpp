// Moving about the map: the wheel, a plain drag, the keys, the place under
// the cursor, Escape, "Global" in a wide window, and the commands' keys
// (copying the map, the manual).

#include "FrameTestSupport.h"

#include "app/HelpWindow.h"
#include "app/PlaceText.h"
#include "app/ViewNavigation.h"
#include "map/GlobeNavigation.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QStatusBar>
#include <QTextBrowser>
#include <QWheelEvent>
#include <QtTest>

namespace {

// A move sent straight to the widget, with no turn of the event loop (and
// so no frame drawn) in between.
void MoveWithButtonHeld(QWidget& widget, QPointF to)
{
    QMouseEvent move(QEvent::MouseMove, to, widget.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

void Wheel(QWidget& widget, QPointF at, int eighthsOfDegree)
{
    QWheelEvent event(at, widget.mapToGlobal(at), QPoint(), QPoint(0, eighthsOfDegree), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

class ViewNavigationTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theWheelZoomsAboutTheCursor();
    void aPlainDragTurnsTheGlobeAndItsMovesDrawOneMap();
    void theArrowKeysTurnTheGlobeAndPlusAndMinusZoom();
    void theStatusBarShowsThePlaceUnderTheCursor();
    void escapeCancelsAPendingZoom();
    void escapeCancelsATranslationUnderWay();
    void globalInAWideWindowShowsTheWholeDisk();
    void controlCCopiesTheMapPicture();
    void f1OpensTheManualOfEveryCommand();
    void theCommandsHaveTheirKeys();
    void theMapBehindADialogStaysAsItIs();

private:
    std::unique_ptr<CFrameFixture> m_fixture;
};

void ViewNavigationTest::init()
{
    m_fixture = std::make_unique<CFrameFixture>();
    QVERIFY(m_fixture->Shown());
    m_fixture->Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_fixture->Frame()));
    m_fixture->View().setFocus();
}

void ViewNavigationTest::cleanup()
{
    m_fixture.reset();
}

void ViewNavigationTest::theWheelZoomsAboutTheCursor()
{
    CFrameFixture& fixture = *m_fixture;
    const CEclipseMap& map = fixture.Map();
    const QPointF cursor(fixture.View().width() / 2.0 + 60.5, fixture.View().height() / 2.0 - 40.25);
    const float scale = map.m_viewport.m_scale;
    const std::optional<CGeoPosition> before = PlaceUnderPoint(cursor.x(), cursor.y(), map.m_viewport, map.m_observation.m_centre);

    Wheel(fixture.View(), cursor, 120);

    QCOMPARE(map.m_viewport.m_scale, static_cast<float>(scale * 1.25));
    const std::optional<CGeoPosition> after = PlaceUnderPoint(cursor.x(), cursor.y(), map.m_viewport, map.m_observation.m_centre);
    QVERIFY(before && after);
    QVERIFY(qAbs(after->m_latitude - before->m_latitude) < 1e-4);
    QVERIFY(qAbs(after->m_longitude - before->m_longitude) < 1e-4);
    QVERIFY(fixture.Document().IsModified());
    QTRY_COMPARE(fixture.m_trace.m_calls, 2);

    Wheel(fixture.View(), cursor, -120);
    QVERIFY(qAbs(map.m_viewport.m_scale - scale) < 1e-3f);
}

// Ten moves between two frames of the screen draw one map, with the last centre.
void ViewNavigationTest::aPlainDragTurnsTheGlobeAndItsMovesDrawOneMap()
{
    CFrameFixture& fixture = *m_fixture;
    CUmbrantView& view = fixture.View();
    const CEclipseMap& map = fixture.Map();
    const CViewport viewport = map.m_viewport;
    const QPoint start(view.width() / 2, view.height() / 2);
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, start);
    for (int step = 1; step <= 10; ++step) {
        MoveWithButtonHeld(view, start + QPoint(6 * step, 0));
    }
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, start + QPoint(60, 0));

    // 60 pixels east at 49.5 degrees north on a globe of radius r: 60 / (r cos 49.5) radians westward.
    const double expected = -2.2 - 60.0 / (viewport.m_scale * std::cos(49.5 * 0.017453292519943295)) * 57.29577951308232;
    QVERIFY2(qAbs(map.m_observation.m_centre.m_longitude - expected) < 0.05,
             qPrintable(QString::number(map.m_observation.m_centre.m_longitude)));
    QVERIFY(qAbs(map.m_observation.m_centre.m_latitude - 49.5) < 0.05);
    QCOMPARE(map.m_viewport.m_scale, viewport.m_scale);
    QCOMPARE(map.m_viewport.m_originX, viewport.m_originX);
    QVERIFY(fixture.Document().IsModified());
    QCOMPARE(view.DrawModeValue(), 0);
    QTRY_COMPARE(fixture.m_trace.m_calls, 2);
    QTest::qWait(100);
    QCOMPARE(fixture.m_trace.m_calls, 2);
}

void ViewNavigationTest::theArrowKeysTurnTheGlobeAndPlusAndMinusZoom()
{
    CFrameFixture& fixture = *m_fixture;
    const CEclipseMap& map = fixture.Map();
    const float scale = map.m_viewport.m_scale;
    QTest::keyClick(&fixture.View(), Qt::Key_Left);
    QVERIFY(map.m_observation.m_centre.m_longitude < -2.2);  // the west comes into view
    QTest::keyClick(&fixture.View(), Qt::Key_Right);
    QVERIFY(qAbs(map.m_observation.m_centre.m_longitude + 2.2) < 1e-9);
    QTest::keyClick(&fixture.View(), Qt::Key_Up);
    QVERIFY(map.m_observation.m_centre.m_latitude > 49.5);
    QTest::keyClick(&fixture.View(), Qt::Key_Plus);
    QCOMPARE(map.m_viewport.m_scale, static_cast<float>(scale * 1.25));
    QTest::keyClick(&fixture.View(), Qt::Key_Minus);
    QVERIFY(qAbs(map.m_viewport.m_scale - scale) < 1e-3f);
    QVERIFY(fixture.Document().IsModified());
    QTRY_VERIFY(fixture.m_trace.m_calls >= 2);
}

void ViewNavigationTest::theStatusBarShowsThePlaceUnderTheCursor()
{
    CFrameFixture& fixture = *m_fixture;
    auto* pane = fixture.Frame().statusBar()->findChild<QLabel*>(QStringLiteral("cursorPlace"));
    QVERIFY(pane != nullptr);
    const CViewport& viewport = fixture.Map().m_viewport;
    QTest::mouseMove(&fixture.View(), QPoint(static_cast<int>(viewport.m_originX), static_cast<int>(viewport.m_originY)));
    QCOMPARE(pane->text(), QStringLiteral("49°30'00\" N, 2°12'00\" O"));
    QTest::mouseMove(&fixture.View(), QPoint(3, 3));
    QCOMPARE(pane->text(), QStringLiteral("hors du globe"));
}

void ViewNavigationTest::escapeCancelsAPendingZoom()
{
    CFrameFixture& fixture = *m_fixture;
    CUmbrantView& view = fixture.View();
    fixture.Frame().Action(ID_VUE_ZOOM_PLUS)->trigger();
    QCOMPARE(view.DrawModeValue(), 2);
    QTest::keyClick(&view, Qt::Key_Escape);
    QCOMPARE(view.DrawModeValue(), 0);
    QCOMPARE(view.ActionValue(), 0);
    QCOMPARE(view.cursor().shape(), Qt::ArrowCursor);

    // The drag that would have zoomed now turns the globe.
    const float scale = fixture.Map().m_viewport.m_scale;
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(200, 150));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
    QCOMPARE(fixture.Map().m_viewport.m_scale, scale);
}

void ViewNavigationTest::escapeCancelsATranslationUnderWay()
{
    CFrameFixture& fixture = *m_fixture;
    CUmbrantView& view = fixture.View();
    const float originX = fixture.Map().m_viewport.m_originX;
    fixture.Frame().Action(ID_VUE_TRANSLATION)->trigger();
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(150, 120));
    QVERIFY(view.IsDragging());
    QTest::keyClick(&view, Qt::Key_Escape);
    QVERIFY(!view.IsDragging());
    QCOMPARE(view.DrawModeValue(), 0);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(150, 120));
    QCOMPARE(fixture.Map().m_viewport.m_originX, originX);
    QCOMPARE(fixture.m_trace.m_calls, 1);
    QVERIFY(!fixture.Document().IsModified());
    // The band is gone from the screen.
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QColor(shown.pixel(125, 100)), QColor(view.Picture().pixel(125, 100)));
}

// The width rule would give 1600/pi = 509 pixels, more than half the height:
// the disk is brought inside the 900 pixels, poles and all.
void ViewNavigationTest::globalInAWideWindowShowsTheWholeDisk()
{
    CUmbrantDoc document;
    CUmbrantView view(document);
    CFakeTrace trace;
    view.SetTraceFunction(std::ref(trace));
    view.resize(1600, 900);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.OnViewGlobal();
    const CViewport& viewport = document.m_map.m_viewport;
    QCOMPARE(viewport.m_scale, 405.0f);
    QCOMPARE(viewport.m_originX, 800.0f);
    QCOMPARE(viewport.m_originY, 450.0f);
    const QImage& picture = view.Picture();
    // The stand-in trace fills the disk's square: rows 45 to 854 around 450.
    QCOMPARE(QColor(picture.pixel(800, 40)), QColor(Qt::black));
    QCOMPARE(QColor(picture.pixel(800, 50)), QColor(140, 198, 255));
    QCOMPARE(QColor(picture.pixel(800, 850)), QColor(140, 198, 255));
    QCOMPARE(QColor(picture.pixel(800, 860)), QColor(Qt::black));
}

void ViewNavigationTest::controlCCopiesTheMapPicture()
{
    CFrameFixture& fixture = *m_fixture;
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&fixture.View(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), fixture.View().Picture().size());
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), fixture.View().Picture());
}

void ViewNavigationTest::f1OpensTheManualOfEveryCommand()
{
    CFrameFixture& fixture = *m_fixture;
    QTest::keyClick(&fixture.View(), Qt::Key_F1);
    CHelpWindow* help = fixture.Frame().HelpWindow();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Aide de Umbrant"));
    const QString manual = help->Browser().toPlainText();
    for (const char* command :
         {"Nouveau", "Ouvrir", "Enregistrer sous", "Imprimer", "Quitter", "Global", "Zoom +", "Zoom -", "Translation",
          "Trace !", "Copier la carte", "Epoque", "Position", "Affichages", "Carte", "Séparation", "Recherche des éclipses",
          "Ephémérides", "Eléments de Bessel", "Reconstruire les données", "Barre d'outils", "Barre d'état", "Circonstances locales",
          "Rubriques de l'aide", "A propos de Umbrant", "barre de temps", "Maintenant", "Décalage horaire"}) {
        QVERIFY2(manual.contains(QString::fromUtf8(command)), command);
    }
}

void ViewNavigationTest::theCommandsHaveTheirKeys()
{
    CMainFrame& frame = m_fixture->Frame();
    const std::pair<CommandId, const char*> keys[] = {
        {ID_APP_EXIT, "Ctrl+Q"}, {ID_FILE_SAVE_AS, "Ctrl+Shift+S"}, {ID_VUE_TRACE, "F5"},   {ID_VUE_GLOBAL, "Home"},
        {ID_PARAMETRES_EPOQUE, "Ctrl+E"}, {ID_HELP_INDEX, "F1"},  {ID_EDIT_COPY, "Ctrl+C"},
    };
    for (const auto& [id, key] : keys) {
        QCOMPARE(frame.Action(id)->shortcut(), QKeySequence(QString::fromLatin1(key)));
    }
    const int traces = m_fixture->m_trace.m_calls;
    QTest::keyClick(&m_fixture->View(), Qt::Key_F5);
    QCOMPARE(m_fixture->m_trace.m_calls, traces + 1);
}

// While the Open dialog is up, what reaches the map (a drag begun before it
// came, a drag, the wheel, the arrow keys) moves nothing; a zoom that held
// the mouse gives it up, so that the dialog gets its clicks.
void ViewNavigationTest::theMapBehindADialogStaysAsItIs()
{
    CFrameFixture& fixture = *m_fixture;
    CUmbrantView& view = fixture.View();
    const QPoint middle(view.width() / 2, view.height() / 2);
    const CEclipseMap before = fixture.Map();
    const int traces = fixture.m_trace.m_calls;
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, middle);
    bool grabbedDuring = true;
    bool modeDuring = true;
    WhenDialogShown<QFileDialog>([&](QFileDialog& dialog) {
        MoveWithButtonHeld(view, middle + QPoint(120, 40));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, middle + QPoint(120, 40));
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, middle);
        MoveWithButtonHeld(view, middle - QPoint(150, 0));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, middle - QPoint(150, 0));
        Wheel(view, QPointF(middle), 240);
        QTest::keyClick(&view, Qt::Key_Left);
        QTest::keyClick(&view, Qt::Key_Plus);
        QTest::qWait(50);
        grabbedDuring = QWidget::mouseGrabber() == &view;
        modeDuring = view.HasPendingGesture();
        dialog.reject();
    });
    fixture.Frame().Action(ID_VUE_ZOOM_PLUS)->trigger();
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, middle);  // a zoom waiting for its second click
    QVERIFY(view.HasPendingGesture());
    fixture.Frame().Action(ID_FILE_OPEN)->trigger();
    QTest::qWait(50);

    const CEclipseMap& after = fixture.Map();
    QCOMPARE(after.m_observation.m_centre.m_longitude, before.m_observation.m_centre.m_longitude);
    QCOMPARE(after.m_observation.m_centre.m_latitude, before.m_observation.m_centre.m_latitude);
    QCOMPARE(after.m_viewport.m_scale, before.m_viewport.m_scale);
    QCOMPARE(after.m_viewport.m_originX, before.m_viewport.m_originX);
    QCOMPARE(fixture.m_trace.m_calls, traces);
    QVERIFY(!grabbedDuring);
    QVERIFY(!modeDuring);
    QVERIFY(!fixture.Document().IsModified());
}

UMBRANT_QTEST(ViewNavigationTest)
#include "ViewNavigationTest.moc"
