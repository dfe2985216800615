#pragma once
// The conversation with the device: what was sent last, what is awaited, the
// answer collected so far, and the chains that walk through several commands
// (read, write all, report rows, sensor list, firmware upgrade, restart
// countdown). It sends through a Link and reports through signals; it never
// touches a widget, so the window, a test or a command-line tool can drive it.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

#include "formvalues.h"
#include "modelflags.h"
#include "notice.h"
#include "responseassembler.h"
#include "sensorcodec.h"
#include "staleanswerfilter.h"

class Link;
class FirmwareUpgrade;
struct FirmwareStep;

class Session : public QObject
{
    Q_OBJECT
public:
    // Codes of the outstanding command (pendingCommand).
    enum Code : int {
        NoCommand = 0,
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
    int pendingCommand() const { return pendingCommand_; }
    QString receivedText() const { return assembler_.text(); }
    QByteArray lastCommandFrame() const { return lastCommandFrame_; }
    const ModelFlags &model() const { return model_; }
    QString sensorListText() const { return sensorListText_; }
    int completedReads() const { return completedReads_; }
    bool configurationRead() const { return configurationRead_; }
    void setConfigurationRead(bool read) { configurationRead_ = read; }
    int restartCountdown() const { return restartCountdown_; }
    bool isCountingDown() const { return restartTimer_.isActive(); }
    bool isBusy() const; // a chain waits for an answer
    bool canWriteAll() const;

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
    void writeKeywordAccess();
    void writeApn();
    void writeXml();
    void writeCallerIds();
    void writeSettings();
    void writeGpsTracker();
    void writeGeoAlert();
    void writeInactivity();
    void writeReports(); // rows 1..destinationCount, one per acknowledgement
    void writeFence(int fence, int page);
    void writeForbiddenZone();
    void addSensor(const QString &paddedId);
    void deleteSensor(const QString &zone);
    // The window asked for confirmation first; a closed port only shows
    // "Serial Port is not open! \"Write All\"".
    void startWriteAll();

    // Firmware upgrade. A refused load keeps the previous image and returns false.
    bool loadFirmware(const QByteArray &image);
    bool loadFirmwareFile(const QString &path);
    void startUpgrade();
    bool isUpgrading() const;
    int upgradeErrorTotal() const;

    // The user pressed Close or the link was lost.
    void portClosed();

signals:
    void logLine(const QString &text);
    void noticeRaised(const Notice &notice);
    void valuesDecoded(const FormValues &values);
    void modelDetected(const ModelFlags &model);
    void pagesEnabled(bool enabled);
    void reportTypesEnabled(bool enabled);
    void connectionAreasEnabled(bool enabled); // widget_Com and widget_phone
    void progressChanged(int percent);
    void sensorsListed(const QList<SensorCodec::SensorRow> &rows);
    void variantPagesRequested(bool informationTab, bool mobilityTab);
    void readFinished();
    void closePortRequested();
    void reopenPortRequested();
    void elapsedTextChanged(const QString &text);
    void firmwareButtonEnabled(bool enabled); // pushButton_getFile
    void upgradeStateChanged(bool running);

private:
    void onChunk(const QByteArray &chunk);
    void dispatch();

    std::function<FormValues()> formSource_;
    std::function<QString(int)> radiusUndoSource_;
    Timings timings_;

    Link *link_ = nullptr;
    ResponseAssembler assembler_;
    StaleAnswerFilter staleFilter_;
    QByteArray lastCommandFrame_;
    int pendingCommand_ = NoCommand;
    ModelFlags model_;
    QString sensorListText_;
    int completedReads_ = 0;
    bool configurationRead_ = false;

    int restartCountdown_ = 0;
    QTimer dispatchTimer_;
    QTimer restartTimer_;
    QTimer answerTimer_;
    QTimer elapsedTimer_;
    QTimer silenceTimer_;
    std::unique_ptr<FirmwareUpgrade> upgrade_;
};
