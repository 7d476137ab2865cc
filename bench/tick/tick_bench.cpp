// One tick of the clock window against one tick of the reference face, both shown offscreen:
// the time is stepped, the tick runs, and the paint it asked for is carried out.
#include "../reference/RefFace.h"
#include "app/BcdDigits.h"
#include "app/Clock.h"
#include "app/SecondTimer.h"
#include "app/frmNimbex.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QDateTime>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <bit>
#include <cstdio>

namespace {

class SetClock final : public Clock
{
public:
    QDateTime now() const override { return m_now; }
    void setTime(const QTime& time) { m_now.setTime(time); }

private:
    QDateTime m_now{QDate(2026, 12, 6), QTime(12, 0)};
};

int litLamps(const QTime& t)
{
    int n = 0;
    for (const auto& [value, maxTens] : {std::pair{t.hour(), BcdDigits::hoursMaxTens},
                                         {t.minute(), BcdDigits::sexagesimalMaxTens},
                                         {t.second(), BcdDigits::sexagesimalMaxTens}}) {
        const BcdField f = BcdDigits::field(value, maxTens);
        n += std::popcount(unsigned(f.tensWeights)) + std::popcount(unsigned(f.unitsWeights));
    }
    return n;
}

// The time of day that lights the most lamps, by the clock's own digit rules; its successor
// differs in the seconds units only, as a real tick does.
QTime brightest()
{
    QTime best(0, 0);
    for (int s = 0; s < 24 * 3600; ++s) {
        const QTime t = QTime(0, 0).addSecs(s);
        if (litLamps(t) > litLamps(best))
            best = t;
    }
    return best;
}

QTime g_bright, g_other, g_dark;

// Until the window has nothing left to paint: update() only queues the request.
[[gnu::noinline]] void drain()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

struct NimbexWindow
{
    SetClock clock;
    frmNimbex window{clock};
    NimbexWindow()
    {
        // The bench drives the ticks; the window's own timer would add stray ones.
        window.Timer1->setEnabled(false);
        window.show();
        drain();
    }
};

void tickNimbex(benchmark::State& state, const QTime& a, const QTime& b)
{
    NimbexWindow w;
    bool flip = false;
    for (auto _ : state) {
        w.clock.setTime(flip ? a : b);
        flip = !flip;
        w.window.Timer1_Timer();
        drain();
    }
    drain();
}

void tickReference(benchmark::State& state, const QTime& a, const QTime& b)
{
    RefFace face;
    face.show();
    drain();
    bool flip = false;
    for (auto _ : state) {
        face.showTime(flip ? a : b);
        flip = !flip;
        drain();
    }
    drain();
}

void BM_NimbexTick(benchmark::State& s)
{
    tickNimbex(s, g_bright, g_other);
}
void BM_ReferenceTick(benchmark::State& s)
{
    tickReference(s, g_bright, g_other);
}
void BM_NimbexTickAllFlip(benchmark::State& s)
{
    tickNimbex(s, g_bright, g_dark);
}
void BM_ReferenceTickAllFlip(benchmark::State& s)
{
    tickReference(s, g_bright, g_dark);
}
void BM_NimbexIdleDrain(benchmark::State& s)
{
    NimbexWindow w;
    for (auto _ : s)
        drain();
}

} // namespace

BENCHMARK(BM_NimbexTick);
BENCHMARK(BM_ReferenceTick);
BENCHMARK(BM_NimbexTickAllFlip);
BENCHMARK(BM_ReferenceTickAllFlip);
BENCHMARK(BM_NimbexIdleDrain);

int main(int argc, char** argv)
{
    // Settings defaults only: never read or write the user's own file.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    Fonts::install();

    g_bright = brightest();
    g_other = g_bright.addSecs(g_bright.second() % 10 == 9 ? -1 : 1);
    g_dark = QTime(0, 0);
    std::fprintf(stderr, "tick_bench: %s lights %d lamps, %s lights %d\n",
                 qPrintable(g_bright.toString(QStringLiteral("HH:mm:ss"))), litLamps(g_bright),
                 qPrintable(g_other.toString(QStringLiteral("HH:mm:ss"))), litLamps(g_other));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
