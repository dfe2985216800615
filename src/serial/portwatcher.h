#pragma once
// Serial ports appearing and going, noticed without polling, and the device
// behind a port found again after it left the bus.
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Watches /dev, /dev/serial/by-id and the folders of the ports in use (a link
// to a port may live anywhere) for entries that come and go. A burst of
// changes (a device node, its links, its permissions) is reported once, when
// it has settled.
class PortWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int SettleMs = 250;

    explicit PortWatcher(QObject *parent = nullptr);

    // Also watches the folder of `path` and, for a link, of its target.
    void watchFolderOf(const QString &path);
    QStringList watchedFolders() const { return watcher_.directories(); }

signals:
    void portsChanged();

private:
    void watchAgain();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QStringList wanted_; // folders to watch whenever they exist
};

// Who the device on a port is, learnt while it is present, so that it is
// recognised when it comes back, perhaps under another name (ttyACM0 coming
// back as ttyACM1).
struct PortIdentity
{
    QString path; // as the user opened it; a link is followed anew each time
    QString byIdLink; // the /dev/serial/by-id link to the same device, if any
    QString serialNumber; // the USB serial number, if the device has one
    quint16 vendorId = 0;
    quint16 productId = 0;

    static PortIdentity of(const QString &path);
    bool isValid() const { return !path.isEmpty(); }
    // Where the device is now: the same path, the same by-id link, or the port
    // with the same USB serial number; empty while it is away.
    QString locate() const;
};
