// What a planner meets around the map: the data conversions kept out of the
// way, the file dialogs that remember where the user works and name the
// files by date, dialogs whose titles and buttons read right, and a window
// that keeps a map however small it is made.

#include "FrameTestSupport.h"

#include "app/DisplaysDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

class MenusAndFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theConversionsAreInTheirOwnMenuInFrenchAndAsk();
    void theFileDialogsOpenWhereTheUserWasAndNameFilesByDate();
    void theExportWidthDialogShowsItsWholeTitle();
    void theDisplaysDialogReadsRight();
    void theSmallestWindowKeepsAMap();

private:
    QMenu* ToolsMenu() const;

    std::unique_ptr<CFrameFixture> m_fixture;
};

void MenusAndFilesTest::init()
{
    m_fixture = std::make_unique<CFrameFixture>();
    QVERIFY(m_fixture->Shown());
}

void MenusAndFilesTest::cleanup()
{
    m_fixture.reset();
}

QMenu* MenusAndFilesTest::ToolsMenu() const
{
    for (QAction* title : m_fixture->Frame().menuBar()->actions()) {
        if (title->text() == QStringLiteral("&Outils")) {
            return title->menu();
        }
    }
    return nullptr;
}

void MenusAndFilesTest::theConversionsAreInTheirOwnMenuInFrenchAndAsk()
{
    QMenu* tools = ToolsMenu();
    QVERIFY(tools != nullptr);
    auto* conversions = tools->findChild<QMenu*>(QStringLiteral("transformMenu"));
    QVERIFY(conversions != nullptr);
    QCOMPARE(conversions->title(), QStringLiteral("Reconstruire les données"));
    QStringList items;
    for (const QAction* item : conversions->actions()) {
        items << item->text();
    }
    QCOMPARE(items, QStringList({QStringLiteral("Nutation"), QStringLiteral("ELP 2000"), QStringLiteral("VSOP 87"),
                                 QStringLiteral("Côtes, résolution intermédiaire"), QStringLiteral("Frontières"),
                                 QStringLiteral("Fleuves")}));

    QStringList questions;
    bool answer = false;
    m_fixture->Frame().SetConfirmer([&](QWidget*, const QString& question) {
        questions << question;
        return answer;
    });
    m_fixture->Frame().Action(ID_TRANSFORM_CARTO_INTERMEDIATE)->trigger();
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions[0].startsWith(QStringLiteral("Reconstruire « gshhs_i.dat » dans ")), qPrintable(questions[0]));
    QVERIFY(m_fixture->m_messages.Messages().empty());  // declined: nothing ran
    answer = true;
    m_fixture->Frame().Action(ID_TRANSFORM_NUTATION)->trigger();
    QCOMPARE(questions.size(), 2);
    QCOMPARE(m_fixture->m_messages.Messages().size(), std::size_t{1});  // ran, and failed without its input
}

// The Open dialog starts where a document was last saved; a new document
// is offered under the date of its map.
void MenusAndFilesTest::theFileDialogsOpenWhereTheUserWasAndNameFilesByDate()
{
    CFrameFixture& fixture = *m_fixture;
    QString offered;
    WhenDialogShown<QFileDialog>([&offered](QFileDialog& dialog) {
        offered = QDir(dialog.directory()).filePath(dialog.selectedFiles().value(0));
        dialog.reject();
    });
    fixture.Frame().Action(ID_FILE_SAVE_AS)->trigger();
    QCOMPARE(QFileInfo(offered).fileName(), QStringLiteral("Carte du 2006-03-29.umb"));
    QVERIFY2(!offered.startsWith(QCoreApplication::applicationDirPath()), qPrintable(offered));

    const QString folder = fixture.FilePath(QStringLiteral("voyages"));
    QVERIFY(QDir().mkpath(folder));
    WhenDialogShown<QFileDialog>([&folder](QFileDialog& dialog) {
        // Typed, as a user would: selectFile of a name in a folder the
        // dialog has not read yet may leave the offered name in the field.
        dialog.setDirectory(folder);
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("Espagne.umb"));
        static_cast<QDialog&>(dialog).accept();
    });
    fixture.Frame().Action(ID_FILE_SAVE_AS)->trigger();
    QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("Espagne.umb"))));

    QString opened;
    WhenDialogShown<QFileDialog>([&opened](QFileDialog& dialog) {
        opened = dialog.directory().absolutePath();
        dialog.reject();
    });
    fixture.Frame().Action(ID_FILE_OPEN)->trigger();
    QCOMPARE(opened, QDir(folder).absolutePath());
}

void MenusAndFilesTest::theExportWidthDialogShowsItsWholeTitle()
{
    int width = 0;
    int title = 0;
    WhenDialogShown<QFileDialog>([this](QFileDialog& dialog) {
        dialog.setDirectory(QFileInfo(m_fixture->FilePath(QStringLiteral("carte.png"))).absolutePath());
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("carte.png"));
        static_cast<QDialog&>(dialog).accept();
    });
    QTimer::singleShot(0, [&] {
        WhenDialogShown<QInputDialog>([&](QInputDialog& dialog) {
            width = dialog.width();
            title = dialog.fontMetrics().horizontalAdvance(dialog.windowTitle());
            dialog.reject();
        });
    });
    m_fixture->Frame().Action(ID_FILE_EXPORT_MAP)->trigger();
    QVERIFY2(width > 2 * title, qPrintable(QStringLiteral("%1 for a title of %2").arg(width).arg(title)));
}

void MenusAndFilesTest::theDisplaysDialogReadsRight()
{
    CDisplaysDialog dialog(MapLayerChoice{});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Affichages complémentaires"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->text(), QStringLiteral("Annuler"));
    QCOMPARE(m_fixture->Frame().Action(ID_PARAMETRES_AFFICHAGES)->statusTip(),
             QStringLiteral("Choix des affichages complémentaires"));
}

void MenusAndFilesTest::theSmallestWindowKeepsAMap()
{
    CMainFrame& frame = m_fixture->Frame();
    frame.resize(50, 50);
    QTest::qWait(50);
    QVERIFY2(m_fixture->View().width() >= 320 && m_fixture->View().height() >= 240,
             qPrintable(QStringLiteral("%1 x %2").arg(m_fixture->View().width()).arg(m_fixture->View().height())));
    QVERIFY(m_fixture->View().isVisible());
}

UMBRANT_QTEST(MenusAndFilesTest)
#include "MenusAndFilesTest.moc"
