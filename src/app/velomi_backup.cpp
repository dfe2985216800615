// Nothing lost by mistake: the configuration last read is saved before Write
// All, a firmware upgrade and a factory reset.
#include <QFileInfo>
#include <QSaveFile>
#include <QStatusBar>

#include "app/messages.h"
#include "app/velomi.h"
#include "profiles/backupstore.h"
#include "profiles/profileformat.h"
#include "serial/manageserialport.h"
#include "session/session.h"

namespace {
const QString BackupImeiName = QStringLiteral("label_panel_IMEI");

// Beside "<name>.txt": "<name>.sensors.txt", one line "zone,type" per sensor.
QString writeSensorList(const QString &backupPath, const QList<SensorCodec::SensorRow> &rows)
{
    QString path = backupPath;
    if (path.endsWith(QLatin1String(".txt")))
        path.chop(4);
    path += QStringLiteral(".sensors.txt");
    QByteArray text;
    for (const auto &row : rows)
        text += (row.zone + QLatin1Char(',') + row.typeName + QLatin1Char('\n')).toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return QStringLiteral("Cannot write the sensor list %1: %2").arg(path, file.errorString());
    return QString();
}
} // namespace

void Velomi::connectSafetyNet()
{
    connect(session_, &Session::valuesDecoded, this, [this](const FormValues &values) {
        if (values.contains(BackupImeiName) && !values.text(BackupImeiName).trimmed().isEmpty())
            deviceId_ = values.text(BackupImeiName).trimmed();
    });
    connect(session_, &Session::sensorsListed, this,
        [this](const QList<SensorCodec::SensorRow> &rows) { listedSensors_ = rows; });
    connect(session_, &Session::readFinished, this, [this] {
        // The pages hold what the device answered; nothing could edit them
        // while the read ran.
        lastRead_ = {true, pageValues(), listedSensors_};
    });
}

void Velomi::forgetReadConfiguration()
{
    lastRead_ = {};
    listedSensors_.clear();
    deviceId_.clear();
}

bool Velomi::backUp(const QString &reason)
{
    if (!lastRead_.valid)
        return true; // nothing read on this connection: there is nothing to keep
    const QString device = deviceId_.isEmpty()
        ? QFileInfo(serialManager_->portSettings().portName).fileName()
        : deviceId_;
    const BackupStore store(
        options_.backupDir.isEmpty() ? BackupStore::defaultDirectory() : options_.backupDir);
    const BackupStore::Saved saved = store.save(
        device, reason, ProfileFormat::write(pageIndex().valueWidgets(), lastRead_.values));
    QString error = saved.ok ? writeSensorList(saved.path, lastRead_.sensors) : saved.error;
    if (error.isEmpty()) {
        QMainWindow::statusBar()->showMessage(tr("Backup saved: %1").arg(saved.path));
        return true;
    }
    return Messages::ask(this, ToolTitle, tr("%1\n\nGo on without a backup?").arg(error),
        Messages::DefaultAnswer::No);
}

void Velomi::startUpgradeAfterBackup()
{
    if (!session_->isUpgrading() && !backUp(QStringLiteral("upgrade"))) {
        // What choosing the image locked comes back; nothing was sent.
        widget_Com->setEnabled(true);
        widget_phone->setEnabled(true);
        tabWidget_velomi->setEnabled(hasReadConfiguration());
        return;
    }
    session_->startUpgrade();
}
