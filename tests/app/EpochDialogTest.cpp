// The epoch dialog "Choix du temps": what it shows, what it stores on "Ok",
// and what its fields let the user type.

#include "AppTestSupport.h"

#include "app/DesktopSettings.h"
#include "app/EpochDialog.h"
#include "app/SpinButtons.h"
#include "model/Observation.h"

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
    void okStoresTheFieldsByTheLeadingNumberRules();
    void aDeltaTBeyondTheFloatRangeIsStoredAsInfinity();
    void quitterAfterEditingChangesNothing();
    void untickingTheBoxEnablesDeltaTAndTickingGreysIt();
    void theDeltaTGivenIsStoredEvenInAutomaticMode();
    void digitFieldsRefuseLettersSignsAndPoints();
    void theMinuteArrowsStopAt59And0();
    void theYearGoesBelowZeroOnlyWithTheArrows();
    void theSecondsFieldCanBeEditedDigitByDigit();
    void noonAndMidnightSetTheTimeAndKeepTheDate();
    void nowSetsTheDateAndTimeOfTheClockInUniversalTime();
    void theTimeOffsetIsKeptInTheSettings();

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
    std::unique_ptr<CEpochDialog> m_dialog;
};

void EpochDialogTest::init()
{
    m_dialog.reset();
    m_settings = std::make_unique<CTemporarySettings>();
    m_observation = CObservation();
    m_dialog = std::make_unique<CEpochDialog>(m_observation);
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
    QCOMPARE(Control<QLineEdit>("deltaTEdit").text(), QStringLiteral("0.00"));
    QVERIFY(!Control<QLineEdit>("deltaTEdit").isEnabled());
    QCOMPARE(Control<QLineEdit>("timeZoneEdit").text(), QStringLiteral("0.00"));
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

void EpochDialogTest::aDeltaTBeyondTheFloatRangeIsStoredAsInfinity()
{
    ClickIndicator(Control<QCheckBox>("deltaTAutoBox"));
    Retype("deltaTEdit", QStringLiteral("-1e300"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);

    QCOMPARE(m_observation.m_deltaT, -std::numeric_limits<float>::infinity());
}

void EpochDialogTest::okStoresTheFieldsByTheLeadingNumberRules()
{
    Retype("dayEdit", QStringLiteral("31"));
    Retype("monthEdit", QStringLiteral("2"));
    Retype("minuteEdit", QStringLiteral("75"));
    Control<QLineEdit>("hourEdit").clear();
    Control<QLineEdit>("secondEdit").setText(QStringLiteral("12.5xyz"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);

    QCOMPARE(m_observation.m_day, 31);
    QCOMPARE(m_observation.m_month, 2);
    QCOMPARE(m_observation.m_minute, 75);
    QCOMPARE(m_observation.m_hour, 0);
    QCOMPARE(m_observation.m_second, 12.5f);
}

void EpochDialogTest::quitterAfterEditingChangesNothing()
{
    Retype("yearEdit", QStringLiteral("1999"));
    ClickIndicator(Control<QCheckBox>("deltaTAutoBox"));
    Retype("deltaTEdit", QStringLiteral("70"));
    QTest::mouseClick(&Control<QPushButton>("quitButton"), Qt::LeftButton);

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
    ClickIndicator(box);
    QVERIFY(!Control<QLineEdit>("deltaTEdit").isEnabled());
    QCOMPARE(Control<QLineEdit>("deltaTEdit").text(), QStringLiteral("0.00"));
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

void EpochDialogTest::theYearGoesBelowZeroOnlyWithTheArrows()
{
    auto& year = Control<QLineEdit>("yearEdit");
    Retype("yearEdit", QStringLiteral("-0"));
    QCOMPARE(year.text(), QStringLiteral("0"));
    QTest::keyClick(&year, Qt::Key_Down);
    QCOMPARE(year.text(), QStringLiteral("-1"));
    year.setText(QStringLiteral("-24998"));
    Control<CSpinButtons>("yearSpin").StepBy(-5);
    QCOMPARE(year.text(), QStringLiteral("-24999"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(m_observation.m_year, -24999);
}

void EpochDialogTest::theSecondsFieldCanBeEditedDigitByDigit()
{
    auto& second = Control<QLineEdit>("secondEdit");
    second.setFocus();
    second.setCursorPosition(3);       // "0.0|0"
    QTest::keyClick(&second, Qt::Key_Backspace);
    QTest::keyClicks(&second, QStringLiteral("5."));
    QCOMPARE(second.text(), QStringLiteral("0.50"));

    Retype("secondEdit", QStringLiteral("050"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(m_observation.m_second, 50.0f);
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

void EpochDialogTest::theTimeOffsetIsKeptInTheSettings()
{
    CDesktopSettings::SetTimeOffsetHours(-5.0);
    m_dialog = std::make_unique<CEpochDialog>(m_observation);
    QCOMPARE(Control<QLineEdit>("timeZoneEdit").text(), QStringLiteral("-5.00"));
    Control<QLineEdit>("timeZoneEdit").setText(QStringLiteral("5.5"));
    QTest::mouseClick(&Control<QPushButton>("quitButton"), Qt::LeftButton);
    QCOMPARE(CDesktopSettings::TimeOffsetHours(), -5.0);

    m_dialog = std::make_unique<CEpochDialog>(m_observation);
    Control<QLineEdit>("timeZoneEdit").setText(QStringLiteral("5.5"));
    QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(CDesktopSettings::TimeOffsetHours(), 5.5);
}

QTEST_MAIN(EpochDialogTest)
#include "EpochDialogTest.moc"
