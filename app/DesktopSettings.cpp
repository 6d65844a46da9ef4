#include "app/DesktopSettings.h"

#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Settings/");

} // namespace

CDesktopSettings::Model CDesktopSettings::TimeModel()
{
    return QSettings().value(kSection + QStringLiteral("Model")).toString() == QStringLiteral("modern") ? Model::Modern
                                                                                                          : Model::Classic;
}

void CDesktopSettings::SetTimeModel(Model model)
{
    QSettings().setValue(kSection + QStringLiteral("Model"), model == Model::Modern ? QStringLiteral("modern")
                                                                                    : QStringLiteral("classic"));
}

QString CDesktopSettings::LanguageCode()
{
    return QSettings().value(kSection + QStringLiteral("Language")).toString();
}

void CDesktopSettings::SetLanguageCode(const QString& code)
{
    QSettings().setValue(kSection + QStringLiteral("Language"), code);
}
