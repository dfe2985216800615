// Time of a whole firmware upgrade against the simulated device, next to the
// least time the serial line itself needs for the image: bytes x 10 / baud
// (8 data bits, a start and a stop bit). Two ways through the tool:
//   session  the session drives the exchange on a real link, no window;
//   window   the Firmware button of an offscreen window, log pane included.
//
//   bench_firmware [--size BYTES] [--baud N] [--runs N] [--mode session|window|both]
//
// --baud 0 runs the device unpaced: what is left is the tool's own cost per
// block (plus the terminal's and the simulated device's).
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/messages.h"
#include "app/velomi.h"
#include "devsimprocess.h"
#include "serial/manageserialport.h"
#include "session/session.h"

namespace {

const QString Finished = QStringLiteral("MG Upgrade Finish. Please wait 30 seconds!");

QByteArray imageOf(int size)
{
    QByteArray image(size, Qt::Uninitialized);
    quint32 x = 0x9E3779B9u;
    for (int i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        image[i] = char(x >> 24);
    }
    return image;
}

struct Run
{
    double seconds = -1; // < 0: failed, see error
    QString error;
};

// Waits for the first message of `session` (the finish, a failure, silence)
// and returns its text; an upgrade that stalls ends with the silence message.
QString firstNotice(Session &session, const std::function<void()> &start)
{
    QString text;
    QEventLoop loop;
    QObject::connect(&session, &Session::noticeRaised, &loop, [&](const Notice &n) {
        if (text.isEmpty())
            text = n.text;
        loop.quit();
    });
    start();
    if (text.isEmpty())
        loop.exec();
    return text;
}

QString verdict(const QString &notice, DevSimProcess &sim)
{
    const QJsonObject firmware = sim.snapshot().value(QStringLiteral("firmware")).toObject();
    if (notice == Finished && firmware.value(QStringLiteral("matched")).toBool())
        return {};
    return QStringLiteral("upgrade did not complete: \"%1\", device: %2")
        .arg(notice, firmware.value(QStringLiteral("outcome")).toString());
}

QStringList simArguments(int baud)
{
    QStringList args {QStringLiteral("--silent-after-reset"), QStringLiteral("0")};
    if (baud > 0)
        args << QStringLiteral("--baud") << QString::number(baud);
    return args;
}

Run throughSession(const QByteArray &image, int baud)
{
    Run run;
    DevSimProcess sim;
    if (!sim.start(simArguments(baud))) {
        run.error = sim.errorString();
        return run;
    }
    ManageSerialPort link;
    link.setPortName(sim.portPath());
    link.enableSending();
    link.enableReceiving();
    if (!link.openPort() || link.startReceiving() != ManageSerialPort::Done) {
        run.error
            = QStringLiteral("cannot open %1: %2").arg(sim.portPath(), link.lastErrorString());
        return run;
    }
    Session session(&link);
    QObject::connect(&session, &Session::closePortRequested, &link, &ManageSerialPort::closePort);
    if (!session.loadFirmware(image)) {
        run.error = QStringLiteral("image refused");
        return run;
    }
    QElapsedTimer clock;
    clock.start();
    const QString notice = firstNotice(session, [&] { session.startUpgrade(); });
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    run.error = verdict(notice, sim);
    if (run.error.isEmpty())
        run.seconds = seconds;
    return run;
}

Run throughWindow(const QByteArray &image, int baud, const QString &folder)
{
    Run run;
    DevSimProcess sim;
    if (!sim.start(simArguments(baud))) {
        run.error = sim.errorString();
        return run;
    }
    Velomi::Options options;
    options.port = sim.portPath();
    options.profileDir = folder + QStringLiteral("/Profile");
    Velomi window(options);
    window.show();

    int reads = 0;
    QObject::connect(window.session(), &Session::readFinished, &window, [&] { ++reads; });
    QEventLoop loop;
    QObject::connect(window.session(), &Session::readFinished, &loop, &QEventLoop::quit);
    QObject::connect(window.session(), &Session::noticeRaised, &loop, &QEventLoop::quit);
    window.pushButtonOpen->click();
    if (reads == 0)
        loop.exec();
    if (reads == 0 || !window.pushButton_getFile->isEnabled()) {
        run.error = QStringLiteral("the configuration read before the upgrade failed");
        return run;
    }

    const QString path = folder + QStringLiteral("/image.bin");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size()) {
        run.error = QStringLiteral("cannot write %1").arg(path);
        return run;
    }
    file.close();
    window.chooseFirmwareFile = [path] {
        return path;
    };
    QElapsedTimer clock;
    clock.start();
    const QString notice
        = firstNotice(*window.session(), [&] { window.pushButton_getFile->click(); });
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    run.error = verdict(notice, sim);
    if (run.error.isEmpty())
        run.seconds = seconds;
    return run;
}

// Median of `runs` upgrades, or a negative value after printing why one failed.
double median(int runs, const std::function<Run()> &once)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        const Run run = once();
        if (run.seconds < 0) {
            std::fprintf(stderr, "bench_firmware: %s\n", qPrintable(run.error));
            return -1;
        }
        times << run.seconds;
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(images);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times a firmware upgrade."));
    parser.addHelpOption();
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Image size."),
        QStringLiteral("BYTES"), QStringLiteral("262144"));
    const QCommandLineOption baudOption(QStringLiteral("baud"),
        QStringLiteral("Device pace, 0 unpaced."), QStringLiteral("N"), QStringLiteral("115200"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs (median)."),
        QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption modeOption(QStringLiteral("mode"),
        QStringLiteral("session, window or both."), QStringLiteral("MODE"), QStringLiteral("both"));
    parser.addOptions({sizeOption, baudOption, runsOption, modeOption});
    parser.process(app);
    const int size = parser.value(sizeOption).toInt();
    const int baud = parser.value(baudOption).toInt();
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const QString mode = parser.value(modeOption);
    if (size < 100000 || size > 262144 || baud < 0
        || !QStringList {"session", "window", "both"}.contains(mode)) {
        std::fprintf(stderr,
            "bench_firmware: --size 100000..262144, --baud >= 0, "
            "--mode session|window|both\n");
        return 2;
    }

    // The window writes settings and a default profile: keep both out of
    // the user's places, and record its message boxes instead of showing them.
    QTemporaryDir folder;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    Messages::Recorder recorder;
    Messages::setRecorder(&recorder);

    const QByteArray image = imageOf(size);
    const int blocks = (size + 255) / 256;
    const double bound = baud > 0 ? double(size) * 10 / baud : 0;
    const QString pace
        = baud > 0 ? QStringLiteral("--baud %1").arg(baud) : QStringLiteral("unpaced");
    std::printf("firmware upgrade of %d bytes (%d blocks) against velomi-devsim %s, median of "
                "%d\n",
        size, blocks, qPrintable(pace), runs);
    const auto report = [&](const char *how, double seconds) {
        std::printf("  %-8s %8.3f s  %6.3f ms per block", how, seconds, seconds * 1000 / blocks);
        if (baud > 0)
            std::printf("  ratio to the link bound %.3f", seconds / bound);
        std::printf("\n");
    };
    if (mode != QLatin1String("window")) {
        const double s = median(runs, [&] { return throughSession(image, baud); });
        if (s < 0)
            return 1;
        report("session", s);
    }
    if (mode != QLatin1String("session")) {
        const double s = median(runs, [&] { return throughWindow(image, baud, folder.path()); });
        if (s < 0)
            return 1;
        report("window", s);
    }
    if (baud > 0) {
        std::printf("  link lower bound: %d bytes x 10 / %d baud = %.3f s\n", size, baud, bound);
        std::printf("  (the simulated device paces only its answers, 4 bytes a block; the image\n"
                    "   crosses the terminal unpaced, so the ratio stays far below 1 here. On a\n"
                    "   real line each 256-byte block alone takes %.3f ms.)\n",
            2560.0 * 1000 / baud);
    }
    Messages::setRecorder(nullptr);
    return 0;
}
