#pragma once

#include "app/AngleFields.h"

#include <QDialog>

class CObservation;

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
    CObservation& m_observation;
    CAngleFields m_longitude;
    CAngleFields m_latitude;
};
