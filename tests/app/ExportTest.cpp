// The exports of the "Fichier" menu with the real data files: the map as
// PNG, SVG and PDF at a chosen width, and the current eclipse's path and
// the observer's circumstances, which must be the very files the
// command-line tool writes for the same eclipse and place.

#include "AppTestSupport.h"

#include "app/CurrentEclipse.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "map/EclipseOverlay.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
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
    void thePathIsTheFileOfTheCommandLine();
    void theCircumstancesAreTheFileOfTheCommandLineNamingTheObserver();
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

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
