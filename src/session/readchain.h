#pragma once
// The read chain: the device's whole configuration, one query after the
// other. Its order is one table (readchain.cpp): per model and variant which
// query comes, which answer completes it and which decoder takes it. The
// session sends, awaits and times out; this class only says what comes next.
#include <QList>

#include "session/session.h"

class ReadChain
{
public:
    struct Step;

    explicit ReadChain(Session &session) : s_(session) { }

    // Sends "VER?:"; a read already running starts over. A read-back keeps
    // the pages locked until its end and shows no success of its own.
    void start(bool readBack);
    bool isReadBack() const { return readBack_; }
    bool isRunning() const { return running_; }
    // The chain waits for the answer to this command.
    bool awaits(Session::Command code) const;
    // The awaited answer may be whole: if so, decode it and send the next
    // query. True when the acknowledgement table must not see the answer.
    bool onAnswer();
    // Another command took over, or the chain gave up: nothing is awaited.
    void abandon()
    {
        plan_.clear();
        setRunning(false);
    }

private:
    // How often a step runs, and the number its query carries.
    enum class Repeat {
        Once,
        Fences, // "%1": 1 .. the model's fence count
        SensorPages, // "%1": the page offsets 0, 5, 10, 15
        Destinations, // "%1": 1 .. the model's destination count
    };
    static const Step Steps[];

    struct Planned
    {
        const Step *step;
        int n; // the fence, sensor page offset or destination of a repeated step
    };
    void planAfterVersion();
    void sendCurrent();
    void advance();
    void finish();
    void setRunning(bool running);

    // Decoders, one per table row; false stops the read.
    bool version(int);
    bool xml(int);
    bool apn(int);
    bool cfg(int);
    bool cfg1(int);
    bool cfg2(int);
    bool callerId1(int);
    bool callerId2(int);
    bool callerId(int which);
    bool geoFence(int);
    bool sensorPage(int offset);
    bool signal(int);
    bool reportRow(int row);
    bool configurationRead(int);
    bool information(int);
    bool inactivityWindow1(int);
    bool inactivityWindow2(int);
    bool inactivityWindow(int set);
    bool cfgKeys(const QString &keyword, const QStringList &keys, bool fromCfg2);

    Session &s_;
    QList<Planned> plan_; // what is still to come; the front is awaited
    bool readBack_ = false;
    bool running_ = false; // from start until the plan empties
};
