#include "app/InterfaceLanguage.h"

#include "app/DesktopSettings.h"
#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace {

// The program's own translations, built from translations/*.ts into the resources.
const QString kTranslationDirectory = QStringLiteral(":/i18n");
const QString kTranslationPrefix = QStringLiteral("umbrant_");

struct InstalledLanguage {
    QPointer<QTranslator> translator;  // owned by the application object
    QLocale::Language language = QLocale::French;
};

InstalledLanguage& Installed()
{
    static InstalledLanguage installed;
    return installed;
}

void RemoveProgramTranslation()
{
    if (QTranslator* previous = Installed().translator) {
        QCoreApplication::removeTranslator(previous);
        previous->deleteLater();
    }
}

// French is the language of the sources and needs no translation.
bool InstallProgramTranslation(QLocale::Language language)
{
    RemoveProgramTranslation();
    if (language == QLocale::French) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(kTranslationPrefix + CodeOfLanguage(language), kTranslationDirectory)) {
        return false;
    }
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.get());
    Installed().translator = translator.release();
    return true;
}

} // namespace

std::optional<QLocale::Language> LanguageOfCode(const QString& code)
{
    const QString language = code.section(u'_', 0, 0).section(u'.', 0, 0).section(u'-', 0, 0).toLower();
    if (language == QLatin1String("fr")) {
        return QLocale::French;
    }
    if (language == QLatin1String("en")) {
        return QLocale::English;
    }
    return std::nullopt;
}

QString CodeOfLanguage(QLocale::Language language)
{
    return language == QLocale::English ? QStringLiteral("en") : QStringLiteral("fr");
}

QString LanguageArgument(const QStringList& arguments)
{
    const QString option = QLatin1String(kLanguageOption);
    const QString joined = option + u'=';
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        if (arguments[index] == option) {
            return arguments.value(index + 1);
        }
        if (arguments[index].startsWith(joined)) {
            return arguments[index].mid(joined.size());
        }
    }
    return {};
}

QLocale::Language ChooseInterfaceLanguage(const QStringList& arguments, const QString& environment,
                                          const QString& setting)
{
    for (const QString& code : {LanguageArgument(arguments), environment, setting}) {
        if (const std::optional<QLocale::Language> language = LanguageOfCode(code)) {
            return *language;
        }
    }
    return QLocale::French;
}

bool InstallInterfaceLanguage(QLocale::Language language)
{
    if (QCoreApplication::instance() == nullptr) {
        return false;
    }
    const bool program = InstallProgramTranslation(language);
    const bool qt = InstallQtTranslations(language);
    Installed().language = program ? language : QLocale::French;
    return program && qt;
}

QLocale::Language InterfaceLanguage()
{
    return Installed().language;
}

QLocale::Language SetUpInterfaceLanguage(const QStringList& arguments)
{
    const QLocale::Language language = ChooseInterfaceLanguage(
        arguments, qEnvironmentVariable(kLanguageVariable), CDesktopSettings::LanguageCode());
    InstallInterfaceLanguage(language);
    return language;
}
