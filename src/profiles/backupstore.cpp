#include "profiles/backupstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace {
// Underscores separate the three parts of a name; slashes and blanks have
// no place in one.
QString namePart(const QString &text)
{
    static const QRegularExpression unfit(QStringLiteral("[^A-Za-z0-9.+-]"));
    QString part = text;
    part.replace(unfit, QStringLiteral("-"));
    return part.isEmpty() ? QStringLiteral("device") : part;
}
} // namespace

BackupStore::BackupStore(const QString &directory) : directory_(directory) { }

QString BackupStore::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/backups");
}

QString BackupStore::deviceName(
    const QString &imei, const QString &version, const QString &portName)
{
    const QString id = imei.trimmed();
    if (!id.isEmpty())
        return id;
    QString answered = version.trimmed();
    while (answered.startsWith(QLatin1Char(':'))) // as the version answer has it
        answered.remove(0, 1);
    QStringList parts;
    for (const QString &part : {answered.trimmed(), QFileInfo(portName).fileName()})
        if (!part.isEmpty())
            parts << part;
    return parts.isEmpty() ? QStringLiteral("unknown-device") : parts.join(QLatin1Char('-'));
}

QString BackupStore::fileName(const QString &device, const QDateTime &when, const QString &reason)
{
    return QStringLiteral("%1_%2_%3.txt")
        .arg(namePart(device), when.toString(QStringLiteral("yyyyMMdd-HHmmss")), namePart(reason));
}

BackupStore::Saved BackupStore::save(const QString &device, const QString &reason,
    const QByteArray &profileBytes, const QDateTime &when) const
{
    Saved saved;
    if (!QDir().mkpath(directory_)) {
        saved.error = QStringLiteral("Cannot make the backup folder %1").arg(directory_);
        return saved;
    }
    const QDir dir(directory_);
    QString name = fileName(device, when, reason);
    for (int n = 2; QFile::exists(dir.filePath(name)); ++n)
        name = fileName(device, when, reason + QStringLiteral("-%1").arg(n));
    QSaveFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(profileBytes) != profileBytes.size()
        || !file.commit()) {
        saved.error = QStringLiteral("Cannot write the backup %1: %2")
                          .arg(dir.filePath(name), file.errorString());
        return saved;
    }
    saved.ok = true;
    saved.path = dir.filePath(name);
    return saved;
}
