#include "app/CommandLinePrinting.h"

#include "app/CommandLine.h"
#include "app/DesktopSettings.h"
#include "app/MapPrinting.h"
#include "app/UmbrantDoc.h"
#include "app/UserMessages.h"
#include "datafiles/FileIo.h"

#include <QCoreApplication>

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The context of this file's texts for their translation.
class CText {
    Q_DECLARE_TR_FUNCTIONS(CommandLinePrinting)
};

// A printer name that writes the page into a PDF file instead of a printer
// of the system (for checks and scripts): "pdf:" followed by the file's path.
const QString kPdfPrinterPrefix = QStringLiteral("pdf:");

// Where a print switch sends the page. A "pdf:" printer writes a scratch
// file first, whose bytes then replace the named file at once, so that a
// failed print leaves that file as it was.
struct PrintTarget {
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QTemporaryFile> scratchPdf;
    QString pdfPath;

    // Raises CFileException when the PDF cannot be written.
    void Commit() const
    {
        if (scratchPdf) {
            const std::vector<std::uint8_t> bytes = ReadWholeFile(QFile::encodeName(scratchPdf->fileName()).toStdString());
            WriteFileAtomically(QFile::encodeName(pdfPath).toStdString(), bytes);
        }
    }
};

std::optional<PrintTarget> PdfTarget(const QString& path)
{
    PrintTarget target;
    target.pdfPath = path;
    target.scratchPdf = std::make_unique<QTemporaryFile>();
    if (!target.scratchPdf->open()) {
        ShowOnStandardError(CText::tr("impossible de créer un fichier temporaire pour « %1 ».").arg(path));
        return std::nullopt;
    }
    target.scratchPdf->close();
    target.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    target.printer->setOutputFormat(QPrinter::PdfFormat);
    target.printer->setOutputFileName(target.scratchPdf->fileName());
    return target;
}

// The printer a print switch names, or none (the reason was reported).
std::optional<PrintTarget> OpenPrintTarget(const CommandLineRequest& request, const QDir& startDirectory)
{
    const bool named = request.action == CommandLineRequest::Action::PrintTo;
    if (named && request.printer.startsWith(kPdfPrinterPrefix)) {
        return PdfTarget(startDirectory.absoluteFilePath(request.printer.mid(kPdfPrinterPrefix.size())));
    }
    const QPrinterInfo info = named ? QPrinterInfo::printerInfo(request.printer) : QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        ShowOnStandardError(named ? CText::tr("l'imprimante « %1 » n'existe pas.").arg(request.printer)
                                  : CText::tr("aucune imprimante par défaut n'est installée."));
        return std::nullopt;
    }
    PrintTarget target;
    target.printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return target;
}

QString PrinterName(const CommandLineRequest& request)
{
    return request.action == CommandLineRequest::Action::PrintTo ? request.printer
                                                                  : CText::tr("l'imprimante par défaut");
}

} // namespace

int PrintFromCommandLine(CUmbrantDoc& document, const CommandLineRequest& request, const QDir& startDirectory,
                         const std::string& dataDirectory)
{
    try {
        document.OnOpenDocument(startDirectory.absoluteFilePath(request.document));
    } catch (const std::exception& error) {
        ShowOnStandardError(CText::tr("impossible d'ouvrir le document.\n") + DescribeFailure(error));
        return 1;
    }
    const std::optional<PrintTarget> target = OpenPrintTarget(request, startDirectory);
    if (!target) {
        return 1;
    }
    target->printer->setDocName(document.Title());
    try {
        if (!PrintMap(*target->printer, document, dataDirectory, CDesktopSettings::Model())) {
            ShowOnStandardError(CText::tr("impossible de lancer l'impression sur « %1 ».").arg(PrinterName(request)));
            return 1;
        }
        target->Commit();
    } catch (const std::exception& error) {
        ShowOnStandardError(CText::tr("l'impression a échoué.\n") + DescribeFailure(error));
        return 1;
    }
    return 0;
}
