// The command line's print switches: the document's map goes to a printer
// and the program ends, without a window; a printer that does not exist ends
// it with exit code 1 and a message.

#include "AppTestSupport.h"

#include "app/CommandLine.h"
#include "app/MainFrame.h"
#include "app/UmbrantApp.h"
#include "datafiles/ProgramDirectory.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QtTest>

#include <filesystem>

class PrintSwitchesTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void theCommandLineIsReadByTheDesktopsRules();
    void aPdfPrinterReceivesTheMapAndNoWindowIsShown();
    void aPrinterThatDoesNotExistEndsTheProgramWithExitCodeOne();
    void withoutADefaultPrinterPrintingEndsWithExitCodeOne();
    void aDocumentThatCannotBeOpenedIsNotPrinted();
    void aFileThatIsNotADocumentIsRefusedWithItsNameAndReason();

private:
    static bool AnyWindowShown();
    // Runs the program itself with arguments and without a display; its exit
    // code, and its standard error in errors.
    int RunProgram(const QStringList& arguments, QString& errors) const;

    QTemporaryDir m_files;
    QString m_document;
};

void PrintSwitchesTest::init()
{
    m_document = m_files.filePath(QStringLiteral("eclipse.umb"));
    CEclipseMap map;
    SaveDocument(m_document.toStdString(), map);
}

bool PrintSwitchesTest::AnyWindowShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) { return window->isVisible(); });
}

int PrintSwitchesTest::RunProgram(const QStringList& arguments, QString& errors) const
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QString::fromLatin1(name));
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(UMBRANT_BINARY_DIR "/umbrant"), arguments);
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    errors = QString::fromUtf8(program.readAllStandardError());
    return program.exitCode();
}

void PrintSwitchesTest::theCommandLineIsReadByTheDesktopsRules()
{
    using Action = CommandLineRequest::Action;
    struct Case {
        QStringList arguments;
        Action action;
        const char* document;
        const char* printer;
    };
    const Case cases[] = {
        {{}, Action::NewDocument, "", ""},
        {{QStringLiteral("a.umb")}, Action::OpenDocument, "a.umb", ""},
        {{QStringLiteral("/p"), QStringLiteral("a.umb")}, Action::Print, "a.umb", ""},
        {{QStringLiteral("/P"), QStringLiteral("a.umb")}, Action::Print, "a.umb", ""},
        {{QStringLiteral("--print"), QStringLiteral("a.umb")}, Action::Print, "a.umb", ""},
        {{QStringLiteral("/pt"), QStringLiteral("a.umb"), QStringLiteral("Bureau")}, Action::PrintTo, "a.umb", "Bureau"},
        {{QStringLiteral("--print-to"), QStringLiteral("Bureau"), QStringLiteral("a.umb")}, Action::PrintTo, "a.umb", "Bureau"},
    };
    for (const Case& test : cases) {
        const CommandLineRequest request = ParseCommandLine(QStringList({QStringLiteral("umbrant")}) + test.arguments);
        QVERIFY2(request.error.isEmpty(), qPrintable(test.arguments.join(u' ')));
        QCOMPARE(request.action, test.action);
        QCOMPARE(request.document, QString::fromLatin1(test.document));
        QCOMPARE(request.printer, QString::fromLatin1(test.printer));
    }
    for (const QStringList& incomplete : {QStringList{QStringLiteral("/p")}, QStringList{QStringLiteral("--print-to"), QStringLiteral("a.umb")},
                                          QStringList{QStringLiteral("/pt"), QStringLiteral("a.umb")}}) {
        QVERIFY2(!ParseCommandLine(QStringList({QStringLiteral("umbrant")}) + incomplete).error.isEmpty(),
                 qPrintable(incomplete.join(u' ')));
    }
}

// Needs the data directory of the build, filled by the set-up.
void PrintSwitchesTest::aPdfPrinterReceivesTheMapAndNoWindowIsShown()
{
    if (!std::filesystem::exists(GetDataDirectory() + "gshhs_i.dat") ||
        !std::filesystem::exists(GetDataDirectory() + "Elp2000.dat")) {
        QSKIP("no map data beside the tests");
    }
    const QStringList switches[] = {
        {QStringLiteral("/pt"), m_document, QStringLiteral("pdf:") + m_files.filePath(QStringLiteral("slash.pdf"))},
        {QStringLiteral("--print-to"), QStringLiteral("pdf:") + m_files.filePath(QStringLiteral("long.pdf")), m_document},
    };
    for (const QStringList& arguments : switches) {
        CUmbrantApp program;
        QVERIFY(!program.InitInstance(QStringList({QStringLiteral("umbrant")}) + arguments));
        QCOMPARE(program.ExitCode(), 0);
        QVERIFY(program.MainFrame() == nullptr);
        QVERIFY(!AnyWindowShown());
        QFile pdf(arguments.last().endsWith(QStringLiteral(".pdf")) ? arguments.last().mid(4) : arguments[1].mid(4));
        QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(pdf.fileName()));
        QVERIFY(pdf.size() > 10000);
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    }
    // The program itself, without a display.
    QString errors;
    const QString headless = m_files.filePath(QStringLiteral("headless.pdf"));
    QCOMPARE(RunProgram({QStringLiteral("--print-to"), QStringLiteral("pdf:") + headless, m_document}, errors), 0);
    QVERIFY2(QFileInfo(headless).size() > 10000, qPrintable(errors));
    // Nothing is left beside the files but the files.
    QCOMPARE(QDir(m_files.path()).entryList(QDir::Files).size(), 4);
}

void PrintSwitchesTest::aPrinterThatDoesNotExistEndsTheProgramWithExitCodeOne()
{
    const QString printer = QStringLiteral("Umbrant-imprimante-absente");
    QVERIFY(QPrinterInfo::printerInfo(printer).isNull());
    QString errors;
    QCOMPARE(RunProgram({QStringLiteral("/pt"), m_document, printer}, errors), 1);
    QVERIFY2(errors.contains(QStringLiteral("l'imprimante « Umbrant-imprimante-absente » n'existe pas")), qPrintable(errors));
    QCOMPARE(RunProgram({QStringLiteral("--print-to"), printer, m_document}, errors), 1);
    QVERIFY2(errors.contains(printer), qPrintable(errors));
}

// Printing on a machine's real default printer is not a test's business.
void PrintSwitchesTest::withoutADefaultPrinterPrintingEndsWithExitCodeOne()
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("this machine has a default printer");
    }
    QString errors;
    QCOMPARE(RunProgram({QStringLiteral("/p"), m_document}, errors), 1);
    QVERIFY2(errors.contains(QStringLiteral("aucune imprimante par défaut")), qPrintable(errors));
}

void PrintSwitchesTest::aDocumentThatCannotBeOpenedIsNotPrinted()
{
    const QString missing = m_files.filePath(QStringLiteral("absent.umb"));
    const QString pdf = m_files.filePath(QStringLiteral("absent.pdf"));
    CUmbrantApp program;
    QVERIFY(!program.InitInstance({QStringLiteral("umbrant"), QStringLiteral("--print-to"), QStringLiteral("pdf:") + pdf, missing}));
    QCOMPARE(program.ExitCode(), 1);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!AnyWindowShown());
}

// A picture renamed ".umb" and a text file: the program names the file and
// says why, and prints nothing.
void PrintSwitchesTest::aFileThatIsNotADocumentIsRefusedWithItsNameAndReason()
{
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y) % 256));
        }
    }
    const QString png = m_files.filePath(QStringLiteral("fakepng.umb"));
    QVERIFY(picture.save(png, "PNG"));
    QVERIFY(QFileInfo(png).size() >= 193);
    const QString text = m_files.filePath(QStringLiteral("passwd.umb"));
    QFile passwd(text);
    QVERIFY(passwd.open(QIODevice::WriteOnly));
    passwd.write(QByteArray("root:x:0:0:root:/root:/bin/bash\n").repeated(8));
    passwd.close();
    for (const QString& document : {png, text}) {
        const QString pdf = m_files.filePath(QStringLiteral("refused.pdf"));
        QString errors;
        QCOMPARE(RunProgram({QStringLiteral("--print-to"), QStringLiteral("pdf:") + pdf, document}, errors), 1);
        QVERIFY2(errors.contains(document), qPrintable(errors));
        QVERIFY2(errors.contains(QStringLiteral("n'est pas un document Umbrant")), qPrintable(errors));
        QVERIFY(!QFile::exists(pdf));
    }
}

UMBRANT_QTEST(PrintSwitchesTest)
#include "PrintSwitchesTest.moc"
