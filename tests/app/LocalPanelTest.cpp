// The local-circumstances panel against the command line: the same eclipse
// and place must give the same figures in "umbrant-cli local" and in the
// panel, and the panel follows the observer and the eclipse.

#include "FrameTestSupport.h"

#include "app/CurrentEclipse.h"
#include "app/DesktopSettings.h"
#include "app/LocalCircumstancesPanel.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"

#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTime>
#include <QtTest>

namespace {

const QString kDataDirectory = QStringLiteral(UMBRANT_BINARY_DIR "/data/");
constexpr double kDallasLongitude = -96.797;
constexpr double kDallasLatitude = 32.777;
constexpr double kDeltaT = 69.1;

// "umbrant-cli local" for Dallas on 2024-04-08, as its text lines.
QStringList CommandLineLocal()
{
    QProcess program;
    program.start(QStringLiteral(UMBRANT_BINARY_DIR "/umbrant-cli"),
                  {QStringLiteral("local"), QStringLiteral("--date"), QStringLiteral("2024-04-08"), QStringLiteral("--place"),
                   QStringLiteral("-96.797,32.777"), QStringLiteral("--delta-t"), QStringLiteral("69.1"),
                   QStringLiteral("--data"), kDataDirectory});
    program.waitForFinished(60000);
    return QString::fromUtf8(program.readAllStandardOutput()).split(QLatin1Char('\n'));
}

// The value after a row's name: "Magnitude       1.0149" gives "1.0149".
QString ValueOf(const QStringList& lines, const QString& name)
{
    for (const QString& line : lines) {
        if (line.startsWith(name + QLatin1Char(' '))) {
            return line.mid(name.size()).trimmed();
        }
    }
    return QString();
}

struct CommandLineContact {
    QString universalTime;  // "17:23:18.3"
    double altitude = 0.0;
    double azimuth = 0.0;
    double positionAngle = 0.0;
};

CommandLineContact ContactOf(const QStringList& lines, const QString& name)
{
    static const QRegularExpression row(QStringLiteral(
        "^(\\S+)\\s+\\d{4}-\\d\\d-\\d\\dT(\\d\\d:\\d\\d:\\d\\d\\.\\d)Z\\s+(?:\\S+ \\S+, UTC[-+]\\d\\d:\\d\\d\\s+)?(-?\\d+\\.\\d+)\\s+(-?\\d+\\.\\d+)\\s+(-?\\d+\\.\\d+)"));
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = row.match(line);
        if (match.hasMatch() && match.captured(1) == name) {
            return {match.captured(2), match.captured(3).toDouble(), match.captured(4).toDouble(),
                    match.captured(5).toDouble()};
        }
    }
    return {};
}

// The degrees of a cell such as "191.4°".
double DegreesIn(const QTableWidget& table, int row, int column)
{
    return table.item(row, column)->text().chopped(1).toDouble();
}

QString HoursEarlier(const QString& time, int hours)
{
    return QTime::fromString(time.left(8), QStringLiteral("hh:mm:ss")).addSecs(-3600 * hours).toString(QStringLiteral("hh:mm:ss")) +
           time.mid(8);
}

} // namespace

class LocalPanelTest : public QObject {
    Q_OBJECT

private slots:
    void theDallasPanelMatchesTheCommandLine();
    void withoutAnEclipseThePanelSaysSo();

private:
    static QString Text(QWidget& panel, const char* name)
    {
        auto* label = panel.findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text() : QStringLiteral("(none)");
    }
};

void LocalPanelTest::theDallasPanelMatchesTheCommandLine()
{
    for (const char* name : {"VSOP87.dat", "Elp2000.dat", "Nutation.dat"}) {
        if (!QFileInfo::exists(kDataDirectory + QString::fromLatin1(name))) {
            QSKIP("the data directory of the build is not filled");
        }
    }
    CTemporarySettings settings;
    const Ephemeris ephemeris = Ephemeris::Load(kDataDirectory.toStdString(), ModernModel(kDeltaT));
    const std::optional<EclipseSummary> eclipse = FindEclipseOnUniversalDate(ephemeris, 2024, 4, 8);
    QVERIFY(eclipse);
    const FittedElements elements = FitElements(ephemeris, eclipse->greatest).elements;

    CUmbrantDoc document;
    document.m_options.m_timeOffsetHours = -5.0;
    CLocalCircumstancesPanel panel(document);
    panel.SetEclipse(&elements);
    // In Normandy the Sun has set when the penumbra comes.
    QCOMPARE(Text(panel, "localTypeValue"), QStringLiteral("partielle (Soleil sous l'horizon)"));
    document.m_map.m_observation.m_longitude = kDallasLongitude;
    document.m_map.m_observation.m_latitude = kDallasLatitude;
    document.NotifyObserverChanged();

    const QStringList cli = CommandLineLocal();
    QCOMPARE(ValueOf(cli, QStringLiteral("Type")), QStringLiteral("total"));
    QCOMPARE(Text(panel, "localTypeValue"), QStringLiteral("totale"));
    QCOMPARE(Text(panel, "localMagnitudeValue"), ValueOf(cli, QStringLiteral("Magnitude")));
    QCOMPARE(Text(panel, "localMoonSunRatioValue"), ValueOf(cli, QStringLiteral("Moon/Sun ratio")));
    QCOMPARE(Text(panel, "localObscurationValue"), ValueOf(cli, QStringLiteral("Obscuration")));
    QCOMPARE(Text(panel, "localDurationValue"), ValueOf(cli, QStringLiteral("Duration")));
    QVERIFY(Text(panel, "localPlaceLabel").contains(QStringLiteral("32°46'37\" N, 96°47'49\" O")));

    auto* table = panel.findChild<QTableWidget*>(QStringLiteral("localContactsTable"));
    QVERIFY(table != nullptr);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Heure locale\n(TU-5 h)"));
    const char* rows[] = {"C1", "C2", "Maximum", "C3", "C4"};
    for (int row = 0; row < 5; ++row) {
        const CommandLineContact expected = ContactOf(cli, QString::fromLatin1(rows[row]));
        QVERIFY2(!expected.universalTime.isEmpty(), rows[row]);
        QCOMPARE(table->item(row, 0)->text(), expected.universalTime);
        QCOMPARE(table->item(row, 1)->text(), HoursEarlier(expected.universalTime, 5));
        const QString altitude = table->item(row, 2)->text();
        QVERIFY2(altitude.endsWith(QStringLiteral("°")), qPrintable(altitude));
        QVERIFY2(qAbs(altitude.chopped(1).toDouble() - expected.altitude) <= 0.051, qPrintable(altitude));
        QVERIFY2(qAbs(DegreesIn(*table, row, 3) - expected.azimuth) <= 0.051, rows[row]);
        QVERIFY2(qAbs(DegreesIn(*table, row, 4) - expected.positionAngle) <= 0.051, rows[row]);
    }
    QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("Azimut du\nSoleil"));
    QCOMPARE(table->horizontalHeaderItem(4)->text(), QStringLiteral("Angle de\nposition"));

    // The buttons set the epoch to a contact, to the hundredth of a second.
    const int widthBefore = panel.widget()->width();
    for (int index = 0; index < 5; ++index) {
        auto* button = panel.findChild<QPushButton*>(QStringLiteral("goToContact%1").arg(index));
        QVERIFY(button != nullptr && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        // The command line gives the tenth, the epoch keeps the hundredth:
        // they agree within the two roundings.
        const CObservation& epoch = document.m_map.m_observation;
        const double seconds = epoch.m_hour * 3600.0 + epoch.m_minute * 60.0 + static_cast<double>(epoch.m_second);
        const QStringList expected = ContactOf(cli, QString::fromLatin1(rows[index])).universalTime.split(QLatin1Char(':'));
        QCOMPARE(expected.size(), 3);
        const double cliSeconds = expected[0].toInt() * 3600.0 + expected[1].toInt() * 60.0 + expected[2].toDouble();
        QVERIFY2(qAbs(seconds - cliSeconds) <= 0.055, rows[index]);
        QCOMPARE(epoch.m_day, 8);
    }
    QVERIFY(document.IsModified());
    // The panel keeps its width whatever it shows.
    document.m_map.m_observation.m_longitude = 2.35;
    document.NotifyObserverChanged();
    QCOMPARE(panel.widget()->width(), widthBefore);
}

// The window's panel follows the current eclipse, which holds none until one is found.
void LocalPanelTest::withoutAnEclipseThePanelSaysSo()
{
    CFrameFixture fixture;
    QVERIFY(fixture.Shown());
    QWidget& panel = fixture.Frame().LocalPanel();
    QVERIFY(panel.isVisible());
    QCOMPARE(Text(panel, "localHorizonLabel"), QStringLiteral("Aucune éclipse choisie."));
    fixture.Frame().CurrentEclipse().Clear();
    QCOMPARE(Text(panel, "localTypeValue"), QStringLiteral("—"));
    QCOMPARE(Text(panel, "localHorizonLabel"), QStringLiteral("Aucune éclipse choisie."));
}

UMBRANT_QTEST(LocalPanelTest)
#include "LocalPanelTest.moc"
