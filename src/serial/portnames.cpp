#include "serial/portnames.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

QString portNameForOpen(const QString &userData)
{
    static const QRegularExpression comPort(QStringLiteral("^COM(\\d+)$"));
    const QRegularExpressionMatch match = comPort.match(userData);
    if (!match.hasMatch())
        return userData;
    bool ok = false;
    const int number = match.captured(1).toInt(&ok);
    if (!ok || number < 10)
        return userData;
    return QStringLiteral("\\\\.\\COM") + QString::number(number);
}

QString openFailureText(
    const QString &name, QSerialPort::SerialPortError error, const QString &reason)
{
    QString text = QStringLiteral("Can't open ") + name;
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    // Qt reports a port held by another program as a permission error too,
    // so the hint names both causes.
    if (error == QSerialPort::PermissionError)
        text += QStringLiteral("\nIf no other program is using the port, your user may lack "
                               "access to serial ports: sudo usermod -aG dialout $USER, "
                               "then log in again.");
    return text;
}

QList<QPair<QString, QString>> availablePorts()
{
    QList<QPair<QString, QString>> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        ports.append({info.portName(), info.systemLocation()});
    std::sort(ports.begin(), ports.end(),
        [](const auto &a, const auto &b) { return a.second < b.second; });
    return ports;
}
