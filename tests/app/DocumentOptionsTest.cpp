// The document as a trip planner keeps it: a file that is not a document is
// refused by name and reason; the observer's height, the time offset and
// the layers are saved with the document (in its companion file) and come
// back with it, and old documents open with the defaults.

#include "FrameTestSupport.h"

#include "app/DisplaysDialog.h"
#include "app/LocalCircumstancesPanel.h"
#include "app/TimeBar.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class DocumentOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aPictureRenamedAsADocumentIsRefusedNamingItAndWhy();
    void theHeightOffsetAndLayersComeBackWithTheDocument();
    void anOldDocumentOpensWithTheDefaults();
    void aNewProgramStartsWithTheDefaultsWhateverTheLastDocumentHeld();
    void changingTheLayersMarksTheDocumentModified();

private:
    void SaveDallas(const QString& path);

    std::unique_ptr<CFrameFixture> m_fixture;
};

void DocumentOptionsTest::init()
{
    m_fixture = std::make_unique<CFrameFixture>();
    QVERIFY(m_fixture->Shown());
}

void DocumentOptionsTest::cleanup()
{
    m_fixture.reset();
}

// Dallas, 130 m, local time UT-5, the graticule on and the limits off.
void DocumentOptionsTest::SaveDallas(const QString& path)
{
    CUmbrantDoc& document = m_fixture->Document();
    document.m_map.m_observation.m_longitude = -96.797;
    document.m_map.m_observation.m_latitude = 32.777;
    document.m_options.m_observerHeight = 130.0;
    document.m_options.m_timeOffsetHours = -5.0;
    MapLayerChoice layers;
    layers.graticule = true;
    layers.penumbraLimits = false;
    document.SetLayers(layers);
    QVERIFY(m_fixture->Frame().SaveDocumentAs(path));
}

void DocumentOptionsTest::aPictureRenamedAsADocumentIsRefusedNamingItAndWhy()
{
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y) % 256));
        }
    }
    const QString path = m_fixture->FilePath(QStringLiteral("fakepng.umb"));
    QVERIFY(picture.save(path, "PNG"));
    const QString titleBefore = m_fixture->Frame().windowTitle();

    QVERIFY(!m_fixture->Frame().OpenDocumentFile(path));

    const std::vector<RecordedMessage>& messages = m_fixture->m_messages.Messages();
    QCOMPARE(messages.size(), std::size_t{1});
    QCOMPARE(messages[0].icon, QMessageBox::Critical);
    QVERIFY2(messages[0].text.contains(QStringLiteral("« ") + path + QStringLiteral(" » n'est pas un document Umbrant")),
             qPrintable(messages[0].text));
    QCOMPARE(m_fixture->Frame().windowTitle(), titleBefore);
    QCOMPARE(m_fixture->Map().m_observation.m_year, 2006);
    QCOMPARE(m_fixture->Map().m_observation.m_longitude, -2.2);
}

void DocumentOptionsTest::theHeightOffsetAndLayersComeBackWithTheDocument()
{
    const QString path = m_fixture->FilePath(QStringLiteral("Dallas.umb"));
    SaveDallas(path);
    QCOMPARE(QFileInfo(path).size(), qint64{193});
    QVERIFY(QFileInfo::exists(m_fixture->FilePath(QStringLiteral("Dallas.umbx"))));

    // What the settings of a later session would have held no longer matters.
    CUmbrantDoc& document = m_fixture->Document();
    document.m_options.m_observerHeight = 860.0;
    document.m_options.m_timeOffsetHours = 2.0;
    document.SetLayers(MapLayerChoice());
    m_fixture->m_answer = SaveChoice::Discard;
    QVERIFY(m_fixture->Frame().OpenDocumentFile(path));

    QCOMPARE(document.m_options.m_observerHeight, 130.0);
    QCOMPARE(document.m_options.m_timeOffsetHours, -5.0);
    QVERIFY(document.m_options.m_layers.graticule);
    QVERIFY(!document.m_options.m_layers.penumbraLimits);
    QVERIFY(!document.IsModified());
    auto* place = m_fixture->Frame().LocalPanel().findChild<QLabel*>(QStringLiteral("localPlaceLabel"));
    QVERIFY2(place->text().endsWith(QStringLiteral(", 130 m")), qPrintable(place->text()));
    auto* local = m_fixture->Frame().TimeBar().findChild<QLabel*>(QStringLiteral("localTimeLabel"));
    QVERIFY2(local->text().endsWith(QStringLiteral("(TU-5)")), qPrintable(local->text()));
}

void DocumentOptionsTest::anOldDocumentOpensWithTheDefaults()
{
    const QString path = m_fixture->FilePath(QStringLiteral("old.umb"));
    SaveDocument(path.toStdString(), CEclipseMap());
    CUmbrantDoc& document = m_fixture->Document();
    document.m_options.m_observerHeight = 860.0;
    document.m_options.m_timeOffsetHours = -5.0;
    QVERIFY(m_fixture->Frame().OpenDocumentFile(path));
    QCOMPARE(document.m_options, CDocumentOptions());
}

void DocumentOptionsTest::aNewProgramStartsWithTheDefaultsWhateverTheLastDocumentHeld()
{
    SaveDallas(m_fixture->FilePath(QStringLiteral("Dallas.umb")));
    m_fixture.reset();
    m_fixture = std::make_unique<CFrameFixture>();
    QVERIFY(m_fixture->Shown());
    QCOMPARE(m_fixture->Document().m_options, CDocumentOptions());
}

void DocumentOptionsTest::changingTheLayersMarksTheDocumentModified()
{
    CUmbrantDoc& document = m_fixture->Document();
    QVERIFY(!document.IsModified());
    WhenDialogShown<CDisplaysDialog>([](CDisplaysDialog& dialog) {
        ClickIndicator(*dialog.findChild<QCheckBox*>(QStringLiteral("terminatorBox")));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    m_fixture->Frame().Action(ID_PARAMETRES_AFFICHAGES)->trigger();
    QVERIFY(document.m_options.m_layers.terminator);
    QVERIFY(document.IsModified());
    QVERIFY(m_fixture->Frame().windowTitle().startsWith(QStringLiteral("Sans titre*")));
}

UMBRANT_QTEST(DocumentOptionsTest)
#include "DocumentOptionsTest.moc"
