#include "fakelink.h"

#include <QTimer>

namespace {
const QByteArray Head = QByteArrayLiteral("AT!XSMSC=");
}

QString FakeLink::bodyOf(const QByteArray &frame)
{
    QByteArray body = frame;
    if (body.startsWith(Head))
        body.remove(0, Head.size());
    if (body.endsWith('\r'))
        body.chop(1);
    return QString::fromLatin1(body);
}

bool FakeLink::send(const QByteArray &bytes)
{
    if (!open_)
        return false;
    sent_.append(bytes);

    const QString body = bodyOf(bytes);
    QString best;
    bool found = false;
    for (auto it = script_.cbegin(); it != script_.cend(); ++it) {
        if (body.startsWith(it.key()) && (!found || it.key().size() > best.size())) {
            best = it.key();
            found = true;
        }
    }
    const QByteArray answer = found ? script_.value(best)
        : responder_                ? responder_(body)
                                    : QByteArray();
    if (answer.isEmpty())
        return true;
    const int step = chunkSize_ > 0 ? chunkSize_ : int(answer.size());
    for (int at = 0; at < answer.size(); at += step) {
        const QByteArray chunk = answer.mid(at, step);
        // Each chunk its own delivery, after send() has returned.
        QTimer::singleShot(0, this, [this, chunk] {
            if (open_)
                emit chunkReceived(chunk);
        });
    }
    return true;
}

void FakeLink::lose(const QString &reason)
{
    open_ = false;
    emit linkLost(reason);
}

void FakeLink::script(const QString &bodyPrefix, const QByteArray &answer)
{
    script_.insert(bodyPrefix, answer);
}

QStringList FakeLink::sentBodies() const
{
    QStringList bodies;
    for (const QByteArray &frame : sent_)
        bodies << bodyOf(frame);
    return bodies;
}
