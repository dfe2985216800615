#include "serial/openfailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <vector>

#ifdef Q_OS_LINUX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Enough to point at the culprit; a port held by dozens of processes needs
// no longer list.
constexpr int MaxHoldersNamed = 5;

#ifdef Q_OS_LINUX
bool userListedInGroup(gid_t gid)
{
    const passwd *user = getpwuid(getuid());
    if (!user)
        return false;
    if (user->pw_gid == gid)
        return true;
    const QByteArray login(user->pw_name);
    const gid_t primary = user->pw_gid;
    int count = 32;
    std::vector<gid_t> groups;
    // getgrouplist says how many groups there are when the buffer is short.
    for (int attempt = 0; attempt < 3; ++attempt) {
        groups.resize(size_t(count));
        if (getgrouplist(login.constData(), primary, groups.data(), &count) >= 0) {
            groups.resize(size_t(count));
            for (gid_t g : groups)
                if (g == gid)
                    return true;
            return false;
        }
    }
    return false;
}

bool sessionHasGroup(gid_t gid)
{
    if (getegid() == gid)
        return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = getgroups(count, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[size_t(i)] == gid)
            return true;
    return false;
}

QString readLinkTarget(const QByteArray &link)
{
    char target[512];
    const ssize_t length = readlink(link.constData(), target, sizeof target);
    if (length <= 0 || size_t(length) >= sizeof target)
        return QString();
    return QString::fromLocal8Bit(target, int(length));
}

// Processes we may not look into (other users', unless we are root) are
// skipped: their names still tell whether ModemManager or brltty runs.
void scanProcesses(OpenFailureFacts &facts)
{
    const QStringList pids
        = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const qint64 ownPid = qint64(getpid());
    for (const QString &entry : pids) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid == ownPid)
            continue;
        const QString base = QStringLiteral("/proc/") + entry;
        QFile commFile(base + QStringLiteral("/comm"));
        if (!commFile.open(QIODevice::ReadOnly))
            continue;
        const QString comm = QString::fromLocal8Bit(commFile.read(64)).trimmed();
        if (comm == QLatin1String("ModemManager"))
            facts.modemManagerRuns = true;
        else if (comm == QLatin1String("brltty"))
            facts.brailleDriverRuns = true;
        if (facts.canonicalPath.isEmpty() || facts.holders.size() >= MaxHoldersNamed)
            continue;
        const QString fdDir = base + QStringLiteral("/fd");
        const QStringList fds
            = QDir(fdDir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &fd : fds) {
            if (readLinkTarget(QFile::encodeName(fdDir + QLatin1Char('/') + fd))
                == facts.canonicalPath) {
                facts.holders.append({comm, pid});
                break;
            }
        }
    }
}
#endif

QString holderList(const QList<OpenFailureFacts::Holder> &holders)
{
    QStringList named;
    for (const auto &holder : holders)
        named << QCoreApplication::translate("OpenFailure", "%1 (pid %2)")
                     .arg(holder.name)
                     .arg(holder.pid);
    return named.join(QStringLiteral(", "));
}

bool heldBy(const OpenFailureFacts &facts, const QString &process)
{
    for (const auto &holder : facts.holders)
        if (holder.name == process)
            return true;
    return false;
}

// The lines about access: whose group the port is in and what to do.
QString accessHint(const OpenFailureFacts &facts)
{
    if (!facts.nodeFound)
        // Nothing to look at: Qt reports a held port as a permission error
        // too, so name both causes.
        return QCoreApplication::translate("OpenFailure",
            "If no other program is using the port, your user may lack access "
            "to serial ports: sudo usermod -aG dialout $USER, then log in again.");
    if (facts.accessAllowed)
        return facts.holders.isEmpty() ? QCoreApplication::translate(
                   "OpenFailure", "Another program is using the port; close it and try again.")
                                       : QString();
    if (facts.group.isEmpty() || !facts.groupMayReadWrite)
        return QCoreApplication::translate("OpenFailure",
            "Only the port's owner may open it. Install the tool's udev rule "
            "(README, Troubleshooting) so the logged-in user may open it.");
    if (facts.inGroupNow)
        return QString(); // nothing we can explain: the system's reason stands
    if (facts.inGroupListed)
        return QCoreApplication::translate("OpenFailure",
            "The port belongs to group %1; you were added to it after this "
            "session started. Log out and log in again.")
            .arg(facts.group);
    return QCoreApplication::translate("OpenFailure",
        "The port belongs to group %1; you are not in it. "
        "Run: sudo usermod -aG %1 $USER, then log in again.")
        .arg(facts.group);
}

} // namespace

OpenFailureFacts gatherOpenFailureFacts(const QString &portName)
{
    OpenFailureFacts facts;
#ifdef Q_OS_LINUX
    if (portName.isEmpty())
        return facts;
    const QString path
        = portName.contains(QLatin1Char('/')) ? portName : QStringLiteral("/dev/") + portName;
    const QByteArray encoded = QFile::encodeName(path);
    struct stat node;
    if (stat(encoded.constData(), &node) == 0) {
        facts.nodeFound = true;
        facts.canonicalPath = QFileInfo(path).canonicalFilePath();
        facts.accessAllowed = access(encoded.constData(), R_OK | W_OK) == 0;
        if (const struct group *owner = getgrgid(node.st_gid))
            facts.group = QString::fromLocal8Bit(owner->gr_name);
        facts.groupMayReadWrite = (node.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
        facts.inGroupNow = sessionHasGroup(node.st_gid);
        facts.inGroupListed = userListedInGroup(node.st_gid);
    }
    scanProcesses(facts);
#else
    Q_UNUSED(portName)
#endif
    return facts;
}

QString describeOpenFailure(const QString &name, QSerialPort::SerialPortError error,
    const QString &reason, const OpenFailureFacts &facts)
{
    QString text = QCoreApplication::translate("OpenFailure", "Can't open %1").arg(name);
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;

    QStringList hints;
    if (!facts.holders.isEmpty())
        hints << QCoreApplication::translate("OpenFailure", "The port is held by %1.")
                     .arg(holderList(facts.holders));
    if (error == QSerialPort::PermissionError)
        hints << accessHint(facts);

    const QString device
        = QFileInfo(facts.canonicalPath.isEmpty() ? name : facts.canonicalPath).fileName();
    const bool modemPort = device.startsWith(QLatin1String("ttyACM"));
    if ((modemPort && facts.modemManagerRuns && error != QSerialPort::DeviceNotFoundError)
        || heldBy(facts, QStringLiteral("ModemManager")))
        hints << QCoreApplication::translate("OpenFailure",
            "ModemManager takes this port for a modem. Stop it while you work "
            "(sudo systemctl stop ModemManager) or install the tool's udev "
            "rule, which tells ModemManager to leave the device alone.");
    // brltty claims some USB serial adapters as braille displays; their
    // ttyUSB node then vanishes or is held.
    const bool adapterPort = device.startsWith(QLatin1String("ttyUSB"));
    if ((adapterPort && facts.brailleDriverRuns) || heldBy(facts, QStringLiteral("brltty")))
        hints << QCoreApplication::translate("OpenFailure",
            "The braille driver brltty takes some USB serial adapters. If you "
            "use no braille display, remove it (sudo apt remove brltty) or "
            "disable its udev rules (sudo systemctl mask "
            "brltty-udev.service), then plug the device in again.");

    for (const QString &hint : std::as_const(hints))
        if (!hint.isEmpty())
            text += QLatin1Char('\n') + hint;
    return text;
}
