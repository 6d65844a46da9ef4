#include "app/DesktopSettings.h"

#include <QSettings>

#include <cmath>

namespace {

const QString kSection = QStringLiteral("Settings/");

bool Flag(QSettings& settings, const char* key, bool fallback)
{
    return settings.value(kSection + QLatin1String(key), fallback).toBool();
}

} // namespace

double CDesktopSettings::TimeOffsetHours()
{
    const double hours = QSettings().value(kSection + QStringLiteral("TimeOffset"), 0.0).toDouble();
    return std::isfinite(hours) ? hours : 0.0;
}

void CDesktopSettings::SetTimeOffsetHours(double hours)
{
    QSettings().setValue(kSection + QStringLiteral("TimeOffset"), hours);
}

double CDesktopSettings::ObserverHeightMetres()
{
    const double metres = QSettings().value(kSection + QStringLiteral("ObserverHeight"), 0.0).toDouble();
    return std::isfinite(metres) ? metres : 0.0;
}

void CDesktopSettings::SetObserverHeightMetres(double metres)
{
    QSettings().setValue(kSection + QStringLiteral("ObserverHeight"), metres);
}

MapLayerChoice CDesktopSettings::Layers()
{
    QSettings settings;
    const MapLayerChoice defaults;
    MapLayerChoice layers;
    // The desktop shows the path and the limits each as one group.
    layers.path = layers.umbraLimits = layers.greatest = Flag(settings, "LayerPath", defaults.path);
    layers.penumbraLimits = layers.riseSet = Flag(settings, "LayerLimits", defaults.penumbraLimits);
    layers.magnitudeCurves = Flag(settings, "LayerMagnitudeCurves", defaults.magnitudeCurves);
    layers.graticule = Flag(settings, "LayerGraticule", defaults.graticule);
    layers.terminator = Flag(settings, "LayerTerminator", defaults.terminator);
    layers.observer = Flag(settings, "LayerObserver", defaults.observer);
    layers.uncertainty = Flag(settings, "LayerUncertainty", defaults.uncertainty);
    return layers;
}

void CDesktopSettings::SetLayers(const MapLayerChoice& layers)
{
    QSettings settings;
    settings.setValue(kSection + QStringLiteral("LayerPath"), layers.path);
    settings.setValue(kSection + QStringLiteral("LayerLimits"), layers.penumbraLimits);
    settings.setValue(kSection + QStringLiteral("LayerMagnitudeCurves"), layers.magnitudeCurves);
    settings.setValue(kSection + QStringLiteral("LayerGraticule"), layers.graticule);
    settings.setValue(kSection + QStringLiteral("LayerTerminator"), layers.terminator);
    settings.setValue(kSection + QStringLiteral("LayerObserver"), layers.observer);
    settings.setValue(kSection + QStringLiteral("LayerUncertainty"), layers.uncertainty);
}

// Under a key of its own: the dialog used to store "classic" for users who
// never chose it, and the modern model is now the default.
TimeModel CDesktopSettings::Model()
{
    const QString name = QSettings().value(kSection + QStringLiteral("TimeModel")).toString();
    return TimeModel(TimeModel::FormulasNamed(name.toStdString()).value_or(TimeModel::Formulas::Modern));
}

void CDesktopSettings::SetModel(const TimeModel& model)
{
    QSettings().setValue(kSection + QStringLiteral("TimeModel"), QString::fromLatin1(model.Name()));
}

QString CDesktopSettings::LanguageCode()
{
    return QSettings().value(kSection + QStringLiteral("Language")).toString();
}

void CDesktopSettings::SetLanguageCode(const QString& code)
{
    QSettings().setValue(kSection + QStringLiteral("Language"), code);
}
