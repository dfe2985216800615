#pragma once
// One device on one port, driven through its own Session as the window
// drives it: open the port as Open does, read with the read chain, write
// with Write All, upgrade, one-shot commands. Several jobs share one event
// loop; each reports its end once, with an Outcome.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <functional>

#include "cli/cliargs.h"
#include "profiles/formsheet.h"
#include "protocol/formvalues.h"
#include "protocol/modelflags.h"
#include "protocol/notice.h"

class ManageSerialPort;
class Session;

namespace Cli {

struct Outcome
{
    int exit = Success;
    QString reason; // in plain words, when the job did not succeed
    QString detail; // what a command answered (the signal strength ...)
    QByteArray profileBytes; // read: the profile file's bytes
    QList<FormSheet::Difference> differences; // diff, write
    QString version; // the version answer, e.g. "T47_V1.05"
    QString imei; // when the device tells it
    QString backup; // the backup file written
    qint64 elapsedMs = 0;
};

class DeviceJob : public QObject
{
    Q_OBJECT
public:
    // `profile` holds the profile's values for diff and write.
    DeviceJob(const Request &request, const QString &port, const FormSheet &sheet,
        const FormValues &profile, QObject *parent = nullptr);
    ~DeviceJob() override;

    void start();
    QString port() const { return port_; }
    bool isFinished() const { return finished_; }
    const Outcome &outcome() const { return outcome_; }

signals:
    // A stage begins or goes on ("reading", "writing" ...), percent -1 when unknown.
    void progress(const QString &stage, int percent);
    // Bytes on the line: sent by the tool, or received from the device.
    void traffic(bool sent, const QString &text);
    void finished();

private:
    enum class Phase { Idle, Reading, Writing, Upgrading, Command, Done };

    bool openPort();
    void read(std::function<void()> then);
    void readDone();
    void afterFirstRead();
    bool backUp(const QString &reason);
    void startWrite();
    void startUpgrade();
    void startCommand();
    void verify();
    void onNotice(const Notice &notice);
    void onDecoded(const FormValues &values);
    void onChunk(const QByteArray &chunk);
    void checkCommandAnswer();
    QString refusedKey() const;
    void fail(int exit, const QString &reason);
    void succeed(int exit = Success);
    // Runs `step` from the event loop, outside the session's own handlers.
    void later(std::function<void()> step);

    Request request_;
    QString port_;
    FormSheet baseSheet_, sheet_;
    FormValues profile_;
    ManageSerialPort *link_ = nullptr;
    Session *session_ = nullptr;

    Phase phase_ = Phase::Idle;
    std::function<void()> afterRead_;
    bool readFinished_ = false;
    int answers_ = 0;
    FormValues values_; // what the window's pages would hold now
    QSet<QString> decoded_; // names the last read gave
    FormValues written_; // what Write All sent
    ModelFlags model_;
    QString answer_; // the device's answer to the last frame
    QString lastNotice_;
    bool loadingImage_ = false;
    int echoes_ = 0; // received chunks the session will log again
    QTimer watchdog_; // a command's answer, the INFO answer
    QElapsedTimer clock_;
    Outcome outcome_;
    bool finished_ = false;
};

} // namespace Cli
