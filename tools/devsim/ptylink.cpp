#include "ptylink.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {
// A device answers, then resets: the tool has this long to read the answer before the
// terminal goes (a hang-up may drop what the tool has not read yet).
constexpr int LeaveAfterWriteMs = 200;
} // namespace

PtyLink::PtyLink(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PtyLink::writeStep);
    m_busTimer.setSingleShot(true);
    m_clock.start();
}

PtyLink::~PtyLink()
{
    if (!m_linkPath.isEmpty())
        ::unlink(QFile::encodeName(m_linkPath).constData());
    closeTerminal();
}

bool PtyLink::open(const QString &linkPath, QString &error)
{
    if (!openTerminal(QString(), error))
        return false;
    if (!linkPath.isEmpty()) {
        const QByteArray link = QFile::encodeName(linkPath);
        struct stat info
        {
        };
        if (::lstat(link.constData(), &info) == 0) {
            if (!S_ISLNK(info.st_mode)) {
                error = QStringLiteral("%1 exists and is not a symbolic link").arg(linkPath);
                return false;
            }
            ::unlink(link.constData()); // a link left by an earlier run
        }
        m_linkPath = linkPath;
        if (!makeLink(error)) {
            m_linkPath.clear();
            return false;
        }
    }
    return true;
}

bool PtyLink::openTerminal(const QString &avoidName, QString &error)
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        error = QStringLiteral("cannot open a pseudo-terminal: %1").arg(std::strerror(errno));
        return false;
    }
    if (!avoidName.isEmpty() && QString::fromLocal8Bit(name) == avoidName) {
        // The old number was free again: take the next one, as a device the system numbers
        // anew would get, and let the first go.
        const int master = m_master, slave = m_slave;
        const bool ok = openTerminal(QString(), error);
        ::close(master);
        ::close(slave);
        return ok;
    }
    termios raw {};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B115200);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_path = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyLink::readAvailable);
    return true;
}

bool PtyLink::makeLink(QString &error)
{
    if (m_linkPath.isEmpty())
        return true;
    if (::symlink(QFile::encodeName(m_path).constData(), QFile::encodeName(m_linkPath).constData())
        != 0) {
        error = QStringLiteral("cannot link %1: %2").arg(m_linkPath, std::strerror(errno));
        return false;
    }
    return true;
}

void PtyLink::closeTerminal()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
}

void PtyLink::reenumerate(int awayMs)
{
    if (isAway())
        return;
    m_awayMs = awayMs;
    if (m_queue.empty() && !m_timer.isActive())
        writeStep();
}

void PtyLink::leaveBus()
{
    // The link goes first, as a by-id link goes with its device.
    if (!m_linkPath.isEmpty())
        ::unlink(QFile::encodeName(m_linkPath).constData());
    closeTerminal();
    m_queue.clear();
    m_written = 0;
    m_busTimer.disconnect();
    connect(&m_busTimer, &QTimer::timeout, this, &PtyLink::comeBack);
    m_busTimer.start(m_awayMs);
    m_awayMs = -1;
}

void PtyLink::comeBack()
{
    QString error;
    const QString oldPath = m_path;
    if (!openTerminal(oldPath, error) || !makeLink(error)) {
        std::fprintf(stderr, "velomi-devsim: %s\n", qPrintable(error));
        QCoreApplication::exit(2);
        return;
    }
    emit reappeared(m_path);
}

void PtyLink::readAvailable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            if (m_receiver)
                m_receiver(QByteArray(buffer, int(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            // No reader on the other side: look again a little later rather than spin.
            m_notifier->setEnabled(false);
            QTimer::singleShot(
                100, m_notifier, [notifier = m_notifier] { notifier->setEnabled(true); });
        }
        return;
    }
}

void PtyLink::send(const std::vector<OutputPiece> &pieces)
{
    if (isAway())
        return; // nobody on the bus to hear it
    const bool idle = m_queue.empty();
    m_queue.insert(m_queue.end(), pieces.begin(), pieces.end());
    if (idle && !m_timer.isActive())
        writeStep();
}

void PtyLink::writeStep()
{
    while (!m_queue.empty()) {
        OutputPiece &piece = m_queue.front();
        if (piece.delayMs > 0) {
            m_timer.start(piece.delayMs);
            piece.delayMs = 0;
            return;
        }
        qint64 allowed = piece.bytes.size() - m_written;
        const qint64 now = m_clock.nsecsElapsed();
        if (m_baud > 0) {
            // The line is busy until the last byte written has left, at ten bits a byte.
            if (now < m_lineFreeNs) {
                m_timer.start(int(std::max<qint64>(1, (m_lineFreeNs - now) / 1000000)));
                return;
            }
            allowed = std::min<qint64>(allowed, std::max(1, m_baud / 10 / 1000)); // 1 ms worth
        }
        const ssize_t n = ::write(m_master, piece.bytes.constData() + m_written, size_t(allowed));
        if (n > 0) {
            m_written += int(n);
            if (m_baud > 0)
                m_lineFreeNs = std::max(now, m_lineFreeNs) + n * 10 * 1000000000LL / m_baud;
        }
        if (m_written < piece.bytes.size()) {
            m_timer.start(n < 0 ? 10 : 0); // the terminal's buffer is full, or paced
            return;
        }
        m_queue.pop_front();
        m_written = 0;
    }
    if (m_awayMs >= 0 && !m_busTimer.isActive()) {
        m_busTimer.disconnect();
        connect(&m_busTimer, &QTimer::timeout, this, &PtyLink::leaveBus);
        m_busTimer.start(LeaveAfterWriteMs);
    }
}
