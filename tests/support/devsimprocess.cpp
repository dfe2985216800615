#include "devsimprocess.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

DevSimProcess::DevSimProcess() { m_process.setProgram(QStringLiteral(VELOMI_DEVSIM_PATH)); }

DevSimProcess::~DevSimProcess()
{
    if (isRunning())
        stop();
}

QString DevSimProcess::dumpPath() const { return m_dir.filePath(QStringLiteral("dump.json")); }

bool DevSimProcess::start(const QStringList &arguments, int timeoutMs)
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder for the dump");
        return false;
    }
    m_process.setArguments(arguments + QStringList {QStringLiteral("--dump"), dumpPath()});
    m_process.start();
    if (!m_process.waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("velomi-devsim did not start: ") + m_process.errorString();
        return false;
    }
    QByteArray line;
    if (!waitForLine("/", timeoutMs, line)) {
        m_error = QStringLiteral("velomi-devsim gave no terminal path: ")
            + QString::fromLocal8Bit(m_process.readAllStandardError());
        return false;
    }
    m_portPath = QString::fromLocal8Bit(line);
    return true;
}

bool DevSimProcess::waitForLine(const QByteArray &prefix, int timeoutMs, QByteArray &line)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        while (m_process.canReadLine()) {
            line = m_process.readLine().trimmed();
            if (line.startsWith(prefix))
                return true;
        }
        if (deadline.hasExpired() || m_process.state() != QProcess::Running)
            return false;
        m_process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
}

QJsonObject DevSimProcess::snapshot(int timeoutMs)
{
    ::kill(pid_t(m_process.processId()), SIGUSR1);
    QByteArray line;
    if (!waitForLine("dumped", timeoutMs, line)) {
        m_error = QStringLiteral("velomi-devsim did not write its dump");
        return {};
    }
    return dump();
}

bool DevSimProcess::stop(int timeoutMs)
{
    if (!isRunning())
        return false;
    m_process.terminate(); // SIGTERM
    if (!m_process.waitForFinished(timeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(timeoutMs);
        m_error = QStringLiteral("velomi-devsim did not stop on SIGTERM");
        return false;
    }
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QJsonObject DevSimProcess::dump() const
{
    QFile file(dumpPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// ---- DevSimTerminal ----------------------------------------------------------------------------

DevSimTerminal::~DevSimTerminal() { close(); }

bool DevSimTerminal::open(const QString &path)
{
    close();
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    termios raw {};
    ::tcgetattr(m_fd, &raw);
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B115200);
    ::tcsetattr(m_fd, TCSANOW, &raw);
    return true;
}

void DevSimTerminal::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void DevSimTerminal::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (m_fd >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else {
            pollfd p {m_fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
        }
    }
}

QByteArray DevSimTerminal::readSome(int timeoutMs)
{
    pollfd p {m_fd, POLLIN, 0};
    if (m_fd < 0 || ::poll(&p, 1, std::max(0, timeoutMs)) <= 0)
        return {};
    char buffer[4096];
    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
    return n > 0 ? QByteArray(buffer, int(n)) : QByteArray();
}

QByteArray DevSimTerminal::readUntil(const QByteArray &terminator, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QByteArray received;
    while (!received.contains(terminator) && !deadline.hasExpired())
        received += readSome(int(deadline.remainingTime()));
    return received;
}

QByteArray DevSimTerminal::readFor(int ms)
{
    const QDeadlineTimer deadline(ms);
    QByteArray received;
    while (!deadline.hasExpired())
        received += readSome(int(deadline.remainingTime()));
    return received;
}

QByteArray DevSimTerminal::command(const QByteArray &body, int timeoutMs)
{
    write("AT!XSMSC=" + body + "\r");
    const QDeadlineTimer deadline(timeoutMs);
    QByteArray received;
    while (!deadline.hasExpired()) {
        received += readSome(int(deadline.remainingTime()));
        if (withoutEcho(received).contains("\r\n"))
            return received;
    }
    return {};
}

QByteArray DevSimTerminal::withoutEcho(const QByteArray &received)
{
    QByteArray out;
    int position = 0;
    while (position < received.size()) {
        const int end = received.indexOf("\r\n", position);
        const int next = end < 0 ? int(received.size()) : end + 2;
        const QByteArray line = received.mid(position, next - position);
        if (!line.contains("!XSMSC:") || end < 0)
            out += line;
        position = next;
    }
    return out;
}

bool DevSimUnderTest::start(const QStringList &arguments)
{
    stop();
    sim = std::make_unique<DevSimProcess>();
    if (!sim->start(arguments)) {
        qWarning() << sim->errorString();
        return false;
    }
    return terminal.open(sim->portPath());
}

void DevSimUnderTest::stop()
{
    terminal.close();
    sim.reset();
}
