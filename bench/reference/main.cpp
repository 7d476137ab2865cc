#include "RefFace.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>

namespace {

// Milliseconds to the next moment 2 ms past a wall-clock second: 1 to 1000, as the clock aims.
int msUntilNextTick()
{
    constexpr int landingMs = 2;
    const int into = int(QDateTime::currentMSecsSinceEpoch() % 1000);
    return 1000 - into + landingMs - (into < landingMs ? 1000 : 0);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    RefFace face;
    face.showTime(QTime::currentTime());

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        face.showTime(QTime::currentTime());
        timer.start(msUntilNextTick());
    });
    timer.start(msUntilNextTick());

    face.show();
    return app.exec();
}
