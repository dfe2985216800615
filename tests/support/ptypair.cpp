#include "ptypair.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <QElapsedTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool makeRaw(int fd)
{
    termios tio {};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(
        QLatin1String(what), QString::fromLocal8Bit(strerror(errno)));
}

} // namespace

PtyPair::PtyPair()
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        error_ = systemError("openpty");
        return;
    }
    if (!makeRaw(master) || !makeRaw(slave)) {
        error_ = systemError("raw mode");
        ::close(master);
        ::close(slave);
        return;
    }
    const int flags = fcntl(master, F_GETFL);
    fcntl(master, F_SETFL, flags | O_NONBLOCK);
    masterFd_ = master;
    slaveFd_ = slave;
    slavePath_ = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair()
{
    closeMaster();
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
}

bool PtyPair::writeMaster(const QByteArray &bytes)
{
    if (masterFd_ < 0)
        return false;
    QElapsedTimer clock;
    clock.start();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(masterFd_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        const qint64 left = 1000 - clock.elapsed();
        if (left <= 0)
            return false;
        pollfd pfd {masterFd_, POLLOUT, 0};
        ::poll(&pfd, 1, int(left));
    }
    return true;
}

QByteArray PtyPair::readMaster(int timeoutMs, int expectedBytes)
{
    QByteArray got;
    if (masterFd_ < 0)
        return got;
    QElapsedTimer clock;
    clock.start();
    char buffer[4096];
    while (expectedBytes < 0 || got.size() < expectedBytes) {
        const ssize_t n = ::read(masterFd_, buffer, sizeof buffer);
        if (n > 0) {
            got.append(buffer, n);
            continue;
        }
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            break; // no slave side any more
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            break;
        pollfd pfd {masterFd_, POLLIN, 0};
        ::poll(&pfd, 1, int(left));
    }
    return got;
}

void PtyPair::closeMaster()
{
    if (masterFd_ >= 0) {
        ::close(masterFd_);
        masterFd_ = -1;
    }
}

QByteArray PtyPair::readFrame(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!unread_.contains('\r') && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        unread_ += readMaster(0);
    }
    const int end = int(unread_.indexOf('\r'));
    if (end < 0)
        return {};
    const QByteArray frame = unread_.left(end + 1);
    unread_.remove(0, end + 1);
    return frame;
}
