// Nothing lost by mistake: the configuration last read is saved before Write
// All, a firmware upgrade and a factory reset, and Write All is checked by
// reading the device again.
#include <QSaveFile>
#include <QStatusBar>

#include "app/formsheetbuilder.h"
#include "app/messages.h"
#include "app/velomi.h"
#include "profiles/backupstore.h"
#include "profiles/profileformat.h"
#include "serial/manageserialport.h"
#include "session/session.h"

namespace {

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
        return Velomi::tr("Cannot write the sensor list %1: %2").arg(path, file.errorString());
    return QString();
}
} // namespace

void Velomi::connectSafetyNet()
{
    // The form's titles before the window removes any tab.
    pageTitles_ = FormSheetBuilder::pageTitles(tabWidget_velomi);
    connect(session_, &Session::valuesDecoded, this, [this](const FormValues &values) {
        if (values.contains(WidgetNames::imei())
            && !values.text(WidgetNames::imei()).trimmed().isEmpty())
            deviceId_ = values.text(WidgetNames::imei());
        if (readBackPending_)
            readBackNames_ += values.names();
    });
    connect(session_, &Session::sensorsListed, this,
        [this](const QList<SensorCodec::SensorRow> &rows) { listedSensors_ = rows; });
    connect(session_, &Session::readFinished, this, [this] {
        // The pages hold what the device answered (but for an edit typed
        // into a page while its answer was already in).
        lastRead_ = {true, pageValues(), listedSensors_};
        if (readBackPending_ && session_->isReadBack())
            finishReadBack();
        readBackPending_ = false;
    });
    connect(session_, &Session::writeAllFinished, this, [this] {
        readBackNames_.clear();
        readBackPending_ = true;
        session_->startReadBack();
    });
}

void Velomi::forgetReadConfiguration()
{
    lastRead_ = {};
    listedSensors_.clear();
    deviceId_.clear();
    readBackPending_ = false;
}

bool Velomi::backUp(const QString &reason)
{
    if (!lastRead_.valid)
        return true; // nothing read on this connection: there is nothing to keep
    const QString device
        = BackupStore::deviceName(deviceId_, serialManager_->portSettings().portName);
    const BackupStore store(backupDirectory());
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
    // A start that is refused changes nothing: it needs no backup.
    if (session_->canStartUpgrade() && !backUp(QStringLiteral("upgrade"))) {
        // What choosing the image locked comes back; nothing was sent.
        widget_Com->setEnabled(true);
        widget_phone->setEnabled(true);
        tabWidget_velomi->setEnabled(hasReadConfiguration());
        return;
    }
    session_->startUpgrade();
}

// Each value Write All sent against what the device gave back.
void Velomi::finishReadBack()
{
    const FormSheet sheet = FormSheetBuilder::build(tabWidget_velomi, pageTitles_);
    // The session names the pages as the form has them in English; the
    // sheet's page titles are the tabs' (translated) texts.
    QStringList written;
    for (const QString &page : session_->writeAllPages())
        written << QCoreApplication::translate("ZAROraz", page.toUtf8().constData());
    QStringList lines;
    for (const auto &d : sheet.compare(writtenByWriteAll_, pageValues()))
        if (written.contains(d.page) && readBackNames_.contains(d.name))
            lines << tr("%1, %2: written \"%3\", read back \"%4\"")
                         .arg(d.page, d.caption, d.left, d.right);
    if (lines.isEmpty()) {
        QMainWindow::statusBar()->showMessage(tr("The device holds what was written."));
        return;
    }
    Messages::warning(this,
        tr("The device does not hold every setting Write All wrote:\n%1")
            .arg(lines.join(QLatin1Char('\n'))));
}
