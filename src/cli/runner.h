#pragma once
// Runs one request: checks its files, starts one DeviceJob per port on the
// one event loop, reports progress, writes the files, the service record
// and the frame log, and ends the loop with the worst exit status.
#include <QFile>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTextStream>

#include "cli/cliargs.h"
#include "protocol/formvalues.h"
#include "protocol/logmask.h"

namespace Cli {

class DeviceJob;

class Runner : public QObject
{
    Q_OBJECT
public:
    explicit Runner(const Request &request, QObject *parent = nullptr);
    ~Runner() override;

    // Starts the work; QCoreApplication::exit(status) ends it.
    void start();
    int exitStatus() const { return status_; }

private:
    void listPorts();
    void writeSheet();
    bool prepare(); // profile, image, output folder, log
    void jobFinished(DeviceJob *job);
    void allFinished();
    void finishJob(DeviceJob *job);
    QString outputPath(const QString &port) const;
    void printProgress(const QString &port, const QString &stage, int percent);
    void logTraffic(const QString &port, bool sent, const QString &text);
    void appendRecord(DeviceJob *job, const QString &result);
    void emitJson(const QJsonObject &object);
    void usageFailure(const QString &text);
    void finish(int status);

    Request request_;
    FormValues profile_;
    QList<DeviceJob *> jobs_;
    int status_ = Success;
    bool progressShown_ = false; // stderr is a terminal and not --quiet
    QMap<QString, QString> progressText_; // port -> its part of the progress line
    QFile logFile_;
    // Per port: passwords and access codes never reach the log file, even
    // when the device's answer brings them in pieces.
    QHash<QString, LogMask::Stream> logMasks_;
    QTextStream out_;
    QTextStream err_;
};

} // namespace Cli
