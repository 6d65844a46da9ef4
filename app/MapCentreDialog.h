#pragma once

#include "app/AngleFields.h"

#include <QDialog>

class CObservation;
class QLabel;

// "Centre de la carte": the point about which the map is projected, in
// degrees, minutes and seconds with its hemispheres or in decimal degrees.
// The centre changes only on "OK", once both angles read right.
class CMapCentreDialog : public QDialog {
    Q_OBJECT

public:
    CMapCentreDialog(CObservation& observation, QWidget* parent = nullptr);

    // Stores the centre and closes the dialog, or says what is wrong.
    void accept() override;

private:
    CObservation& m_observation;
    CAngleFields m_longitude;
    CAngleFields m_latitude;
    QLabel* m_error = nullptr;
};
