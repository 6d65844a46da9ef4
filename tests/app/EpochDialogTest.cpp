// The epoch dialog "Choix du temps": what it shows, what it stores on "Ok",
// and what its fields let the user type.

#include "AppTestSupport.h"

#include "app/EpochDialog.h"
#include "app/SpinButtons.h"
#include "core/DeltaT.h"
#include "ephemeris/EpochArithmetic.h"
#include "model/DocumentOptions.h"
#include "model/Observation.h"

#include <QLabel>
#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <limits>

class EpochDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void aNewDocumentShowsItsEpochWithDeltaTAutomatic();
    void okWithManualDeltaTStoresItsSeconds();
    void fieldsThatCannotBeAnEpochAreRefusedAndSaySo_data();
    void fieldsThatCannotBeAnEpochAreRefusedAndSaySo();
    void datesOfBothCalendarsAreAccepted();
    void annulerAfterEditingChangesNothing();
    void untickingTheBoxEnablesDeltaTAndTickingGreysIt();
    void automaticDeltaTShowsTheSecondsTheMapUses();
    void theDeltaTGivenIsStoredEvenInAutomaticMode();
    void digitFieldsRefuseLettersSignsAndPoints();
    void theMinuteArrowsStopAt59And0();
    void theYearTakesAMinusSignAndItsArrowsStopAtTheYearsComputed();
    void theSecondsFieldCanBeEditedDigitByDigit();
    void noonAndMidnightSetTheTimeAndKeepTheDate();
    void nowSetsTheDateAndTimeOfTheClockInUniversalTime();
    void theTimeOffsetIsTheDocuments();

private:
    template <typename T>
    T& Control(const char* name)
    {
        auto* control = m_dialog->findChild<T*>(QString::fromLatin1(name));
        Q_ASSERT(control != nullptr);
        return *control;
    }
    void Retype(const char* name, const QString& text);

    std::unique_ptr<CTemporarySettings> m_settings;
    CObservation m_observation;
    CDocumentOptions m_options;
    std::unique_ptr<CEpochDialog> m_dialog;
};

void EpochDialogTest::init()
{
    m_dialog.reset();
    m_settings = std::make_unique<CTemporarySettings>();
    m_observation = CObservation();
    m_options = CDocumentOptions();
    m_dialog = std::make_unique<CEpochDialog>(m_observation, m_options);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void EpochDialogTest::Retype(const char* name, const QString& text)
{
    auto& field = Control<QLineEdit>(name);
    field.setFocus();
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
}

void EpochDialogTest::aNewDocumentShowsItsEpochWithDeltaTAutomatic()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Choix du temps"));
    QCOMPARE(Control<QLineEdit>("dayEdit").text(), QStringLiteral("29"));
    QCOMPARE(Control<QLineEdit>("monthEdit").text(), QStringLiteral("3"));
    QCOMPARE(Control<QLineEdit>("yearEdit").text(), QStringLiteral("2006"));
    QCOMPARE(Control<QLineEdit>("hourEdit").text(), QStringLiteral("8"));
    QCOMPARE(Control<QLineEdit>("minuteEdit").text(), QStringLiteral("36"));
    QCOMPARE(Control<QLineEdit>("secondEdit").text(), QStringLiteral("0.00"));
    QVERIFY(Control<QCheckBox>("deltaTAutoBox").isChecked());
    // No model to tell the automatic Delta T: the greyed field stays empty.
    QCOMPARE(Control<QLineEdit>("deltaTEdit").text(), QString());
    QVERIFY(!Control<QLineEdit>("deltaTEdit").isEnabled());
    QCOMPARE(Control<QLineEdit>("timeZoneEdit").text(), QStringLiteral("0.00"));
    QCOMPARE(Control<QPushButton>("cancelButton").text(), QStringLiteral("Annuler"));
    QCOMPARE(QApplication::focusWidget(), &Control<QLineEdit>("dayEdit"));
}

void EpochDialogTest::okWithManualDeltaTStoresItsSeconds()
{
    ClickIndicator(Control<QCheckBox>("deltaTAutoBox"));
    Retype("deltaTEdit", QStringLiteral("63.8"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);

    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_observation.m_deltaTAuto, false);
    QCOMPARE(m_observation.m_deltaT, 63.8f);
    QCOMPARE(m_observation.m_day, 29);
    QCOMPARE(m_observation.m_year, 2006);
}

// Each row: the fields retyped ("name=text"; "manual" unticks automatic
// Delta T), the start of the sentence shown, and the field that takes the focus.
void EpochDialogTest::fieldsThatCannotBeAnEpochAreRefusedAndSaySo_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("focus");
    QTest::newRow("emptied day") << QStringList{"dayEdit="} << "Date : un nombre entier de 1 à 31." << "dayEdit";
    QTest::newRow("31 February") << QStringList{"dayEdit=31", "monthEdit=2", "yearEdit=2024"}
                                 << "Le 31/2/2024 n'existe pas." << "dayEdit";
    QTest::newRow("hour 25") << QStringList{"hourEdit=25"} << "Heure : un nombre entier de 0 à 23." << "hourEdit";
    QTest::newRow("minute 60") << QStringList{"minuteEdit=60"} << "Minute : un nombre entier de 0 à 59." << "minuteEdit";
    QTest::newRow("year 9999") << QStringList{"yearEdit=9999"} << "Année : un nombre entier de -1999 à 3000."
                               << "yearEdit";
    QTest::newRow("year -5000") << QStringList{"yearEdit=-5000"} << "Année : un nombre entier de -1999 à 3000."
                                << "yearEdit";
    QTest::newRow("month 0") << QStringList{"monthEdit=0"} << "Mois : un nombre entier de 1 à 12." << "monthEdit";
    QTest::newRow("60 seconds") << QStringList{"secondEdit=60"} << "Seconde : un nombre de 0 à moins de 60."
                                << "secondEdit";
    QTest::newRow("emptied seconds") << QStringList{"secondEdit="} << "Seconde : un nombre de 0 à moins de 60."
                                     << "secondEdit";
    QTest::newRow("Delta T of letters") << QStringList{"manual", "deltaTEdit=abc"}
                                        << "Delta T : un nombre de secondes de -86400 à 86400." << "deltaTEdit";
    QTest::newRow("Delta T of 1e300 s") << QStringList{"manual", "deltaTEdit=-1e300"}
                                        << "Delta T : un nombre de secondes de -86400 à 86400." << "deltaTEdit";
    QTest::newRow("offset 15 h") << QStringList{"timeZoneEdit=15"}
                                 << "Décalage horaire : un nombre d'heures de -14 à 14." << "timeZoneEdit";
    QTest::newRow("offset of letters") << QStringList{"timeZoneEdit=UT+2"} << "Décalage horaire" << "timeZoneEdit";
}

void EpochDialogTest::fieldsThatCannotBeAnEpochAreRefusedAndSaySo()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, error);
    QFETCH(QString, focus);
    for (const QString& edit : edits) {
        if (edit == QLatin1String("manual")) {
            ClickIndicator(Control<QCheckBox>("deltaTAutoBox"));
            continue;
        }
        const QStringList parts = edit.split(QLatin1Char('='));
        Control<QLineEdit>(parts[0].toLatin1().constData()).setText(parts[1]);
    }
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);

    QVERIFY(m_dialog->isVisible());
    const QString shown = Control<QLabel>("errorLabel").text();
    QVERIFY2(shown.startsWith(error), qPrintable(shown));
    QCOMPARE(QApplication::focusWidget(), &Control<QLineEdit>(focus.toLatin1().constData()));
    QCOMPARE(m_observation.m_day, 29);
    QCOMPARE(m_observation.m_year, 2006);
    QVERIFY(m_observation.m_deltaTAuto);
    QCOMPARE(m_options.m_timeOffsetHours, 0.0);
}

// 29 February 1500 is a Julian leap day; 1900 has none; 2024 has one.
void EpochDialogTest::datesOfBothCalendarsAreAccepted()
{
    const struct {
        const char* day;
        const char* month;
        const char* year;
        bool exists;
    } dates[] = {{"29", "2", "1500", true}, {"29", "2", "1900", false}, {"29", "2", "2024", true},
                 {"31", "4", "2026", false}, {"1", "1", "-1999", true}, {"31", "12", "3000", true}};
    for (const auto& date : dates) {
        m_observation = CObservation();
        m_dialog = std::make_unique<CEpochDialog>(m_observation, m_options);
        m_dialog->show();
        Retype("dayEdit", QString::fromLatin1(date.day));
        Retype("monthEdit", QString::fromLatin1(date.month));
        Retype("yearEdit", QString::fromLatin1(date.year));
        QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
        QCOMPARE(m_dialog->isVisible(), !date.exists);
        QCOMPARE(m_observation.m_year, date.exists ? QString::fromLatin1(date.year).toInt() : 2006);
    }
}

void EpochDialogTest::annulerAfterEditingChangesNothing()
{
    Retype("yearEdit", QStringLiteral("1999"));
    ClickIndicator(Control<QCheckBox>("deltaTAutoBox"));
    Retype("deltaTEdit", QStringLiteral("70"));
    QTest::mouseClick(&Control<QPushButton>("cancelButton"), Qt::LeftButton);

    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_observation.m_year, 2006);
    QCOMPARE(m_observation.m_deltaTAuto, true);
    QCOMPARE(m_observation.m_deltaT, 0.0f);
}

void EpochDialogTest::untickingTheBoxEnablesDeltaTAndTickingGreysIt()
{
    auto& box = Control<QCheckBox>("deltaTAutoBox");
    ClickIndicator(box);
    QVERIFY(Control<QLineEdit>("deltaTEdit").isEnabled());
    QCOMPARE(Control<QLineEdit>("deltaTEdit").text(), QStringLiteral("0.00"));
    ClickIndicator(box);
    QVERIFY(!Control<QLineEdit>("deltaTEdit").isEnabled());
}

// The document's automatic formula at 12/08/2026 18:29 UT: t = (JD - 2378496.5)
// / 36525 = 2.266081 with JD 2461265.270139, and 27.26 t^2 - 44.3 = 95.68 s;
// at 29/03/2006 08:36, 71.64 s.
void EpochDialogTest::automaticDeltaTShowsTheSecondsTheMapUses()
{
    m_dialog->SetAutomaticDeltaT([](const CObservation& epoch) -> std::optional<double> {
        return ClassicDeltaTSeconds(UniversalOfEpoch(epoch).JulianDate());
    });
    auto& deltaT = Control<QLineEdit>("deltaTEdit");
    QCOMPARE(deltaT.text(), QStringLiteral("71.64"));
    Retype("dayEdit", QStringLiteral("12"));
    Retype("monthEdit", QStringLiteral("8"));
    Retype("yearEdit", QStringLiteral("2026"));
    Retype("hourEdit", QStringLiteral("18"));
    Retype("minuteEdit", QStringLiteral("29"));
    QCOMPARE(deltaT.text(), QStringLiteral("95.68"));
    QVERIFY(!deltaT.isEnabled());
    // The given value comes back for manual mode, and is the one stored.
    ClickIndicator(Control<QCheckBox>("deltaTAutoBox"));
    QCOMPARE(deltaT.text(), QStringLiteral("0.00"));
    Retype("deltaTEdit", QStringLiteral("69.2"));
    ClickIndicator(Control<QCheckBox>("deltaTAutoBox"));
    QCOMPARE(deltaT.text(), QStringLiteral("95.68"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(m_observation.m_deltaT, 69.2f);
    QVERIFY(m_observation.m_deltaTAuto);
}

void EpochDialogTest::theDeltaTGivenIsStoredEvenInAutomaticMode()
{
    auto& box = Control<QCheckBox>("deltaTAutoBox");
    ClickIndicator(box);
    Retype("deltaTEdit", QStringLiteral("64.5"));
    ClickIndicator(box);
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);

    QCOMPARE(m_observation.m_deltaTAuto, true);
    QCOMPARE(m_observation.m_deltaT, 64.5f);
}

void EpochDialogTest::digitFieldsRefuseLettersSignsAndPoints()
{
    auto& minute = Control<QLineEdit>("minuteEdit");
    minute.setFocus();
    minute.end(false);
    QTest::keyClicks(&minute, QStringLiteral("a-5.b"));
    QCOMPARE(minute.text(), QStringLiteral("365"));

    // The Delta T field takes any text.
    auto& deltaT = Control<QLineEdit>("deltaTEdit");
    ClickIndicator(Control<QCheckBox>("deltaTAutoBox"));
    Retype("deltaTEdit", QStringLiteral("-1.5"));
    QCOMPARE(deltaT.text(), QStringLiteral("-1.5"));
}

void EpochDialogTest::theMinuteArrowsStopAt59And0()
{
    auto& minute = Control<QLineEdit>("minuteEdit");
    auto& arrows = Control<CSpinButtons>("minuteSpin");
    QCOMPARE(arrows.Minimum(), 0);
    QCOMPARE(arrows.Maximum(), 59);
    minute.setText(QStringLiteral("58"));
    minute.setFocus();
    for (int press = 0; press < 3; ++press) {
        QTest::keyClick(&minute, Qt::Key_Up);
    }
    QCOMPARE(minute.text(), QStringLiteral("59"));
    minute.setText(QStringLiteral("1"));
    arrows.StepBy(-1);
    arrows.StepBy(-1);
    QCOMPARE(minute.text(), QStringLiteral("0"));
    QCOMPARE(Control<CSpinButtons>("daySpin").Maximum(), 31);
    QCOMPARE(Control<CSpinButtons>("monthSpin").Minimum(), 1);
    QCOMPARE(Control<CSpinButtons>("hourSpin").Maximum(), 23);
}

void EpochDialogTest::theYearTakesAMinusSignAndItsArrowsStopAtTheYearsComputed()
{
    auto& year = Control<QLineEdit>("yearEdit");
    Retype("yearEdit", QStringLiteral("-585"));
    QCOMPARE(year.text(), QStringLiteral("-585"));
    year.setText(QStringLiteral("-1998"));
    Control<CSpinButtons>("yearSpin").StepBy(-5);
    QCOMPARE(year.text(), QStringLiteral("-1999"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(m_observation.m_year, -1999);
    QCOMPARE(Control<CSpinButtons>("yearSpin").Maximum(), 3000);
}

void EpochDialogTest::theSecondsFieldCanBeEditedDigitByDigit()
{
    auto& second = Control<QLineEdit>("secondEdit");
    second.setFocus();
    second.setCursorPosition(3);       // "0.0|0"
    QTest::keyClick(&second, Qt::Key_Backspace);
    QTest::keyClicks(&second, QStringLiteral("5a"));
    QCOMPARE(second.text(), QStringLiteral("0.50"));

    Retype("secondEdit", QStringLiteral("050"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(m_observation.m_second, 50.0f);

    m_dialog = std::make_unique<CEpochDialog>(m_observation, m_options);
    Retype("secondEdit", QStringLiteral("12,5"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(m_observation.m_second, 12.5f);
}

// The buttons fill the fields; the document changes on "Ok" only.
void EpochDialogTest::noonAndMidnightSetTheTimeAndKeepTheDate()
{
    Retype("secondEdit", QStringLiteral("1234"));
    QTest::mouseClick(&Control<QPushButton>("noonButton"), Qt::LeftButton);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(Control<QLineEdit>("hourEdit").text(), QStringLiteral("12"));
    QCOMPARE(Control<QLineEdit>("minuteEdit").text(), QStringLiteral("0"));
    QCOMPARE(Control<QLineEdit>("secondEdit").text(), QStringLiteral("0.00"));
    QCOMPARE(Control<QLineEdit>("dayEdit").text(), QStringLiteral("29"));
    QCOMPARE(Control<QLineEdit>("yearEdit").text(), QStringLiteral("2006"));
    QCOMPARE(m_observation.m_hour, 8);

    QTest::mouseClick(&Control<QPushButton>("midnightButton"), Qt::LeftButton);
    QCOMPARE(Control<QLineEdit>("hourEdit").text(), QStringLiteral("0"));
    QCOMPARE(Control<QLineEdit>("minuteEdit").text(), QStringLiteral("0"));
    QCOMPARE(Control<QLineEdit>("secondEdit").text(), QStringLiteral("0.00"));
    QCOMPARE(Control<QLineEdit>("monthEdit").text(), QStringLiteral("3"));

    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(m_observation.m_hour, 0);
    QCOMPARE(m_observation.m_minute, 0);
    QCOMPARE(m_observation.m_second, 0.0f);
    QCOMPARE(m_observation.m_day, 29);
}

void EpochDialogTest::nowSetsTheDateAndTimeOfTheClockInUniversalTime()
{
    const QDateTime before = QDateTime::currentDateTimeUtc();
    QTest::mouseClick(&Control<QPushButton>("nowButton"), Qt::LeftButton);
    const QDateTime after = QDateTime::currentDateTimeUtc();
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    const QDateTime shown(QDate(m_observation.m_year, m_observation.m_month, m_observation.m_day),
                          QTime(m_observation.m_hour, m_observation.m_minute), Qt::UTC);
    const QDateTime shownWithSeconds = shown.addMSecs(static_cast<qint64>(m_observation.m_second * 1000.0f));
    QVERIFY2(shownWithSeconds >= before.addMSecs(-10) && shownWithSeconds <= after,
             qPrintable(shownWithSeconds.toString(Qt::ISODateWithMs)));
}

void EpochDialogTest::theTimeOffsetIsTheDocuments()
{
    m_options.m_timeOffsetHours = -5.0;
    m_dialog = std::make_unique<CEpochDialog>(m_observation, m_options);
    QCOMPARE(Control<QLineEdit>("timeZoneEdit").text(), QStringLiteral("-5.00"));
    Control<QLineEdit>("timeZoneEdit").setText(QStringLiteral("5.5"));
    QTest::mouseClick(&Control<QPushButton>("cancelButton"), Qt::LeftButton);
    QCOMPARE(m_options.m_timeOffsetHours, -5.0);

    m_dialog = std::make_unique<CEpochDialog>(m_observation, m_options);
    Control<QLineEdit>("timeZoneEdit").setText(QStringLiteral("5,5"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(m_options.m_timeOffsetHours, 5.5);
}

UMBRANT_QTEST(EpochDialogTest)
#include "EpochDialogTest.moc"
