#pragma once
// The device's end of a pseudo-terminal: bytes in through a socket notifier, bytes out through
// a queue of timed pieces, optionally paced like a serial line.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>

class QSocketNotifier;

struct OutputPiece
{
    QByteArray bytes;
    int delayMs = 0; // pause before the piece's first byte
};

class PtyLink : public QObject
{
    Q_OBJECT
public:
    explicit PtyLink(QObject *parent = nullptr);
    ~PtyLink() override;

    // Opens the terminal pair, puts the other end in raw mode and, when linkPath is not empty,
    // makes a symbolic link to it there. False with a message on failure.
    bool open(const QString &linkPath, QString &error);
    QString path() const { return m_path; }

    void setBaud(int baud) { m_baud = baud; }
    void setReceiver(std::function<void(const QByteArray &)> receiver) { m_receiver = receiver; }
    void send(const std::vector<OutputPiece> &pieces);

    // The device leaves the bus as a native USB device does when it restarts: once what is
    // queued has been written and the tool had a moment to read it, the terminal closes and the
    // link goes; `awayMs` later a new terminal opens, never under the old name, and the link
    // points to it. What is sent while away is lost.
    void reenumerate(int awayMs);
    bool isAway() const { return m_master < 0; }

signals:
    void reappeared(const QString &path);

private:
    bool openTerminal(const QString &avoidName, QString &error);
    bool makeLink(QString &error);
    void closeTerminal();
    void leaveBus();
    void comeBack();
    void readAvailable();
    void writeStep();

    int m_master = -1;
    int m_slave = -1; // held open so the terminal stays up while the tool is away
    QString m_path;
    QString m_linkPath;
    int m_baud = 0;
    QSocketNotifier *m_notifier = nullptr;
    std::function<void(const QByteArray &)> m_receiver;

    std::deque<OutputPiece> m_queue;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_awayMs = -1; // reenumerate() asked: leave once the queue is written
    QTimer m_busTimer; // leaving after the last write, then coming back
    int m_written = 0; // bytes of the front piece already written
    qint64 m_lineFreeNs = 0; // paced: when the line has sent everything written so far
};
