// The shadow in motion written to a video file: the same pictures and the
// same encoder as "umbrant-cli animate", off the interface thread.

#include "app/AnimationExportDialog.h"
#include "app/BackgroundWork.h"
#include "app/CurrentEclipse.h"
#include "app/DesktopSettings.h"
#include "app/MainFrame.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "core/CalendarText.h"
#include "map/AnimationRequest.h"
#include "map/EclipseOverlay.h"
#include "map/ViewportOperations.h"
#include "map/qt/AnimationFrames.h"
#include "video/VideoFile.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProgressDialog>

#include <atomic>
#include <exception>
#include <memory>
#include <optional>

namespace {

const char* const kContext = "CMainFrame";
const char* const kTitle = QT_TRANSLATE_NOOP("CMainFrame", "Exporter l'animation");
const char* const kMp4Filter = QT_TRANSLATE_NOOP("CMainFrame", "Vidéo MP4 (*.mp4)");
const char* const kWebMFilter = QT_TRANSLATE_NOOP("CMainFrame", "Vidéo WebM (*.webm)");
const char* const kGifFilter = QT_TRANSLATE_NOOP("CMainFrame", "Image GIF animée (*.gif)");
const char* const kNoEclipse =
    QT_TRANSLATE_NOOP("CMainFrame", "Aucune éclipse en cours : choisissez une époque pendant une éclipse, ou une éclipse dans la liste.");
const char* const kExporting = QT_TRANSLATE_NOOP("CMainFrame", "Exportation de l'animation...");
const char* const kCancel = QT_TRANSLATE_NOOP("CMainFrame", "Annuler");
const char* const kReversed = QT_TRANSLATE_NOOP("CMainFrame", "La fin de l'animation précède son début.");
const char* const kTooManyFrames =
    QT_TRANSLATE_NOOP("CMainFrame", "L'animation aurait plus de 100 000 images : choisissez un pas plus long.");
const char* const kBadSize = QT_TRANSLATE_NOOP("CMainFrame", "La vidéo MP4 demande une largeur et une hauteur paires.");

constexpr double kDefaultStepSeconds = 60.0;

QString Text(const char* source)
{
    return QCoreApplication::translate(kContext, source);
}

const char* FilterOf(VideoFormat format)
{
    switch (format) {
    case VideoFormat::WebM:
        return kWebMFilter;
    case VideoFormat::Gif:
        return kGifFilter;
    case VideoFormat::Mp4:
        break;
    }
    return kMp4Filter;
}

const char* ExtensionOf(VideoFormat format)
{
    switch (format) {
    case VideoFormat::WebM:
        return ".webm";
    case VideoFormat::Gif:
        return ".gif";
    case VideoFormat::Mp4:
        break;
    }
    return ".mp4";
}

// The eclipse's first to last contact, on whole minutes.
AnimationExportSettings InitialSettings(const EclipsePath& path)
{
    AnimationExportSettings settings;
    if (!CheckEclipseSpan(path, kDefaultStepSeconds)) {
        const AnimationTimes times = EclipseSpan(path, kDefaultStepSeconds);
        settings.from = RoundedCivilTime(times.firstUniversal, 0);
        settings.to = RoundedCivilTime(times.UniversalAt(times.count - 1), 0);
    }
    return settings;
}

// Why the settings make no animation, or nothing.
std::optional<QString> SettingsRefusal(const AnimationExportSettings& settings, VideoFormat format)
{
    const std::optional<AnimationTimesError> error = CheckAnimationSpan(
        UniversalInstantOf(settings.from), UniversalInstantOf(settings.to), settings.stepSeconds);
    if (error == AnimationTimesError::Reversed) {
        return Text(kReversed);
    }
    if (error) {
        return Text(kTooManyFrames);
    }
    if (VideoSizeRefusal(format, settings.width, settings.height)) {
        return Text(kBadSize);
    }
    return std::nullopt;
}

struct ExportResult {
    bool written = false;
    std::exception_ptr failure;
};

} // namespace

void CMainFrame::OnFileExportAnimation()
{
    const std::shared_ptr<const EclipseOverlay> overlay = m_currentEclipse->Overlay();
    if (!overlay) {
        m_presenter(this, QMessageBox::Information, kProgramName, Text(kNoEclipse));
        return;
    }
    CAnimationExportDialog dialog(InitialSettings(overlay->path), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const AnimationExportSettings settings = dialog.Settings();
    const QString suggested = m_document.Title() + QString::fromLatin1(ExtensionOf(settings.format));
    const QString path = AskExportName(kTitle, FilterOf(settings.format), suggested);
    if (!path.isEmpty()) {
        ExportAnimation(path, settings);
    }
}

bool CMainFrame::ExportAnimation(const QString& path, const AnimationExportSettings& settings)
{
    const VideoFormat format = VideoFormatOf(path.toStdString()).value_or(settings.format);
    const QString target = VideoFormatOf(path.toStdString()) ? path : path + QString::fromLatin1(ExtensionOf(format));
    if (const std::optional<QString> refusal = SettingsRefusal(settings, format)) {
        m_presenter(this, QMessageBox::Warning, kProgramName, *refusal);
        return false;
    }
    AnimationRequest request;
    request.map = m_document.m_map;
    SetGlobalViewport(request.map.m_viewport, settings.width, settings.height);
    request.dataDirectory = m_view->DataDirectory();
    request.model = CDesktopSettings::Model();
    request.scene.width = settings.width;
    request.scene.height = settings.height;
    request.scene.layers = m_document.m_options.m_layers;
    // The curves of the current eclipse are computed now when still on their way.
    std::shared_ptr<const EclipseOverlay> overlay = m_currentEclipse->Overlay();
    if (overlay && overlay->magnitudeCurves.empty() && m_currentEclipse->Elements() != nullptr) {
        overlay = std::make_shared<const EclipseOverlay>(
            EclipseOverlay{overlay->type, overlay->path, CCurrentEclipse::MagnitudeCurves(*m_currentEclipse->Elements()),
                           overlay->towns, overlay->band});
    }
    request.scene.eclipse = overlay.get();
    request.times = AnimationSpan(UniversalInstantOf(settings.from), UniversalInstantOf(settings.to), settings.stepSeconds);
    request.framesPerSecond = settings.framesPerSecond;

    QProgressDialog progress(Text(kExporting), Text(kCancel), 0, request.times.count, this);
    progress.setObjectName(QStringLiteral("animationProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    std::atomic<bool> cancelled{false};
    connect(&progress, &QProgressDialog::canceled, this, [&cancelled] { cancelled = true; });

    const VideoSettings video{format, settings.width, settings.height, settings.framesPerSecond};
    const std::string file = target.toStdString();
    QFutureWatcher<ExportResult> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<ExportResult>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(RunInBackground([&request, &progress, &cancelled, video, file]() {
        ExportResult result;
        try {
            CAnimationFrames frames(request);
            result.written = WriteVideoFile(file, video, [&](IVideoEncoder& encoder) {
                const auto shown = [&](int done, int) {
                    // cancel() as well as the button stops the export.
                    QMetaObject::invokeMethod(
                        &progress,
                        [&progress, &cancelled, done] {
                            progress.setValue(done);
                            if (progress.wasCanceled()) {
                                cancelled = true;
                            }
                        },
                        Qt::QueuedConnection);
                    return !cancelled.load();
                };
                return EncodeAnimation(frames, encoder, shown) == AnimationOutcome::Finished;
            });
        } catch (...) {
            result.failure = std::current_exception();
        }
        return result;
    }));
    if (!watcher.isFinished()) {
        loop.exec();
    }
    const ExportResult result = watcher.result();
    progress.reset();
    if (result.failure) {
        RunCommand(m_presenter, this, [&] { std::rethrow_exception(result.failure); });
        return false;
    }
    if (result.written) {
        ReportWritten(target);
    }
    return result.written;
}
