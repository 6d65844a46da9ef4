// "Séparation": the geodesic between two places on the WGS84 ellipsoid, by
// itself against published distances and through two clicks on the map.

#include "FrameTestSupport.h"

#include "app/GeodesicSeparation.h"
#include "app/MapPointPicker.h"
#include "map/GeoProjection.h"
#include "map/MapScene.h"

#include <QStatusBar>
#include <QtTest>

namespace {

const CGeoPosition kParis{2.3522, 48.8566};
const CGeoPosition kNewYork{-74.0060, 40.7128};

} // namespace

class SeparationTest : public QObject {
    Q_OBJECT

private slots:
    void theGeodesicMatchesPublishedDistances_data();
    void theGeodesicMatchesPublishedDistances();
    void twoClicksOnTheMapGiveTheDistanceAndAzimuth();
    void theFirstClickAsksForTheSecond();
};

// The WGS84 quarter meridian, 10001.965729 km, and one degree of the
// equator, 111.319491 km (a = 6378137 m), as the ellipsoid's tables give
// them; Paris to New York, 5852.9 km at 291.8 degrees.
void SeparationTest::theGeodesicMatchesPublishedDistances_data()
{
    QTest::addColumn<CGeoPosition>("from");
    QTest::addColumn<CGeoPosition>("to");
    QTest::addColumn<double>("kilometres");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("azimuth");
    QTest::newRow("Paris to New York") << kParis << kNewYork << 5852.9 << 0.1 << 291.8;
    QTest::newRow("equator to the pole") << CGeoPosition{30.0, 0.0} << CGeoPosition{30.0, 90.0} << 10001.965729 << 1e-6 << 0.0;
    QTest::newRow("a degree of the equator, westward") << CGeoPosition{1.0, 0.0} << CGeoPosition{0.0, 0.0} << 111.319491
                                                       << 1e-6 << 270.0;
}

void SeparationTest::theGeodesicMatchesPublishedDistances()
{
    QFETCH(CGeoPosition, from);
    QFETCH(CGeoPosition, to);
    QFETCH(double, kilometres);
    QFETCH(double, tolerance);
    QFETCH(double, azimuth);
    const GeodesicSeparation separation = SeparationBetween(from, to);
    QVERIFY2(qAbs(separation.distanceKilometres - kilometres) <= tolerance,
             qPrintable(QString::number(separation.distanceKilometres, 'f', 6)));
    QVERIFY2(qAbs(separation.initialAzimuth - azimuth) < 0.05, qPrintable(QString::number(separation.initialAzimuth, 'f', 4)));
    // Going back, the distance is the same.
    QVERIFY(qAbs(SeparationBetween(to, from).distanceKilometres - separation.distanceKilometres) < 1e-6);
}

void SeparationTest::twoClicksOnTheMapGiveTheDistanceAndAzimuth()
{
    CFrameFixture fixture;
    QVERIFY(fixture.Shown());
    CObservation& observation = fixture.Map().m_observation;
    observation.m_centre = CGeoPosition(-35.0, 45.0);  // both towns in view
    CUmbrantView& view = fixture.View();
    const GeoProjector projector(BaseFrame(fixture.Map(), SceneRequest{view.width(), view.height(), {}, nullptr}));
    const std::optional<MapPoint> paris = projector.Project(kParis.m_latitude, kParis.m_longitude);
    const std::optional<MapPoint> newYork = projector.Project(kNewYork.m_latitude, kNewYork.m_longitude);
    QVERIFY(paris && newYork);

    fixture.Frame().Action(ID_OUTILS_SEPARATION)->trigger();
    QCOMPARE(view.cursor().shape(), Qt::CrossCursor);
    ClickAtPoint(view, QPointF(paris->x, paris->y));
    ClickAtPoint(view, QPointF(newYork->x, newYork->y));

    QCOMPARE(fixture.m_messages.Messages().size(), std::size_t{1});
    const RecordedMessage& message = fixture.m_messages.Messages().front();
    QCOMPARE(message.caption, QStringLiteral("Séparation"));
    QCOMPARE(message.icon, QMessageBox::Information);
    QVERIFY2(message.text.contains(QStringLiteral("Distance : 5852.9 km")), qPrintable(message.text));
    QVERIFY2(message.text.contains(QStringLiteral("Azimut initial : 291.8°")), qPrintable(message.text));
    QVERIFY(message.text.startsWith(QStringLiteral("De 48°51'24\" N, 2°21'08\" E\nà 40°42'46\" N, 74°00'22\" O")));
    QCOMPARE(fixture.Frame().statusBar()->currentMessage(), QStringLiteral("Séparation : 5852.9 km, azimut initial 291.8°"));
    // A measure changes nothing in the document, and the tool serves once.
    QVERIFY(!fixture.Document().IsModified());
    QCOMPARE(fixture.Frame().Picker().Armed(), CMapPointPicker::Tool::None);
    QCOMPARE(view.cursor().shape(), Qt::ArrowCursor);
}

void SeparationTest::theFirstClickAsksForTheSecond()
{
    CFrameFixture fixture;
    QVERIFY(fixture.Shown());
    fixture.Frame().Action(ID_OUTILS_SEPARATION)->trigger();
    QCOMPARE(fixture.Frame().statusBar()->currentMessage(), QStringLiteral("Séparation : cliquez sur le premier point"));
    const QPointF middle(fixture.View().width() / 2.0, fixture.View().height() / 2.0);
    ClickAtPoint(fixture.View(), middle);
    QCOMPARE(fixture.Frame().statusBar()->currentMessage(), QStringLiteral("Séparation : cliquez sur le second point"));
    QVERIFY(fixture.m_messages.Messages().empty());
    // Zoom + chosen meanwhile replaces the tool.
    fixture.Frame().Action(ID_VUE_ZOOM_PLUS)->trigger();
    QCOMPARE(fixture.Frame().Picker().Armed(), CMapPointPicker::Tool::None);
    QCOMPARE(fixture.View().DrawModeValue(), 2);
    QVERIFY(fixture.View().cursor().shape() != Qt::CrossCursor);
}

UMBRANT_QTEST(SeparationTest)
#include "SeparationTest.moc"
