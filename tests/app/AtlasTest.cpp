// The desktop as an eclipse atlas, with the real data files: the time bar
// steps and plays the epoch over the kept map, the list of eclipses sets
// the epoch and the centre, "Affichages..." keeps its choices, and the
// "Ephémérides" and "Eléments de Bessel" windows show the figures the
// command-line tool prints.

#include "AppTestSupport.h"

#include "app/CurrentEclipse.h"
#include "app/DesktopGazetteer.h"
#include "app/DesktopSettings.h"
#include "app/DisplaysDialog.h"
#include "app/EclipseListDialog.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/TimeBar.h"
#include "app/TimeFormatting.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/EpochArithmetic.h"
#include "map/EclipseOverlay.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString kDataDirectory = QStringLiteral(UMBRANT_BINARY_DIR "/data/");
constexpr int kEclipseTimeout = 20000;  // milliseconds, for the work off the interface thread

double SecondsBetween(const UniversalDate& later, const UniversalDate& earlier)
{
    return ((later.part1 - earlier.part1) + (later.part2 - earlier.part2)) * 86400.0;
}

// The standard output of the command-line tool.
QString RunCli(const QStringList& arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(UMBRANT_BINARY_DIR "/umbrant-cli"), arguments + QStringList{QStringLiteral("--data"), kDataDirectory});
    cli.waitForFinished(60000);
    return QString::fromUtf8(cli.readAllStandardOutput());
}

} // namespace

class AtlasTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aMinuteStepMovesTheEpochBySixtySecondsAndRedrawsOnlyTheInstant();
    void theKeysStepTheEpochAndTheBarShowsLocalTime();
    void choosingTheEclipseOf2024InTheListSetsTheEpochAndTheCentre();
    void theSliderRunsFromP1ToP4AndPlayingStopsAtP4();
    void theAnimationRunsFromTenSecondsASecond();
    void theListFiltersSortsAndKeepsItsInterval();
    void theLayersAreTheDocumentsAndTheModelTheSettingsAndBothRedrawTheMap();
    void theBesselianElementsAreTheCommandLineTable();
    void theEphemeridesTabulateTheEclipseAsTheCommandLineDoes();
    void choosingAnotherEclipseWhileTheFirstIsComputedShowsOnlyTheSecond();

private:
    void ShowFrame();
    void WaitForTheEclipseOnTheMap();
    void ChooseTheEclipseOf2024();
    QAction& TimeAction(const char* name) const;

    std::unique_ptr<CTemporarySettings> m_settings;
    std::unique_ptr<CUmbrantDoc> m_document;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CMainFrame> m_frame;
    CMessageRecorder m_messages;
};

void AtlasTest::init()
{
    for (const char* name : {"gshhs_i.dat", "VSOP87.dat", "Elp2000.dat", "Nutation.dat"}) {
        if (!QFileInfo::exists(kDataDirectory + QString::fromLatin1(name))) {
            QSKIP("no data files in the build's data directory");
        }
    }
    m_settings = std::make_unique<CTemporarySettings>();
    m_messages = CMessageRecorder();
    m_document = std::make_unique<CUmbrantDoc>();
    m_recentFiles = std::make_unique<CRecentFileList>(4);
}

void AtlasTest::cleanup()
{
    m_frame.reset();
    m_recentFiles.reset();
    m_document.reset();
    m_settings.reset();
}

void AtlasTest::ShowFrame()
{
    m_frame = std::make_unique<CMainFrame>(*m_document, *m_recentFiles);
    m_frame->SetMessagePresenter(m_messages.Presenter());
    m_frame->SetDataDirectory(kDataDirectory.toStdString());
    // The towns and their zones come in the background: the exports and the
    // pictures compared here are those of a desktop that has them.
    m_frame->Gazetteer().WaitUntilLoaded();
    m_frame->resize(1000, 700);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    QTRY_VERIFY(m_frame->View().TraceCount() >= 1);
}

void AtlasTest::WaitForTheEclipseOnTheMap()
{
    CCurrentEclipse& eclipse = m_frame->CurrentEclipse();
    QTRY_VERIFY_WITH_TIMEOUT(eclipse.Summary() != nullptr && !eclipse.IsBusy() && eclipse.Overlay() &&
                                 !eclipse.Overlay()->magnitudeCurves.empty(),
                             kEclipseTimeout);
    QTRY_VERIFY(m_frame->View().Eclipse() == eclipse.Overlay());
    QTest::qWait(20); // the redraw the path asked for
}

QAction& AtlasTest::TimeAction(const char* name) const
{
    auto* action = m_frame->TimeBar().findChild<QAction*>(QString::fromLatin1(name));
    Q_ASSERT(action != nullptr);
    return *action;
}

void AtlasTest::ChooseTheEclipseOf2024()
{
    WhenDialogShown<CEclipseListDialog>([](CEclipseListDialog& dialog) {
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsSearching(), kEclipseTimeout);
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("eclipseTable"));
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->text() == QStringLiteral("08/04/2024")) {
                QCOMPARE(table->item(row, 2)->text(), QStringLiteral("totale"));
                // NASA: 25°17.4'N 104°08.3'W, i.e. 25.290° N 104.138° W.
                QCOMPARE(table->item(row, 5)->text(), QStringLiteral("25,29° N"));
                QVERIFY(table->item(row, 6)->text() == QStringLiteral("104,14° O") ||
                        table->item(row, 6)->text() == QStringLiteral("104,15° O"));
                table->selectRow(row);
            }
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    m_frame->Action(ID_OUTILS_RECHERCHE)->trigger();
}

// The default epoch, 2006 March 29 at 8:36 UT, lies in the eclipse of that
// day: a minute later the shadow has moved and the base map is kept.
void AtlasTest::aMinuteStepMovesTheEpochBySixtySecondsAndRedrawsOnlyTheInstant()
{
    ShowFrame();
    WaitForTheEclipseOnTheMap();
    QCOMPARE(m_frame->CurrentEclipse().Summary()->type, EclipseType::Total);
    CUmbrantView& view = m_frame->View();
    const UniversalDate before = UniversalOfEpoch(m_document->m_map.m_observation);
    const QImage picture = view.Picture();
    const int traces = view.TraceCount();
    const int staticDraws = view.StaticDrawCount();
    const int instants = view.InstantRedrawCount();

    TimeAction("stepForwardOne").trigger();
    QCOMPARE(SecondsBetween(UniversalOfEpoch(m_document->m_map.m_observation), before), 60.0);
    QCOMPARE(m_document->m_map.m_observation.m_minute, 37);
    QVERIFY(m_document->IsModified());
    QTRY_COMPARE(view.InstantRedrawCount(), instants + 1);
    QCOMPARE(view.StaticDrawCount(), staticDraws);
    QCOMPARE(view.TraceCount(), traces);
    QVERIFY(view.Picture() != picture);
    QVERIFY(m_messages.Messages().empty());
}

void AtlasTest::theKeysStepTheEpochAndTheBarShowsLocalTime()
{
    m_document->m_options.m_timeOffsetHours = -5.0;
    // Far from any town, so that the local time is the document's offset.
    m_document->m_map.m_observation.m_longitude = -30.0;
    m_document->m_map.m_observation.m_latitude = 0.0;
    ShowFrame();
    const CObservation& epoch = m_document->m_map.m_observation;
    QTest::keyClick(m_frame.get(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(epoch.m_minute, 37);
    QTest::keyClick(m_frame.get(), Qt::Key_PageDown);
    QCOMPARE(epoch.m_minute, 47);
    QTest::keyClick(m_frame.get(), Qt::Key_PageUp);
    QTest::keyClick(m_frame.get(), Qt::Key_PageUp);
    QCOMPARE(epoch.m_minute, 27);
    QTest::keyClick(m_frame.get(), Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(epoch.m_minute, 26);
    QCOMPARE(m_frame->TimeBar().findChild<QLabel*>(QStringLiteral("universalTimeLabel"))->text(),
             QStringLiteral("TU 29/03/2006 08:26:00"));
    QCOMPARE(m_frame->TimeBar().findChild<QLabel*>(QStringLiteral("localTimeLabel"))->text(),
             QStringLiteral("Heure locale 29/03/2006 03:26:00 (TU-5)"));
}

// NASA's figures for 2024 April 8 (Delta T 69.1 s): greatest eclipse at
// 18:17:20 UT, 25°17.4'N 104°08.3'W.
void AtlasTest::choosingTheEclipseOf2024InTheListSetsTheEpochAndTheCentre()
{
    m_document->m_map.m_observation.m_deltaTAuto = false;
    m_document->m_map.m_observation.m_deltaT = 69.1f;
    ShowFrame();
    ChooseTheEclipseOf2024();
    const CObservation& epoch = m_document->m_map.m_observation;
    QCOMPARE(epoch.m_year, 2024);
    QCOMPARE(epoch.m_month, 4);
    QCOMPARE(epoch.m_day, 8);
    QCOMPARE(epoch.m_hour, 18);
    QCOMPARE(epoch.m_minute, 17);
    QVERIFY2(epoch.m_second >= 19.5f && epoch.m_second <= 21.5f, qPrintable(QString::number(epoch.m_second)));
    QVERIFY(std::abs(epoch.m_centre.m_latitude - 25.29) < 0.1);
    QVERIFY(std::abs(epoch.m_centre.m_longitude - -104.14) < 0.1);
    QVERIFY(!epoch.m_deltaTAuto);
    QCOMPARE(epoch.m_deltaT, 69.1f);
    WaitForTheEclipseOnTheMap();
    QCOMPARE(m_frame->CurrentEclipse().Summary()->type, EclipseType::Total);
    QVERIFY(!m_frame->CurrentEclipse().Overlay()->path.centralLine.empty());
    QVERIFY(m_messages.Messages().empty());
}

// NASA: P1 15:42:07 UT, P4 20:52:19 UT.
void AtlasTest::theSliderRunsFromP1ToP4AndPlayingStopsAtP4()
{
    m_document->m_map.m_observation.m_deltaTAuto = false;
    m_document->m_map.m_observation.m_deltaT = 69.1f;
    ShowFrame();
    ChooseTheEclipseOf2024();
    WaitForTheEclipseOnTheMap();
    auto* slider = m_frame->TimeBar().findChild<QSlider*>(QStringLiteral("eclipseSlider"));
    QVERIFY(slider->isEnabled());
    QVERIFY2(std::abs(slider->maximum() - (5 * 3600 + 10 * 60 + 12)) <= 30,
             qPrintable(QString::number(slider->maximum()) + QStringLiteral(" s from P1 to P4 of the eclipse of ") +
                        QString::number(m_frame->CurrentEclipse().Summary()->greatest.JulianDate(), 'f', 4)));
    slider->setValue(60);
    const CObservation& epoch = m_document->m_map.m_observation;
    QCOMPARE(epoch.m_hour, 15);
    QVERIFY(std::abs(epoch.m_minute * 60.0 + epoch.m_second - (43 * 60 + 7)) <= 30.0);

    slider->setValue(slider->maximum() - 90);
    CTimeBar& bar = m_frame->TimeBar();
    bar.SetSpeed(1800);
    bar.Play();
    QVERIFY(bar.IsPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!bar.IsPlaying(), 10000);
    QCOMPARE(slider->value(), slider->maximum());
    QCOMPARE(epoch.m_hour, 20);
    QVERIFY(std::abs(epoch.m_minute * 60.0 + epoch.m_second - (52 * 60 + 19)) <= 30.0);
}

// At 10 s/s each picture moves the epoch by a third of a second: in 0.3 s
// of display, by some 3 s (fewer when pictures come late, never more).
void AtlasTest::theAnimationRunsFromTenSecondsASecond()
{
    m_document->m_map.m_observation.m_deltaTAuto = false;
    m_document->m_map.m_observation.m_deltaT = 69.1f;
    ShowFrame();
    ChooseTheEclipseOf2024();
    WaitForTheEclipseOnTheMap();
    auto* speeds = m_frame->TimeBar().findChild<QComboBox*>(QStringLiteral("speedBox"));
    QStringList texts;
    for (int index = 0; index < speeds->count(); ++index) {
        texts << speeds->itemText(index);
    }
    QCOMPARE(texts, QStringList({QStringLiteral("10 s/s"), QStringLiteral("30 s/s"), QStringLiteral("1 min/s"),
                                 QStringLiteral("2 min/s"), QStringLiteral("5 min/s"), QStringLiteral("10 min/s"),
                                 QStringLiteral("30 min/s")}));
    QCOMPARE(speeds->currentText(), QStringLiteral("10 min/s"));
    CTimeBar& bar = m_frame->TimeBar();
    bar.SetSpeed(10);
    const UniversalDate before = UniversalOfEpoch(m_document->m_map.m_observation);
    bar.Play();
    QTest::qWait(300);
    bar.Pause();
    const double moved = SecondsBetween(UniversalOfEpoch(m_document->m_map.m_observation), before);
    QVERIFY2(moved > 0.0 && moved <= 3.5, qPrintable(QString::number(moved)));
}

// The visible rows' dates, top to bottom.
static QStringList ShownDates(const QTableWidget& table)
{
    QStringList dates;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!table.isRowHidden(row)) {
            dates << table.item(row, 0)->text();
        }
    }
    return dates;
}

// The solar eclipses of 2020 to 2029 (Espenak, NASA, "Solar Eclipses:
// 2001-2100"): 22, of which 6 total. From Valencia the Sun is up for some
// of those of 2026, 2027 and 2028, not for those of South America (2020)
// or of Australia (2023).
void AtlasTest::theListFiltersSortsAndKeepsItsInterval()
{
    m_document->m_map.m_observation.m_longitude = -0.38;
    m_document->m_map.m_observation.m_latitude = 39.47;
    QSettings().setValue(QStringLiteral("Settings/EclipseListFrom"), 2020);
    QSettings().setValue(QStringLiteral("Settings/EclipseListTo"), 2029);
    ShowFrame();
    WhenDialogShown<CEclipseListDialog>([](CEclipseListDialog& dialog) {
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsSearching(), kEclipseTimeout);
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("eclipseTable"));
        QCOMPARE(ShownDates(*table).size(), 22);
        auto* type = dialog.findChild<QComboBox*>(QStringLiteral("typeFilter"));
        type->setCurrentIndex(type->findText(QStringLiteral("totale")));
        QCOMPARE(ShownDates(*table), QStringList({QStringLiteral("14/12/2020"), QStringLiteral("04/12/2021"),
                                                  QStringLiteral("08/04/2024"), QStringLiteral("12/08/2026"),
                                                  QStringLiteral("02/08/2027"), QStringLiteral("22/07/2028")}));
        type->setCurrentIndex(0);
        dialog.findChild<QCheckBox*>(QStringLiteral("seenFilter"))->setChecked(true);
        const QStringList seen = ShownDates(*table);
        for (const char* date : {"12/08/2026", "02/08/2027", "26/01/2028"}) {
            QVERIFY2(seen.contains(QString::fromLatin1(date)), date);
        }
        for (const char* date : {"14/12/2020", "20/04/2023"}) {
            QVERIFY2(!seen.contains(QString::fromLatin1(date)), date);
        }
        dialog.findChild<QCheckBox*>(QStringLiteral("seenFilter"))->setChecked(false);

        // By magnitude, largest first: the row chosen is the one shown.
        table->sortByColumn(3, Qt::DescendingOrder);
        QVERIFY(table->item(0, 3)->data(Qt::UserRole).toDouble() >= table->item(21, 3)->data(Qt::UserRole).toDouble());
        const QString first = table->item(0, 0)->text();
        table->selectRow(0);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        const Instant universal = dialog.Chosen()->greatest.PlusSeconds(-dialog.Chosen()->deltaT);
        QCOMPARE(FormatDate({universal.WholeDays(), universal.DayFraction()}), first);
    });
    m_frame->Action(ID_OUTILS_RECHERCHE)->trigger();

    // A range typed in, four digits and a sign, is kept for the next time.
    WhenDialogShown<CEclipseListDialog>([](CEclipseListDialog& dialog) {
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsSearching(), kEclipseTimeout);
        auto* to = dialog.findChild<QSpinBox*>(QStringLiteral("toYear"));
        auto* from = dialog.findChild<QSpinBox*>(QStringLiteral("fromYear"));
        QCOMPARE(from->value(), 2020);
        QCOMPARE(to->value(), 2029);
        to->setFocus();
        to->selectAll();
        QTest::keyClicks(to, QStringLiteral("2100"));
        QCOMPARE(to->value(), 2100);
        from->setFocus();
        from->selectAll();
        QTest::keyClicks(from, QStringLiteral("-1000"));
        QCOMPARE(from->value(), -1000);
        from->setValue(2090);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("searchButton")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsSearching(), kEclipseTimeout);
        dialog.reject();
    });
    m_frame->Action(ID_OUTILS_RECHERCHE)->trigger();
    WhenDialogShown<CEclipseListDialog>([](CEclipseListDialog& dialog) {
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("fromYear"))->value(), 2090);
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("toYear"))->value(), 2100);
        dialog.reject();
    });
    m_frame->Action(ID_OUTILS_RECHERCHE)->trigger();
}

void AtlasTest::theLayersAreTheDocumentsAndTheModelTheSettingsAndBothRedrawTheMap()
{
    ShowFrame();
    WaitForTheEclipseOnTheMap();
    const int staticDraws = m_frame->View().StaticDrawCount();
    WhenDialogShown<CDisplaysDialog>([](CDisplaysDialog& dialog) {
        QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("pathBox"))->isChecked());
        QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("graticuleBox"))->isChecked());
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("modernModelButton"))->isChecked());
        ClickIndicator(*dialog.findChild<QCheckBox*>(QStringLiteral("graticuleBox")));
        ClickIndicator(*dialog.findChild<QCheckBox*>(QStringLiteral("magnitudeCurvesBox")));
        ClickIndicator(*dialog.findChild<QRadioButton*>(QStringLiteral("classicModelButton")));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    m_frame->Action(ID_PARAMETRES_AFFICHAGES)->trigger();
    const MapLayerChoice& layers = m_document->m_options.m_layers;
    QVERIFY(m_document->IsModified());
    QVERIFY(layers.graticule);
    QVERIFY(!layers.magnitudeCurves);
    QVERIFY(layers.path);
    QVERIFY(CDesktopSettings::Model().IsClassic());
    // The classic model gives other elements: the eclipse is computed again.
    WaitForTheEclipseOnTheMap();
    QVERIFY(m_frame->CurrentEclipse().Elements()->deltaT > 70.0);  // the classic formula for 2006: 71.6 s
    QTRY_VERIFY(m_frame->View().StaticDrawCount() > staticDraws);
}

void AtlasTest::theBesselianElementsAreTheCommandLineTable()
{
    m_document->m_map.m_observation.m_deltaTAuto = false;
    m_document->m_map.m_observation.m_deltaT = 69.1f;
    ShowFrame();
    ChooseTheEclipseOf2024();
    WaitForTheEclipseOnTheMap();
    m_frame->Action(ID_OUTILS_BESSEL)->trigger();
    auto* window = m_frame->findChild<QDialog*>(QStringLiteral("besselianWindow"));
    QVERIFY(window != nullptr && window->isVisible());
    const QString text = window->findChild<QPlainTextEdit*>(QStringLiteral("besselianText"))->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("T0 = 08/04/2024 18:00:00 TT      Delta T = 69.1 s")), qPrintable(text));

    const QString cli = RunCli({QStringLiteral("besselian"), QStringLiteral("--date"), QStringLiteral("2024-04-08"),
                                QStringLiteral("--delta-t"), QStringLiteral("69.1")});
    const qsizetype first = cli.indexOf(QStringLiteral("  n          x"));
    const qsizetype last = cli.indexOf(QLatin1Char('\n'), cli.indexOf(QStringLiteral("tan f2")));
    QVERIFY2(first >= 0 && last > first, qPrintable(cli));
    QVERIFY2(text.contains(cli.mid(first, last - first)), qPrintable(text + cli));

    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("copyButton")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

// The Sun of the table against "umbrant-cli ephemeris" with the same model.
void AtlasTest::theEphemeridesTabulateTheEclipseAsTheCommandLineDoes()
{
    m_document->m_map.m_observation.m_deltaTAuto = false;
    m_document->m_map.m_observation.m_deltaT = 69.1f;
    ShowFrame();
    ChooseTheEclipseOf2024();
    WaitForTheEclipseOnTheMap();
    CObservation& epoch = m_document->m_map.m_observation;
    epoch.m_hour = 18;
    epoch.m_minute = 17;
    epoch.m_second = 0.0f;
    m_document->NotifyEpochChanged();

    m_frame->Action(ID_OUTILS_EPHEMERIDES)->trigger();
    auto* window = m_frame->findChild<QDialog*>(QStringLiteral("ephemerisWindow"));
    QVERIFY(window != nullptr && window->isVisible());
    auto* table = window->findChild<QTableWidget*>(QStringLiteral("ephemerisTable"));
    // The epoch, then 15:50 to 20:50 every 10 minutes.
    QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 1 + 31, kEclipseTimeout);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("08/04/2024 18:17:00 (époque)"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("08/04/2024 15:50:00"));
    QCOMPARE(table->item(31, 0)->text(), QStringLiteral("08/04/2024 20:50:00"));

    const QString cli = RunCli({QStringLiteral("ephemeris"), QStringLiteral("--date"), QStringLiteral("2024-04-08T18:17:00"),
                                QStringLiteral("--delta-t"), QStringLiteral("69.1"), QStringLiteral("--model"),
                                QStringLiteral("modern")});
    const QRegularExpressionMatch sun =
        QRegularExpression(QStringLiteral("Sun .*\\n\\s+RA (\\d+)h (\\d+)m ([\\d.]+)s  Dec ([-+])(\\d+)° (\\d+)' ([\\d.]+)"))
            .match(cli);
    QVERIFY2(sun.hasMatch(), qPrintable(cli));
    const QRegularExpressionMatch cell =
        QRegularExpression(QStringLiteral("(\\d+)h (\\d+)m ([\\d,]+)s")).match(table->item(0, 1)->text());
    const QRegularExpressionMatch declination =
        QRegularExpression(QStringLiteral("([-+])(\\d+)° (\\d+)' ([\\d,]+)")).match(table->item(0, 2)->text());
    QVERIFY(cell.hasMatch() && declination.hasMatch());
    const auto sexagesimal = [](const QRegularExpressionMatch& match, int first) {
        const auto number = [&match](int index) { return match.captured(index).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); };
        return number(first) * 3600.0 + number(first + 1) * 60.0 + number(first + 2);
    };
    QVERIFY(std::abs(sexagesimal(cell, 1) - sexagesimal(sun, 1)) <= 0.0051);        // seconds of time
    QCOMPARE(declination.captured(1), sun.captured(4));
    QVERIFY(std::abs(sexagesimal(declination, 2) - sexagesimal(sun, 5)) <= 0.051);  // arcseconds

    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("copyButton")), Qt::LeftButton);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 32);
    QCOMPARE(lines[0].split(QLatin1Char('\t')).size(), 12);
    QVERIFY(lines[1].startsWith(QStringLiteral("08/04/2024 18:17:00 (époque)\t")));
}

// The eclipse of 2017 is abandoned while it is computed: the eclipse of
// 2024 alone is shown, with its own curves, and once.
void AtlasTest::choosingAnotherEclipseWhileTheFirstIsComputedShowsOnlyTheSecond()
{
    const Ephemeris ephemeris = Ephemeris::Load(kDataDirectory.toStdString(), ClassicModel(69.1));
    const std::optional<EclipseSummary> first = FindEclipseOnUniversalDate(ephemeris, 2017, 8, 21);
    const std::optional<EclipseSummary> second = FindEclipseOnUniversalDate(ephemeris, 2024, 4, 8);
    QVERIFY(first && second);
    CCurrentEclipse current;
    current.Choose(*first, ephemeris);
    QVERIFY(current.IsBusy());  // the path and curves of 2017 are on their way

    std::vector<Instant> curvesShown;
    connect(&current, &CCurrentEclipse::CurvesReady, this,
            [&] { curvesShown.push_back(current.Summary()->greatest); });
    current.Choose(*second, ephemeris);
    QTRY_VERIFY_WITH_TIMEOUT(!current.IsBusy(), kEclipseTimeout);
    QTest::qWait(50);  // anything of 2017 still on its way
    QVERIFY(current.Summary() != nullptr && current.Summary()->greatest == second->greatest);
    QCOMPARE(curvesShown.size(), std::size_t{1});
    QVERIFY(curvesShown.front() == second->greatest);
    QVERIFY(current.Overlay() && !current.Overlay()->magnitudeCurves.empty());
    QVERIFY(std::abs(current.Overlay()->path.circumstances.greatest.time.SecondsSince(second->greatest)) < 60.0);
}

UMBRANT_QTEST(AtlasTest)
#include "AtlasTest.moc"
