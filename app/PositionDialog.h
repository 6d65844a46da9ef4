#pragma once

#include "app/AngleFields.h"

#include <QDialog>

class CObservation;
struct CDocumentOptions;
class QLabel;
class QLineEdit;

// "Position de l'observateur": the observer's longitude and latitude in
// degrees, minutes and seconds with their hemispheres or in decimal
// degrees, and the height in metres (the document's option). "OK" stores
// them once each field reads right, and otherwise says what is wrong and
// stays open; "Sur la carte" closes the dialog with PickOnMap, for the
// observer to be placed by a click on the map.
class CPositionDialog : public QDialog {
    Q_OBJECT

public:
    enum Result { PickOnMap = 2 };

    CPositionDialog(CObservation& observation, CDocumentOptions& options, QWidget* parent = nullptr);

    void accept() override;

private:
    QWidget* MakeHeightGroup();

    CObservation& m_observation;
    CDocumentOptions& m_options;
    CAngleFields m_longitude;
    CAngleFields m_latitude;
    QLineEdit* m_height = nullptr;
    QLabel* m_error = nullptr;
};
