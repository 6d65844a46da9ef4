// The view with the real map trace: the picture it keeps, what a missing
// shoreline file does, and printing the picture.

#include "AppTestSupport.h"

#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"

#include <QFileInfo>
#include <QPainter>
#include <QtTest>

class ViewTraceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void withoutTheShorelineFileTheErrorNamesItAndThePictureStays();
    void theGlobalViewDrawsTheGlobeOnTheBlackSky();
    void printingDrawsThePictureScaledToThePage();

private:
    void ShowView(const std::string& dataDirectory);

    std::unique_ptr<CUmbrantDoc> m_document;
    std::unique_ptr<CUmbrantView> m_view;
    CMessageRecorder m_messages;
    QTemporaryDir m_emptyDirectory;
};

void ViewTraceTest::init()
{
    m_messages = CMessageRecorder();
    m_document = std::make_unique<CUmbrantDoc>();
    m_view = std::make_unique<CUmbrantView>(*m_document);
    m_view->SetMessagePresenter(m_messages.Presenter());
}

void ViewTraceTest::cleanup()
{
    m_view.reset();
    m_document.reset();
}

void ViewTraceTest::ShowView(const std::string& dataDirectory)
{
    m_view->SetDataDirectory(dataDirectory);
    m_view->resize(400, 300);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void ViewTraceTest::withoutTheShorelineFileTheErrorNamesItAndThePictureStays()
{
    ShowView(m_emptyDirectory.path().toStdString() + "/");
    QTRY_COMPARE(m_messages.Messages().size(), std::size_t{1});
    const QColor background = m_view->palette().color(QPalette::Window);
    QCOMPARE(QColor(m_view->Picture().pixel(200, 150)), background);

    m_view->OnViewTranslation();
    QTest::mousePress(m_view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseMove(m_view.get(), QPoint(30, 10));
    QTest::mouseRelease(m_view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 10));

    QCOMPARE(m_document->m_map.m_viewport.m_originX, 220.0f);
    QCOMPARE(m_messages.Messages().size(), std::size_t{2});
    const RecordedMessage& message = m_messages.Messages().back();
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.caption, QStringLiteral("Umbrant"));
    QVERIFY2(message.text.contains(QStringLiteral("gshhs_i.dat")), qPrintable(message.text));
    QCOMPARE(QColor(m_view->Picture().pixel(200, 150)), background);
}

void ViewTraceTest::theGlobalViewDrawsTheGlobeOnTheBlackSky()
{
    const QString data = QStringLiteral(UMBRANT_BINARY_DIR "/data/");
    for (const char* name : {"gshhs_i.dat", "VSOP87.dat", "Elp2000.dat", "Nutation.dat"}) {
        if (!QFileInfo::exists(data + QString::fromLatin1(name))) {
            QSKIP("the data directory of the build is not filled");
        }
    }
    ShowView(data.toStdString());
    QTRY_COMPARE(m_view->TraceCount(), 1);
    QVERIFY(m_messages.Messages().empty());
    // The title and key, drawn over the corners, are not this test's subject.
    MapLayerChoice layers;
    layers.legend = false;
    m_view->SetLayers(layers);
    m_view->Trace();
    const QImage& picture = m_view->Picture();
    QCOMPARE(QColor(picture.pixel(2, 2)), QColor(Qt::black));
    // The globe's radius is 400/pi, about 127 pixels, around (200, 150).
    const QColor inside = picture.pixel(200, 60);
    QVERIFY2(inside == QColor(140, 198, 255) || inside == QColor(255, 231, 156), qPrintable(inside.name()));
    QCOMPARE(QColor(picture.pixel(60, 150)), QColor(Qt::black));
}

void ViewTraceTest::printingDrawsThePictureScaledToThePage()
{
    CFakeTrace trace;
    m_view->SetTraceFunction(std::ref(trace));
    ShowView(m_emptyDirectory.path().toStdString() + "/");
    QTRY_COMPARE(trace.m_calls, 1);

    QImage page(800, 1000, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        m_view->PrintPicture(painter, page.rect());
    }
    // 400 x 300 scaled by 2 to 800 x 600, centred: rows 200 to 799.
    QCOMPARE(QColor(page.pixel(400, 100)), QColor(Qt::white));
    QCOMPARE(QColor(page.pixel(10, 210)), QColor(Qt::black));
    QCOMPARE(QColor(page.pixel(400, 500)), QColor(140, 198, 255));
    QCOMPARE(QColor(page.pixel(400, 900)), QColor(Qt::white));
}

UMBRANT_QTEST(ViewTraceTest)
#include "ViewTraceTest.moc"
