#pragma once

#include "app/AngleFields.h"

#include <QDialog>

class CObservation;
class QLineEdit;

// "Position de l'observateur": the observer's longitude and latitude in
// degrees, minutes and seconds with their hemispheres, and the height in
// metres (kept in the settings). "OK" stores them; "Sur la carte" closes the
// dialog with PickOnMap, for the observer to be placed by a click on the map.
class CPositionDialog : public QDialog {
    Q_OBJECT

public:
    enum Result { PickOnMap = 2 };

    CPositionDialog(CObservation& observation, QWidget* parent = nullptr);

    void accept() override;

private:
    QWidget* MakeHeightGroup();

    CObservation& m_observation;
    CAngleFields m_longitude;
    CAngleFields m_latitude;
    QLineEdit* m_height = nullptr;
};
