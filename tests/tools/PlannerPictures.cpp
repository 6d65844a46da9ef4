// Pictures of what a trip planner looks at, for checking by eye: the 2026
// August 12 band over Spain near sunset, the map behind the save prompt, the
// Open dialog and the print preview, the print preview itself, and the page
// printed from the window and by the print switches (as PDF files). Run it
// under Xvfb, so that the screen behind the dialogs is a real one:
//   xvfb-run -a -s "-screen 0 1700x1100x24" umbrant-planner-pictures build/bin/data/ /tmp/pictures

#include "app/CommandTable.h"
#include "app/CurrentEclipse.h"
#include "app/MainFrame.h"
#include "app/MapPrinting.h"
#include "app/RecentFileList.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"
#include "map/EclipseOverlay.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <optional>

namespace {

template <typename Condition>
void WaitWhile(Condition condition, int milliseconds = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (condition() && clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
}

void Settle(int milliseconds)
{
    WaitWhile([] { return true; }, milliseconds);
}

bool Report(bool saved, const QString& path)
{
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// The screen before a dialog is shown.
QImage g_before;

// How many of the view's pixels outside the dialog changed since g_before.
void CompareBehind(QWidget& view, QWidget* dialog)
{
    const QImage now = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QRect viewRect(view.mapToGlobal(QPoint(0, 0)), view.size());
    const QRect dialogRect = dialog != nullptr ? dialog->frameGeometry() : QRect();
    long changed = 0;
    long total = 0;
    for (int y = viewRect.top(); y <= viewRect.bottom(); ++y) {
        for (int x = viewRect.left(); x <= viewRect.right(); ++x) {
            if (dialogRect.contains(x, y)) {
                continue;
            }
            ++total;
            changed += g_before.pixel(x, y) != now.pixel(x, y);
        }
    }
    std::printf("changed behind the dialog: %ld of %ld pixels\n", changed, total);
}

bool SaveScreen(const QDir& directory, const char* name)
{
    const QString path = directory.filePath(QString::fromLatin1(name));
    return Report(QGuiApplication::primaryScreen()->grabWindow(0).save(path), path);
}

// Runs a command that shows a modal dialog; once it has been up a while,
// grabs the screen (and the dialog), says how much of the map behind it
// changed, and closes it.
bool WithDialogShown(QAction& command, const QDir& directory, const char* screenName, const char* dialogName)
{
    bool saved = true;
    g_before = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QTimer::singleShot(1500, [&] {
        saved &= SaveScreen(directory, screenName);
        QWidget* dialog = QApplication::activeModalWidget();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<CMainFrame*>(top)) {
                CompareBehind(main->View(), dialog);
            }
        }
        if (dialog != nullptr && dialogName != nullptr) {
            const QString path = directory.filePath(QString::fromLatin1(dialogName));
            saved &= Report(dialog->grab().save(path), path);
        }
        if (auto* shown = qobject_cast<QDialog*>(dialog)) {
            shown->reject();
        } else if (dialog != nullptr) {
            dialog->close();
        }
    });
    command.trigger();
    Settle(300);
    return saved;
}

bool PrintToPdf(const QString& path, const std::function<bool(QPrinter&)>& print)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return Report(print(printer), path);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: umbrant-planner-pictures DATA_DIRECTORY/ OUTPUT_DIRECTORY\n");
        return 2;
    }
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    const QDir output(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(output.path());

    CUmbrantDoc document;
    CRecentFileList recentFiles(4);
    CMainFrame frame(document, recentFiles);
    frame.SetDataDirectory(argv[1]);
    CObservation& epoch = document.m_map.m_observation;
    epoch.m_day = 12;
    epoch.m_month = 8;
    epoch.m_year = 2026;
    epoch.m_hour = 18;
    epoch.m_minute = 29;
    epoch.m_second = 0.0f;
    epoch.m_longitude = -0.38;  // Valencia
    epoch.m_latitude = 39.47;
    epoch.m_centre = CGeoPosition(-1.5, 40.0);
    frame.resize(1600, 1000);
    frame.show();
    bool saved = true;
    WaitWhile([&frame] { return frame.View().TraceCount() == 0; });
    WaitWhile([&frame] {
        CCurrentEclipse& current = frame.CurrentEclipse();
        return current.IsBusy() || !current.Overlay() || current.Overlay()->magnitudeCurves.empty() ||
               frame.View().Eclipse() != current.Overlay();
    });
    Settle(3000);  // the map with the curves is drawn off the interface thread
    saved &= SaveScreen(output, "globe-before.png");
    saved &= WithDialogShown(*frame.Action(ID_FILE_PRINT_PREVIEW), output, "globe-behind-print-preview.png", nullptr);
    saved &= WithDialogShown(*frame.Action(ID_FILE_OPEN), output, "globe-behind-open-dialog.png", nullptr);
    // Spain across most of the map.
    CViewport& viewport = document.m_map.m_viewport;
    viewport.m_scale = static_cast<float>(frame.View().width() * 3.2);
    frame.View().OnViewTrace();
    Settle(500);
    saved &= Report(frame.grab().save(output.filePath(QStringLiteral("band-spain.png"))),
                        output.filePath(QStringLiteral("band-spain.png")));

    document.SetModifiedFlag();
    saved &= WithDialogShown(*frame.Action(ID_FILE_NEW), output, "behind-save-prompt.png", nullptr);
    document.SetModifiedFlag(false);
    saved &= WithDialogShown(*frame.Action(ID_FILE_OPEN), output, "behind-open-dialog.png", nullptr);
    saved &= WithDialogShown(*frame.Action(ID_FILE_PRINT_PREVIEW), output, "behind-print-preview.png",
                             "print-preview.png");

    saved &= PrintToPdf(output.filePath(QStringLiteral("printed-page.pdf")), [&frame](QPrinter& printer) {
        QPainter painter(&printer);
        frame.View().PrintPicture(painter, QRect(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize()));
        return painter.end();
    });
    saved &= PrintToPdf(output.filePath(QStringLiteral("print-switch.pdf")), [&document, &argv](QPrinter& printer) {
        return PrintMap(printer, document, argv[1], CDesktopSettings::Model());
    });
    return saved ? 0 : 1;
}
