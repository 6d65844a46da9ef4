// The desktop animating for a long while: 10 000 frames, each the document's
// epoch one minute later and a trace of the view (what a frame of an
// animation is), the picture painted. Resident memory may settle during the
// first 1 000 frames; after them it grows by less than 2 MB.
//
// Run by hand or in a soak job (it takes minutes, not seconds):
//   QT_QPA_PLATFORM=offscreen build/bin/umbrant_longrun_AnimationMemoryTest
// UMBRANT_ANIMATION_FRAMES sets another number of frames.

#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"

#include <QApplication>
#include <QFileInfo>
#include <QtTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

class AnimationMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void residentMemoryStaysFlatOverTenThousandFrames();
};

namespace {

constexpr long kKibibytesAllowed = 2048;

long ResidentKibibytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// One minute later, carried into the hour and the day (days run on past the
// month's end, as the calendar of the document does).
void StepOneMinute(CObservation& observation)
{
    if (++observation.m_minute < 60) {
        return;
    }
    observation.m_minute = 0;
    if (++observation.m_hour < 24) {
        return;
    }
    observation.m_hour = 0;
    ++observation.m_day;
}

int FrameCount()
{
    const char* frames = std::getenv("UMBRANT_ANIMATION_FRAMES");
    return frames != nullptr ? std::max(2000, std::atoi(frames)) : 10000;
}

} // namespace

void AnimationMemoryTest::residentMemoryStaysFlatOverTenThousandFrames()
{
    const QString data = QStringLiteral(UMBRANT_BINARY_DIR "/data/");
    for (const char* name : {"gshhs_i.dat", "VSOP87.dat", "Elp2000.dat", "Nutation.dat"}) {
        if (!QFileInfo::exists(data + QString::fromLatin1(name))) {
            QSKIP("no converted data beside the programs");
        }
    }
    CUmbrantDoc document;
    // Through the eclipse of 29 March 2006 and the days after it.
    document.m_map.m_observation.m_hour = 7;
    document.m_map.m_observation.m_minute = 0;
    CUmbrantView view(document);
    view.SetDataDirectory(data.toStdString());
    view.resize(1024, 640);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.SetGlobalViewport();

    const int frames = FrameCount();
    const int settled = frames / 10;
    long atSettled = 0;
    const int tracesBefore = view.TraceCount();
    const auto start = std::chrono::steady_clock::now();
    for (int frame = 1; frame <= frames; ++frame) {
        StepOneMinute(document.m_map.m_observation);
        view.Trace();
        QCoreApplication::processEvents();
        if (frame == settled) {
            atSettled = ResidentKibibytes();
        }
    }
    const long atEnd = ResidentKibibytes();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("frames %d: resident %ld KiB after %d, %ld KiB after %d, growth %ld KiB (%.1f s)\n", frames, atSettled,
                settled, atEnd, frames, atEnd - atSettled, elapsed.count());
    QCOMPARE(view.TraceCount() - tracesBefore, frames);
    QVERIFY2(atEnd - atSettled < kKibibytesAllowed,
             qPrintable(QStringLiteral("grew by %1 KiB after frame %2").arg(atEnd - atSettled).arg(settled)));
}

// Longer than Qt Test's watchdog allows a test function by default (5 minutes)
// on a busy machine.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT")) {
        qputenv("QTEST_FUNCTION_TIMEOUT", "3600000");
    }
    QApplication application(argc, argv);
    AnimationMemoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AnimationMemoryTest.moc"
