#pragma once
// The conversation with the device: what was sent last, what is awaited, the
// answer collected so far, and the chains that walk through several commands
// (read, write all, report rows, sensor list, firmware upgrade, restart
// countdown). It sends through a Link and reports through signals; it never
// touches a widget, so the window, a test or a command-line tool can drive it.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

#include "protocol/formvalues.h"
#include "protocol/modelflags.h"
#include "protocol/notice.h"
#include "protocol/responseassembler.h"
#include "protocol/sensorcodec.h"
#include "session/staleanswerfilter.h"

class Link;
class ReadChain;
class RestartCountdown;
class UpgradeChain;
class WriteAllChain;
namespace SmsCodec {
struct WriteCheck;
}

class Session : public QObject
{
    Q_OBJECT
public:
    // The outstanding command: whose answer the dispatcher routes. The
    // numbers are the device protocol's codes, shown in logs and tests.
    enum class Command : int {
        None = 0,
        UpgradeAnnounce = 2,
        UpgradeBlock = 3,
        ReadVersion = 11,
        ReadApn = 12,
        ReadInactivityWindow1 = 13,
        ReadInactivityWindow2 = 14,
        ReadXml = 16,
        ReadCfg = 17,
        ReadCfg1 = 18,
        ReadCfg2 = 19,
        ReadCallerId1 = 21,
        ReadCallerId2 = 22,
        ReadReport = 23,
        WriteReport = 24,
        Information = 26,
        ReadGeoFence = 32,
        ReadSensorPage = 33,
        ReadSignal = 34,
        SignalStrength = 35,
        RefreshSensors = 36,
        WriteAll = 38,
    };
    Q_ENUM(Command)

    // How long a chain waits for an answer before it gives up.
    static constexpr int AnswerTimeoutMs = 5000;
    // The same while the device restarts (the restart countdown runs).
    static constexpr int RestartAnswerTimeoutMs = 40000;
    static constexpr int CountdownTickMs = 1000;
    static constexpr int CountdownSeconds = 30;
    static constexpr int ElapsedTickMs = 1000;
    static constexpr int UpgradeSilenceMs = 10000;

    struct Timings
    {
        int answerMs = AnswerTimeoutMs;
        int restartAnswerMs = RestartAnswerTimeoutMs;
        int countdownTickMs = CountdownTickMs;
        int elapsedTickMs = ElapsedTickMs;
        int upgradeSilenceMs = UpgradeSilenceMs;
    };

    explicit Session(Link *link, QObject *parent = nullptr);
    ~Session() override;

    // The window supplies the current page values whenever a writer needs them.
    void setFormSource(std::function<FormValues()> source);
    // The radius text of fence 1..3 before its last edit, for the undo of a
    // refused radius. Optional; without it the codec's default applies.
    void setRadiusUndoSource(std::function<QString(int fence)> source);
    void setTimings(const Timings &timings);
    const Timings &timings() const { return timings_; }

    // State.
    Command pendingCommand() const { return pendingCommand_; }
    QString receivedText() const { return assembler_.text(); }
    QByteArray lastCommandFrame() const { return lastCommandFrame_; }
    const ModelFlags &model() const { return model_; }
    QString sensorListText() const { return sensorListText_; }
    int completedReads() const { return completedReads_; }
    bool configurationRead() const { return configurationRead_; }
    void setConfigurationRead(bool read) { configurationRead_ = read; }
    int restartCountdown() const;
    bool isCountingDown() const;
    bool isRestarting() const;
    bool isBusy() const; // a chain waits for an answer
    // Write All runs: a Read or another Write All now would leave it waiting
    // for an acknowledgement that no longer comes, the device half written.
    bool isWritingAll() const { return pendingCommand_ == Command::WriteAll; }
    bool canWriteAll() const;
    // Why Write All cannot start now; empty when it can.
    QString writeAllRefusal() const;
    static QString writeAllRunning();

    // Sending. Frames, logs and sends one command; empties receivedText.
    void sendCommand(const QString &body);

    // One-shot commands.
    void signalStrength();
    void scream(int index);
    void locate();
    void rebootDevice();
    void rebootGsm();
    void factoryReset();
    void setDebug(int index);
    void omadm(bool start);
    void loadInformation();
    void setGsmOnOff(int index);

    // Reads and page writes.
    void startRead();
    // The same read after a write, to check what the device holds: no
    // success box of its own, and the pages stay locked until it ends.
    void startReadBack();
    // The read running, or the last one finished, is a read-back.
    bool isReadBack() const;
    void writeKeywordAccess();
    void writeApn();
    void writeXml();
    void writeCallerIds();
    void writeDeviceSettings(); // the Settings page's frame
    void writeGpsTracker();
    void writeGeoAlert();
    void writeInactivity();
    void writeReports(); // rows 1..destinationCount, one per acknowledgement
    void writeFence(int fence, int page);
    void writeForbiddenZone();
    void addSensor(const QString &paddedId);
    void deleteSensor(const QString &zone);
    // The window asked for confirmation first; a refusal (writeAllRefusal)
    // is only shown.
    void startWriteAll();
    // The titles of the pages whose values Write All sends to this model.
    QStringList writeAllPages() const;

    // Firmware upgrade. A refused load keeps the previous image and returns false.
    bool loadFirmware(const QByteArray &image);
    bool loadFirmwareFile(const QString &path);
    void startUpgrade();
    // startUpgrade() would send the image's announcement now.
    bool canStartUpgrade() const;
    bool isUpgrading() const;
    int upgradeErrorTotal() const;

    // The user pressed Close or the link was lost.
    void portClosed();
    // The link went away while the device restarts: it left the bus and is
    // expected back. What the restart runs at its end waits for it.
    bool awaitsDeviceBack() const;
    // The port was opened again on the device that left the bus.
    void linkReopened();
    // The device did not come back in time: the restart ends without its
    // read, and the pages are usable again.
    void deviceStayedAway();

signals:
    void logLine(const QString &text);
    void noticeRaised(const Notice &notice);
    void valuesDecoded(const FormValues &values);
    void modelDetected(const ModelFlags &model);
    // The pages may not be edited or written: a chain writes them, the
    // device restarts, or no supported model has been read.
    void pagesLocked(bool locked);
    // The report type lists belong to the model last read: locked after a
    // version answer of an unsupported model, until a read succeeds.
    void reportTypesLocked(bool locked);
    // The device restarts (after a reboot or factory acknowledgement, or
    // after the upgrade exchange closed the port) until the countdown ends:
    // the port and the commands wait.
    void restartingChanged(bool restarting);
    // The firmware exchange runs. False also ends a start that was refused,
    // so what the window locked for it comes back.
    void upgradingChanged(bool upgrading);
    void progressChanged(int percent);
    void sensorsListed(const QList<SensorCodec::SensorRow> &rows);
    void variantPagesRequested(bool informationTab, bool mobilityTab);
    void readFinished();
    // A read (or read-back) runs: its answers replace page values one by
    // one. False once it ends, finished or not.
    void readingChanged(bool reading);
    // A page's own Write button sent its frame (page: the tab's title), and
    // later the device acknowledged it, once its message was seen.
    // `fields`: the page values the write was made of; empty: the whole page.
    void pageWriteSent(const QString &page, const QStringList &fields);
    void pageWriteSucceeded(const QString &page);
    // Write All ended with success and its message was seen.
    void writeAllFinished();
    void closePortRequested();
    void reopenPortRequested();
    void elapsedTextChanged(const QString &text);

private:
    friend class ReadChain;
    friend class RestartCountdown;
    friend class UpgradeChain;
    friend class WriteAllChain;

    // Notices wait until the outermost step has updated all state: the
    // window shows them in modal boxes whose nested event loop may deliver
    // more answers.
    class Scope
    {
    public:
        explicit Scope(Session &s) : s_(s)
        {
            if (s_.depth_++ == 0)
                s_.formReads_.reset(); // made when a step looks at the pages
        }
        ~Scope()
        {
            if (--s_.depth_ == 0)
                s_.flushNotices();
        }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        Session &s_;
    };
    struct Queued
    {
        Notice notice;
        std::function<void()> after; // runs once the notice was shown
    };
    // How a page writer ended.
    enum class Sent { Yes, PortClosed, Refused };

    // Core: session.cpp
    void onChunk(const QByteArray &chunk);
    void dispatch();
    bool runStep(); // true: the acknowledgement table must not run
    void handleAcknowledgement();
    void notify(const Notice &notice, std::function<void()> after = {});
    void flushNotices();
    void setPending(Command code);
    static bool isChainCode(Command code);
    void sendQuery(const QString &body, Command code);
    bool portGuard();
    bool sendGuarded(const QString &body);
    FormValues formValues() const;
    void emitDecoded(const FormValues &values, const QList<Notice> &notices = {});
    void restartStarted();
    void onAnswerTimeout();
    bool chainWaits() const;
    void stopWaitingChain();
    void givePagesBack();
    void onLinkLost();

    // Answers outside the read chain, the sensor list: sessionanswers.cpp
    void showSignal();
    void stepSignalStrength();
    void showInformation();
    void stepInformation();
    void restartSensorList();
    void stepSensorRefresh();
    void appendSensorPage();
    void showSensorList(const SensorCodec::SensorList &list);

    // Page writers and the report write chain: sessionwrite.cpp
    Sent doChecked(const SmsCodec::WriteCheck &check); // sends it or tells why not
    Sent doReportRow(int row);
    Sent doFence(int fence, int page);
    Sent doFenceByType(int fence);
    Sent doWrite(const QString &body);
    void stepReportWrite();
    // A page writer's frame went out: its acknowledgement is the page's.
    void pageWriteDone(Sent sent, const QString &page);

    std::function<FormValues()> formSource_;
    std::function<QString(int)> radiusUndoSource_;
    Timings timings_;

    Link *link_ = nullptr;
    ResponseAssembler assembler_;
    StaleAnswerFilter staleFilter_;
    QByteArray lastCommandFrame_;
    QString lastChainBody_; // the command a chain waits on, for the time-out message
    Command pendingCommand_ = Command::None;
    ModelFlags model_;
    QString sensorListText_;
    int completedReads_ = 0;
    bool configurationRead_ = false;
    // Unlocked by the end of a read of a supported model; locked again by an
    // unsupported version answer or a closed port, so no writer works from
    // a model that was never read.
    bool pagesUnlocked_ = false;

    int sensorPageOffset_ = 0;
    int rptWriteIndex_ = 0;
    QString pageWriteAwaited_; // the page whose write awaits its acknowledgement

    bool dispatching_ = false;
    bool dispatchAgain_ = false;
    bool errorReported_ = false; // the error in receivedText was already shown
    int depth_ = 0; // open Scopes; notices wait until it is 0
    // The page values the outermost open Scope looked up: what a page write sent.
    mutable std::shared_ptr<QSet<QString>> formReads_;
    QList<Queued> queued_;

    QTimer dispatchTimer_;
    QTimer answerTimer_;
    std::unique_ptr<ReadChain> readChain_;
    std::unique_ptr<WriteAllChain> writeAll_;
    std::unique_ptr<UpgradeChain> upgrade_;
    std::unique_ptr<RestartCountdown> restart_;
};
