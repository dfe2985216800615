#pragma once
// Port names as the port box lists them and as the port is opened, and the
// text shown when opening fails. Pure helpers apart from the enumeration and
// the look at the system that explains an open failure.
#include <QList>
#include <QPair>
#include <QSerialPort>
#include <QString>

// The name to open for the user data of a port-box entry. "COMn" with n of
// 10 and above takes the "\\.\COMn" device-namespace form; every other name
// (device paths such as /dev/ttyUSB0, COM1 to COM9) is used unchanged.
QString portNameForOpen(const QString &userData);

// "Can't open " + name, then the system's reason on a second line, then
// hints from what the port's node and the running processes tell
// (serial/openfailure.h).
QString openFailureText(
    const QString &name, QSerialPort::SerialPortError error, const QString &reason);

// The serial ports present now: (text shown, device path), sorted by path.
QList<QPair<QString, QString>> availablePorts();

// A present port as the port box offers it: its device path, and what the
// system tells about the device behind it, one item a line (empty when it
// tells nothing).
struct PortDescription
{
    QString path;
    QString details;
};
// The ports present now, sorted by path, the port `first` (when present)
// at the front.
QList<PortDescription> describePorts(const QString &first = QString());
