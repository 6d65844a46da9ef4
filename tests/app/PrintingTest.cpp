// The map on paper: the print preview shows the map, not a black block of
// swollen lines; the printed page leaves the sky white and carries the path
// of the eclipse, from the window and from the print switches alike.

#include "FrameTestSupport.h"

#include "app/CurrentEclipse.h"
#include "app/DesktopGazetteer.h"
#include "app/MapPrinting.h"
#include "map/EclipseOverlay.h"
#include "map/MapColours.h"

#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QtTest>

namespace {

const QString kDataDirectory = QStringLiteral(UMBRANT_BINARY_DIR "/data/");
constexpr int kEclipseTimeout = 60000;

struct Shares {
    double black = 0.0;
    double sea = 0.0;
    double ink = 0.0;  // borders and rivers
};

bool Near(QRgb pixel, RgbColour colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red) <= tolerance && std::abs(qGreen(pixel) - colour.green) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue) <= tolerance;
}

// The shares of the picture's pixels in black, in the sea's blue and in
// the colours of the borders and rivers.
Shares SharesOf(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    double black = 0;
    double sea = 0;
    double ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            black += Near(pixel, kSkyColour, 24) ? 1 : 0;
            sea += Near(pixel, kSeaColour, 24) ? 1 : 0;
            ink += Near(pixel, kBorderColour, 24) || Near(pixel, kRiverColour, 24) ? 1 : 0;
        }
    }
    const double total = static_cast<double>(image.width()) * image.height();
    return {black / total, sea / total, ink / total};
}

bool HaveData()
{
    for (const char* name : {"gshhs_i.dat", "VSOP87.dat", "Elp2000.dat", "Nutation.dat"}) {
        if (!QFileInfo::exists(kDataDirectory + QString::fromLatin1(name))) {
            return false;
        }
    }
    return true;
}

// 2024 April 8 at 18:30 UT, the map about North America.
void SetUpThe2024Map(CUmbrantDoc& document)
{
    CObservation& epoch = document.m_map.m_observation;
    epoch.m_day = 8;
    epoch.m_month = 4;
    epoch.m_year = 2024;
    epoch.m_hour = 18;
    epoch.m_minute = 30;
    epoch.m_centre = CGeoPosition(-90.0, 35.0);
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void thePreviewShowsTheMapNotABlackBlock();
    void thePrintSwitchesPageIsWhiteAroundTheGlobeAndCarriesThePath();

private:
    std::unique_ptr<CTemporarySettings> m_settings;
    std::unique_ptr<CUmbrantDoc> m_document;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CMainFrame> m_frame;
    CMessageRecorder m_messages;
};

void PrintingTest::init()
{
    if (!HaveData()) {
        QSKIP("no data files in the build's data directory");
    }
    m_settings = std::make_unique<CTemporarySettings>();
    m_document = std::make_unique<CUmbrantDoc>();
    SetUpThe2024Map(*m_document);
    m_recentFiles = std::make_unique<CRecentFileList>(4);
}

void PrintingTest::cleanup()
{
    m_frame.reset();
    m_recentFiles.reset();
    m_document.reset();
    m_settings.reset();
}

// On the page shown at about a third of its size, black was a fifth of the
// preview and the borders' colours a tenth; the map is sea and land.
void PrintingTest::thePreviewShowsTheMapNotABlackBlock()
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
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->CurrentEclipse().Overlay() != nullptr && !m_frame->CurrentEclipse().IsBusy(),
                             kEclipseTimeout);
    QImage preview;
    WhenDialogShown<QPrintPreviewDialog>([&preview](QPrintPreviewDialog& dialog) {
        auto* widget = dialog.findChild<QPrintPreviewWidget*>();
        QVERIFY(widget != nullptr);
        dialog.resize(800, 900);
        widget->fitInView();
        QTest::qWait(200);
        preview = widget->grab().toImage();
        dialog.reject();
    });
    m_frame->Action(ID_FILE_PRINT_PREVIEW)->trigger();
    QVERIFY(!preview.isNull());
    const Shares shares = SharesOf(preview);
    QVERIFY2(shares.black < 0.02, qPrintable(QString::number(shares.black)));
    QVERIFY2(shares.ink < 0.02, qPrintable(QString::number(shares.ink)));
    QVERIFY2(shares.sea > 0.02, qPrintable(QString::number(shares.sea)));
    QVERIFY(m_messages.Messages().empty());
}

// The page of "--print-to", drawn into a picture of an A4 page at 100 dpi:
// white around the globe, the path drawn, the title at the top left.
void PrintingTest::thePrintSwitchesPageIsWhiteAroundTheGlobeAndCarriesThePath()
{
    QImage page(827, 1169, QImage::Format_RGB32);
    page.setDotsPerMeterX(3937);
    page.setDotsPerMeterY(3937);
    page.fill(Qt::gray);
    QVERIFY(PrintMap(page, *m_document, kDataDirectory.toStdString(), CDesktopSettings::Model()));
    // Above and below the globe, right of the title and the key, the sky is
    // the paper's white.
    for (const int y : {20, 120, 1040, 1120}) {
        for (int x = 500; x < 807; x += 10) {
            QCOMPARE(QColor(page.pixel(x, y)), QColor(Qt::white));
        }
    }
    // The central line's dark red, two screen pixels wide, crosses the page.
    int centralLine = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            centralLine += Near(page.pixel(x, y), RgbColour{150, 0, 24}, 40);
        }
    }
    QVERIFY2(centralLine > 200, qPrintable(QString::number(centralLine)));
    // The title's dark letters at the top left.
    int letters = 0;
    for (int y = 12; y < 80; ++y) {
        for (int x = 12; x < 420; ++x) {
            letters += qGray(page.pixel(x, y)) < 90 ? 1 : 0;
        }
    }
    QVERIFY2(letters > 300, qPrintable(QString::number(letters)));
}

UMBRANT_QTEST(PrintingTest)
#include "PrintingTest.moc"
