#pragma once

#include <QString>

#include <string>

class CUmbrantDoc;
class QDir;
struct CommandLineRequest;

// The print switches of the command line: reads the document named in
// request into document and prints its map on the default printer or on
// the one named, showing no window. The printer name "pdf:FILE" writes the
// page into the PDF file FILE instead. Names relative to startDirectory are
// taken from there. Every failure (a document that cannot be read, a printer
// that does not exist, a data file missing) is reported on the standard
// error. Returns the program's exit code: 0 once printed, 1 otherwise.
int PrintFromCommandLine(CUmbrantDoc& document, const CommandLineRequest& request, const QDir& startDirectory,
                         const std::string& dataDirectory);
