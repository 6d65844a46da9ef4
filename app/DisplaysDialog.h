#pragma once

#include "app/DesktopSettings.h"
#include "model/MapLayerChoice.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

// "Affichages complémentaires": the map's optional layers (the document's)
// and the model the shadow, the path and the Sun are computed with (the
// settings'). "Ok" stores the model; the caller takes Layers() into the
// document.
class CDisplaysDialog : public QDialog {
    Q_OBJECT

public:
    explicit CDisplaysDialog(const MapLayerChoice& layers, QWidget* parent = nullptr);

    // Stores the model in the settings and closes the dialog.
    void accept() override;

    MapLayerChoice Layers() const;
    TimeModel ChosenModel() const;

private:
    QWidget* MakeLayerGroup(const MapLayerChoice& layers);
    QWidget* MakeModelGroup();
    QWidget* MakeClosingButtons();
    QCheckBox* AddLayerBox(const QString& text, const char* name, bool checked);

    QList<QCheckBox*> m_layerBoxes;
    QCheckBox* m_path = nullptr;
    QCheckBox* m_limits = nullptr;
    QCheckBox* m_magnitudeCurves = nullptr;
    QCheckBox* m_graticule = nullptr;
    QCheckBox* m_terminator = nullptr;
    QCheckBox* m_observer = nullptr;
    QCheckBox* m_legend = nullptr;
    QCheckBox* m_towns = nullptr;
    QCheckBox* m_uncertainty = nullptr;
    QRadioButton* m_classic = nullptr;
    QRadioButton* m_modern = nullptr;
};
