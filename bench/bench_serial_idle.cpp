// CPU use of the serial link while the port is open and nothing arrives, and
// after the device has gone away but before the port is closed. Both should
// be close to zero: the link waits on the port's notifications.
#include "ptypair.h"
#include "serial/manageserialport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for the given time; returns the CPU use in percent of
// one core.
double cpuPercentWhileIdle(int milliseconds)
{
    QElapsedTimer wall;
    const double before = cpuSeconds();
    wall.start();
    QTimer::singleShot(milliseconds, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double used = cpuSeconds() - before;
    return 100.0 * used / (double(wall.nsecsElapsed()) / 1e9);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    PtyPair pty;
    if (!pty.isValid()) {
        std::fprintf(stderr, "no pseudo-terminal: %s\n", qPrintable(pty.errorString()));
        return 1;
    }
    ManageSerialPort link;
    link.setPortName(pty.slavePath());
    link.setBaudRate(QSerialPort::Baud115200);
    link.setTimeouts(0, 10);
    link.enableSending();
    link.enableReceiving();
    if (!link.openPort() || link.startReceiving() != ManageSerialPort::Done) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(pty.slavePath()),
            qPrintable(link.lastErrorString()));
        return 1;
    }

    const double open = cpuPercentWhileIdle(5000);
    std::printf("serial idle, port open 5 s: %.3f%% of one core (target: well under 1%%)\n", open);

    pty.closeMaster();
    const double lost = cpuPercentWhileIdle(2000);
    std::printf("serial idle, device gone, port not yet closed 2 s: %.3f%% of one core\n", lost);
    link.closePort();
    return 0;
}
