#include "app/DisplaysDialog.h"

#include "app/AtlasTexts.h"
#include "app/DialogButtons.h"
#include "app/UncertaintyTexts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CDisplaysDialog::CDisplaysDialog(const MapLayerChoice& layers, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(kDisplaysTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLayerGroup(layers));
    layout->addWidget(MakeModelGroup());
    layout->addWidget(MakeClosingButtons());
}

QCheckBox* CDisplaysDialog::AddLayerBox(const QString& text, const char* name, bool checked)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    m_layerBoxes.append(box);
    return box;
}

QWidget* CDisplaysDialog::MakeLayerGroup(const MapLayerChoice& layers)
{
    auto* group = new QGroupBox(kLayersGroup);
    auto* column = new QVBoxLayout(group);
    m_path = AddLayerBox(kLayerPath, "pathBox", layers.path);
    m_limits = AddLayerBox(kLayerLimits, "limitsBox", layers.penumbraLimits);
    m_magnitudeCurves = AddLayerBox(kLayerMagnitude, "magnitudeCurvesBox", layers.magnitudeCurves);
    m_graticule = AddLayerBox(kLayerGraticule, "graticuleBox", layers.graticule);
    m_terminator = AddLayerBox(kLayerTerminator, "terminatorBox", layers.terminator);
    m_observer = AddLayerBox(kLayerObserver, "observerBox", layers.observer);
    m_legend = AddLayerBox(kLayerLegend, "legendBox", layers.legend);
    m_towns = AddLayerBox(kLayerTowns, "townsBox", layers.towns);
    m_uncertainty = AddLayerBox(kLayerUncertainty, "uncertaintyBox", layers.uncertainty);
    for (QCheckBox* box : m_layerBoxes) {
        column->addWidget(box);
    }
    return group;
}

QWidget* CDisplaysDialog::MakeModelGroup()
{
    auto* group = new QGroupBox(kModelGroup);
    auto* column = new QVBoxLayout(group);
    m_classic = new QRadioButton(kModelClassic);
    m_classic->setObjectName(QStringLiteral("classicModelButton"));
    m_modern = new QRadioButton(kModelModern);
    m_modern->setObjectName(QStringLiteral("modernModelButton"));
    const bool modern = !CDesktopSettings::Model().IsClassic();
    m_classic->setChecked(!modern);
    m_modern->setChecked(modern);
    column->addWidget(m_classic);
    column->addWidget(m_modern);
    return group;
}

QWidget* CDisplaysDialog::MakeClosingButtons()
{
    return MakeCancelOkRow(*this);
}

MapLayerChoice CDisplaysDialog::Layers() const
{
    MapLayerChoice layers;
    layers.path = layers.umbraLimits = layers.greatest = m_path->isChecked();
    layers.penumbraLimits = layers.riseSet = m_limits->isChecked();
    layers.magnitudeCurves = m_magnitudeCurves->isChecked();
    layers.graticule = m_graticule->isChecked();
    layers.terminator = m_terminator->isChecked();
    layers.observer = m_observer->isChecked();
    layers.legend = m_legend->isChecked();
    layers.towns = m_towns->isChecked();
    layers.uncertainty = m_uncertainty->isChecked();
    return layers;
}

TimeModel CDisplaysDialog::ChosenModel() const
{
    return TimeModel(m_modern->isChecked() ? TimeModel::Formulas::Modern : TimeModel::Formulas::Classic);
}

void CDisplaysDialog::accept()
{
    CDesktopSettings::SetModel(ChosenModel());
    QDialog::accept();
}
