#include "cli/runner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTimer>
#include <unistd.h>

#include "cli/devicejob.h"
#include "cli/windowsheet.h"
#include "document/sheetdocument.h"
#include "profiles/configsheet.h"
#include "profiles/profileformat.h"
#include "serial/portnames.h"

namespace Cli {
namespace {

// Control bytes of the line, readable in a log.
QString escaped(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString resultWord(int exit)
{
    switch (exit) {
    case Success:
        return QStringLiteral("ok");
    case Differs:
        return QStringLiteral("differs");
    case Usage:
        return QStringLiteral("usage");
    default:
        return QStringLiteral("failed");
    }
}

QString seconds(qint64 ms) { return QString::number(ms / 1000.0, 'f', 2) + QStringLiteral(" s"); }

} // namespace

Runner::Runner(const Request &request, QObject *parent)
    : QObject(parent), request_(request), out_(stdout), err_(stderr)
{
    progressShown_ = !request.quiet && isatty(STDERR_FILENO);
}

Runner::~Runner() { qDeleteAll(jobs_); }

void Runner::finish(int status)
{
    status_ = status;
    if (request_.json) {
        QJsonObject summary {{"event", "summary"}, {"exit", status}};
        emitJson(summary);
    }
    out_.flush();
    err_.flush();
    QCoreApplication::exit(status);
}

void Runner::usageFailure(const QString &text)
{
    err_ << "velomi-cli: " << commandName(request_) << ": " << text << "\n";
    if (request_.json)
        emitJson({{"event", "error"}, {"command", commandName(request_)}, {"reason", text},
            {"exit", Usage}});
    finish(Usage);
}

void Runner::emitJson(const QJsonObject &object)
{
    out_ << QJsonDocument(object).toJson(QJsonDocument::Compact) << "\n";
    out_.flush();
}

void Runner::start()
{
    if (request_.command == Command::Ports) {
        listPorts();
        return;
    }
    if (request_.command == Command::Sheet) {
        writeSheet();
        return;
    }
    if (!prepare())
        return;
    for (const QString &port : request_.ports) {
        auto *job = new DeviceJob(request_, port, windowSheet(), profile_);
        jobs_ << job;
        connect(job, &DeviceJob::progress, this, [this, port](const QString &stage, int percent) {
            printProgress(port, stage, percent);
        });
        connect(job, &DeviceJob::traffic, this,
            [this, port](bool sent, const QString &text) { logTraffic(port, sent, text); });
        connect(job, &DeviceJob::finished, this, [this, job] { jobFinished(job); });
    }
    for (DeviceJob *job : jobs_)
        job->start();
}

void Runner::listPorts()
{
    const auto ports = availablePorts();
    if (request_.json) {
        for (const auto &[text, path] : ports)
            emitJson({{"event", "port"}, {"port", path}, {"description", text}});
    } else {
        for (const auto &[text, path] : ports)
            out_ << path << (text != path ? QStringLiteral("  ") + text : QString()) << "\n";
    }
    finish(Success);
}

void Runner::writeSheet()
{
    if (!prepare())
        return;
    ConfigSheet::Header header;
    header.date = QDateTime::currentDateTime();
    header.profile = QFileInfo(request_.profile).fileName();
    const QString html = ConfigSheet::html(windowSheet(), windowPages(), profile_, header);
    // Whole or not at all: a failed write leaves no half sheet behind.
    const QString failure
        = SheetDocument::save(request_.out, html, QStringLiteral("velomi-cli " VELOMI_VERSION));
    if (!failure.isEmpty()) {
        usageFailure(QStringLiteral("cannot write %1: %2").arg(request_.out, failure));
        return;
    }
    if (request_.json)
        emitJson({{"event", "result"}, {"command", commandName(request_)}, {"result", "ok"},
            {"exit", Success}, {"file", request_.out}});
    else
        out_ << "sheet ok: wrote " << request_.out << "\n";
    finish(Success);
}

bool Runner::prepare()
{
    if (!request_.profile.isEmpty()) {
        QFile file(request_.profile);
        if (!file.open(QIODevice::ReadOnly)) {
            usageFailure(QStringLiteral("cannot read the profile %1: %2")
                             .arg(request_.profile, file.errorString()));
            return false;
        }
        const QByteArray bytes = file.readAll();
        const FormSheet &sheet = windowSheet();
        // A file none of whose lines names a setting is no profile: writing
        // it would send the form's start values.
        bool named = false;
        for (const QByteArray &line : bytes.split('\n'))
            named = named || sheet.field(QString::fromLatin1(line.left(line.indexOf(':'))));
        if (!named) {
            usageFailure(QStringLiteral("%1 is no profile: none of its lines names a setting")
                             .arg(request_.profile));
            return false;
        }
        profile_ = ProfileFormat::read(bytes, sheet.widgets());
    }
    if (!request_.image.isEmpty() && !QFileInfo(request_.image).isReadable()) {
        usageFailure(QStringLiteral("cannot read the image %1").arg(request_.image));
        return false;
    }
    if (!request_.outDir.isEmpty() && !QDir().mkpath(request_.outDir)) {
        usageFailure(QStringLiteral("cannot make the folder %1").arg(request_.outDir));
        return false;
    }
    if (!request_.log.isEmpty()) {
        logFile_.setFileName(request_.log);
        if (!logFile_.open(QIODevice::WriteOnly | QIODevice::Append)) {
            usageFailure(QStringLiteral("cannot write the log %1: %2")
                             .arg(request_.log, logFile_.errorString()));
            return false;
        }
    }
    return true;
}

QString Runner::outputPath(const QString &port) const
{
    if (!request_.out.isEmpty())
        return request_.out;
    return QDir(request_.outDir).filePath(QFileInfo(port).fileName() + QStringLiteral(".txt"));
}

void Runner::printProgress(const QString &port, const QString &stage, int percent)
{
    if (request_.json)
        emitJson({{"event", "progress"}, {"port", port}, {"stage", stage}, {"percent", percent}});
    if (!progressShown_)
        return;
    const QString text = QFileInfo(port).fileName() + QLatin1Char(' ') + stage
        + (percent >= 0 ? QStringLiteral(" %1%").arg(percent) : QString());
    if (progressText_.value(port) == text)
        return;
    progressText_.insert(port, text);
    err_ << "\r\033[K" << progressText_.values().join(QStringLiteral("  |  "));
    err_.flush();
}

void Runner::logTraffic(const QString &port, bool sent, const QString &text)
{
    if (!logFile_.isOpen())
        return;
    const QString line = QStringLiteral("%1 %2 %3 %4\n")
                             .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs), port,
                                 sent ? QStringLiteral(">") : QStringLiteral("<"),
                                 escaped(logMasks_[port].feed(text)));
    logFile_.write(line.toUtf8());
}

void Runner::jobFinished(DeviceJob *job)
{
    finishJob(job);
    for (const DeviceJob *other : jobs_)
        if (!other->isFinished())
            return;
    allFinished();
}

void Runner::finishJob(DeviceJob *job)
{
    Outcome outcome = job->outcome();
    const QString port = job->port();
    QString file;
    // The file is written only from a whole read, and whole or not at all.
    if (request_.command == Command::Read && outcome.exit == Success) {
        file = outputPath(port);
        QSaveFile save(file);
        if (!save.open(QIODevice::WriteOnly) || save.write(outcome.profileBytes) < 0
            || !save.commit()) {
            outcome.exit = Usage;
            outcome.reason = QStringLiteral("cannot write %1: %2").arg(file, save.errorString());
            file.clear();
        }
    }
    status_ = qMax(status_, outcome.exit);

    // The summary takes the progress line's place; the others' progress follows.
    if (progressShown_) {
        progressText_.remove(port);
        err_ << "\r\033[K";
        err_.flush();
    }
    const QString command = commandName(request_);
    if (request_.json) {
        QJsonArray differences;
        for (const auto &d : outcome.differences)
            differences.append(QJsonObject {{"name", d.name}, {"page", d.page},
                {"caption", d.caption}, {"device", d.left}, {"profile", d.right}});
        QJsonObject result {{"event", "result"}, {"port", port}, {"command", command},
            {"result", resultWord(outcome.exit)}, {"exit", outcome.exit},
            {"seconds", outcome.elapsedMs / 1000.0}};
        const auto add = [&result](const char *key, const QString &value) {
            if (!value.isEmpty())
                result.insert(QLatin1String(key), value);
        };
        add("reason", outcome.reason);
        add("version", outcome.version);
        add("imei", outcome.imei);
        add("file", file);
        add("backup", outcome.backup);
        add("answer", outcome.detail);
        if (request_.command == Command::Diff || request_.command == Command::Write)
            result.insert(QStringLiteral("differences"), differences);
        emitJson(result);
    } else {
        for (const auto &d : outcome.differences)
            out_ << port << ": " << d.page << " / " << d.caption << ": device \"" << d.left
                 << "\", profile \"" << d.right << "\"\n";
        QString summary = QStringLiteral("%1: %2 %3").arg(port, command, resultWord(outcome.exit));
        QStringList notes;
        if (!outcome.reason.isEmpty())
            notes << outcome.reason;
        if (!outcome.version.isEmpty())
            notes << outcome.version;
        if (!outcome.detail.isEmpty())
            notes << outcome.detail;
        if (request_.command == Command::Diff && outcome.exit <= Differs)
            notes << QStringLiteral("%1 differences").arg(outcome.differences.size());
        if (!file.isEmpty())
            notes << QStringLiteral("wrote %1").arg(file);
        if (!outcome.backup.isEmpty())
            notes << QStringLiteral("backup %1").arg(outcome.backup);
        notes << seconds(outcome.elapsedMs);
        summary += QStringLiteral(": ") + notes.join(QStringLiteral(", "));
        if (outcome.exit >= Usage)
            err_ << "velomi-cli: " << summary << "\n";
        else
            out_ << summary << "\n";
        out_.flush();
        err_.flush();
    }
    if (progressShown_ && !progressText_.isEmpty()) {
        err_ << progressText_.values().join(QStringLiteral("  |  "));
        err_.flush();
    }
    if (!request_.record.isEmpty())
        appendRecord(job,
            resultWord(outcome.exit)
                + (outcome.reason.isEmpty() ? QString() : QStringLiteral(": ") + outcome.reason));
}

void Runner::appendRecord(DeviceJob *job, const QString &result)
{
    QFile file(request_.record);
    const bool fresh = !file.exists() || file.size() == 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        err_ << "velomi-cli: cannot append to the record " << request_.record << ": "
             << file.errorString() << "\n";
        status_ = qMax(status_, int(Usage));
        return;
    }
    QStringList fields;
    if (fresh)
        file.write("time,port,version,imei,operation,profile,result,backup\n");
    const Outcome &o = job->outcome();
    fields << QDateTime::currentDateTime().toString(Qt::ISODate) << job->port() << o.version
           << o.imei << commandName(request_) << request_.profile << result << o.backup;
    for (QString &f : fields)
        f = csvField(f);
    file.write((fields.join(QLatin1Char(',')) + QLatin1Char('\n')).toUtf8());
}

void Runner::allFinished()
{
    if (logFile_.isOpen())
        logFile_.close();
    finish(status_);
}

} // namespace Cli
