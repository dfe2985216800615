// velomi-devsim: a simulated device on a pseudo-terminal, for tests, CI and demonstrations.
#include "devicesim.h"
#include "devicestate.h"
#include "framelog.h"
#include "options.h"
#include "ptylink.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int number)
{
    const char byte = char(number);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "velomi-devsim: %s\n", qPrintable(message));
    return 2;
}

bool loadState(const QString &path, DeviceState &state, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        error = QStringLiteral("%1 is not a JSON object: %2").arg(path, parseError.errorString());
        return false;
    }
    if (!state.loadJson(document.object(), error)) {
        error = QStringLiteral("%1: %2").arg(path, error);
        return false;
    }
    return true;
}

void writeDump(const QString &path, const DeviceState &state)
{
    if (path.isEmpty())
        return;
    QSaveFile file(path); // readers never see half a file
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(state.toJson()).toJson()) < 0
        || !file.commit()) {
        std::fprintf(stderr, "velomi-devsim: cannot write %s: %s\n", qPrintable(path),
            qPrintable(file.errorString()));
        return;
    }
    std::printf("dumped %s\n", qPrintable(path));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Options options;
    QString error;
    bool help = false;
    if (!parseOptions(app.arguments().mid(1), options, error, help))
        return fail(error + QStringLiteral("\n(try --help)"));
    if (help) {
        std::printf("%s", qPrintable(usageText()));
        return 0;
    }

    DeviceState state = DeviceState::factory(options.version, options.sensors);
    if (!options.statePath.isEmpty() && !loadState(options.statePath, state, error))
        return fail(error);
    if (options.versionGiven)
        state.version = options.version;

    FrameLog log;
    if (!options.logPath.isEmpty() && !log.open(options.logPath, error))
        return fail(error);

    PtyLink link;
    if (!link.open(options.linkPath, error))
        return fail(error);
    link.setBaud(options.baud);
    DeviceSim device(options, state, link, log);
    link.setReceiver([&device](const QByteArray &bytes) { device.receive(bytes); });

    // Signals reach the event loop through a socket pair.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return fail(QStringLiteral("cannot create the signal pipe"));
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [&] {
        char number = 0;
        if (::read(signalPipe[0], &number, 1) != 1)
            return;
        if (number == SIGUSR1)
            writeDump(options.dumpPath, state);
        else
            app.quit();
    });
    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGINT, SIGTERM, SIGHUP, SIGUSR1})
        ::sigaction(number, &action, nullptr);

    std::printf("%s\n", qPrintable(link.path()));
    std::fflush(stdout);
    log.note(QStringLiteral("device %1 on %2").arg(state.version, link.path()));

    app.exec();
    writeDump(options.dumpPath, state);
    log.note(QStringLiteral("stopped"));
    return 0;
}
