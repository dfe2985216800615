#pragma once
// An in-memory Link for tests: records every frame sent, delivers chunks
// on request, and can answer frames by itself from a script.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>

#include <functional>

#include "serial/link.h"

class FakeLink : public Link
{
    Q_OBJECT
public:
    using Responder = std::function<QByteArray(const QString &body)>;

    explicit FakeLink(QObject *parent = nullptr) : Link(parent) { }

    bool isOpen() const override { return open_; }
    void setOpen(bool open) { open_ = open; }
    bool send(const QByteArray &bytes) override;

    // Every frame handed to send() while open, in order.
    const QList<QByteArray> &sent() const { return sent_; }
    // The frames as command bodies ("AT!XSMSC=" and the "\r" removed).
    QStringList sentBodies() const;
    void clearSent() { sent_.clear(); }

    // Delivers one chunk as the device would, right now.
    void feed(const QByteArray &chunk) { emit chunkReceived(chunk); }
    void lose(const QString &reason = QStringLiteral("gone"));

    // Scripted answers, delivered on the next pass of the event loop. The
    // longest body prefix that matches a sent body wins; the responder is
    // asked when no prefix matches. An empty answer sends nothing.
    void script(const QString &bodyPrefix, const QByteArray &answer);
    void unscript(const QString &bodyPrefix) { script_.remove(bodyPrefix); }
    void clearScript() { script_.clear(); }
    void setResponder(Responder responder) { responder_ = std::move(responder); }
    // Split every scripted answer into chunks of this many bytes (0: whole).
    void setChunkSize(int bytes) { chunkSize_ = bytes; }

    static QString bodyOf(const QByteArray &frame);

private:
    bool open_ = true;
    QList<QByteArray> sent_;
    QMap<QString, QByteArray> script_;
    Responder responder_;
    int chunkSize_ = 0;
};
