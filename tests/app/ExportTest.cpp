// The exports of the "Fichier" menu with the real data files: the map as
// PNG, SVG and PDF at a chosen width, and the current eclipse's path and
// the observer's circumstances, which must be the very files the
// command-line tool writes for the same eclipse and place.

#include "AppTestSupport.h"

#include "app/AnimationExportDialog.h"
#include "app/CurrentEclipse.h"
#include "app/DesktopGazetteer.h"
#include "app/DesktopSettings.h"
#include "app/MapPrinting.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "map/EclipseOverlay.h"
#include "map/Trace.h"
#include "video/VideoProbe.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QDir>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kDataDirectory = QStringLiteral(UMBRANT_BINARY_DIR "/data/");
constexpr int kEclipseTimeout = 20000;  // milliseconds

QByteArray RunCli(const QStringList& arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(UMBRANT_BINARY_DIR "/umbrant-cli"), arguments + QStringList{QStringLiteral("--data"), kDataDirectory});
    cli.waitForFinished(60000);
    return cli.readAllStandardOutput();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void theMapIsWrittenAsPngSvgOrPdfAtTheChosenWidth();
    void theViewPrintingAndExportDrawOneShadowUnderEitherModel();
    void thePathIsTheFileOfTheCommandLine();
    void theCircumstancesAreTheFileOfTheCommandLineNamingTheObserver();
    void theAnimationHasThePicturesOfTheCommandLine();
    void aCancelledAnimationLeavesNothing();
    void withoutAnEclipseNothingIsWrittenAndTheUserIsTold();

private:
    CTemporarySettings m_settings;
    CUmbrantDoc m_document;
    CRecentFileList m_recentFiles{4};
    std::unique_ptr<CMainFrame> m_frame;
    CMessageRecorder m_messages;
    QTemporaryDir m_files;
};

// The default document: 2006 March 29 at 8:36 UT, the observer at 2.2° W
// 49.5° N, Delta T from the classic formula.
void ExportTest::initTestCase()
{
    for (const char* name : {"gshhs_i.dat", "VSOP87.dat", "Elp2000.dat", "Nutation.dat"}) {
        if (!QFileInfo::exists(kDataDirectory + QString::fromLatin1(name))) {
            QSKIP("no data files in the build's data directory");
        }
    }
    m_frame = std::make_unique<CMainFrame>(m_document, m_recentFiles);
    m_frame->SetMessagePresenter(m_messages.Presenter());
    m_frame->SetDataDirectory(kDataDirectory.toStdString());
    // The towns and their zones come in the background: the exports and the
    // pictures compared here are those of a desktop that has them.
    m_frame->Gazetteer().WaitUntilLoaded();
    m_frame->resize(1000, 700);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    QTRY_VERIFY(m_frame->View().TraceCount() >= 1);
    CCurrentEclipse& eclipse = m_frame->CurrentEclipse();
    QTRY_VERIFY_WITH_TIMEOUT(eclipse.Overlay() && !eclipse.Overlay()->magnitudeCurves.empty() && !eclipse.IsBusy(),
                             kEclipseTimeout);
}

void ExportTest::cleanupTestCase()
{
    m_frame.reset();
}

void ExportTest::theMapIsWrittenAsPngSvgOrPdfAtTheChosenWidth()
{
    // The classic model, whose automatic Delta T has a formula to check.
    CDesktopSettings::SetModel(ClassicModel());
    m_frame->View().SetTimeModel(ClassicModel());
    const CUmbrantView& view = m_frame->View();
    const int height = qRound(1200.0 * view.height() / view.width());

    QVERIFY(m_frame->ExportMap(m_files.filePath(QStringLiteral("carte.png")), 1200));
    const QImage png(m_files.filePath(QStringLiteral("carte.png")));
    QCOMPARE(png.size(), QSize(1200, height));

    QVERIFY(m_frame->ExportMap(m_files.filePath(QStringLiteral("carte.svg")), 1200));
    const QByteArray svg = ReadFile(m_files.filePath(QStringLiteral("carte.svg")));
    QVERIFY(svg.startsWith("<?xml"));
    QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 1200 %1\"").arg(height).toUtf8()));
    QVERIFY(svg.contains("<path"));
    QVERIFY(!svg.contains("<image"));
    // The title names the eclipse, the model and the Delta T of the shadow:
    // 27.26 t^2 - 44.3 = 71.64 s at 29/03/2006 08:36 UT, t = 2.06235 centuries from 1800.
    for (const char* title : {"Eclipse totale de Soleil du 29/03/2006", "Ombre le 29/03/2006 08:36:00 TU",
                              "Modèle classique, Delta T 71,6 s"}) {
        QVERIFY2(svg.contains(QString::fromUtf8(title).toHtmlEscaped().toUtf8()), title);
    }

    QVERIFY(m_frame->ExportMap(m_files.filePath(QStringLiteral("carte.pdf")), 1200));
    QVERIFY(ReadFile(m_files.filePath(QStringLiteral("carte.pdf"))).startsWith("%PDF-"));
    QVERIFY(m_messages.Messages().empty());
}

namespace {

// The umbra's and penumbra's points as the frame holds them.
std::vector<ShadowPoint> ShadowOf(const MapFrame& frame)
{
    std::vector<ShadowPoint> points(frame.shadow->umbra.begin(), frame.shadow->umbra.end());
    points.insert(points.end(), frame.shadow->penumbra.begin(), frame.shadow->penumbra.end());
    return points;
}

bool SamePoints(const std::vector<ShadowPoint>& a, const std::vector<ShadowPoint>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ShadowPoint& p, const ShadowPoint& q) {
        return p.m_latitude == q.m_latitude && p.m_longitude == q.m_longitude;
    });
}

} // namespace

// The window, its exports, its print preview and the print switches compose
// the map through one function: under each model they draw one shadow, and
// the two models' shadows differ (by the 7 s of Delta T between them in 2006).
void ExportTest::theViewPrintingAndExportDrawOneShadowUnderEitherModel()
{
    CUmbrantView& view = m_frame->View();
    std::vector<std::vector<ShadowPoint>> shadows;
    for (const TimeModel& model : {ClassicModel(), ModernModel()}) {
        CDesktopSettings::SetModel(model);
        view.SetTimeModel(model);
        view.OnViewTrace();
        std::vector<ShadowPoint> shown;
        QVERIFY(view.DrawShownMap([&shown](const CMapTrace&, const MapFrame& frame) { shown = ShadowOf(frame); }));
        QVERIFY(!shown.empty());

        const QString png = m_files.filePath(QStringLiteral("same-%1.png").arg(QString::fromLatin1(model.Name())));
        QVERIFY(m_frame->ExportMap(png, view.width()));
        QImage exported(png);
        QCOMPARE(exported.convertToFormat(QImage::Format_RGB32), view.Picture().convertToFormat(QImage::Format_RGB32));

        const MapScene printed = PrintedScene(m_document, kDataDirectory.toStdString(), CDesktopSettings::Model(),
                                              view.width(), view.height());
        QVERIFY(SamePoints(ShadowOf(printed.frame), shown));
        shadows.push_back(shown);
    }
    QVERIFY(!SamePoints(shadows[0], shadows[1]));
    QVERIFY(m_messages.Messages().empty());
}

void ExportTest::thePathIsTheFileOfTheCommandLine()
{
    const QStringList date{QStringLiteral("path"), QStringLiteral("--date"), QStringLiteral("2006-03-29")};
    for (const QString& format : {QStringLiteral("geojson"), QStringLiteral("kml")}) {
        const QString path = m_files.filePath(QStringLiteral("trace.") + format);
        QVERIFY(m_frame->ExportPath(path));
        const QByteArray cli = RunCli(date + QStringList{QStringLiteral("--format"), format});
        QVERIFY(cli.size() > 1000);
        QVERIFY2(ReadFile(path) == cli, qPrintable(format));
    }
    QVERIFY(m_messages.Messages().empty());
}

// The command line's file with the observer's place and height (180 m):
// a member first in the JSON, three columns at the end of the CSV.
void ExportTest::theCircumstancesAreTheFileOfTheCommandLineNamingTheObserver()
{
    m_document.m_options.m_observerHeight = 180.0;
    const QStringList place{QStringLiteral("local"), QStringLiteral("--date"), QStringLiteral("2006-03-29"),
                            QStringLiteral("--place"), QStringLiteral("-2.2,49.5,180")};
    const QString jsonPath = m_files.filePath(QStringLiteral("circonstances.json"));
    QVERIFY(m_frame->ExportCircumstances(jsonPath));
    const QByteArray json = ReadFile(jsonPath);
    const QByteArray observer = "\n  \"observer\": {\"longitude\": -2.20000, \"latitude\": 49.50000, \"height_m\": 180},";
    QVERIFY2(json.startsWith("{" + observer), json.constData());
    const QByteArray cli = RunCli(place + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    QVERIFY(cli.contains("partial"));
    QCOMPARE(QByteArray(json).replace(observer, ""), cli);

    const QString csvPath = m_files.filePath(QStringLiteral("circonstances.csv"));
    QVERIFY(m_frame->ExportCircumstances(csvPath));
    const QList<QByteArray> rows = ReadFile(csvPath).trimmed().split('\n');
    const QList<QByteArray> cliRows = RunCli(place + QStringList{QStringLiteral("--format"), QStringLiteral("csv")}).trimmed().split('\n');
    QCOMPARE(rows.size(), cliRows.size());
    QCOMPARE(rows.front(), cliRows.front() + ",longitude,latitude,height_m");
    for (qsizetype row = 1; row < rows.size(); ++row) {
        QCOMPARE(rows[row], cliRows[row] + ",-2.20000,49.50000,180");
    }
    m_document.m_options.m_observerHeight = 0.0;
    QVERIFY(m_messages.Messages().empty());
}

namespace {

// Three pictures of the eclipse's middle, small and few a second.
AnimationExportSettings ShortAnimation()
{
    AnimationExportSettings settings;
    settings.from = {2006, 3, 29, 10, 0, 0.0};
    settings.to = {2006, 3, 29, 10, 6, 0.0};
    settings.stepSeconds = 180.0;
    settings.width = 320;
    settings.height = 180;
    settings.framesPerSecond = 10;
    return settings;
}

} // namespace

// The same settings give the same pictures from the window and from
// "umbrant-cli animate": the document's centre, the document's layers
// (its defaults), the current eclipse's path.
void ExportTest::theAnimationHasThePicturesOfTheCommandLine()
{
    const QString desktop = m_files.filePath(QStringLiteral("fenetre.mp4"));
    QVERIFY(m_frame->ExportAnimation(desktop, ShortAnimation()));
    const QString cli = m_files.filePath(QStringLiteral("outil.mp4"));
    RunCli({QStringLiteral("animate"), QStringLiteral("--from"), QStringLiteral("2006-03-29T10:00"), QStringLiteral("--to"),
            QStringLiteral("2006-03-29T10:06"), QStringLiteral("--step"), QStringLiteral("180"), QStringLiteral("--size"),
            QStringLiteral("320x180"), QStringLiteral("--fps"), QStringLiteral("10"), QStringLiteral("--centre"),
            QStringLiteral("-2.2,49.5"), QStringLiteral("--layers"),
            QStringLiteral("shadow,path,limits,penumbra-limits,rise-set,magnitude-curves,observer,greatest,labels"),
            QStringLiteral("-o"), cli});
    for (const int frame : {0, 2}) {
        const VideoProbe fromWindow = ProbeVideo(desktop.toStdString(), frame);
        const VideoProbe fromTool = ProbeVideo(cli.toStdString(), frame);
        QCOMPARE(fromWindow.frameCount, 3);
        QCOMPARE(fromTool.frameCount, 3);
        QVERIFY(!fromWindow.frameRgb.empty());
        QVERIFY2(fromWindow.frameRgb == fromTool.frameRgb, qPrintable(QString::number(frame)));
    }
    QVERIFY(m_messages.Messages().empty());
}

// "Annuler" stops the export: no file, no temporary, no message.
void ExportTest::aCancelledAnimationLeavesNothing()
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("longue.webm"));
    AnimationExportSettings settings = ShortAnimation();
    settings.from = {2006, 3, 29, 8, 0, 0.0};
    settings.to = {2006, 3, 29, 12, 0, 0.0};
    settings.stepSeconds = 10.0;
    QTimer cancel;
    connect(&cancel, &QTimer::timeout, this, [this] {
        auto* progress = m_frame->findChild<QProgressDialog*>(QStringLiteral("animationProgress"));
        if (progress != nullptr && progress->value() >= 3) {
            progress->cancel();
        }
    });
    cancel.start(10);
    QVERIFY(!m_frame->ExportAnimation(path, settings));
    cancel.stop();
    QVERIFY(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QVERIFY(m_messages.Messages().empty());
}

void ExportTest::withoutAnEclipseNothingIsWrittenAndTheUserIsTold()
{
    m_frame->CurrentEclipse().Clear();
    const QString path = m_files.filePath(QStringLiteral("aucune.geojson"));
    QVERIFY(!m_frame->ExportPath(path));
    QVERIFY(!m_frame->ExportCircumstances(path));
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(m_messages.Messages().size(), 2);
    QVERIFY(m_messages.Messages().front().text.startsWith(QStringLiteral("Aucune éclipse en cours")));
}

UMBRANT_QTEST(ExportTest)
#include "ExportTest.moc"
