// What the window shows, written to files: the map as a picture or a
// vector file, the current eclipse's path as the command-line tool writes
// it, and the observer's circumstances.

#include "app/CurrentEclipse.h"
#include "app/MainFrame.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "formats/LocalOutput.h"
#include "formats/PathOutput.h"
#include "core/Calendar.h"
#include "core/CalendarText.h"
#include "datafiles/FileIo.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/search/EclipseSearch.h"
#include "eclipse/uncertainty/CentralChance.h"
#include "map/EclipseOverlay.h"
#include "map/Trace.h"
#include "map/qt/MapImage.h"
#include "map/qt/VectorMap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>

namespace {

const char* const kContext = "CMainFrame";
const char* const kMapTitle = QT_TRANSLATE_NOOP("CMainFrame", "Exporter la carte");
const char* const kMapFilter = QT_TRANSLATE_NOOP("CMainFrame", "Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)");
const char* const kWidthLabel = QT_TRANSLATE_NOOP("CMainFrame", "Largeur de la carte (pixels) :");
const char* const kPathTitle = QT_TRANSLATE_NOOP("CMainFrame", "Exporter le tracé");
const char* const kPathFilter = QT_TRANSLATE_NOOP("CMainFrame", "GeoJSON (*.geojson);;KML (*.kml)");
const char* const kLocalTitle = QT_TRANSLATE_NOOP("CMainFrame", "Exporter les circonstances");
const char* const kLocalFilter = QT_TRANSLATE_NOOP("CMainFrame", "Tableau CSV (*.csv);;JSON (*.json)");
const char* const kNoEclipse =
    QT_TRANSLATE_NOOP("CMainFrame", "Aucune éclipse en cours : choisissez une époque pendant une éclipse, ou une éclipse dans la liste.");
const char* const kNoMap = QT_TRANSLATE_NOOP("CMainFrame", "La carte n'est pas encore tracée.");
const char* const kWritten = QT_TRANSLATE_NOOP("CMainFrame", "Fichier « %1 » écrit");
const char* const kEclipseName = QT_TRANSLATE_NOOP("CMainFrame", "Eclipse du %1");
const char* const kMapName = QT_TRANSLATE_NOOP("CMainFrame", "Carte du %1");
const char* const kCircumstancesName = QT_TRANSLATE_NOOP("CMainFrame", "Circonstances du %1");
const QString kLastDirectoryKey = QStringLiteral("Settings/LastDirectory");

constexpr int kSmallestWidth = 64;
constexpr int kLargestWidth = 16384;
constexpr int kWrittenMessageMilliseconds = 5000;

QString Text(const char* source)
{
    return QCoreApplication::translate(kContext, source);
}

// The extension of the filter chosen ("... (*.svg)"), added when the name
// typed has none.
QString WithFilterExtension(const QString& path, const QString& filter)
{
    if (!QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0) {
        return path;
    }
    const qsizetype end = filter.indexOf(QRegularExpression(QStringLiteral("[ )]")), star);
    return path + filter.mid(star + 1, end < 0 ? -1 : end - star - 1);
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    WriteFileAtomically(path.toStdString(), std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                      static_cast<std::size_t>(bytes.size())));
}

void WriteText(const QString& path, const std::string& text)
{
    WriteFileAtomically(path.toStdString(),
                        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

QByteArray EncodeMap(const CMapTrace& trace, const MapFrame& frame, MapFileFormat format, const QString& title)
{
    switch (format) {
    case MapFileFormat::Svg:
        return DrawSvgMap(trace, frame, title);
    case MapFileFormat::Pdf:
        return DrawPdfMap(trace, frame, title);
    case MapFileFormat::Png:
        break;
    }
    return EncodePng(DrawMapImage(trace, frame));
}

// The command-line tool's circumstances, with the place they are for: an
// "observer" member first in the JSON object, or three columns at the end
// of each CSV row.
std::string WithObserverInJson(const std::string& json, const GeographicPlace& place)
{
    const std::size_t brace = json.find('{');
    if (brace == std::string::npos) {
        return json;
    }
    char member[160];
    std::snprintf(member, sizeof member, "\n  \"observer\": {\"longitude\": %.5f, \"latitude\": %.5f, \"height_m\": %.0f},",
                  place.longitude, place.latitude, place.height);
    return std::string(json).insert(brace + 1, member);
}

std::string WithObserverInCsv(const std::string& csv, const GeographicPlace& place)
{
    char columns[96];
    std::snprintf(columns, sizeof columns, ",%.5f,%.5f,%.0f", place.longitude, place.latitude, place.height);
    std::string result;
    std::size_t start = 0;
    for (bool header = true; start < csv.size(); header = false) {
        const std::size_t end = std::min(csv.find('\n', start), csv.size());
        result.append(csv, start, end - start).append(header ? ",longitude,latitude,height_m" : columns).append("\n");
        start = end + 1;
    }
    return result;
}

// The date of greatest eclipse (UT), as the command-line tool names the
// eclipse in its KML.
CivilDate DateOfGreatest(const EclipseSummary& eclipse)
{
    const Instant universal = eclipse.greatest.PlusSeconds(-eclipse.deltaT);
    const CivilDateTime civil = CivilFromJulianDate(universal.WholeDays(), universal.DayFraction());
    return CivilDate{civil.year, civil.month, civil.day};
}

} // namespace

QString CMainFrame::AskExportName(const char* title, const char* filter, const QString& suggested)
{
    QString chosenFilter;
    const QString path = QFileDialog::getSaveFileName(this, Text(title), QDir(FileDialogDirectory()).filePath(suggested),
                                                      Text(filter), &chosenFilter);
    if (path.isEmpty()) {
        return path;
    }
    RememberFileDialogDirectory(path);
    return WithFilterExtension(path, chosenFilter);
}

// "Eclipse du 2026-08-12" (the date of greatest eclipse, UT), or "Carte du
// 2006-03-29" (the epoch's) without an eclipse: names that sort by date.
QString CMainFrame::SuggestedName(const QString& extension) const
{
    if (const EclipseSummary* eclipse = m_currentEclipse->Summary()) {
        return Text(kEclipseName).arg(QString::fromStdString(IsoDateText(DateOfGreatest(*eclipse)))) + extension;
    }
    const CObservation& epoch = m_document.m_map.m_observation;
    return Text(kMapName).arg(QString::fromStdString(IsoDateText(epoch.m_year, epoch.m_month, epoch.m_day))) + extension;
}

QString CMainFrame::FileDialogDirectory() const
{
    const QString last = QSettings().value(kLastDirectoryKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void CMainFrame::RememberFileDialogDirectory(const QString& path)
{
    QSettings().setValue(kLastDirectoryKey, QFileInfo(path).absolutePath());
}

void CMainFrame::ReportWritten(const QString& path)
{
    statusBar()->showMessage(Text(kWritten).arg(QDir::toNativeSeparators(path)), kWrittenMessageMilliseconds);
}

void CMainFrame::OnFileExportMap()
{
    const QString path = AskExportName(kMapTitle, kMapFilter, SuggestedName(QStringLiteral(".png")));
    if (path.isEmpty()) {
        return;
    }
    // Wide enough for its title, which a narrow box cuts.
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("exportWidthDialog"));
    dialog.setWindowTitle(Text(kMapTitle));
    dialog.setLabelText(Text(kWidthLabel));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(kSmallestWidth, kLargestWidth);
    dialog.setIntValue(m_view->width());
    // Its layout sizes it to its contents: the label is made wide enough.
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(Text(kMapTitle)) * 2 + 120);
    }
    if (dialog.exec() == QDialog::Accepted) {
        ExportMap(path, dialog.intValue());
    }
}

bool CMainFrame::ExportMap(const QString& path, int width)
{
    const MapFileFormat format = MapFileFormatOf(path.toStdString()).value_or(MapFileFormat::Png);
    bool written = false;
    RunCommand(m_presenter, this, [&] {
        const bool drawn = m_view->DrawShownMap([&](const CMapTrace& trace, const MapFrame& frame) {
            const MapFrame scaled = ScaledFrame(frame, static_cast<double>(width) / frame.width);
            WriteBytes(path, EncodeMap(trace, scaled, format, m_document.Title()));
        });
        if (!drawn) {
            m_presenter(this, QMessageBox::Information, kProgramName, Text(kNoMap));
            return;
        }
        written = true;
    });
    if (written) {
        ReportWritten(path);
    }
    return written;
}

void CMainFrame::OnFileExportPath()
{
    if (m_currentEclipse->Elements() == nullptr) {
        m_presenter(this, QMessageBox::Information, kProgramName, Text(kNoEclipse));
        return;
    }
    const QString path = AskExportName(kPathTitle, kPathFilter, SuggestedName(QStringLiteral(".geojson")));
    if (!path.isEmpty()) {
        ExportPath(path);
    }
}

// The path at the command line's step, with the curves of equal magnitude
// the map shows (computed here when they are still on their way).
bool CMainFrame::ExportPath(const QString& path)
{
    const FittedElements* elements = m_currentEclipse->Elements();
    const EclipseSummary* summary = m_currentEclipse->Summary();
    if (elements == nullptr || summary == nullptr) {
        m_presenter(this, QMessageBox::Information, kProgramName, Text(kNoEclipse));
        return false;
    }
    bool written = false;
    RunCommand(m_presenter, this, [&] {
        const std::shared_ptr<const EclipseOverlay> overlay = m_currentEclipse->Overlay();
        // The map's path is the command line's: same elements, same step.
        const EclipsePath eclipsePath = overlay ? overlay->path : ComputeEclipsePath(*elements);
        const std::vector<MagnitudeCurve> curves = overlay && !overlay->magnitudeCurves.empty()
                                                       ? overlay->magnitudeCurves
                                                       : CCurrentEclipse::MagnitudeCurves(*elements);
        const bool kml = QFileInfo(path).suffix().compare(QStringLiteral("kml"), Qt::CaseInsensitive) == 0;
        const TimeModel model = DesktopEphemeris().Model();
        WriteText(path, kml ? PathKml(eclipsePath, curves, EclipseTitle(summary->greatest, summary->deltaT), model)
                            : PathGeoJson(eclipsePath, curves, model));
        written = true;
    });
    if (written) {
        ReportWritten(path);
    }
    return written;
}

void CMainFrame::OnFileExportCircumstances()
{
    if (m_currentEclipse->Elements() == nullptr) {
        m_presenter(this, QMessageBox::Information, kProgramName, Text(kNoEclipse));
        return;
    }
    const QString date = SuggestedName(QString()).section(QLatin1Char(' '), -1);
    const QString path = AskExportName(kLocalTitle, kLocalFilter, Text(kCircumstancesName).arg(date) + QStringLiteral(".csv"));
    if (!path.isEmpty()) {
        ExportCircumstances(path);
    }
}

// At the observer's place and height, as the local panel shows them, and
// naming them.
bool CMainFrame::ExportCircumstances(const QString& path)
{
    const FittedElements* elements = m_currentEclipse->Elements();
    if (elements == nullptr) {
        m_presenter(this, QMessageBox::Information, kProgramName, Text(kNoEclipse));
        return false;
    }
    bool written = false;
    RunCommand(m_presenter, this, [&] {
        const CObservation& observation = m_document.m_map.m_observation;
        const GeographicPlace place{observation.m_longitude, observation.m_latitude,
                                    m_document.m_options.m_observerHeight};
        const LocalCircumstances seen = LocalCircumstancesAt(*elements, place);
        const bool json = QFileInfo(path).suffix().compare(QStringLiteral("json"), Qt::CaseInsensitive) == 0;
        const ObserverContext context = ObserverContextForExport();
        // Delta T known only within its sigma: the chance of the central
        // phase, as the command line gives it.
        std::optional<LocalUncertainty> uncertainty;
        const EclipseSummary* summary = m_currentEclipse->Summary();
        if (summary != nullptr && summary->deltaTSigma) {
            uncertainty = LocalUncertaintyAt(*elements, place, *summary->deltaTSigma);
        }
        const LocalUncertainty* known = uncertainty ? &*uncertainty : nullptr;
        WriteText(path, json ? WithObserverInJson(LocalJson(seen, DesktopEphemeris().Model(), context, known), place)
                             : WithObserverInCsv(LocalCsv(seen, context, known), place));
        written = true;
    });
    if (written) {
        ReportWritten(path);
    }
    return written;
}
