#pragma once
// The session's view of the serial link: send bytes, receive chunks, learn
// when the link is lost. ManageSerialPort implements it on a real port;
// tests use a fake.
#include <QByteArray>
#include <QObject>
#include <QString>

class Link : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~Link() override = default;

    virtual bool isOpen() const = 0;
    // Queues the bytes for writing, in order. Returns false (and queues
    // nothing) when the link is not open.
    virtual bool send(const QByteArray &bytes) = 0;

signals:
    void chunkReceived(const QByteArray &chunk);
    // The link went away while open (cable pulled, device gone).
    void linkLost(const QString &reason);
};
