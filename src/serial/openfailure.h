#pragma once
// Why a port did not open, in words the user can act on: who owns the
// device node, whether the user may open it, which process holds it, and
// the system services known to take serial ports away (ModemManager on
// ttyACM modems, the brltty braille driver on ttyUSB adapters).
#include <QList>
#include <QSerialPort>
#include <QString>

struct OpenFailureFacts
{
    struct Holder
    {
        QString name; // the process's command name
        qint64 pid = 0;
    };

    bool nodeFound = false; // the device node could be examined at all
    QString canonicalPath; // the node after following links, e.g. /dev/ttyACM0
    bool accessAllowed = false; // the user may read and write the node
    QString group; // the node's owning group; empty when unknown
    bool groupMayReadWrite = false; // the node's mode lets that group open it
    bool inGroupNow = false; // this session runs with the group
    bool inGroupListed = false; // the group database lists the user in it
    QList<Holder> holders; // other processes with the node open
    bool modemManagerRuns = false;
    bool brailleDriverRuns = false;
};

// Looks at the node of the port name (a bare name is a device under /dev)
// and at the running processes; what cannot be read is left out.
OpenFailureFacts gatherOpenFailureFacts(const QString &portName);

// "Can't open " + name, the system's reason on a second line, then one line
// per hint the facts support.
QString describeOpenFailure(const QString &name, QSerialPort::SerialPortError error,
    const QString &reason, const OpenFailureFacts &facts);
