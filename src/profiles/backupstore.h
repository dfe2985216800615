#pragma once
// Backups of a device's configuration, in the profile format, kept in the
// per-user data folder (QStandardPaths::AppDataLocation + "/backups"). A
// name tells the device, the time and the reason:
// "<device>_<yyyyMMdd-HHmmss>_<reason>.txt". The command line and the window
// keep them in the same folder.
#include <QByteArray>
#include <QDateTime>
#include <QString>

class BackupStore
{
public:
    explicit BackupStore(const QString &directory = defaultDirectory());
    // Needs the application's organisation and name set.
    static QString defaultDirectory();
    QString directory() const { return directory_; }

    // Who a backup is of: the device's IMEI; without one (most variants
    // never send it) the version it answered and the base name of its port
    // ("T47_V1.05-ttyUSB0"), so two such devices are told apart; never empty.
    static QString deviceName(const QString &imei, const QString &version, const QString &portName);
    // The file name for a backup: characters a file name cannot carry in
    // `device` and `reason` become "-".
    static QString fileName(const QString &device, const QDateTime &when, const QString &reason);

    struct Saved
    {
        bool ok = false;
        QString path; // the file written
        QString error; // why not, for the user
    };
    // Writes the bytes (the folder is made when missing); never replaces an
    // older backup of the same second, a number is added instead.
    Saved save(const QString &device, const QString &reason, const QByteArray &profileBytes,
        const QDateTime &when = QDateTime::currentDateTime()) const;

private:
    QString directory_;
};
