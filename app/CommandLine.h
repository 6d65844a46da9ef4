#pragma once

#include <QString>
#include <QStringList>

// What the program's command line asks for, by the desktop's usual rules.
struct CommandLineRequest {
    enum class Action { NewDocument, OpenDocument, Print, PrintTo };

    Action action = Action::NewDocument;
    QString document;  // as written on the command line
    QString printer;   // PrintTo only
    QString error;     // a switch without its arguments: what is missing
};

// Reads the arguments (the first one is the program):
//   (none)                      a new document;
//   FILE                        opens FILE;
//   /p FILE, --print FILE       prints FILE on the default printer;
//   /pt FILE PRINTER,
//   --print-to PRINTER FILE     prints FILE on PRINTER.
//   --lang fr|en                the language of the interface (InterfaceLanguage.h).
// The slash switches take any case. Other arguments starting with "-" are
// left to Qt and skipped.
CommandLineRequest ParseCommandLine(const QStringList& arguments);
