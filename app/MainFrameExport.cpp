// What the window shows, written to files: the map as a picture or a
// vector file, the current eclipse's path as the command-line tool writes
// it, and the observer's circumstances.

#include "app/CurrentEclipse.h"
#include "app/DesktopSettings.h"
#include "app/MainFrame.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "formats/LocalOutput.h"
#include "formats/PathOutput.h"
#include "core/Calendar.h"
#include "datafiles/FileIo.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/search/EclipseSearch.h"
#include "map/EclipseOverlay.h"
#include "map/Trace.h"
#include "map/qt/MapImage.h"
#include "map/qt/VectorMap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QRegularExpression>
#include <QStatusBar>

#include <cmath>
#include <cstdint>
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

} // namespace

QString CMainFrame::AskExportName(const char* title, const char* filter, const QString& suggested)
{
    QString chosenFilter;
    const QString path = QFileDialog::getSaveFileName(this, Text(title), suggested, Text(filter), &chosenFilter);
    return path.isEmpty() ? path : WithFilterExtension(path, chosenFilter);
}

void CMainFrame::ReportWritten(const QString& path)
{
    statusBar()->showMessage(Text(kWritten).arg(QDir::toNativeSeparators(path)), kWrittenMessageMilliseconds);
}

void CMainFrame::OnFileExportMap()
{
    const QString path = AskExportName(kMapTitle, kMapFilter, m_document.Title() + QStringLiteral(".png"));
    if (path.isEmpty()) {
        return;
    }
    bool chosen = false;
    const int width = QInputDialog::getInt(this, Text(kMapTitle), Text(kWidthLabel), m_view->width(), kSmallestWidth,
                                           kLargestWidth, 1, &chosen);
    if (chosen) {
        ExportMap(path, width);
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
    const QString path = AskExportName(kPathTitle, kPathFilter, QStringLiteral("eclipse.geojson"));
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
    const QString path = AskExportName(kLocalTitle, kLocalFilter, QStringLiteral("circonstances.csv"));
    if (!path.isEmpty()) {
        ExportCircumstances(path);
    }
}

// At the observer's place and height, as the local panel shows them.
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
                                    CDesktopSettings::ObserverHeightMetres()};
        const LocalCircumstances seen = LocalCircumstancesAt(*elements, place);
        const bool json = QFileInfo(path).suffix().compare(QStringLiteral("json"), Qt::CaseInsensitive) == 0;
        WriteText(path, json ? LocalJson(seen, DesktopEphemeris().Model(), ObserverContextForExport())
                             : LocalCsv(seen, ObserverContextForExport()));
        written = true;
    });
    if (written) {
        ReportWritten(path);
    }
    return written;
}
