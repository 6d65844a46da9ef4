// The desktop animating for a long while: 10 000 frames, each the document's
// epoch one minute later and a trace of the view (what a frame of an
// animation is), the picture painted; the eclipse's six hours play in a loop. Resident memory may settle during the
// first 1 000 frames; after them it grows by less than 2 MB.
//
// Run by hand or in a soak job (it takes minutes, not seconds):
//   QT_QPA_PLATFORM=offscreen build/bin/umbrant_longrun_AnimationMemoryTest
// UMBRANT_ANIMATION_FRAMES sets another number of frames. The figures mean
// something only without AddressSanitizer, whose quarantine keeps up to
// 256 MB of freed memory resident; a sanitized run checks leaks instead.

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

// The eclipse of 29 March 2006 crosses the Earth from about 07:40 to 12:40
// UT: the animation plays 07:00 to 12:59 minute by minute, over and over, so
// that nearly every frame draws the shadow.
constexpr int kFirstHour = 7;
constexpr int kMinutesPlayed = 6 * 60;

void ShowFrame(CObservation& observation, int frame)
{
    const int minute = frame % kMinutesPlayed;
    observation.m_hour = kFirstHour + minute / 60;
    observation.m_minute = minute % 60;
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
    ShowFrame(document.m_map.m_observation, 0);
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
        ShowFrame(document.m_map.m_observation, frame);
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
