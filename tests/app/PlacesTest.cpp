// The towns in the desktop: the gazetteer read off the interface thread,
// the observer's clock in the panel and the time bar against the command
// line's, Qt's zones against the C library's, the "Villes" panel, and the
// search of a town in the tool bar and the position dialog.

#include "FrameTestSupport.h"

#include "app/CurrentEclipse.h"
#include "app/DesktopGazetteer.h"
#include "app/LocalCircumstancesPanel.h"
#include "app/ObserverZone.h"
#include "app/PositionDialog.h"
#include "app/QtTimeZone.h"
#include "app/TimeBar.h"
#include "app/TownsPanel.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"
#include "map/EclipseOverlay.h"
#include "places/EclipseTowns.h"
#include "places/TimeZone.h"

#include <QCheckBox>
#include <QCompleter>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString kDataDirectory = QStringLiteral(UMBRANT_BINARY_DIR "/data/");

bool HaveData()
{
    for (const char* name : {"VSOP87.dat", "Elp2000.dat", "Nutation.dat", "places.dat"}) {
        if (!QFileInfo::exists(kDataDirectory + QString::fromLatin1(name))) {
            return false;
        }
    }
    return true;
}

// "umbrant-cli local" for Dallas on 2024-04-08: each contact's local time,
// "13:40:43.4 CDT", by its row's name.
QHash<QString, QString> CommandLineLocalTimes()
{
    QProcess program;
    program.start(QStringLiteral(UMBRANT_BINARY_DIR "/umbrant-cli"),
                  {QStringLiteral("local"), QStringLiteral("--date"), QStringLiteral("2024-04-08"), QStringLiteral("--place"),
                   QStringLiteral("-96.797,32.777"), QStringLiteral("--delta-t"), QStringLiteral("69.1"),
                   QStringLiteral("--data"), kDataDirectory});
    program.waitForFinished(60000);
    static const QRegularExpression row(
        QStringLiteral("^(\\S+)\\s+\\S+Z\\s+(\\d\\d:\\d\\d:\\d\\d\\.\\d \\S+), UTC-05:00"));
    QHash<QString, QString> times;
    for (const QString& line : QString::fromUtf8(program.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = row.match(line);
        if (match.hasMatch()) {
            times.insert(match.captured(1), match.captured(2));
        }
    }
    return times;
}

FittedElements ElementsOf2024(double deltaT)
{
    const Ephemeris ephemeris = Ephemeris::Load(kDataDirectory.toStdString(), ModernModel(deltaT));
    return FitElements(ephemeris, FindEclipseOnUniversalDate(ephemeris, 2024, 4, 8)->greatest).elements;
}

void PlaceObserver(CUmbrantDoc& document, double longitude, double latitude)
{
    document.m_map.m_observation.m_longitude = longitude;
    document.m_map.m_observation.m_latitude = latitude;
    document.NotifyObserverChanged();
}

} // namespace

class PlacesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (!HaveData()) {
            QSKIP("the data directory of the build is not filled");
        }
    }
    void theGazetteerIsReadOffTheInterfaceThread();
    void qtZonesAgreeWithTheCLibrarysZones();
    void thePanelShowsTheObserversClockAsTheCommandLineDoes();
    void theTimeBarShowsTheObserversClock();
    void theTownsPanelListsTheTownsAndPlacesTheObserver();
    void theSearchFieldFindsATownOrOffersSpellings();
    void thePositionDialogCompletesATown();
};

// Load returns before the towns are read; they come with Ready.
void PlacesTest::theGazetteerIsReadOffTheInterfaceThread()
{
    CDesktopGazetteer gazetteer;
    QSignalSpy ready(&gazetteer, &CDesktopGazetteer::Ready);
    gazetteer.Load(kDataDirectory.toStdString());
    QVERIFY(!gazetteer.Towns());
    QVERIFY(ready.wait(10000));
    QCOMPARE(gazetteer.Towns()->Size(), std::size_t{24361});
    QCOMPARE(gazetteer.CompletionEntries().value(0), QStringLiteral("Shanghai, Shanghai Municipality, China"));
    QCOMPARE(gazetteer.NearestTown(-96.80, 32.78)->place.timeZone, std::string("America/Chicago"));
    QVERIFY(!gazetteer.NearestTown(-30.0, 0.0));
}

// Two readers of the zone database, Qt's and the C library's: the same
// offsets and names, beyond the database's tables too.
void PlacesTest::qtZonesAgreeWithTheCLibrarysZones()
{
    const char* zones[] = {"America/Chicago", "Europe/Madrid", "Asia/Kolkata", "Asia/Kathmandu", "Australia/Adelaide",
                           "Pacific/Chatham", "America/St_Johns"};
    const std::int64_t moments[] = {1712601643, 1786559299, 1248224100, 2386000000, 3500000000, -1000000000};
    for (const char* name : zones) {
        const auto qt = QtTimeZone(name);
        const auto system = SystemTimeZone(name);
        QVERIFY2(qt && system, name);
        for (const std::int64_t moment : moments) {
            const ZoneOffset a = qt->OffsetAt(moment);
            const ZoneOffset b = system->OffsetAt(moment);
            QVERIFY2(a.seconds == b.seconds, qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(moment)));
            QCOMPARE(a.abbreviation, b.abbreviation);
        }
    }
    QVERIFY(!QtTimeZone("Mars/Olympus_Mons"));
    QVERIFY(!QtTimeZone(""));
}

void PlacesTest::thePanelShowsTheObserversClockAsTheCommandLineDoes()
{
    CTemporarySettings settings;
    const FittedElements elements = ElementsOf2024(69.1);
    CUmbrantDoc document;
    CDesktopGazetteer gazetteer;
    CObserverZone zone(document, gazetteer);
    CLocalCircumstancesPanel panel(document);
    panel.SetObserverZone(&zone);
    panel.SetEclipse(&elements);
    PlaceObserver(document, -96.797, 32.777);
    auto* table = panel.findChild<QTableWidget*>(QStringLiteral("localContactsTable"));
    // Before the towns are read: the document's offset.
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Heure locale\n(TU+0 h)"));
    gazetteer.Load(kDataDirectory.toStdString());
    gazetteer.WaitUntilLoaded();
    QCOMPARE(zone.TownName(), QStringLiteral("Dallas, Texas, United States of America"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Heure locale\n(America/Chicago)"));
    const QHash<QString, QString> cli = CommandLineLocalTimes();
    const char* rows[] = {"C1", "C2", "Maximum", "C3", "C4"};
    for (int row = 0; row < 5; ++row) {
        const QString expected = cli.value(QString::fromLatin1(rows[row]));
        QVERIFY2(expected.endsWith(QStringLiteral(" CDT")), rows[row]);
        QCOMPARE(table->item(row, 1)->text(), expected);
    }
    QVERIFY(table->item(1, 1)->text().startsWith(QStringLiteral("13:40:4")));
    // Far from any town, the document's offset again.
    PlaceObserver(document, -30.0, 0.0);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Heure locale\n(TU+0 h)"));
}

void PlacesTest::theTimeBarShowsTheObserversClock()
{
    CFrameFixture fixture;
    fixture.Frame().SetDataDirectory(kDataDirectory.toStdString());
    fixture.Frame().Gazetteer().WaitUntilLoaded();
    CObservation& epoch = fixture.Map().m_observation;
    epoch.m_year = 2024;
    epoch.m_month = 4;
    epoch.m_day = 8;
    epoch.m_hour = 18;
    epoch.m_minute = 40;
    epoch.m_second = 43.0f;
    PlaceObserver(fixture.Document(), -96.797, 32.777);
    fixture.Frame().TimeBar().Refresh();
    auto* local = fixture.Frame().TimeBar().findChild<QLabel*>(QStringLiteral("localTimeLabel"));
    QCOMPARE(local->text(), QStringLiteral("Heure locale 08/04/2024 13:40:43 (CDT, TU-5)"));
    PlaceObserver(fixture.Document(), 78.0, 20.0);   // central India
    QCOMPARE(local->text(), QStringLiteral("Heure locale 09/04/2024 00:10:43 (IST, TU+5:30)"));
}

void PlacesTest::theTownsPanelListsTheTownsAndPlacesTheObserver()
{
    CFrameFixture fixture;
    fixture.Frame().SetDataDirectory(kDataDirectory.toStdString());
    QVERIFY(fixture.Shown());
    fixture.Frame().Gazetteer().WaitUntilLoaded();
    const Ephemeris ephemeris = Ephemeris::Load(kDataDirectory.toStdString(), ModernModel());
    const std::optional<EclipseSummary> eclipse = FindEclipseOnUniversalDate(ephemeris, 2024, 4, 8);
    CCurrentEclipse& current = fixture.Frame().CurrentEclipse();
    // The frame first shows the eclipse of the document's epoch; choosing
    // before it is there would see it replace ours.
    QTRY_VERIFY_WITH_TIMEOUT(current.Summary() != nullptr && !current.IsBusy(), 60000);
    QSignalSpy towns(&current, &CCurrentEclipse::TownsReady);
    current.Choose(*eclipse, ephemeris);
    QVERIFY(towns.wait(60000));

    CTownsPanel& panel = fixture.Frame().TownsPanel();
    QVERIFY(panel.RowCount() > 1000);
    panel.findChild<QCheckBox*>(QStringLiteral("centralOnlyBox"))->setChecked(true);
    const int central = panel.RowCount();
    QVERIFY(central > 100 && central < 1000);
    QAbstractItemModel* model = panel.Table().model();
    int dallas = -1;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == QStringLiteral("Dallas") &&
            model->index(row, 1).data().toString() == QStringLiteral("Texas")) {
            dallas = row;
        }
    }
    QVERIFY(dallas >= 0);
    QCOMPARE(model->index(dallas, 4).data().toString(), QStringLiteral("totale"));
    QVERIFY(model->index(dallas, 7).data().toString().startsWith(QStringLiteral("13:42:")));
    QVERIFY(model->index(dallas, 7).data().toString().endsWith(QStringLiteral(" CDT")));
    // Sorted by population, the largest first.
    panel.Table().sortByColumn(3, Qt::DescendingOrder);
    QVERIFY(model->index(0, 3).data(Qt::UserRole).toULongLong() >= model->index(1, 3).data(Qt::UserRole).toULongLong());

    // The map names the largest towns of the path.
    const std::shared_ptr<const EclipseOverlay> overlay = current.Overlay();
    QCOMPARE(static_cast<int>(overlay->towns.size()), CCurrentEclipse::kLabelledTowns);

    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == QStringLiteral("Dallas")) {
            panel.Table().scrollTo(model->index(row, 0));
            const QRect cell = panel.Table().visualRect(model->index(row, 0));
            QTest::mouseClick(panel.Table().viewport(), Qt::LeftButton, {}, cell.center());
            break;
        }
    }
    const CObservation& observation = fixture.Map().m_observation;
    QVERIFY(std::abs(observation.m_longitude - (-96.8067)) < 1e-3);
    QVERIFY(std::abs(observation.m_latitude - 32.7831) < 1e-3);
    QVERIFY(std::abs(observation.m_centre.m_longitude - (-96.8067)) < 1e-3);
}

void PlacesTest::theSearchFieldFindsATownOrOffersSpellings()
{
    CFrameFixture fixture;
    fixture.Frame().SetDataDirectory(kDataDirectory.toStdString());
    QVERIFY(fixture.Shown());
    fixture.Frame().Gazetteer().WaitUntilLoaded();
    auto* field = fixture.Frame().findChild<QLineEdit*>(QStringLiteral("townSearchField"));
    QVERIFY(field != nullptr);
    field->setText(QStringLiteral("Burgos, Spain"));
    QTest::keyClick(field, Qt::Key_Return);
    const CObservation& observation = fixture.Map().m_observation;
    QVERIFY(std::abs(observation.m_longitude - (-3.7018)) < 1e-3);
    QVERIFY(std::abs(observation.m_latitude - 42.3411) < 1e-3);
    QCOMPARE(fixture.Frame().ObserverZone().Zone()->Name(), std::string("Europe/Madrid"));

    field->setText(QStringLiteral("Dalas"));
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY2(fixture.Frame().statusBar()->currentMessage().startsWith(
                 QStringLiteral("Ville inconnue : « Dalas » (proches : Dallas, Texas, US ; Dallas, Oregon, US")),
             qPrintable(fixture.Frame().statusBar()->currentMessage()));
    QVERIFY(std::abs(observation.m_longitude - (-3.7018)) < 1e-3);
}

void PlacesTest::thePositionDialogCompletesATown()
{
    CTemporarySettings settings;
    CDesktopGazetteer gazetteer;
    gazetteer.Load(kDataDirectory.toStdString());
    gazetteer.WaitUntilLoaded();
    CObservation observation;
    CDocumentOptions options;
    CPositionDialog dialog(observation, options);
    dialog.EnableTownSearch(gazetteer);
    auto* town = dialog.findChild<QLineEdit*>(QStringLiteral("townEdit"));
    QVERIFY(town != nullptr);
    QVERIFY(town->completer()->model()->rowCount() > 24000);
    QVERIFY(dialog.ShowTown(QStringLiteral("Montreal")));
    QVERIFY(!dialog.ShowTown(QStringLiteral("Montreall, Mars")));
    dialog.accept();
    QVERIFY(std::abs(observation.m_longitude - (-73.5878)) < 1.0 / 3600.0);
    QVERIFY(std::abs(observation.m_latitude - 45.5088) < 1.0 / 3600.0);
}

UMBRANT_QTEST(PlacesTest)
#include "PlacesTest.moc"
