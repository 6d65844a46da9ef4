// The observer's place: "Position..." and its fields, the click on the map
// that places the observer, the document's file that keeps it, and the
// marker the map draws there.

#include "FrameTestSupport.h"

#include "app/LocalCircumstancesPanel.h"
#include "app/MapPointPicker.h"
#include "app/PositionDialog.h"
#include "map/GeoProjection.h"
#include "map/MapScene.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

#include <cstring>

namespace {

constexpr double kDallasLongitude = -96.797;
constexpr double kDallasLatitude = 32.777;

double DoubleAt(const QByteArray& bytes, int offset)
{
    double value = 0.0;
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

std::uint32_t WordAt(const QByteArray& bytes, int offset)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

// Where a place is on the view's map, to a fraction of a pixel.
QPointF PointOf(const CEclipseMap& map, int width, int height, double longitude, double latitude)
{
    const std::optional<MapPoint> point =
        GeoProjector(BaseFrame(map, SceneRequest{width, height, {}, nullptr})).Project(latitude, longitude);
    return point ? QPointF(point->x, point->y) : QPointF(-1.0, -1.0);
}

} // namespace

class ObserverPositionTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theDialogShowsTheObserverOfANewDocument();
    void anglesAreTypedInDegreesMinutesSecondsOrDecimalDegrees_data();
    void anglesAreTypedInDegreesMinutesSecondsOrDecimalDegrees();
    void decimalDegreesTypedKeyByKeyPlaceTheObserverInSpain();
    void positionWritesTheObserverAndItSurvivesSaveAndOpen();
    void leavingTheDialogChangesNothing();
    void onTheMapArmsAClickThatPlacesTheObserver();
    void aClickOffTheGlobeIsRefusedAndEscapeGivesUp();
    void theMapDrawsTheObserverAsAMarker();

private:
    template <typename T>
    static T& Control(QWidget& dialog, const char* name)
    {
        auto* control = dialog.findChild<T*>(QString::fromLatin1(name));
        Q_ASSERT(control != nullptr);
        return *control;
    }

    std::unique_ptr<CFrameFixture> m_fixture;
};

void ObserverPositionTest::init()
{
    m_fixture = std::make_unique<CFrameFixture>();
    QVERIFY(m_fixture->Shown());
}

void ObserverPositionTest::cleanup()
{
    m_fixture.reset();
}

void ObserverPositionTest::theDialogShowsTheObserverOfANewDocument()
{
    QStringList shown;
    WhenDialogShown<CPositionDialog>([&](CPositionDialog& dialog) {
        for (const char* name : {"longitudeDegreesEdit", "longitudeMinutesEdit", "longitudeSecondsEdit",
                                 "latitudeDegreesEdit", "latitudeMinutesEdit", "latitudeSecondsEdit", "heightEdit"}) {
            shown << Control<QLineEdit>(dialog, name).text();
        }
        shown << QString::number(Control<QRadioButton>(dialog, "longitudeNegativeButton").isChecked())
              << QString::number(Control<QRadioButton>(dialog, "latitudePositiveButton").isChecked());
        dialog.reject();
    });
    m_fixture->Frame().Action(ID_PARAMETRES_POSITION)->trigger();
    QCOMPARE(shown, QStringList({"2", "12", "0.000", "49", "30", "0.000", "0", "1", "1"}));
}

// Each row: what is typed for the longitude (degrees, minutes, seconds, with
// "Ouest" ticked or not) and the latitude degrees, then the longitude and
// latitude stored, or the start of the sentence that refuses them.
void ObserverPositionTest::anglesAreTypedInDegreesMinutesSecondsOrDecimalDegrees_data()
{
    QTest::addColumn<QStringList>("longitude");
    QTest::addColumn<bool>("west");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<double>("storedLongitude");
    QTest::addColumn<double>("storedLatitude");
    QTest::addColumn<QString>("error");
    const QString none;
    QTest::newRow("degrees, minutes, seconds") << QStringList{"3", "42", "0"} << true << "40" << -3.7 << 40.0 << none;
    QTest::newRow("decimal, west ticked") << QStringList{"3.70", "", ""} << true << "42.34" << -3.7 << 42.34 << none;
    QTest::newRow("decimal comma") << QStringList{"3,70", "0", "0.000"} << true << "42,34" << -3.7 << 42.34 << none;
    QTest::newRow("minus sign over east") << QStringList{"-3.70", "", ""} << false << "40" << -3.7 << 40.0 << none;
    QTest::newRow("letter W") << QStringList{"3.70 W", "", ""} << false << "40" << -3.7 << 40.0 << none;
    QTest::newRow("letter O in front") << QStringList{"O 3.7", "", ""} << false << "40" << -3.7 << 40.0 << none;
    QTest::newRow("letter E over west") << QStringList{"2.65E", "", ""} << true << "39.57 N" << 2.65 << 39.57 << none;
    QTest::newRow("south by letter") << QStringList{"18.4", "", ""} << false << "33.9 S" << 18.4 << -33.9 << none;
    QTest::newRow("south by sign") << QStringList{"18.4", "", ""} << false << "-33.9" << 18.4 << -33.9 << none;
    QTest::newRow("180 west") << QStringList{"180", "0", "0"} << true << "-90" << -180.0 << -90.0 << none;
    QTest::newRow("370 degrees") << QStringList{"370", "0", "0"} << true << "40" << 0.0 << 0.0
                                 << "Une longitude va de 0 à 180°";
    QTest::newRow("4234 degrees") << QStringList{"3", "0", "0"} << true << "4234" << 0.0 << 0.0
                                  << "Une latitude va de 0 à 90°";
    QTest::newRow("decimal with minutes") << QStringList{"3.7", "30", "0"} << true << "40" << 0.0 << 0.0
                                          << "Des degrés décimaux ne prennent ni minutes ni secondes.";
    QTest::newRow("60 minutes") << QStringList{"3", "60", "0"} << true << "40" << 0.0 << 0.0
                                << "Les minutes sont un nombre entier de 0 à 59.";
    QTest::newRow("60 seconds") << QStringList{"3", "0", "60"} << true << "40" << 0.0 << 0.0
                                << "Les secondes sont un nombre de 0 à moins de 60.";
    QTest::newRow("seconds of letters") << QStringList{"3", "0", "abc"} << true << "40" << 0.0 << 0.0
                                        << "Les secondes sont un nombre de 0 à moins de 60.";
    QTest::newRow("north in a longitude") << QStringList{"3.7 N", "", ""} << true << "40" << 0.0 << 0.0
                                          << "Une longitude se dit E (est), O ou W (ouest).";
    QTest::newRow("minus and east") << QStringList{"-3.7 E", "", ""} << true << "40" << 0.0 << 0.0
                                    << "Le signe moins et la lettre d'hémisphère se contredisent";
    QTest::newRow("emptied degrees") << QStringList{"", "", ""} << true << "40" << 0.0 << 0.0 << "Degrés illisibles";
}

void ObserverPositionTest::anglesAreTypedInDegreesMinutesSecondsOrDecimalDegrees()
{
    QFETCH(QStringList, longitude);
    QFETCH(bool, west);
    QFETCH(QString, latitude);
    QFETCH(double, storedLongitude);
    QFETCH(double, storedLatitude);
    QFETCH(QString, error);
    CObservation observation;
    CDocumentOptions options;
    CPositionDialog dialog(observation, options);
    dialog.show();
    Control<QLineEdit>(dialog, "longitudeDegreesEdit").setText(longitude[0]);
    Control<QLineEdit>(dialog, "longitudeMinutesEdit").setText(longitude[1]);
    Control<QLineEdit>(dialog, "longitudeSecondsEdit").setText(longitude[2]);
    Control<QRadioButton>(dialog, west ? "longitudeNegativeButton" : "longitudePositiveButton").setChecked(true);
    Control<QLineEdit>(dialog, "latitudeDegreesEdit").setText(latitude);
    Control<QLineEdit>(dialog, "latitudeMinutesEdit").clear();
    Control<QLineEdit>(dialog, "latitudeSecondsEdit").clear();
    QTest::mouseClick(&Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);

    const QString shown = Control<QLabel>(dialog, "errorLabel").text();
    if (error.isEmpty()) {
        QVERIFY2(!dialog.isVisible(), qPrintable(shown));
        QVERIFY(qAbs(observation.m_longitude - storedLongitude) < 1e-12);
        QVERIFY(qAbs(observation.m_latitude - storedLatitude) < 1e-12);
    } else {
        QVERIFY(dialog.isVisible());
        QVERIFY2(shown.startsWith(error), qPrintable(shown));
        QCOMPARE(observation.m_longitude, -2.2);
        QCOMPARE(observation.m_latitude, 49.5);
    }
}

// As the planner typed them: the point, the minus sign and the letters go in.
void ObserverPositionTest::decimalDegreesTypedKeyByKeyPlaceTheObserverInSpain()
{
    CFrameFixture& fixture = *m_fixture;
    WhenDialogShown<CPositionDialog>([](CPositionDialog& dialog) {
        for (const auto& [name, text] : {std::pair("longitudeDegreesEdit", "-3.70"),
                                         std::pair("latitudeDegreesEdit", "42.34N")}) {
            auto& field = Control<QLineEdit>(dialog, name);
            field.selectAll();
            QTest::keyClicks(&field, QString::fromLatin1(text));
            QCOMPARE(field.text(), QString::fromLatin1(text));
        }
        for (const char* name : {"longitudeMinutesEdit", "longitudeSecondsEdit", "latitudeMinutesEdit",
                                 "latitudeSecondsEdit"}) {
            Control<QLineEdit>(dialog, name).setText(QStringLiteral("0"));
        }
        QTest::mouseClick(&Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    fixture.Frame().Action(ID_PARAMETRES_POSITION)->trigger();
    QCOMPARE(fixture.Map().m_observation.m_longitude, -3.70);
    QCOMPARE(fixture.Map().m_observation.m_latitude, 42.34);
    auto* place = fixture.Frame().LocalPanel().findChild<QLabel*>(QStringLiteral("localPlaceLabel"));
    QVERIFY2(place->text().contains(QStringLiteral("42°20'24\" N, 3°42'00\" O")), qPrintable(place->text()));
}

// 96°47'49.2" W, 32°46'37.2" N, 139 m: Dallas.
void ObserverPositionTest::positionWritesTheObserverAndItSurvivesSaveAndOpen()
{
    CFrameFixture& fixture = *m_fixture;
    CObservation& observation = fixture.Map().m_observation;
    observation.m_reserved1 = 0xDEADBEEF;  // a file's reserved words keep what they hold
    observation.m_reserved2 = 0x01020304;
    QSignalSpy observerChanged(&fixture.Document(), &CUmbrantDoc::ObserverChanged);
    WhenDialogShown<CPositionDialog>([](CPositionDialog& dialog) {
        Control<QLineEdit>(dialog, "longitudeDegreesEdit").setText(QStringLiteral("96"));
        Control<QLineEdit>(dialog, "longitudeMinutesEdit").setText(QStringLiteral("47"));
        Control<QLineEdit>(dialog, "longitudeSecondsEdit").setText(QStringLiteral("49.2"));
        Control<QLineEdit>(dialog, "latitudeDegreesEdit").setText(QStringLiteral("32"));
        Control<QLineEdit>(dialog, "latitudeMinutesEdit").setText(QStringLiteral("46"));
        Control<QLineEdit>(dialog, "latitudeSecondsEdit").setText(QStringLiteral("37.2"));
        Control<QLineEdit>(dialog, "heightEdit").setText(QStringLiteral("139"));
        QTest::mouseClick(&Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    fixture.Frame().Action(ID_PARAMETRES_POSITION)->trigger();

    QCOMPARE(observation.m_longitude, kDallasLongitude);
    QCOMPARE(observation.m_latitude, kDallasLatitude);
    QCOMPARE(fixture.Document().m_options.m_observerHeight, 139.0);
    QCOMPARE(observerChanged.count(), 1);
    QVERIFY(fixture.Document().IsModified());
    QVERIFY(fixture.Frame().windowTitle().startsWith(QStringLiteral("Sans titre* - ")));
    QCOMPARE(fixture.m_trace.m_calls, 2);  // the marker moves at once

    const QString path = fixture.FilePath(QStringLiteral("dallas.umb"));
    QVERIFY(fixture.Frame().SaveDocumentAs(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 193);
    QCOMPARE(DoubleAt(bytes, 37), kDallasLongitude);
    QCOMPARE(DoubleAt(bytes, 45), kDallasLatitude);
    QCOMPARE(WordAt(bytes, 53), std::uint32_t{0xDEADBEEF});
    QCOMPARE(WordAt(bytes, 57), std::uint32_t{0x01020304});
    QCOMPARE(WordAt(bytes, 61), std::uint32_t{0});

    observation.m_longitude = 2.35;
    observation.m_latitude = 48.86;
    QVERIFY(fixture.Frame().OpenDocumentFile(path));
    QCOMPARE(observation.m_longitude, kDallasLongitude);
    QCOMPARE(observation.m_latitude, kDallasLatitude);
    QVERIFY(!fixture.Document().IsModified());
}

void ObserverPositionTest::leavingTheDialogChangesNothing()
{
    WhenDialogShown<CPositionDialog>([](CPositionDialog& dialog) {
        Control<QLineEdit>(dialog, "longitudeDegreesEdit").setText(QStringLiteral("120"));
        QTest::mouseClick(&Control<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    });
    m_fixture->Frame().Action(ID_PARAMETRES_POSITION)->trigger();
    QCOMPARE(m_fixture->Map().m_observation.m_longitude, -2.2);
    QVERIFY(!m_fixture->Document().IsModified());
    QCOMPARE(m_fixture->Frame().Picker().Armed(), CMapPointPicker::Tool::None);
}

void ObserverPositionTest::onTheMapArmsAClickThatPlacesTheObserver()
{
    CFrameFixture& fixture = *m_fixture;
    WhenDialogShown<CPositionDialog>([](CPositionDialog& dialog) {
        QTest::mouseClick(&Control<QPushButton>(dialog, "pickOnMapButton"), Qt::LeftButton);
    });
    fixture.Frame().Action(ID_PARAMETRES_POSITION)->trigger();
    QCOMPARE(fixture.Frame().Picker().Armed(), CMapPointPicker::Tool::Observer);
    QCOMPARE(fixture.View().cursor().shape(), Qt::CrossCursor);
    QCOMPARE(fixture.Frame().statusBar()->currentMessage(),
             QStringLiteral("Cliquez sur la carte à l'emplacement de l'observateur"));
    QVERIFY(!fixture.Document().IsModified());

    CUmbrantView& view = fixture.View();
    ClickAtPoint(view, PointOf(fixture.Map(), view.width(), view.height(), kDallasLongitude, kDallasLatitude));

    QVERIFY(qAbs(fixture.Map().m_observation.m_longitude - kDallasLongitude) < 1e-9);
    QVERIFY(qAbs(fixture.Map().m_observation.m_latitude - kDallasLatitude) < 1e-9);
    QVERIFY(fixture.Document().IsModified());
    QCOMPARE(fixture.Frame().Picker().Armed(), CMapPointPicker::Tool::None);
    QCOMPARE(view.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(fixture.Frame().statusBar()->currentMessage().startsWith(QStringLiteral("Observateur : 32°46'37\" N, 96°47'49\" O")));
    // The map's centre did not move: a click is not a drag.
    QCOMPARE(fixture.Map().m_observation.m_centre.m_longitude, -2.2);
}

void ObserverPositionTest::aClickOffTheGlobeIsRefusedAndEscapeGivesUp()
{
    CFrameFixture& fixture = *m_fixture;
    fixture.Frame().Action(ID_VUE_POSITION)->trigger();  // the tool button
    ClickAtPoint(fixture.View(), QPointF(3.0, 3.0));
    QCOMPARE(fixture.Map().m_observation.m_longitude, -2.2);
    QCOMPARE(fixture.Frame().Picker().Armed(), CMapPointPicker::Tool::Observer);
    QCOMPARE(fixture.Frame().statusBar()->currentMessage(), QStringLiteral("Hors du globe : cliquez sur la Terre"));

    fixture.Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fixture.Frame()));
    QTest::keyClick(&fixture.View(), Qt::Key_Escape);
    QCOMPARE(fixture.Frame().Picker().Armed(), CMapPointPicker::Tool::None);
    QCOMPARE(fixture.View().cursor().shape(), Qt::ArrowCursor);
    ClickAtPoint(fixture.View(), QPointF(fixture.View().width() / 2.0, fixture.View().height() / 2.0));
    QCOMPARE(fixture.Map().m_observation.m_longitude, -2.2);
    QVERIFY(!fixture.Document().IsModified());
}

// With the real trace: the marker's blue ring around a white heart, where
// the observer is.
void ObserverPositionTest::theMapDrawsTheObserverAsAMarker()
{
    const QString data = QStringLiteral(UMBRANT_BINARY_DIR "/data/");
    for (const char* name : {"gshhs_i.dat", "VSOP87.dat", "Elp2000.dat", "Nutation.dat"}) {
        if (!QFileInfo::exists(data + QString::fromLatin1(name))) {
            QSKIP("the data directory of the build is not filled");
        }
    }
    CUmbrantDoc document;
    CUmbrantView view(document);
    view.SetDataDirectory(data.toStdString());
    view.resize(600, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_COMPARE(view.TraceCount(), 1);
    document.m_map.m_observation.m_longitude = 10.0;
    document.m_map.m_observation.m_latitude = 45.0;
    view.Trace();

    const QPointF at = PointOf(document.m_map, view.width(), view.height(), 10.0, 45.0);
    const QImage& picture = view.Picture();
    QCOMPARE(QColor(picture.pixel(at.toPoint())), QColor(255, 255, 255));
    QCOMPARE(QColor(picture.pixel((at + QPointF(4.0, 0.0)).toPoint())), QColor(0, 90, 220));
    QCOMPARE(QColor(picture.pixel((at - QPointF(0.0, 4.0)).toPoint())), QColor(0, 90, 220));
}

UMBRANT_QTEST(ObserverPositionTest)
#include "ObserverPositionTest.moc"
