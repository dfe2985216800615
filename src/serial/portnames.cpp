#include "serial/portnames.h"

#include "serial/openfailure.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <QCoreApplication>
#include <QHash>

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

namespace {
// The /dev/serial/by-id name of each device node that has one.
QHash<QString, QString> byIdNames()
{
    QHash<QString, QString> names;
    const QFileInfoList links
        = QDir(QStringLiteral("/dev/serial/by-id"))
              .entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo &link : links)
        names.insert(link.canonicalFilePath(), link.fileName());
    return names;
}

QString hex4(quint16 value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')); }
} // namespace

QList<PortDescription> describePorts(const QString &first)
{
    const QHash<QString, QString> byId = byIdNames();
    QList<PortDescription> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        QStringList lines;
        const auto add = [&lines](const char *label, const QString &value) {
            if (!value.trimmed().isEmpty())
                lines << QCoreApplication::translate("PortNames", label).arg(value.trimmed());
        };
        add(QT_TRANSLATE_NOOP("PortNames", "Description: %1"), info.description());
        add(QT_TRANSLATE_NOOP("PortNames", "Manufacturer: %1"), info.manufacturer());
        add(QT_TRANSLATE_NOOP("PortNames", "Serial number: %1"), info.serialNumber());
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            add(QT_TRANSLATE_NOOP("PortNames", "USB ID: %1"),
                hex4(info.vendorIdentifier()) + QLatin1Char(':') + hex4(info.productIdentifier()));
        add(QT_TRANSLATE_NOOP("PortNames", "By id: %1"), byId.value(info.systemLocation()));
        ports.append({info.systemLocation(), lines.join(QLatin1Char('\n'))});
    }
    std::sort(ports.begin(), ports.end(), [&first](const auto &a, const auto &b) {
        const bool aFirst = a.path == first, bFirst = b.path == first;
        return aFirst != bFirst ? aFirst : a.path < b.path;
    });
    return ports;
}
