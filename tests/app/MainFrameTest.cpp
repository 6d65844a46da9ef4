// The main window: its command table, the commands that trace, the
// documents it opens and saves, and the reports of failed commands.

#include "AppTestSupport.h"

#include "app/AboutDialog.h"
#include "app/EpochDialog.h"
#include "app/MainFrame.h"
#include "app/MapCentreDialog.h"
#include "app/RecentFileList.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theGlobalViewPostedAtCreationTracesOnce();
    void theMenusCarryTheirFrenchTitles();
    void commandsWithoutHandlerAreGreyed();
    void commandsCarryTheirPromptsToolTipsAndShortcuts();
    void theToolBarHoldsTheSixButtonsInOrder();
    void theStatusBarShowsTheIdlePromptAndTheLockIndicators();
    void greyedItemsShowTheirPromptsUnderTheMouse();
    void theEpochCommandTracesAfterTheDialogClosesEvenWhenLeft();
    void theMapCentreCommandStoresOnOkAndTracesAgain();
    void theAboutBoxShowsTheVersion();
    void aNewDocumentKeepsItsValuesAndForgetsItsFile();
    void savingAndOpeningRestoresTheDocumentAndListsTheFile();
    void aFailedOpenIsReportedAndLeavesTheDocument();
    void theRecentFileListShowsFourEntries();
    void aDroppedDocumentIsOpened();
    void aConversionWithoutItsInputReportsItsFailure();
    void aFileErrorInsideTraceIsReportedWithAStopIconNamingTheFile();

private:
    std::unique_ptr<CTemporarySettings> m_settings;
    std::unique_ptr<CUmbrantDoc> m_document;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CMainFrame> m_frame;
    CFakeTrace m_trace;
    CMessageRecorder m_messages;
    QTemporaryDir m_files;
};

void MainFrameTest::init()
{
    m_settings = std::make_unique<CTemporarySettings>();
    m_trace = CFakeTrace();
    m_messages = CMessageRecorder();
    m_document = std::make_unique<CUmbrantDoc>();
    m_recentFiles = std::make_unique<CRecentFileList>(4);
    m_frame = std::make_unique<CMainFrame>(*m_document, *m_recentFiles);
    m_frame->SetMessagePresenter(m_messages.Presenter());
    m_frame->SetDataDirectory(m_files.path().toStdString() + "/");
    m_frame->View().SetTraceFunction(std::ref(m_trace));
    m_frame->resize(900, 700);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    QTRY_COMPARE(m_trace.m_calls, 1);
}

void MainFrameTest::cleanup()
{
    m_frame.reset();
    m_recentFiles.reset();
    m_document.reset();
    m_settings.reset();
}

void MainFrameTest::theGlobalViewPostedAtCreationTracesOnce()
{
    QTest::qWait(50);
    QCOMPARE(m_trace.m_calls, 1);
    const CViewport& viewport = m_document->m_map.m_viewport;
    QCOMPARE(viewport.m_width, m_frame->View().width());
    QCOMPARE(viewport.m_height, m_frame->View().height());
}

void MainFrameTest::theMenusCarryTheirFrenchTitles()
{
    QStringList titles;
    for (QAction* menu : m_frame->menuBar()->actions()) {
        titles << menu->text();
    }
    QCOMPARE(titles, QStringList({QStringLiteral("&Fichier"), QStringLiteral("&Vue"), QStringLiteral("Paramètres"),
                                  QStringLiteral("&Outils"), QStringLiteral("&Affichage"), QStringLiteral("&?")}));
    QCOMPARE(m_frame->Action(ID_FILE_PRINT_PREVIEW)->text(), QStringLiteral("Aperçu a&vant impression"));
    QCOMPARE(m_frame->Action(ID_VUE_ZOOM_MOINS)->text(), QStringLiteral("Zoo&m -"));
    QCOMPARE(m_frame->Action(ID_APP_ABOUT)->text(), QStringLiteral("&A propos de Umbrant..."));
    QVERIFY(m_frame->windowTitle().startsWith(QStringLiteral("Sans titre - Umbrant")));
}

void MainFrameTest::commandsWithoutHandlerAreGreyed()
{
    for (const CommandId id : {ID_TRANSFORM_CARTO_CRUDE, ID_TRANSFORM_CARTO_LOW, ID_TRANSFORM_CARTO_HIGH,
                               ID_TRANSFORM_CARTO_FULL}) {
        QVERIFY2(!m_frame->Action(id)->isEnabled(), qPrintable(m_frame->Action(id)->text()));
    }
    for (const CommandId id : {ID_OUTILS_EPHEMERIDES, ID_OUTILS_BESSEL, ID_TRANSFORM_CARTO_INTERMEDIATE,
                               ID_TRANSFORM_NUTATION, ID_VUE_GLOBAL, ID_PARAMETRES_CARTE, ID_VIEW_TOOLBAR,
                               ID_PARAMETRES_AFFICHAGES, ID_OUTILS_RECHERCHE, ID_PARAMETRES_POSITION,
                               ID_OUTILS_SEPARATION, ID_HELP_INDEX}) {
        QVERIFY2(m_frame->Action(id)->isEnabled(), qPrintable(m_frame->Action(id)->text()));
    }
    // With no recent file, the list's place holder is shown greyed.
    QVERIFY(m_frame->Action(ID_FILE_MRU_FILE1)->isVisible());
    QVERIFY(!m_frame->Action(ID_FILE_MRU_FILE1)->isEnabled());
}

void MainFrameTest::commandsCarryTheirPromptsToolTipsAndShortcuts()
{
    QCOMPARE(m_frame->Action(ID_VUE_GLOBAL)->statusTip(), QStringLiteral("Affiche une vue globale de la Terre"));
    QCOMPARE(m_frame->Action(ID_VUE_GLOBAL)->toolTip(), QStringLiteral("Vue globale"));
    QCOMPARE(m_frame->Action(ID_OUTILS_EPHEMERIDES)->statusTip(),
             QStringLiteral("Ephémérides de la Terre, de la Lune et du Soleil"));
    QCOMPARE(m_frame->Action(ID_APP_EXIT)->statusTip(),
             QStringLiteral("Ferme l'application ; propose d'enregistrer les documents"));
    QCOMPARE(m_frame->Action(ID_VUE_TRACE)->toolTip(), QStringLiteral("Trace"));
    QCOMPARE(m_frame->Action(ID_VUE_ZOOM_PLUS)->statusTip(), QString());
    QCOMPARE(m_frame->Action(ID_PARAMETRES_POSITION)->statusTip(), QStringLiteral("Coordonnées de l'observateur"));
    QCOMPARE(m_frame->Action(ID_OUTILS_SEPARATION)->statusTip(), QStringLiteral("Séparation entre 2 points"));
    QCOMPARE(m_frame->Action(ID_HELP_INDEX)->statusTip(), QStringLiteral("Liste les rubriques de l'aide"));
    QCOMPARE(m_frame->Action(ID_FILE_NEW)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(m_frame->Action(ID_FILE_OPEN)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(m_frame->Action(ID_FILE_SAVE)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(m_frame->Action(ID_FILE_PRINT)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
}

void MainFrameTest::theToolBarHoldsTheSixButtonsInOrder()
{
    auto* toolBar = m_frame->findChild<QToolBar*>(QStringLiteral("standardToolBar"));
    QVERIFY(toolBar != nullptr);
    QStringList buttons;
    for (QAction* action : toolBar->actions()) {
        buttons << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    }
    QCOMPARE(buttons, QStringList({QStringLiteral("Nouveau"), QStringLiteral("Ouvrir"), QStringLiteral("Enregistrer"),
                                   QStringLiteral("|"), QStringLiteral("Imprimer"), QStringLiteral("Trace"),
                                   QStringLiteral("|"), QStringLiteral("A propos de")}));
    for (QAction* action : toolBar->actions()) {
        QVERIFY(action->isSeparator() || !action->icon().isNull());
    }
}

void MainFrameTest::theStatusBarShowsTheIdlePromptAndTheLockIndicators()
{
    auto* idle = m_frame->statusBar()->findChild<QLabel*>(QStringLiteral("idlePrompt"));
    QVERIFY(idle != nullptr);
    QCOMPARE(idle->text(), QStringLiteral("Pour l'aide, appuyez sur F1"));
    for (const char* name : {"MAJIndicator", "NUMIndicator", "DEFIndicator"}) {
        QVERIFY(m_frame->statusBar()->findChild<QLabel*>(QString::fromLatin1(name)) != nullptr);
    }
}

void MainFrameTest::greyedItemsShowTheirPromptsUnderTheMouse()
{
    struct Item {
        const char* menu;
        CommandId id;
        const char* prompt;
    };
    const Item items[] = {
        {"&Fichier", ID_FILE_MRU_FILE1, "Ouvre ce document"},  // the empty recent-file list
    };
    QMenuBar* bar = m_frame->menuBar();
    QStatusBar* status = m_frame->statusBar();
    for (const Item& item : items) {
        QAction* greyed = m_frame->Action(item.id);
        QVERIFY2(!greyed->isEnabled(), item.prompt);
        QAction* title = nullptr;
        for (QAction* candidate : bar->actions()) {
            title = candidate->text() == QString::fromUtf8(item.menu) ? candidate : title;
        }
        QVERIFY2(title != nullptr, item.menu);
        QMenu* menu = title->menu();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(title).center());
        QTRY_VERIFY(menu->isVisible());

        QTest::mouseMove(menu, menu->actionGeometry(greyed).center());
        QTRY_COMPARE(status->currentMessage(), QString::fromUtf8(item.prompt));
        // An enabled item's own prompt, then the greyed item's again.
        QAction* enabled = nullptr;
        for (QAction* candidate : menu->actions()) {
            enabled = enabled == nullptr && candidate->isEnabled() && !candidate->isSeparator() &&
                              candidate->isVisible() && !candidate->statusTip().isEmpty() ? candidate : enabled;
        }
        QVERIFY(enabled != nullptr);
        QTest::mouseMove(menu, menu->actionGeometry(enabled).center());
        QTRY_COMPARE(status->currentMessage(), enabled->statusTip());
        QTest::mouseMove(menu, menu->actionGeometry(greyed).center());
        QTRY_COMPARE(status->currentMessage(), QString::fromUtf8(item.prompt));

        menu->hide();
        QTRY_COMPARE(status->currentMessage(), QString());
        QVERIFY(m_frame->statusBar()->findChild<QLabel*>(QStringLiteral("idlePrompt"))->isVisible());
    }
}

void MainFrameTest::theEpochCommandTracesAfterTheDialogClosesEvenWhenLeft()
{
    WhenDialogShown<CEpochDialog>([](CEpochDialog& dialog) {
        auto* year = dialog.findChild<QLineEdit*>(QStringLiteral("yearEdit"));
        year->setText(QStringLiteral("1999"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    });
    m_frame->Action(ID_PARAMETRES_EPOQUE)->trigger();
    QCOMPARE(m_trace.m_calls, 1);      // posted, not yet run
    QTRY_COMPARE(m_trace.m_calls, 2);
    QCOMPARE(m_document->m_map.m_observation.m_year, 2006);
}

void MainFrameTest::theMapCentreCommandStoresOnOkAndTracesAgain()
{
    WhenDialogShown<CMapCentreDialog>([](CMapCentreDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("latitudeDegreesEdit"))->setText(QStringLiteral("10"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    m_frame->Action(ID_PARAMETRES_CARTE)->trigger();
    QTRY_COMPARE(m_trace.m_calls, 2);
    QCOMPARE(m_document->m_map.m_observation.m_centre.m_latitude, 10.5);
}

void MainFrameTest::theAboutBoxShowsTheVersion()
{
    QString version;
    QString title;
    WhenDialogShown<CAboutDialog>([&](CAboutDialog& dialog) {
        title = dialog.windowTitle();
        version = dialog.findChild<QLabel*>(QStringLiteral("versionLabel"))->text();
        dialog.accept();
    });
    m_frame->Action(ID_APP_ABOUT)->trigger();
    QCOMPARE(title, QStringLiteral("A propos de Umbrant"));
    QCOMPARE(version, QStringLiteral("Umbrant version 0.1.0.8"));
}

void MainFrameTest::aNewDocumentKeepsItsValuesAndForgetsItsFile()
{
    QVERIFY(m_frame->SaveDocumentAs(m_files.filePath(QStringLiteral("kept.umb"))));
    m_document->m_map.m_observation.m_year = 1999;
    m_frame->Action(ID_FILE_NEW)->trigger();
    QCOMPARE(m_document->m_map.m_observation.m_year, 1999);
    QCOMPARE(m_document->PathName(), QString());
    QVERIFY(m_frame->windowTitle().startsWith(QStringLiteral("Sans titre")));
    // Traced at once, not left grey.
    QCOMPARE(m_trace.m_calls, 2);
    QVERIFY(!m_frame->View().Picture().isNull());
}

void MainFrameTest::savingAndOpeningRestoresTheDocumentAndListsTheFile()
{
    const QString path = m_files.filePath(QStringLiteral("eclipse.umb"));
    m_document->m_map.m_observation.m_year = 2017;
    QVERIFY(m_frame->SaveDocumentAs(path));
    QCOMPARE(QFileInfo(path).size(), qint64(193));
    m_document->m_map.m_observation.m_year = 1900;

    QVERIFY(m_frame->OpenDocumentFile(path));
    QCOMPARE(m_document->m_map.m_observation.m_year, 2017);
    QVERIFY(m_frame->windowTitle().startsWith(QStringLiteral("eclipse.umb - ")));
    QCOMPARE(m_recentFiles->Files(), QStringList({path}));
    QVERIFY(m_frame->RecentFileActions().front()->isVisible());
    QCOMPARE(m_frame->RecentFileActions().front()->text(), QStringLiteral("&1 eclipse.umb"));
    QVERIFY(!m_frame->Action(ID_FILE_MRU_FILE1)->isVisible());
    QCOMPARE(m_trace.m_calls, 2);  // opening traces at once
}

void MainFrameTest::aFailedOpenIsReportedAndLeavesTheDocument()
{
    const QString path = m_files.filePath(QStringLiteral("short.umb"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(192, '\1'));
    file.close();
    m_document->m_map.m_observation.m_day = 14;

    QVERIFY(!m_frame->OpenDocumentFile(path));
    QCOMPARE(m_document->m_map.m_observation.m_day, 14);
    QCOMPARE(m_document->PathName(), QString());
    QCOMPARE(m_messages.Messages().size(), std::size_t{1});
    QCOMPARE(m_messages.Messages().front().icon, QMessageBox::Critical);
    QVERIFY(m_messages.Messages().front().text.contains(QStringLiteral("short.umb")));
    QVERIFY(m_recentFiles->Files().isEmpty());
}

void MainFrameTest::theRecentFileListShowsFourEntries()
{
    for (const char* name : {"1.umb", "2.umb", "3.umb", "4.umb", "5.umb"}) {
        QVERIFY(m_frame->SaveDocumentAs(m_files.filePath(QString::fromLatin1(name))));
    }
    QStringList shown;
    for (QAction* entry : m_frame->RecentFileActions()) {
        if (entry->isVisible()) {
            shown << entry->text();
        }
    }
    QCOMPARE(shown, QStringList({QStringLiteral("&1 5.umb"), QStringLiteral("&2 4.umb"), QStringLiteral("&3 3.umb"),
                                 QStringLiteral("&4 2.umb")}));
    QCOMPARE(m_frame->RecentFileActions().front()->statusTip(), QStringLiteral("Ouvre ce document"));
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("Recent File List/File4")).toString(),
             m_files.filePath(QStringLiteral("2.umb")));
}

void MainFrameTest::aDroppedDocumentIsOpened()
{
    const QString path = m_files.filePath(QStringLiteral("dropped.umb"));
    m_document->m_map.m_observation.m_month = 8;
    QVERIFY(m_frame->SaveDocumentAs(path));
    m_frame->Action(ID_FILE_NEW)->trigger();
    m_document->m_map.m_observation.m_month = 1;

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(m_files.filePath(QStringLiteral("notes.txt"))), QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_frame.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_frame.get(), &drop);

    QCOMPARE(m_document->PathName(), path);
    QCOMPARE(m_document->m_map.m_observation.m_month, 8);
}

// The test's data directory is empty: the converter finds no input.
void MainFrameTest::aConversionWithoutItsInputReportsItsFailure()
{
    m_frame->SetConfirmer([](QWidget*, const QString&) { return true; });
    m_frame->Action(ID_TRANSFORM_NUTATION)->trigger();
    QCOMPARE(m_messages.Messages().size(), std::size_t{1});
    const RecordedMessage& message = m_messages.Messages().front();
    QCOMPARE(message.caption, QStringLiteral("Umbrant"));
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.text, QStringLiteral("Une erreur s'est produite durant la conversion"));
    QVERIFY(!QFile::exists(m_files.filePath(QStringLiteral("Nutation.dat"))));
}

void MainFrameTest::aFileErrorInsideTraceIsReportedWithAStopIconNamingTheFile()
{
    m_trace.m_failure = true;
    m_frame->Action(ID_VUE_TRACE)->trigger();
    m_frame->Action(ID_VUE_GLOBAL)->trigger();

    QCOMPARE(m_messages.Messages().size(), std::size_t{2});
    const RecordedMessage& message = m_messages.Messages().front();
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.caption, QStringLiteral("Umbrant"));
    QVERIFY2(message.text.contains(QStringLiteral("/nowhere/data/gshhs_i.dat")), qPrintable(message.text));
    QVERIFY(m_frame->isVisible());
}

UMBRANT_QTEST(MainFrameTest)
#include "MainFrameTest.moc"
