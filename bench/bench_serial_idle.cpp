// CPU use of the serial link while the port is open and nothing arrives, and
// after the device has gone away but before the port is closed. Both should
// be close to zero: the link waits on the port's notifications.
#include "idlecpu.h"
#include "ptypair.h"
#include "serial/manageserialport.h"

#include <QCoreApplication>

#include <cstdio>

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

    const double open = idleCpuPercent(5000);
    std::printf("serial idle, port open 5 s: %.3f%% of one core (target: well under 1%%)\n", open);

    pty.closeMaster();
    const double lost = idleCpuPercent(2000);
    std::printf("serial idle, device gone, port not yet closed 2 s: %.3f%% of one core\n", lost);
    link.closePort();
    return 0;
}
