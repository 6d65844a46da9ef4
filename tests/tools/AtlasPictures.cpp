// Pictures of the desktop as a user sees it, for looking at by eye after a
// change of the interface: the eclipse of 2024 April 8 at 18:30 UT with the
// observer at Dallas, the eclipse of 2006 March 29, the eclipse list and
// the Besselian elements. Run it under Xvfb (or offscreen) with the data
// directory and an output directory:
//   xvfb-run -a umbrant-atlas-pictures build/bin/data/ /tmp/pictures
// It writes atlas-2024.png, atlas-2006.png, eclipse-list.png and
// besselian.png.

#include "app/CommandTable.h"
#include "app/CurrentEclipse.h"
#include "app/EclipseListDialog.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "eclipse/plane/GeographicPlace.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"
#include "map/EclipseOverlay.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
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

void SetEpoch(CUmbrantDoc& document, int year, int month, int day, int hour, int minute)
{
    CObservation& epoch = document.m_map.m_observation;
    epoch.m_year = year;
    epoch.m_month = month;
    epoch.m_day = day;
    epoch.m_hour = hour;
    epoch.m_minute = minute;
    epoch.m_second = 0.0f;
}

// The eclipse of that day drawn with its path and curves, the epoch set.
void ShowEclipse(CMainFrame& frame, CUmbrantDoc& document, int year, int month, int day)
{
    const Ephemeris ephemeris = frame.DesktopEphemeris();
    const std::optional<EclipseSummary> eclipse = FindEclipseOnUniversalDate(ephemeris, year, month, day);
    if (!eclipse) {
        return;
    }
    frame.CurrentEclipse().Choose(*eclipse, ephemeris);
    document.NotifyEpochChanged();
    frame.View().OnViewTrace();
    WaitWhile([&frame] {
        CCurrentEclipse& current = frame.CurrentEclipse();
        return current.IsBusy() || !current.Overlay() || current.Overlay()->magnitudeCurves.empty() ||
               frame.View().Eclipse() != current.Overlay();
    });
    Settle(300);
}

bool Save(QWidget& widget, const QDir& directory, const char* name)
{
    const QString path = directory.filePath(QString::fromLatin1(name));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: umbrant-atlas-pictures DATA_DIRECTORY/ OUTPUT_DIRECTORY\n");
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
    epoch.m_deltaTAuto = false;
    epoch.m_deltaT = 69.1f;
    epoch.m_longitude = -96.80;  // Dallas
    epoch.m_latitude = 32.78;
    epoch.m_centre = CGeoPosition(-90.0, 35.0);
    SetEpoch(document, 2024, 4, 8, 18, 30);
    frame.resize(1600, 1000);
    frame.show();
    WaitWhile([&frame] { return frame.View().TraceCount() == 0; });
    ShowEclipse(frame, document, 2024, 4, 8);
    bool saved = Save(frame, output, "atlas-2024.png");

    frame.Action(ID_OUTILS_BESSEL)->trigger();
    Settle(300);
    if (auto* window = frame.findChild<QDialog*>(QStringLiteral("besselianWindow"))) {
        saved &= Save(*window, output, "besselian.png");
        window->close();
    }

    epoch.m_deltaTAuto = true;
    epoch.m_centre = CGeoPosition(20.0, 20.0);
    SetEpoch(document, 2006, 3, 29, 10, 11);
    ShowEclipse(frame, document, 2006, 3, 29);
    saved &= Save(frame, output, "atlas-2006.png");

    CEclipseListDialog list(frame.DesktopEphemeris(), {epoch.m_longitude, epoch.m_latitude, 0.0}, &frame);
    list.resize(900, 600);
    list.show();
    Settle(100);
    WaitWhile([&list] { return list.IsSearching(); });
    Settle(200);
    saved &= Save(list, output, "eclipse-list.png");
    return saved ? 0 : 1;
}
