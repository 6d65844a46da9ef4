#include "app/CommandLine.h"

#include "app/InterfaceLanguage.h"

#include <QCoreApplication>

namespace {

// The context of this file's texts for their translation.
class CText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

bool IsSlashSwitch(const QString& argument, const char* name)
{
    return argument.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

CommandLineRequest Missing(const QString& what)
{
    CommandLineRequest request;
    request.error = what;
    return request;
}

} // namespace

CommandLineRequest ParseCommandLine(const QStringList& arguments)
{
    CommandLineRequest request;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        const qsizetype remaining = arguments.size() - index - 1;
        if (IsSlashSwitch(argument, "/p") || argument == QLatin1String("--print")) {
            if (remaining < 1) {
                return Missing(CText::tr("%1 : le document à imprimer manque").arg(argument));
            }
            request.action = CommandLineRequest::Action::Print;
            request.document = arguments[index + 1];
            return request;
        }
        if (IsSlashSwitch(argument, "/pt") || argument == QLatin1String("--print-to")) {
            if (remaining < 2) {
                return Missing(CText::tr("%1 : le document ou l'imprimante manque").arg(argument));
            }
            const bool slash = argument.startsWith(u'/');
            request.action = CommandLineRequest::Action::PrintTo;
            request.document = arguments[index + (slash ? 1 : 2)];
            request.printer = arguments[index + (slash ? 2 : 1)];
            return request;
        }
        const QString languageOption = QLatin1String(kLanguageOption);
        const bool joined = argument.startsWith(languageOption + u'=');
        if (argument == languageOption || joined) {
            if (!joined && remaining < 1) {
                return Missing(CText::tr("%1 : la langue manque (fr ou en)").arg(argument));
            }
            const QString code = joined ? argument.mid(languageOption.size() + 1) : arguments[++index];
            if (!LanguageOfCode(code)) {
                return Missing(CText::tr("%1 : langue inconnue « %2 » (fr ou en)").arg(languageOption, code));
            }
            continue;
        }
        if (!argument.startsWith(u'-') && request.document.isEmpty()) {
            request.action = CommandLineRequest::Action::OpenDocument;
            request.document = argument;
        }
    }
    return request;
}
