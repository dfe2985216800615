#include "serial/portwatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

const QString DeviceFolder = QStringLiteral("/dev");
const QString ByIdFolder = QStringLiteral("/dev/serial/by-id");

// The port QSerialPortInfo lists for the device node behind `path`.
QSerialPortInfo portInfoBehind(const QString &path)
{
    const QString node = QFileInfo(path).canonicalFilePath();
    if (node.isEmpty())
        return QSerialPortInfo();
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        if (info.systemLocation() == node)
            return info;
    return QSerialPortInfo();
}

// The by-id link that points to the device node `node`, if any.
QString byIdLinkTo(const QString &node)
{
    if (node.isEmpty())
        return QString();
    const QFileInfoList links = QDir(ByIdFolder).entryInfoList(QDir::System | QDir::Files);
    for (const QFileInfo &link : links)
        if (link.canonicalFilePath() == node)
            return link.absoluteFilePath();
    return QString();
}

} // namespace

PortWatcher::PortWatcher(QObject *parent) : QObject(parent)
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] {
        watchAgain(); // a folder may have come (the first USB serial device) or gone
        emit portsChanged();
    });
    connect(
        &watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
    // /dev/serial/by-id only exists while a USB serial device is plugged in.
    wanted_ = {DeviceFolder, QStringLiteral("/dev/serial"), ByIdFolder};
    watchAgain();
}

void PortWatcher::watchFolderOf(const QString &path)
{
    const QFileInfo info(path);
    QStringList folders = {info.absolutePath()};
    if (info.isSymLink())
        folders << QFileInfo(info.symLinkTarget()).absolutePath();
    for (const QString &folder : folders)
        if (!wanted_.contains(folder))
            wanted_ << folder;
    watchAgain();
}

void PortWatcher::watchAgain()
{
    const QStringList watched = watcher_.directories();
    for (const QString &folder : std::as_const(wanted_))
        if (!watched.contains(folder) && QFileInfo(folder).isDir())
            watcher_.addPath(folder);
}

PortIdentity PortIdentity::of(const QString &path)
{
    PortIdentity identity;
    identity.path = path;
    const QString node = QFileInfo(path).canonicalFilePath();
    identity.byIdLink = byIdLinkTo(node);
    const QSerialPortInfo info = portInfoBehind(path);
    identity.serialNumber = info.serialNumber();
    identity.vendorId = info.hasVendorIdentifier() ? info.vendorIdentifier() : 0;
    identity.productId = info.hasProductIdentifier() ? info.productIdentifier() : 0;
    return identity;
}

QString PortIdentity::locate() const
{
    if (!isValid())
        return QString();
    // A path that another device took meanwhile is not ours.
    if (QFileInfo::exists(path)) {
        const QString there
            = serialNumber.isEmpty() ? QString() : portInfoBehind(path).serialNumber();
        if (there.isEmpty() || there == serialNumber)
            return path;
    }
    if (!byIdLink.isEmpty() && QFileInfo::exists(byIdLink))
        return byIdLink;
    if (serialNumber.isEmpty())
        return QString();
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        if (info.serialNumber() == serialNumber
            && (vendorId == 0 || info.vendorIdentifier() == vendorId)
            && (productId == 0 || info.productIdentifier() == productId))
            return info.systemLocation();
    return QString();
}
