#include "app/DesktopSettings.h"

#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Settings/");

} // namespace

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
