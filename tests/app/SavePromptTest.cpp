// Changes mark the document modified, the title shows it, and "Nouveau",
// "Ouvrir", "Quitter" and closing the window ask whether to save them, and
// only then.

#include "FrameTestSupport.h"

#include "app/EpochDialog.h"
#include "app/MapCentreDialog.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class SavePromptTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void withoutAChangeNothingIsAsked();
    void theDialogsMarkTheDocumentOnlyWhenConfirmed();
    void aZoomMarksTheDocumentAndTheTitleShowsIt();
    void cancellingKeepsTheDocumentAndNotSavingGoesOn();
    void savingFirstWritesTheChangeThenQuits();
    void closingTheWindowAsksAndCancelKeepsItOpen();
    void openingAsksFirstAndDrawsTheOpenedMapAtOnce();

private:
    void ChangeTheEpoch();

    std::unique_ptr<CFrameFixture> m_fixture;
};

void SavePromptTest::init()
{
    m_fixture = std::make_unique<CFrameFixture>();
    QVERIFY(m_fixture->Shown());
}

void SavePromptTest::cleanup()
{
    m_fixture.reset();
}

void SavePromptTest::ChangeTheEpoch()
{
    WhenDialogShown<CEpochDialog>([](CEpochDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("yearEdit"))->setText(QStringLiteral("2024"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    m_fixture->Frame().Action(ID_PARAMETRES_EPOQUE)->trigger();
}

// The "Global" posted at start-up finds the viewport the first size gave.
void SavePromptTest::withoutAChangeNothingIsAsked()
{
    CFrameFixture& fixture = *m_fixture;
    QVERIFY(!fixture.Document().IsModified());
    fixture.Frame().Action(ID_VUE_GLOBAL)->trigger();
    fixture.Frame().Action(ID_VUE_TRACE)->trigger();
    fixture.Frame().Action(ID_FILE_NEW)->trigger();
    QVERIFY(fixture.m_promptedTitles.isEmpty());
    fixture.Frame().Action(ID_APP_EXIT)->trigger();
    QVERIFY(fixture.m_promptedTitles.isEmpty());
    QVERIFY(!fixture.Frame().isVisible());
}

void SavePromptTest::theDialogsMarkTheDocumentOnlyWhenConfirmed()
{
    CFrameFixture& fixture = *m_fixture;
    WhenDialogShown<CEpochDialog>([](CEpochDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("yearEdit"))->setText(QStringLiteral("1999"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    });
    fixture.Frame().Action(ID_PARAMETRES_EPOQUE)->trigger();
    WhenDialogShown<CMapCentreDialog>([](CMapCentreDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    });
    fixture.Frame().Action(ID_PARAMETRES_CARTE)->trigger();
    QVERIFY(!fixture.Document().IsModified());

    WhenDialogShown<CMapCentreDialog>([](CMapCentreDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    fixture.Frame().Action(ID_PARAMETRES_CARTE)->trigger();
    QVERIFY(fixture.Document().IsModified());
    fixture.Document().SetModifiedFlag(false);
    ChangeTheEpoch();
    QVERIFY(fixture.Document().IsModified());
}

void SavePromptTest::aZoomMarksTheDocumentAndTheTitleShowsIt()
{
    CFrameFixture& fixture = *m_fixture;
    QVERIFY(fixture.Frame().windowTitle().startsWith(QStringLiteral("Sans titre - ")));
    fixture.Frame().Action(ID_VUE_ZOOM_PLUS)->trigger();
    QTest::mousePress(&fixture.View(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&fixture.View(), QPoint(200, 150));
    QTest::mouseRelease(&fixture.View(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
    QVERIFY(fixture.Document().IsModified());
    QVERIFY(fixture.Frame().windowTitle().startsWith(QStringLiteral("Sans titre* - ")));

    QVERIFY(fixture.Frame().SaveDocumentAs(fixture.FilePath(QStringLiteral("zoomed.umb"))));
    QVERIFY(fixture.Frame().windowTitle().startsWith(QStringLiteral("zoomed.umb - ")));
    // "Global" brings the whole globe back: a change again.
    fixture.Frame().Action(ID_VUE_GLOBAL)->trigger();
    QVERIFY(fixture.Frame().windowTitle().startsWith(QStringLiteral("zoomed.umb* - ")));
}

void SavePromptTest::cancellingKeepsTheDocumentAndNotSavingGoesOn()
{
    CFrameFixture& fixture = *m_fixture;
    QVERIFY(fixture.Frame().SaveDocumentAs(fixture.FilePath(QStringLiteral("kept.umb"))));
    ChangeTheEpoch();
    QTRY_COMPARE(fixture.m_trace.m_calls, 2);

    fixture.m_answer = SaveChoice::Cancel;
    fixture.Frame().Action(ID_FILE_NEW)->trigger();
    QCOMPARE(fixture.m_promptedTitles, QStringList({QStringLiteral("kept.umb")}));
    QCOMPARE(QFileInfo(fixture.Document().PathName()).fileName(), QStringLiteral("kept.umb"));
    QVERIFY(fixture.Document().IsModified());
    QCOMPARE(fixture.m_trace.m_calls, 2);

    fixture.m_answer = SaveChoice::Discard;
    fixture.Frame().Action(ID_FILE_NEW)->trigger();
    QCOMPARE(fixture.m_promptedTitles.size(), 2);
    QCOMPARE(fixture.Document().PathName(), QString());
    QVERIFY(!fixture.Document().IsModified());
    QCOMPARE(fixture.Map().m_observation.m_year, 2024);  // a new document keeps the values
    QCOMPARE(fixture.m_trace.m_calls, 3);                // and is drawn at once
}

void SavePromptTest::savingFirstWritesTheChangeThenQuits()
{
    CFrameFixture& fixture = *m_fixture;
    const QString path = fixture.FilePath(QStringLiteral("saved.umb"));
    QVERIFY(fixture.Frame().SaveDocumentAs(path));
    ChangeTheEpoch();
    fixture.m_answer = SaveChoice::Save;
    fixture.Frame().Action(ID_APP_EXIT)->trigger();
    QCOMPARE(fixture.m_promptedTitles, QStringList({QStringLiteral("saved.umb")}));
    QVERIFY(!fixture.Frame().isVisible());
    QVERIFY(!fixture.Document().IsModified());

    CEclipseMap saved;
    LoadDocument(QFile::encodeName(path).toStdString(), saved);
    QCOMPARE(saved.m_observation.m_year, 2024);
}

void SavePromptTest::closingTheWindowAsksAndCancelKeepsItOpen()
{
    CFrameFixture& fixture = *m_fixture;
    ChangeTheEpoch();
    fixture.m_answer = SaveChoice::Cancel;
    QVERIFY(!fixture.Frame().close());
    QVERIFY(fixture.Frame().isVisible());
    QCOMPARE(fixture.m_promptedTitles, QStringList({QStringLiteral("Sans titre")}));

    fixture.m_answer = SaveChoice::Discard;
    QVERIFY(fixture.Frame().close());
    QVERIFY(!fixture.Frame().isVisible());
}

void SavePromptTest::openingAsksFirstAndDrawsTheOpenedMapAtOnce()
{
    CFrameFixture& fixture = *m_fixture;
    const QString path = fixture.FilePath(QStringLiteral("other.umb"));
    QVERIFY(fixture.Frame().SaveDocumentAs(path));
    ChangeTheEpoch();
    QTRY_COMPARE(fixture.m_trace.m_calls, 2);

    fixture.m_answer = SaveChoice::Cancel;
    fixture.Frame().Action(ID_FILE_OPEN)->trigger();  // no file dialog after "Annuler"
    QCOMPARE(fixture.m_promptedTitles.size(), 1);
    fixture.Frame().RecentFileActions().front()->trigger();
    QCOMPARE(fixture.m_promptedTitles.size(), 2);
    QCOMPARE(fixture.Map().m_observation.m_year, 2024);

    fixture.m_answer = SaveChoice::Discard;
    fixture.Frame().RecentFileActions().front()->trigger();
    QCOMPARE(fixture.Map().m_observation.m_year, 2006);
    QVERIFY(!fixture.Document().IsModified());
    QCOMPARE(fixture.m_trace.m_calls, 3);
}

UMBRANT_QTEST(SavePromptTest)
#include "SavePromptTest.moc"
