// File > Save log... and Settings > Keep a log file: the log pane, or every
// port session's frames and answers, in a text file with a time per line.
// Passwords and access codes are masked in both; the pane shows them.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStatusBar>

#include <algorithm>

#include "app/logpane.h"
#include "app/messages.h"
#include "app/velomi.h"
#include "profiles/profilestore.h"
#include "protocol/logmask.h"
#include "serial/manageserialport.h"
#include "session/session.h"

namespace {

// The newest this many session logs are kept; older ones go when a new one
// starts. Only files named as we name them are touched.
constexpr int KeptSessionLogs = 20;
const QRegularExpression SessionLogName(
    QStringLiteral("^velomi-(\\d{8}-\\d{6})(?:-(\\d+))?\\.log$"));

QString stampedLogLine(const QDateTime &time, const QString &text)
{
    if (!time.isValid())
        return text + QLatin1Char('\n');
    return time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")) + QStringLiteral("  ") + text
        + QLatin1Char('\n');
}

// Oldest first: by the time in the name, then by the number added to a
// second name of the same second.
QStringList sessionLogsOldestFirst(const QDir &dir)
{
    struct Found
    {
        QString stamp;
        int number;
        QString name;
    };
    QList<Found> found;
    for (const QString &name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = SessionLogName.match(name);
        if (m.hasMatch())
            found.append(
                {m.captured(1), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt(), name});
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.stamp != b.stamp ? a.stamp < b.stamp : a.number < b.number;
    });
    QStringList names;
    for (const Found &f : found)
        names << f.name;
    return names;
}

} // namespace

void Velomi::setupLog()
{
    saveLogAction_ = addFileAction(tr("Save log..."));
    saveLogAction_->setObjectName(QStringLiteral("actionSaveLog"));
    connect(saveLogAction_, &QAction::triggered, this, [this] {
        const QString suggested = QDir::home().filePath(
            QStringLiteral("velomi-log-%1.txt")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
        const QString path = chooseLogFile
            ? chooseLogFile()
            : QFileDialog::getSaveFileName(
                this, tr("Save log"), suggested, tr("Text files (*.txt *.log);;All files (*)"));
        if (!path.isEmpty())
            saveLog(path);
    });

    keepLogFileAction_
        = addSettingAction(tr("Keep a log file"), QStringLiteral("KeepLogFile"), false);
    keepLogFileAction_->setObjectName(QStringLiteral("actionKeepLogFile"));
    connect(keepLogFileAction_, &QAction::toggled, this, [this](bool on) {
        if (!on)
            endLogFile();
        else if (serialManager_->isPortOpen())
            startLogFile();
    });
    connect(session_, &Session::logLine, this, &Velomi::writeLogFile);

    auto *manual = new QAction(tr("Where is the manual?"), menuHelp);
    manual->setObjectName(QStringLiteral("actionManual"));
    menuHelp->insertAction(actionAbout, manual);
    connect(manual, &QAction::triggered, this, [this] {
        Messages::information(this,
            tr("The manual comes as manual pages: \"man velomi\" for this window and "
               "\"man velomi-cli\" for the command line. README.md, which comes with the "
               "tool, gives the same in short.\n\nProfiles: %1\nBackups: %2\nLog files: %3")
                .arg(QDir::toNativeSeparators(profileStore_->directory()),
                    QDir::toNativeSeparators(backupDirectory()),
                    QDir::toNativeSeparators(logDirectory())),
            tr("Where is the manual?"));
    });
}

QString Velomi::logDirectory() const
{
    return options_.logDir.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            + QStringLiteral("/logs")
        : options_.logDir;
}

bool Velomi::saveLog(const QString &path)
{
    LogMask::Stream mask;
    QByteArray bytes;
    for (const LogPane::Line &line : logPane_->lines()) {
        const QString masked = mask.feed(line.text);
        if (!masked.isEmpty()) // a line end that came alone
            bytes += stampedLogLine(line.time, masked).toUtf8();
        if (line.endsLine)
            mask.endLine();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Messages::warning(this,
            tr("The log could not be saved to %1:\n%2")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    QMainWindow::statusBar()->showMessage(
        tr("Log saved to %1").arg(QDir::toNativeSeparators(path)), 5000);
    return true;
}

void Velomi::startLogFile()
{
    if (logFile_ || !keepLogFileAction_ || !keepLogFileAction_->isChecked())
        return;
    const QDir dir(logDirectory());
    if (!dir.mkpath(QStringLiteral("."))) {
        Messages::warning(this,
            tr("No log file is kept: the folder %1 cannot be made.")
                .arg(QDir::toNativeSeparators(dir.path())));
        return;
    }
    const QStringList old = sessionLogsOldestFirst(dir);
    for (int i = 0; i < old.size() - (KeptSessionLogs - 1); ++i)
        QFile::remove(dir.filePath(old[i]));

    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = QStringLiteral("velomi-%1.log").arg(stamp);
    for (int n = 2; QFile::exists(dir.filePath(name)); ++n)
        name = QStringLiteral("velomi-%1-%2.log").arg(stamp).arg(n);
    auto *file = new QFile(dir.filePath(name), this);
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        Messages::warning(this,
            tr("No log file is kept: %1 cannot be written:\n%2")
                .arg(QDir::toNativeSeparators(file->fileName()), file->errorString()));
        delete file;
        return;
    }
    logFile_ = file;
    logFileMask_ = LogMask::Stream();
}

void Velomi::endLogFile()
{
    if (!logFile_)
        return;
    logFile_->close();
    delete logFile_;
    logFile_ = nullptr;
}

void Velomi::writeLogFile(const QString &text)
{
    if (!logFile_)
        return;
    // One line of the file for each line of the text as it came, so a piece
    // of an answer stays a piece, as in the pane.
    QString masked = logFileMask_.feed(text);
    while (masked.endsWith(QLatin1Char('\n')) || masked.endsWith(QLatin1Char('\r')))
        masked.chop(1);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QDateTime now = QDateTime::currentDateTime();
    QByteArray bytes;
    for (const QString &line : masked.split(lineEnd, Qt::SkipEmptyParts))
        bytes += stampedLogLine(now, line).toUtf8();
    if (bytes.isEmpty())
        return; // a line end that came alone
    // Written through at once: a crash loses at most the line it was in.
    if (logFile_->write(bytes) != bytes.size() || !logFile_->flush()) {
        const QString problem
            = tr("The log file %1 could not be written and is no longer kept:\n%2")
                  .arg(QDir::toNativeSeparators(logFile_->fileName()), logFile_->errorString());
        endLogFile();
        Messages::warning(this, problem);
    }
}
