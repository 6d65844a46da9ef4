// The interface in English: chosen by the command line, the environment or
// the setting, in that order; the menus, the epoch dialog and Qt's own
// dialogs then speak English, and French comes back whole.

#include "FrameTestSupport.h"

#include "app/CommandLine.h"
#include "app/DesktopSettings.h"
#include "app/EpochDialog.h"
#include "app/HelpWindow.h"
#include "app/InterfaceLanguage.h"
#include "app/TimeFormatting.h"
#include "app/UmbrantApp.h"
#include "model/Observation.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include <algorithm>

class EnglishTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void theOptionOverridesTheVariableWhichOverridesTheSetting_data();
    void theOptionOverridesTheVariableWhichOverridesTheSetting();
    void theLanguageOptionIsReadAndCheckedWithTheOtherArguments();
    void theProgramStartedInEnglishShowsEnglishMenusAndQtTexts();
    void theEpochDialogInEnglish();
    void theLanguageMenuKeepsTheChoiceForTheNextStart();
    void theManualAndTheNumbersFollowTheLanguage();

private:
    static QStringList MenuTitles(const CMainFrame& frame);
    template <typename T>
    static QStringList Texts(const QWidget& widget);
};

void EnglishTest::cleanup()
{
    qunsetenv(kLanguageVariable);
    InstallInterfaceLanguage(QLocale::French);
}

QStringList EnglishTest::MenuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (const QAction* title : frame.menuBar()->actions()) {
        titles << QString(title->text()).remove(u'&');
    }
    return titles;
}

template <typename T>
QStringList EnglishTest::Texts(const QWidget& widget)
{
    QStringList texts;
    for (const T* child : widget.findChildren<T*>()) {
        if constexpr (std::is_same_v<T, QGroupBox>) {
            texts << child->title();
        } else if (!child->text().isEmpty()) {  // an error line waits empty
            texts << child->text();
        }
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

void EnglishTest::theOptionOverridesTheVariableWhichOverridesTheSetting_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("expected");
    const QString en = QStringLiteral("en");
    const QString fr = QStringLiteral("fr");
    const QString program = QStringLiteral("umbrant");
    const QString option = QLatin1String(kLanguageOption);
    const int french = QLocale::French;
    const int english = QLocale::English;

    QTest::newRow("nothing chosen") << QStringList{program} << QString() << QString() << french;
    QTest::newRow("setting") << QStringList{program} << QString() << en << english;
    QTest::newRow("variable over setting") << QStringList{program} << fr << en << french;
    QTest::newRow("variable alone") << QStringList{program} << QStringLiteral("en_GB.UTF-8") << QString() << english;
    QTest::newRow("option over variable") << QStringList{program, option, fr} << en << en << french;
    QTest::newRow("option over setting") << QStringList{program, option, en} << QString() << fr << english;
    QTest::newRow("joined option") << QStringList{program, QStringLiteral("--lang=EN"), QStringLiteral("a.umb")}
                                   << fr << fr << english;
    QTest::newRow("unknown variable falls to setting") << QStringList{program} << QStringLiteral("de") << en << english;
    QTest::newRow("unknown option falls to variable") << QStringList{program, option, QStringLiteral("xx")} << en << fr
                                                      << english;
    QTest::newRow("unknown everywhere") << QStringList{program, option, QStringLiteral("xx")} << QStringLiteral("de")
                                        << QStringLiteral("it") << french;
    QTest::newRow("a document named en is not the option's") << QStringList{program, en} << QString() << fr << french;
}

void EnglishTest::theOptionOverridesTheVariableWhichOverridesTheSetting()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, variable);
    QFETCH(QString, setting);
    QFETCH(int, expected);
    QCOMPARE(static_cast<int>(ChooseInterfaceLanguage(arguments, variable, setting)), expected);

    // The same choice through the start-up's own reading of the environment and the settings.
    const CTemporarySettings settings;
    CDesktopSettings::SetLanguageCode(setting);
    qputenv(kLanguageVariable, variable.toUtf8());
    QCOMPARE(static_cast<int>(SetUpInterfaceLanguage(arguments)), expected);
    QCOMPARE(static_cast<int>(InterfaceLanguage()), expected);
}

// The option and its code are not a document; a missing or unknown code is
// a usage error, as a print switch without its document is.
void EnglishTest::theLanguageOptionIsReadAndCheckedWithTheOtherArguments()
{
    const QString program = QStringLiteral("umbrant");
    const QString option = QStringLiteral("--lang");
    struct Case {
        QStringList arguments;
        CommandLineRequest::Action action;
        QString document;
        QString error;
    };
    const Case cases[] = {
        {{program, option, QStringLiteral("en")}, CommandLineRequest::Action::NewDocument, {}, {}},
        {{program, option, QStringLiteral("en"), QStringLiteral("a.umb")}, CommandLineRequest::Action::OpenDocument,
         QStringLiteral("a.umb"), {}},
        {{program, QStringLiteral("a.umb"), QStringLiteral("--lang=fr")}, CommandLineRequest::Action::OpenDocument,
         QStringLiteral("a.umb"), {}},
        {{program, option, QStringLiteral("fr"), QStringLiteral("/p"), QStringLiteral("b.umb")},
         CommandLineRequest::Action::Print, QStringLiteral("b.umb"), {}},
        {{program, option}, CommandLineRequest::Action::NewDocument, {},
         QStringLiteral("--lang : la langue manque (fr ou en)")},
        {{program, option, QStringLiteral("de"), QStringLiteral("a.umb")}, CommandLineRequest::Action::NewDocument, {},
         QStringLiteral("--lang : langue inconnue « de » (fr ou en)")},
    };
    for (const Case& expected : cases) {
        const CommandLineRequest request = ParseCommandLine(expected.arguments);
        const QByteArray label = expected.arguments.join(u' ').toUtf8();
        QVERIFY2(request.action == expected.action, label.constData());
        QCOMPARE(request.document, expected.document);
        QCOMPARE(request.error, expected.error);
    }
}

// The program's start-up with "--lang en" (a print switch on a missing
// document ends it before any window) leaves English installed: the
// program's texts and Qt's own.
void EnglishTest::theProgramStartedInEnglishShowsEnglishMenusAndQtTexts()
{
    QTemporaryDir directory;
    {
        CUmbrantApp program;
        QVERIFY(!program.InitInstance({QStringLiteral("umbrant"), QStringLiteral("--lang"), QStringLiteral("en"),
                                       QStringLiteral("/p"), directory.filePath(QStringLiteral("none.umb"))}));
    }
    QCOMPARE(static_cast<int>(InterfaceLanguage()), static_cast<int>(QLocale::English));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    CFrameFixture english;
    QVERIFY(english.Shown());
    QCOMPARE(MenuTitles(english.Frame()), QStringList({QStringLiteral("File"), QStringLiteral("View"),
                                                       QStringLiteral("Settings"), QStringLiteral("Tools"),
                                                       QStringLiteral("Display"), QStringLiteral("Help")}));
    QCOMPARE(english.Frame().Action(ID_FILE_SAVE_AS)->text(), QStringLiteral("Save &As..."));
    QCOMPARE(english.Frame().Action(ID_PARAMETRES_EPOQUE)->statusTip(), QStringLiteral("Choice of the time coordinates"));
    // Added to "Tools" after the menus are made, it finds the menu by its translated title.
    const QMenu* tools = english.Frame().menuBar()->actions().at(3)->menu();
    QVERIFY(tools != nullptr && tools->actions().contains(english.Frame().Action(ID_OUTILS_RECHERCHE)));
    const auto* idle = english.Frame().findChild<QLabel*>(QStringLiteral("idlePrompt"));
    QVERIFY(idle != nullptr);
    QCOMPARE(idle->text(), QStringLiteral("For Help, press F1"));
    QVERIFY(english.Frame().windowTitle().endsWith(QStringLiteral("Untitled - Umbrant - Maps of solar eclipses")));

    // Back in French, every text is the source's own, Qt's included.
    QVERIFY(InstallInterfaceLanguage(QLocale::French));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    CFrameFixture french;
    QVERIFY(french.Shown());
    QCOMPARE(MenuTitles(french.Frame()), QStringList({QStringLiteral("Fichier"), QStringLiteral("Vue"),
                                                      QStringLiteral("Paramètres"), QStringLiteral("Outils"),
                                                      QStringLiteral("Affichage"), QStringLiteral("?")}));
    QCOMPARE(french.Frame().Action(ID_FILE_SAVE_AS)->text(), QStringLiteral("En&registrer sous..."));
}

void EnglishTest::theEpochDialogInEnglish()
{
    const CTemporarySettings settings;
    QVERIFY(InstallInterfaceLanguage(ChooseInterfaceLanguage({QStringLiteral("umbrant")}, QStringLiteral("en"), {})));
    CObservation observation;
    CDocumentOptions options;
    CEpochDialog dialog(observation, options);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choice of time"));
    QCOMPARE(Texts<QGroupBox>(dialog), QStringList({QStringLiteral("Offsets"), QStringLiteral("Time (UNIVERSAL TIME)")}));
    QCOMPARE(Texts<QLabel>(dialog),
             QStringList({QStringLiteral("Day"), QStringLiteral("Delta T"), QStringLiteral("Hour"),
                          QStringLiteral("Minute"), QStringLiteral("Month"), QStringLiteral("Second"),
                          QStringLiteral("Time zone offset"), QStringLiteral("Year"), QStringLiteral("hour(s)"),
                          QStringLiteral("second(s)")}));
    QCOMPARE(Texts<QCheckBox>(dialog), QStringList({QStringLiteral("Automatic Delta T (TT-UT)")}));
    QCOMPARE(Texts<QPushButton>(dialog), QStringList({QStringLiteral("Cancel"), QStringLiteral("Midnight"),
                                                      QStringLiteral("Noon"), QStringLiteral("Now"),
                                                      QStringLiteral("OK")}));
}

// The choice applies from the next start; the message says so in the
// language of the running interface.
void EnglishTest::theLanguageMenuKeepsTheChoiceForTheNextStart()
{
    CFrameFixture fixture;
    QVERIFY(fixture.Shown());
    auto* english = fixture.Frame().findChild<QAction*>(QStringLiteral("language_en"));
    auto* french = fixture.Frame().findChild<QAction*>(QStringLiteral("language_fr"));
    QVERIFY(english != nullptr && french != nullptr);
    QVERIFY(french->isChecked());

    english->trigger();
    QCOMPARE(CDesktopSettings::LanguageCode(), QStringLiteral("en"));
    QVERIFY(english->isChecked() && !french->isChecked());
    QCOMPARE(fixture.m_messages.Messages().size(), size_t{1});
    QCOMPARE(fixture.m_messages.Messages().back().text,
             QStringLiteral("La langue choisie sera celle de l'interface au prochain démarrage du programme."));
    QCOMPARE(static_cast<int>(SetUpInterfaceLanguage({QStringLiteral("umbrant")})), static_cast<int>(QLocale::English));

    // Choosing the running language again needs no message.
    QVERIFY(InstallInterfaceLanguage(QLocale::French));
    french->trigger();
    QCOMPARE(CDesktopSettings::LanguageCode(), QStringLiteral("fr"));
    QCOMPARE(fixture.m_messages.Messages().size(), size_t{1});
}

// F1 opens the manual of the interface's language, and decimals are written
// with its separator: the eclipse list's places, the ephemerides, the title.
void EnglishTest::theManualAndTheNumbersFollowTheLanguage()
{
    struct Case {
        QLocale::Language language;
        const char* manualHeading;
        const char* latitude;
        const char* longitude;
        const char* decimal;
    };
    const Case cases[] = {
        {QLocale::English, "Umbrant: maps of solar eclipses", "25.29° N", "104.14° W", "95.7"},
        {QLocale::French, "Umbrant : cartes des éclipses de Soleil", "25,29° N", "104,14° O", "95,7"},
    };
    for (const Case& test : cases) {
        QVERIFY(InstallInterfaceLanguage(test.language));
        CFrameFixture fixture;
        QVERIFY(fixture.Shown());
        fixture.Frame().Action(ID_HELP_INDEX)->trigger();
        QVERIFY(fixture.Frame().HelpWindow() != nullptr);
        const QString manual = fixture.Frame().HelpWindow()->Browser().toPlainText();
        QVERIFY2(manual.startsWith(QString::fromUtf8(test.manualHeading)), qPrintable(manual.left(80)));
        QCOMPARE(FormatLatitude(25.29), QString::fromUtf8(test.latitude));
        QCOMPARE(FormatLongitude(-104.14), QString::fromUtf8(test.longitude));
        QCOMPARE(FormatDecimal(95.68, 1), QString::fromUtf8(test.decimal));
    }
    // Every section of the French manual has its English one.
    QFile french(QStringLiteral(":/help/manuel.html"));
    QFile english(QStringLiteral(":/help/manual-en.html"));
    QVERIFY(french.open(QIODevice::ReadOnly) && english.open(QIODevice::ReadOnly));
    QCOMPARE(english.readAll().count("<dt>"), french.readAll().count("<dt>") + 1);  // "Language / Langue"
}

UMBRANT_QTEST(EnglishTest)
#include "EnglishTest.moc"
