#pragma once

#include "app/AngleFields.h"

#include <QDialog>

class CDesktopGazetteer;
class CObservation;
struct CDocumentOptions;
class QLabel;
class QLineEdit;

// "Position de l'observateur": the observer's longitude and latitude in
// degrees, minutes and seconds with their hemispheres or in decimal
// degrees, and the height in metres (the document's option). "OK" stores
// them once each field reads right, and otherwise says what is wrong and
// stays open; "Sur la carte" closes the dialog with PickOnMap, for the
// observer to be placed by a click on the map. With the gazetteer, a field
// "Ville" completes the names of the towns as one types and puts the chosen
// town's coordinates in the fields.
class CPositionDialog : public QDialog {
    Q_OBJECT

public:
    enum Result { PickOnMap = 2 };

    CPositionDialog(CObservation& observation, CDocumentOptions& options, QWidget* parent = nullptr);

    void accept() override;
    // Adds the field of the towns, once their names are there.
    void EnableTownSearch(const CDesktopGazetteer& gazetteer);
    // Puts a town's coordinates in the fields; false for a name of no town.
    bool ShowTown(const QString& text);

private:
    QWidget* MakeHeightGroup();

    CObservation& m_observation;
    CDocumentOptions& m_options;
    CAngleFields m_longitude;
    CAngleFields m_latitude;
    QLineEdit* m_height = nullptr;
    QLabel* m_error = nullptr;
    QLineEdit* m_town = nullptr;
    const CDesktopGazetteer* m_gazetteer = nullptr;
};
