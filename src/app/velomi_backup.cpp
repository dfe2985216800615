// Nothing lost by mistake: the configuration last read is saved before Write
// All, a firmware upgrade and a factory reset, and Write All is checked by
// reading the device again.
#include <QAction>
#include <QSaveFile>
#include <QSet>
#include <QStatusBar>
#include <QTimer>

#include <utility>

#include "app/formsheetbuilder.h"
#include "app/messages.h"
#include "app/unwrittenedits.h"
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

// The session names pages as the form has them in English; the window's
// page titles are the tabs' (translated) texts.
QStringList shownPageTitles(const QStringList &pages)
{
    QStringList titles;
    for (const QString &page : pages)
        titles << QCoreApplication::translate("ZAROraz", page.toUtf8().constData());
    return titles;
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
        const QStringList pages = session_->writeAllPages();
        unwrittenEdits_->acceptWritten(valuesOnPages(writtenByWriteAll_, pages));
        startReadBack(writtenByWriteAll_, pages, tr("Write All"));
    });
    connect(session_, &Session::pageWriteSent, this,
        [this](const QString &page, const QStringList &fields) {
            // Only what the write was made of: another section of the page
            // may hold edits this button does not send.
            sentPage_ = page;
            const FormValues values = pageValues();
            sentPageValues_
                = valuesOnPages(fields.isEmpty() ? values : values.subset(fields), {page});
        });
    connect(session_, &Session::pageWriteSucceeded, this, [this](const QString &page) {
        if (page != sentPage_)
            return;
        unwrittenEdits_->acceptWritten(sentPageValues_);
        if (verifyAfterWritingAction_->isChecked())
            startReadBack(sentPageValues_, {page},
                tr("the Write button of the %1 page").arg(shownPageTitles({page}).first()));
    });
}

void Velomi::startReadBack(
    const FormValues &values, const QStringList &pages, const QString &writer)
{
    readBackCheck_ = {values, pages, writer};
    // The read-back replaces every page; what it did not write is not the
    // device's to overwrite.
    editsKeptFromReadBack_ = unwrittenEdits_->edits(pageValues());
    readBackNames_.clear();
    readBackPending_ = true;
    session_->startReadBack();
}

void Velomi::forgetReadConfiguration()
{
    lastRead_ = {};
    listedSensors_.clear();
    deviceId_.clear();
    readBackPending_ = false;
    unwrittenEdits_->clearBaseline(); // the next device is compared with its own read
}

bool Velomi::backUp(const QString &reason)
{
    if (!lastRead_.valid)
        return true; // nothing read on this connection: there is nothing to keep
    const QString device = BackupStore::deviceName(
        deviceId_, session_->model().versionText, serialManager_->portSettings().portName);
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

// Each value the write sent against what the device gave back.
void Velomi::finishReadBack()
{
    const FormSheet sheet = FormSheetBuilder::build(tabWidget_velomi, pageTitles_);
    const ReadBackCheck check = std::exchange(readBackCheck_, {});
    const QStringList written = shownPageTitles(check.pages);
    QStringList lines;
    for (const auto &d : sheet.compare(check.written, pageValues()))
        if (written.contains(d.page) && check.written.contains(d.name)
            && readBackNames_.contains(d.name))
            lines << tr("%1, %2: written \"%3\", read back \"%4\"")
                         .arg(d.page, d.caption, d.left, d.right);
    if (lines.isEmpty()) {
        QMainWindow::statusBar()->showMessage(tr("The device holds what was written."));
        return;
    }
    Messages::warning(this,
        tr("The device does not hold every setting %1 wrote:\n%2")
            .arg(check.writer, lines.join(QLatin1Char('\n'))));
}

// The values of `values` that sit on the pages `pages` (named as the session names them).
FormValues Velomi::valuesOnPages(const FormValues &values, const QStringList &pages) const
{
    const QStringList titles = shownPageTitles(pages);
    QSet<QString> keep;
    for (auto it = pageTitles_.cbegin(); it != pageTitles_.cend(); ++it)
        if (titles.contains(it.value()))
            if (auto *page = tabWidget_velomi->findChild<QWidget *>(it.key()))
                for (const WidgetRef &ref : FormBinder::Index(page).valueWidgets())
                    keep << ref.name;
    FormValues out = values;
    for (const QString &name : values.names())
        if (!keep.contains(name))
            out.remove(name);
    return out;
}

// ---- unwritten edits and Undo read ------------------------------------------

void Velomi::setupUnwrittenEdits()
{
    unwrittenEdits_ = new UnwrittenEdits(tabWidget_velomi);
    undoReadAction_ = deviceMenu_->addAction(tr("Undo read"));
    undoReadAction_->setObjectName(QStringLiteral("actionUndoRead"));
    undoReadAction_->setEnabled(false);
    connect(undoReadAction_, &QAction::triggered, this, &Velomi::undoRead);
    verifyAfterWritingAction_
        = addSettingAction(tr("Verify after writing"), QStringLiteral("VerifyAfterWriting"), false);
    verifyAfterWritingAction_->setObjectName(QStringLiteral("actionVerifyAfterWriting"));

    // A read replaces the pages answer by answer: what they held before can
    // be brought back once, and the marks are compared once, at its end.
    connect(session_, &Session::valuesDecoded, this,
        [this](const FormValues &values) { unwrittenEdits_->noteRead(values.names()); });
    connect(session_, &Session::readingChanged, this, [this](bool reading) {
        unwrittenEdits_->setReading(reading);
        if (reading) {
            valuesBeforeRead_ = pageValues();
            undoReadAction_->setEnabled(false);
            return;
        }
        const FormValues before = std::exchange(valuesBeforeRead_, {});
        undoReadValues_ = pageValues() != before ? before : FormValues();
        undoReadAction_->setEnabled(!undoReadValues_.isEmpty());
        // A read-back that ends without finishing gives the edits back too
        // (a finished one has done so by then: its end follows at once).
        QTimer::singleShot(0, this, &Velomi::restoreEditsKeptFromReadBack);
    });
    connect(session_, &Session::readFinished, this, [this] {
        unwrittenEdits_->setBaseline(pageValues());
        restoreEditsKeptFromReadBack(); // after the baseline: they show as unwritten
    });
}

void Velomi::restoreEditsKeptFromReadBack()
{
    if (editsKeptFromReadBack_.isEmpty())
        return;
    const FormValues edits = std::exchange(editsKeptFromReadBack_, {});
    unwrittenEdits_->setSuspended(true);
    applyValues(edits);
    unwrittenEdits_->setSuspended(false);
}

void Velomi::undoRead()
{
    if (undoReadValues_.isEmpty())
        return;
    // A chain that writes takes its values from the pages as it goes.
    if (session_->isBusy()) {
        QMainWindow::statusBar()->showMessage(tr("Undo read waits until the device has answered."));
        return;
    }
    const FormValues values = std::exchange(undoReadValues_, {});
    undoReadAction_->setEnabled(false);
    unwrittenEdits_->setSuspended(true);
    applyValues(values);
    unwrittenEdits_->setSuspended(false);
    QMainWindow::statusBar()->showMessage(
        tr("The values the read replaced are back; they are not written to the device."));
}

QStringList Velomi::pagesWithUnwrittenEdits() const { return unwrittenEdits_->editedPages(); }

bool Velomi::letUnwrittenEditsGo(const QString &question)
{
    const QStringList pages = pagesWithUnwrittenEdits();
    if (pages.isEmpty())
        return true;
    return Messages::ask(this, ToolTitle,
        tr("These pages hold changes that are not written to the device: %1.\n\n%2")
            .arg(pages.join(QStringLiteral(", ")), question),
        Messages::DefaultAnswer::No);
}
