// The map-centre dialog "Centre de la carte": degrees, minutes and seconds
// with hemispheres, or decimal degrees, stored on "OK" only once they read
// right.

#include "AppTestSupport.h"

#include "app/MapCentreDialog.h"
#include "model/Observation.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class MapCentreDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void aNewDocumentShowsTheCentreWestAndNorth();
    void okOnANewDocumentStoresTheSameCentre();
    void aCentreOfZeroShowsEastAndNorth();
    void southWithNinetyDegreesStoresMinusNinety();
    void secondsKeepTheirFraction();
    void secondsRoundingUpShowSixtyWithoutCarrying();
    void emptiedMinutesCountAsZeroAndSecondsOfLettersAreRefused();
    void annulerAfterEditingLeavesTheCentre();
    void theDegreeFieldsTakeOnlyNumbersSignsAndTheirHemispheres();

private:
    void Open(double longitude, double latitude);
    template <typename T>
    T& Control(const char* name)
    {
        auto* control = m_dialog->findChild<T*>(QString::fromLatin1(name));
        Q_ASSERT(control != nullptr);
        return *control;
    }
    QString Text(const char* name) { return Control<QLineEdit>(name).text(); }
    void ClickOk() { QTest::mouseClick(&Control<QPushButton>("okButton"), Qt::LeftButton); }

    CObservation m_observation;
    std::unique_ptr<CMapCentreDialog> m_dialog;
};

void MapCentreDialogTest::Open(double longitude, double latitude)
{
    m_observation = CObservation();
    m_observation.m_centre.m_longitude = longitude;
    m_observation.m_centre.m_latitude = latitude;
    m_dialog = std::make_unique<CMapCentreDialog>(m_observation);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void MapCentreDialogTest::cleanup()
{
    m_dialog.reset();
}

void MapCentreDialogTest::aNewDocumentShowsTheCentreWestAndNorth()
{
    m_observation = CObservation();
    m_dialog = std::make_unique<CMapCentreDialog>(m_observation);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));

    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Centre de la carte"));
    QCOMPARE(Text("longitudeDegreesEdit"), QStringLiteral("2"));
    QCOMPARE(Text("longitudeMinutesEdit"), QStringLiteral("12"));
    QCOMPARE(Text("longitudeSecondsEdit"), QStringLiteral("0.000"));
    QVERIFY(Control<QRadioButton>("longitudeNegativeButton").isChecked());
    QCOMPARE(Control<QRadioButton>("longitudeNegativeButton").text(), QStringLiteral("Ouest"));
    QCOMPARE(Text("latitudeDegreesEdit"), QStringLiteral("49"));
    QCOMPARE(Text("latitudeMinutesEdit"), QStringLiteral("30"));
    QCOMPARE(Text("latitudeSecondsEdit"), QStringLiteral("0.000"));
    QVERIFY(Control<QRadioButton>("latitudePositiveButton").isChecked());
    QCOMPARE(Control<QRadioButton>("latitudePositiveButton").text(), QStringLiteral("Nord"));
    QCOMPARE(QApplication::focusWidget(), &Control<QPushButton>("okButton"));
}

void MapCentreDialogTest::okOnANewDocumentStoresTheSameCentre()
{
    Open(-2.2, 49.5);
    ClickOk();
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_observation.m_centre.m_longitude, -2.2);
    QCOMPARE(m_observation.m_centre.m_latitude, 49.5);
}

void MapCentreDialogTest::aCentreOfZeroShowsEastAndNorth()
{
    Open(0.0, 0.0);
    QVERIFY(Control<QRadioButton>("longitudePositiveButton").isChecked());
    QCOMPARE(Control<QRadioButton>("longitudePositiveButton").text(), QStringLiteral("Est"));
    QVERIFY(Control<QRadioButton>("latitudePositiveButton").isChecked());
    QCOMPARE(Text("longitudeDegreesEdit"), QStringLiteral("0"));
}

void MapCentreDialogTest::southWithNinetyDegreesStoresMinusNinety()
{
    Open(-2.2, 49.5);
    Control<QLineEdit>("latitudeDegreesEdit").setText(QStringLiteral("90"));
    Control<QLineEdit>("latitudeMinutesEdit").setText(QStringLiteral("0"));
    Control<QLineEdit>("latitudeSecondsEdit").setText(QStringLiteral("0"));
    ClickIndicator(Control<QRadioButton>("latitudeNegativeButton"));
    QCOMPARE(Control<QRadioButton>("latitudeNegativeButton").text(), QStringLiteral("Sud"));
    ClickOk();
    QCOMPARE(m_observation.m_centre.m_latitude, -90.0);
}

void MapCentreDialogTest::secondsKeepTheirFraction()
{
    Open(10.0, 20.0);
    Control<QLineEdit>("longitudeSecondsEdit").setText(QStringLiteral("12.5"));
    ClickOk();
    QCOMPARE(m_observation.m_centre.m_longitude, 10.0 + 12.5 / 3600.0);
}

void MapCentreDialogTest::secondsRoundingUpShowSixtyWithoutCarrying()
{
    Open(10.0 + 59.0 / 60.0 + 59.9996 / 3600.0, 0.0);
    QCOMPARE(Text("longitudeDegreesEdit"), QStringLiteral("10"));
    QCOMPARE(Text("longitudeMinutesEdit"), QStringLiteral("59"));
    QCOMPARE(Text("longitudeSecondsEdit"), QStringLiteral("60.000"));
}

void MapCentreDialogTest::emptiedMinutesCountAsZeroAndSecondsOfLettersAreRefused()
{
    Open(-2.2, 49.5);
    Control<QLineEdit>("longitudeSecondsEdit").setText(QStringLiteral("abc"));
    Control<QLineEdit>("longitudeMinutesEdit").clear();
    ClickOk();
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(Control<QLabel>("errorLabel").text(), QStringLiteral("Les secondes sont un nombre de 0 à moins de 60."));
    QCOMPARE(QApplication::focusWidget(), &Control<QLineEdit>("longitudeSecondsEdit"));
    QCOMPARE(m_observation.m_centre.m_longitude, -2.2);
    Control<QLineEdit>("longitudeSecondsEdit").clear();
    ClickOk();
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_observation.m_centre.m_longitude, -2.0);
}

void MapCentreDialogTest::annulerAfterEditingLeavesTheCentre()
{
    Open(-2.2, 49.5);
    Control<QLineEdit>("longitudeDegreesEdit").setText(QStringLiteral("100"));
    ClickIndicator(Control<QRadioButton>("longitudePositiveButton"));
    QTest::mouseClick(&Control<QPushButton>("cancelButton"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_observation.m_centre.m_longitude, -2.2);
    QCOMPARE(m_observation.m_centre.m_latitude, 49.5);
}

void MapCentreDialogTest::theDegreeFieldsTakeOnlyNumbersSignsAndTheirHemispheres()
{
    Open(-2.2, 49.5);
    auto& longitude = Control<QLineEdit>("longitudeDegreesEdit");
    longitude.setFocus();
    longitude.selectAll();
    QTest::keyClicks(&longitude, QStringLiteral("-17.5xN"));
    QCOMPARE(longitude.text(), QStringLiteral("-17.5"));
    auto& latitude = Control<QLineEdit>("latitudeDegreesEdit");
    latitude.setFocus();
    latitude.selectAll();
    QTest::keyClicks(&latitude, QStringLiteral("28,3Es"));
    QCOMPARE(latitude.text(), QStringLiteral("28,3s"));
    Control<QLineEdit>("latitudeMinutesEdit").clear();
    Control<QLineEdit>("latitudeSecondsEdit").clear();
    Control<QLineEdit>("longitudeMinutesEdit").clear();
    Control<QLineEdit>("longitudeSecondsEdit").clear();
    ClickOk();
    QCOMPARE(m_observation.m_centre.m_longitude, -17.5);
    QCOMPARE(m_observation.m_centre.m_latitude, -28.3);
}

UMBRANT_QTEST(MapCentreDialogTest)
#include "MapCentreDialogTest.moc"
