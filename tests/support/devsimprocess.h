#pragma once
// Starting the simulated device (velomi-devsim) from a test, and talking to it directly.
//
//     DevSimProcess sim;
//     QVERIFY2(sim.start({"--version", "T68_V1.0"}), qPrintable(sim.errorString()));
//     QString path = sim.portPath();        // open this like a serial port
//     ...
//     QJsonObject now = sim.snapshot();     // what the device holds right now
//     sim.stop();                           // SIGTERM, wait for the exit
//     QJsonObject last = sim.dump();        // what it held when it stopped
//
// The dump's schema is described in tools/devsim/README.md ("KEYWD", "APN", "CFG", "DEV", ...).
// The dump file lives in a temporary folder that goes away with this object.
#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class DevSimProcess
{
public:
    DevSimProcess();
    ~DevSimProcess(); // stops a running device

    // Starts the device with `arguments` (a "--dump" to a temporary file is added) and waits
    // for the path of its terminal. False, with errorString(), when it did not come up.
    bool start(const QStringList &arguments = {}, int timeoutMs = 10000);
    QString portPath() const { return m_portPath; }
    bool isRunning() const { return m_process.state() == QProcess::Running; }

    // Asks the running device for its configuration (SIGUSR1) and returns it.
    QJsonObject snapshot(int timeoutMs = 5000);
    // Sends SIGTERM and waits; true when the device wrote its dump and exited cleanly.
    bool stop(int timeoutMs = 10000);
    // The configuration the device wrote last (on stop or on snapshot).
    QJsonObject dump() const;
    QString dumpPath() const;

    QString errorString() const { return m_error; }
    QByteArray standardError() { return m_process.readAllStandardError(); }

private:
    bool waitForLine(const QByteArray &prefix, int timeoutMs, QByteArray &line);

    QProcess m_process;
    QTemporaryDir m_dir;
    QString m_portPath;
    QString m_error;
};

// The tool's end of the terminal, raw, for tests that speak the protocol byte by byte.
class DevSimTerminal
{
public:
    ~DevSimTerminal();
    bool open(const QString &path);
    void close();

    void write(const QByteArray &bytes);
    // Sends "AT!XSMSC=" + body + "\r" and returns what came back up to and including the first
    // line that is not an echo ("!XSMSC:"); empty on time-out.
    QByteArray command(const QByteArray &body, int timeoutMs = 3000);
    // Reads until `bytes` holds `terminator` (from what was read so far), or the time is up.
    QByteArray readUntil(const QByteArray &terminator, int timeoutMs = 3000);
    // Everything that arrives within `ms`.
    QByteArray readFor(int ms);

    // The received text without its echo lines.
    static QByteArray withoutEcho(const QByteArray &received);

private:
    // Reads what is there, waiting at most `timeoutMs` for the first byte.
    QByteArray readSome(int timeoutMs);
    int m_fd = -1;
};

// A device and the raw terminal on it, for the simulated device's own tests.
struct DevSimUnderTest
{
    std::unique_ptr<DevSimProcess> sim;
    DevSimTerminal terminal;

    // Starts a new device (ending one still running) and opens its terminal.
    bool start(const QStringList &arguments = {});
    // Closes the terminal and ends the device.
    void stop();
    QByteArray ask(const QByteArray &body) { return terminal.command(body); }
};
