#pragma once
// Write All: the pages written one after the other, each write sent on the
// acknowledgement of the one before. The order is one table per model branch
// (writeallchain.cpp): the acknowledgement a row waits for, the progress it
// shows and the write it sends next. The session sends, awaits and times out.
#include <QString>
#include <QStringList>

#include "session/session.h"

class WriteAllChain
{
public:
    enum class Next { Apn, Report, Xml, Fence, Settings, GpsTracker, CallerIds, End };
    struct Row;

    explicit WriteAllChain(Session &session) : s_(session) { }

    // The window asked for confirmation first; a refusal is only shown.
    void start();
    // The titles of the pages whose values the branch of `model` sends.
    static QStringList pages(const ModelFlags &model);
    // An answer arrived while Write All runs: the row it acknowledges sends
    // the next write.
    void onAnswer();

private:
    using Sent = Session::Sent;

    void run(const Row &row);
    // A write that could not go out ends Write All instead of leaving it
    // waiting with the pages locked.
    void stop(Sent why, const QString &page);

    Session &s_;
    int fenceStep_ = 0; // which fence of the T2 branch was written last
};
