#pragma once
// After a command went unanswered and its chain gave up, the device may still
// send that answer later. The device answers one line per command, in order,
// so the late answer comes before the answer to whatever is sent next. This
// filter drops that one stale line so it is not taken for the next command's
// answer; the first line that is not the stale answer ends the watch.
#include <QByteArray>
#include <QString>

class StaleAnswerFilter
{
public:
    // Watch for a late answer to the command with this frame body.
    void arm(const QString &commandBody);
    // A new command goes out. If it carries the same key, its answer cannot
    // be told apart from the late one: stop watching and drop what is held
    // (sending empties the collected answer anyway).
    void commandSent(const QString &commandBody);
    bool isArmed() const { return !key_.isEmpty(); }
    QString key() const { return key_; }

    // Bytes that may go on to the response assembler. While watching,
    // incomplete lines are held until their line end arrives.
    QByteArray filter(const QByteArray &chunk);

    // The key an answer to this body carries: the text before the first ":"
    // ("APN?:" -> "APN?", "RPT:2,..." -> "RPT").
    static QString answerKey(const QString &commandBody);

private:
    void disarm();

    QString key_;
    QByteArray held_;
};
