#include "serial/portnames.h"

#include "serial/openfailure.h"

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
    return describeOpenFailure(name, error, reason, gatherOpenFailureFacts(name));
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
