#include "session/staleanswerfilter.h"

#include "protocol/responseassembler.h"

namespace {
// The assembler's markers, as the bytes this filter looks at.
const QByteArray LineEnd = ResponseAssembler::LineEnd.toLatin1();
const QByteArray EchoMarker = ResponseAssembler::EchoMarker.toLatin1();

// "<OK> APN;", "<ERROR> APN;", "<OK> APN?:name,...;" all answer key "APN"/"APN?".
bool answersKey(const QByteArray &line, const QString &key)
{
    const QByteArray k = key.toLatin1();
    return line.contains("> " + k + ":") || line.contains("> " + k + ";");
}
} // namespace

void StaleAnswerFilter::arm(const QString &commandBody)
{
    key_ = answerKey(commandBody);
    held_.clear();
}

void StaleAnswerFilter::commandSent(const QString &commandBody)
{
    if (isArmed() && answerKey(commandBody) == key_) {
        key_.clear();
        held_.clear();
    }
}

QByteArray StaleAnswerFilter::filter(const QByteArray &chunk)
{
    if (!isArmed())
        return chunk;
    held_ += chunk;
    QByteArray out;
    while (isArmed()) {
        const int end = int(held_.indexOf(LineEnd));
        if (end < 0) {
            // A device that never ends its line must not grow memory or
            // starve the dispatcher: give up watching.
            if (held_.size() > ResponseAssembler::MaxLength)
                disarm();
            break;
        }
        const QByteArray line = held_.left(end + LineEnd.size());
        held_.remove(0, line.size());
        if (line.contains(EchoMarker)) { // an echoed command, not an answer
            out += line;
            continue;
        }
        if (!answersKey(line, key_))
            out += line;
        disarm(); // the stale answer came, or the device moved on
    }
    if (!isArmed()) {
        out += held_;
        held_.clear();
    }
    return out;
}

QString StaleAnswerFilter::answerKey(const QString &commandBody)
{
    const int colon = int(commandBody.indexOf(QLatin1Char(':')));
    return colon < 0 ? commandBody : commandBody.left(colon);
}

void StaleAnswerFilter::disarm() { key_.clear(); }
