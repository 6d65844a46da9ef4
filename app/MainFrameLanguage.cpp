#include "app/MainFrame.h"

#include "app/DesktopSettings.h"
#include "app/InterfaceLanguage.h"
#include "app/PromptingMenu.h"

#include <QActionGroup>

// "Langue / Language" under "Paramètres": each language is named in itself,
// and the choice, kept in the settings, applies from the next start.
void CMainFrame::CreateLanguageMenu(QMenu& parameters)
{
    auto* menu = new CPromptingMenu(tr("Langue / Language"), &parameters);
    menu->setObjectName(QStringLiteral("languageMenu"));
    parameters.addMenu(menu);
    const QString prompt = tr("Choisit la langue de l'interface, au prochain démarrage");
    menu->menuAction()->setStatusTip(prompt);
    auto* group = new QActionGroup(menu);
    const QString chosen = CodeOfLanguage(LanguageOfCode(CDesktopSettings::LanguageCode()).value_or(InterfaceLanguage()));
    const std::pair<QLocale::Language, QString> languages[] = {{QLocale::French, QStringLiteral("Français")},
                                                               {QLocale::English, QStringLiteral("English")}};
    for (const auto& [language, name] : languages) {
        QAction* item = menu->addAction(name);
        const QString code = CodeOfLanguage(language);
        item->setObjectName(QStringLiteral("language_") + code);
        item->setStatusTip(prompt);
        item->setCheckable(true);
        item->setChecked(code == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, language] { ChooseLanguage(language); });
    }
}

void CMainFrame::ChooseLanguage(QLocale::Language language)
{
    CDesktopSettings::SetLanguageCode(CodeOfLanguage(language));
    if (language != InterfaceLanguage()) {
        m_presenter(this, QMessageBox::Information, kProgramName,
                    tr("La langue choisie sera celle de l'interface au prochain démarrage du programme."));
    }
}
