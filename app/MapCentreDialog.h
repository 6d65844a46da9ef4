#pragma once

#include <QDialog>

class CObservation;
class CDigitsEdit;
class QLineEdit;
class QRadioButton;

// "Centre de la carte": the point about which the map is projected, in
// degrees, minutes and seconds with its hemispheres. The centre changes only
// on "OK".
class CMapCentreDialog : public QDialog {
    Q_OBJECT

public:
    CMapCentreDialog(CObservation& observation, QWidget* parent = nullptr);

    // Stores the centre and closes the dialog.
    void accept() override;

private:
    struct AngleFields {
        CDigitsEdit* degrees = nullptr;
        CDigitsEdit* minutes = nullptr;
        QLineEdit* seconds = nullptr;
        QRadioButton* positive = nullptr;
        QRadioButton* negative = nullptr;
    };

    QWidget* MakeAngleGroup(const QString& title, const QString& positive, const QString& negative,
                            const QString& namePrefix, AngleFields& fields);
    static void ShowAngle(double degrees, const AngleFields& fields);
    static double ReadAngle(const AngleFields& fields);

    CObservation& m_observation;
    AngleFields m_longitude;
    AngleFields m_latitude;
};
