// The desktop window animating the eclipse of 2024 April 8 from P1 to P4 a
// minute at a time, on a real display (run it under Xvfb): the pictures
// the view paints a second when the time bar plays at 30 minutes a second
// (one minute a picture, at its pace of 30 pictures a second), and when the
// steps follow one another as fast as the window can paint them.
#include "app/CurrentEclipse.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/TimeBar.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"
#include "map/EclipseOverlay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

class CPaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
    int count = 0;
};

// The window showing the eclipse, its path and curves computed.
struct EclipseWindow {
    CUmbrantDoc document;
    CRecentFileList recentFiles{4};
    CMainFrame frame{document, recentFiles};
    CPaintCounter paints;

    EclipseWindow()
    {
        CObservation& epoch = document.m_map.m_observation;
        epoch.m_deltaTAuto = false;
        epoch.m_deltaT = 69.1f;
        epoch.m_centre = CGeoPosition(-104.1, 25.3);
        // The whole screen: Xvfb has no window manager to maximise it.
        frame.resize(1920, 1080);
        frame.show();
        WaitWhile([this] { return frame.View().TraceCount() == 0; });
        const Ephemeris ephemeris = frame.DesktopEphemeris();
        const std::optional<EclipseSummary> eclipse = FindEclipseOnUniversalDate(ephemeris, 2024, 4, 8);
        frame.CurrentEclipse().Choose(*eclipse, ephemeris);
        MoveBeforeTheEclipse();
        WaitWhile([this] {
            return frame.CurrentEclipse().IsBusy() || !frame.CurrentEclipse().Overlay() ||
                   frame.CurrentEclipse().Overlay()->magnitudeCurves.empty() ||
                   frame.View().Eclipse() != frame.CurrentEclipse().Overlay();
        });
        frame.View().installEventFilter(&paints);
    }

    void MoveBeforeTheEclipse()
    {
        CObservation& epoch = document.m_map.m_observation;
        epoch.m_year = 2024;
        epoch.m_month = 4;
        epoch.m_day = 8;
        epoch.m_hour = 15;
        epoch.m_minute = 0;
        epoch.m_second = 0.0f;
        document.NotifyEpochChanged();
        QApplication::processEvents();
    }

    template <typename Condition>
    static void WaitWhile(Condition condition)
    {
        while (condition()) {
            QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
        }
    }
};

// Made once and left to the end of the program, after the application.
EclipseWindow& Window()
{
    static EclipseWindow* window = new EclipseWindow;
    return *window;
}

void Report(benchmark::State& state, int pictures, int instants, double seconds)
{
    state.SetIterationTime(seconds);
    state.counters["pictures"] = pictures;
    state.counters["instants"] = instants;
    state.counters["pictures_per_second"] = pictures / seconds;
    state.counters["view_width"] = Window().frame.View().width();
    state.counters["view_height"] = Window().frame.View().height();
}

void BM_PlayOneMinuteAPicture(benchmark::State& state)
{
    EclipseWindow& window = Window();
    CTimeBar& bar = window.frame.TimeBar();
    for (auto _ : state) {
        window.MoveBeforeTheEclipse();
        bar.SetSpeed(30);
        const int paints = window.paints.count;
        const int instants = window.frame.View().InstantRedrawCount();
        QElapsedTimer clock;
        clock.start();
        bar.Play();  // from P1, until P4
        EclipseWindow::WaitWhile([&bar] { return bar.IsPlaying(); });
        Report(state, window.paints.count - paints, window.frame.View().InstantRedrawCount() - instants,
               static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
}

void BM_StepOneMinuteAsFastAsPainted(benchmark::State& state)
{
    EclipseWindow& window = Window();
    CTimeBar& bar = window.frame.TimeBar();
    const EclipseOverlay& overlay = *window.frame.CurrentEclipse().Overlay();
    const double minutes = overlay.path.circumstances.p4->time.SecondsSince(overlay.path.circumstances.p1->time) / 60.0;
    for (auto _ : state) {
        window.MoveBeforeTheEclipse();
        const int atStart = window.paints.count;
        bar.Step(42);  // P1 is at 15:42 UT
        EclipseWindow::WaitWhile([&window, atStart] { return window.paints.count == atStart; });
        const int paints = window.paints.count;
        const int instants = window.frame.View().InstantRedrawCount();
        QElapsedTimer clock;
        clock.start();
        for (int step = 0; step < static_cast<int>(minutes); ++step) {
            const int before = window.paints.count;
            bar.Step(1);
            EclipseWindow::WaitWhile([&window, before] { return window.paints.count == before; });
        }
        Report(state, window.paints.count - paints, window.frame.View().InstantRedrawCount() - instants,
               static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
}

} // namespace

BENCHMARK(BM_PlayOneMinuteAPicture)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_StepOneMinuteAsFastAsPainted)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "umbrant_bench_WindowBenchmark: needs a display; run it under xvfb-run\n");
        return 77;
    }
    QApplication application(argc, argv);
    // Settings of its own, so that the user's layers and model stay out of it.
    QTemporaryDir settings;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("UmbrantBenchmark"));
    QCoreApplication::setApplicationName(QStringLiteral("UmbrantBenchmark"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
