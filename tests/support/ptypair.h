#pragma once
// A pseudo-terminal pair for tests: the slave end stands in for a serial
// device node (open it by slavePath() with QSerialPort or ManageSerialPort),
// the master end is the "device" the test talks through.
//
//   PtyPair pty;
//   QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
//   port.setPortName(pty.slavePath());
//   ...
//   pty.writeMaster("<OK> CSQ:23,99;\r\n");      // the device answers
//   QByteArray sent = pty.readMaster(1000, 14);  // what the tool wrote
//   pty.closeMaster();                           // the cable is pulled
//
// Both ends are in raw mode (no echo, no line editing, no CR/LF mapping), so
// bytes pass unchanged in both directions. The pair keeps one slave
// descriptor of its own open, so the master end stays usable while the tool
// has the port closed. Everything is released by the destructor.
#include <QByteArray>
#include <QString>

class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    // False when the pair could not be made; errorString() tells why.
    bool isValid() const { return masterFd_ >= 0; }
    QString errorString() const { return error_; }

    // Device path of the slave end, e.g. "/dev/pts/7".
    QString slavePath() const { return slavePath_; }
    // Descriptor of the master end, -1 once closed. Non-blocking.
    int masterFd() const { return masterFd_; }

    // Writes all bytes to the master end (waiting up to a second for room).
    // Returns false when not every byte could be written.
    bool writeMaster(const QByteArray &bytes);

    // Reads from the master end what the slave side wrote. Returns as soon as
    // expectedBytes have arrived (when it is >= 0) or when timeoutMs have
    // passed, with whatever arrived by then.
    QByteArray readMaster(int timeoutMs, int expectedBytes = -1);

    // One frame the slave side wrote, up to its carriage return, with the
    // event loop running meanwhile so the tool can send; "" after timeoutMs.
    // Bytes after the frame wait for the next call.
    QByteArray readFrame(int timeoutMs = 10000);

    // Closes the master end: the slave side sees a hang-up, like a serial
    // device whose cable was pulled.
    void closeMaster();

private:
    int masterFd_ = -1;
    int slaveFd_ = -1;
    QString slavePath_;
    QString error_;
    QByteArray unread_; // read from the master end, not yet a whole frame
};
