// CPU use of the whole window while it waits: with the port closed (it only
// watches for ports coming and going) and with the port open on the
// simulated device after a read. Neither may poll: the closed window wakes
// only for the text cursor of the port box, which blinks twice a second
// while the box has the focus (the open window disables the box); the open
// one stays well under 1 % of a core.
//
//   bench_window_idle [--seconds S]
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

#include "app/messages.h"
#include "app/velomi.h"
#include "devsimprocess.h"
#include "idlecpu.h"

namespace {

bool waitForText(const Messages::Recorder &recorder, const QString &text, int milliseconds)
{
    QElapsedTimer wall;
    wall.start();
    while (!recorder.texts().contains(text) && wall.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return recorder.texts().contains(text);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Idle CPU of the window, port closed and open."));
    parser.addHelpOption();
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
        QStringLiteral("Seconds measured in each state."), QStringLiteral("S"),
        QStringLiteral("5"));
    parser.addOption(secondsOption);
    parser.process(app);
    const int ms = std::max(1, parser.value(secondsOption).toInt()) * 1000;

    QTemporaryDir folder; // settings and profiles stay here
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    DevSimProcess sim;
    if (!sim.start()) {
        std::fprintf(stderr, "bench_window_idle: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    Messages::Recorder recorder;
    Messages::setRecorder(&recorder);
    Velomi::Options options;
    options.port = sim.portPath();
    options.profileDir = folder.filePath(QStringLiteral("Profile"));
    options.backupDir = folder.filePath(QStringLiteral("backups"));
    auto window = std::make_unique<Velomi>(options);
    window->show();
    idleCpuPercent(2000); // the first paint and what the window does once after start

    const double closed = idleCpuPercent(ms);
    window->pushButtonOpen->click();
    if (!waitForText(recorder, QStringLiteral("Read configuration success!"), 20000)) {
        std::fprintf(stderr, "bench_window_idle: the read failed\n");
        return 1;
    }
    idleCpuPercent(500);
    const double open = idleCpuPercent(ms);
    window.reset();
    Messages::setRecorder(nullptr);

    std::printf("window idle, port closed %d s: %.3f%% of one core\n", ms / 1000, closed);
    std::printf("window idle, port open %d s: %.3f%% of one core\n", ms / 1000, open);
    std::printf("ROW|CPU while idle, window, port closed|%.2f %% of a core|||< 0.5 %%|%s\n", closed,
        closed < 0.5 ? "yes" : "no");
    std::printf("ROW|CPU while idle, window, port open|%.2f %% of a core|||< 1 %%|%s\n", open,
        open < 1.0 ? "yes" : "no");
    return 0;
}
