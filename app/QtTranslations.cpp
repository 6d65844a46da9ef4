#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace {

// The translator installed last, owned by the application object.
QPointer<QTranslator>& InstalledTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

bool InstallQtTranslations(QLocale::Language language)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return false;
    }
    if (QTranslator* previous = InstalledTranslator()) {
        QCoreApplication::removeTranslator(previous);
        previous->deleteLater();
    }
    if (language == QLocale::English) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    translator->setParent(application);
    QCoreApplication::installTranslator(translator.get());
    InstalledTranslator() = translator.release();
    return true;
}
