// The whole read, the whole Write All and a 262144-byte firmware upgrade, as
// the window does them against the simulated device:
//   unpaced  the device answers at once: what is left is the tool's own cost
//            per round trip (plus the terminal's and the device's);
//   paced    a serial line of 115200 baud between the tool and the device,
//            in both directions, next to the least time that line needs for
//            the bytes exchanged (10 bits a byte, one exchange after the other).
// Prints one "ROW|figure|measured|bound|ratio|target|met" line per figure for
// scripts/bench.sh, after a readable report.
//
//   bench_session [--runs N] [--no-upgrade]
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <numeric>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "app/messages.h"
#include "app/velomi.h"
#include "devsimprocess.h"
#include "idlecpu.h"
#include "ptypair.h"
#include "serial/manageserialport.h"
#include "session/session.h"

namespace {

constexpr int Baud = 115200;
constexpr double TargetRatio = 1.10;
constexpr int UpgradeBytes = 262144;
const QString ReadDone = QStringLiteral("Read configuration success!");
const QString WriteAllDone = QStringLiteral("Write all configuration success!");
const QString UpgradeDone = QStringLiteral("MG Upgrade Finish. Please wait 30 seconds!");

qint64 nowNs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// A serial line between the tool (a pseudo-terminal of its own) and the
// device: every byte reaches the other end when a real line would have sent
// its last bit, back to back while more is waiting. Runs in its own thread so
// the tool's work never delays the line.
class SerialLine
{
public:
    SerialLine(const QString &devicePath, int baud) : byteNs_(10'000'000'000LL / baud)
    {
        device_ = ::open(QFile::encodeName(devicePath).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (device_ < 0 || !tool_.isValid())
            return;
        termios raw {};
        ::tcgetattr(device_, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(device_, TCSANOW, &raw);
        thread_ = std::thread([this] { run(); });
    }
    ~SerialLine()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (device_ >= 0)
            ::close(device_);
    }
    bool isValid() const { return thread_.joinable(); }
    QString toolPath() const { return tool_.slavePath(); }
    qint64 bytesToDevice() const { return toDevice_.carried; }
    qint64 bytesToTool() const { return toTool_.carried; }
    // The tool's turnarounds since the last call: from the last byte of an
    // answer handed to the tool to the first byte of its next command.
    std::vector<qint64> takeTurnaroundsNs()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(turnarounds_, {});
    }
    // The device's, the other way round: from the last byte of a command
    // handed to it to the first byte of its answer.
    std::vector<qint64> takeDeviceTurnaroundsNs()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(deviceTurnarounds_, {});
    }

private:
    struct Direction
    {
        int from = -1, to = -1;
        std::deque<std::pair<qint64, char>> onWire; // when each byte arrives
        qint64 lineFreeNs = 0;
        std::atomic<qint64> carried {0};
    };

    void take(Direction &d, qint64 now)
    {
        char buffer[4096];
        for (ssize_t n; (n = ::read(d.from, buffer, sizeof buffer)) > 0;) {
            if (&d == &toDevice_ && answeredAt_ > 0) {
                std::lock_guard<std::mutex> lock(mutex_);
                turnarounds_.push_back(now - answeredAt_);
                answeredAt_ = 0;
            }
            if (&d == &toTool_ && commandedAt_ > 0) {
                std::lock_guard<std::mutex> lock(mutex_);
                deviceTurnarounds_.push_back(now - commandedAt_);
                commandedAt_ = 0;
            }
            for (ssize_t i = 0; i < n; ++i) {
                d.lineFreeNs = std::max(d.lineFreeNs, now) + byteNs_;
                d.onWire.emplace_back(d.lineFreeNs, buffer[i]);
            }
        }
    }
    void deliver(Direction &d, qint64 now)
    {
        QByteArray due;
        while (!d.onWire.empty() && d.onWire.front().first <= now) {
            due += d.onWire.front().second;
            d.onWire.pop_front();
        }
        qsizetype done = 0;
        while (done < due.size()) {
            const ssize_t n = ::write(d.to, due.constData() + done, size_t(due.size() - done));
            if (n > 0)
                done += n;
            else if (errno != EINTR)
                break; // the other end takes nothing now: try again at the next wake-up
        }
        for (qsizetype i = due.size() - 1; i >= done; --i)
            d.onWire.emplace_front(now, due.at(i));
        d.carried += done;
        if (&d == &toTool_ && done > 0 && d.onWire.empty() && toDevice_.onWire.empty())
            answeredAt_ = now;
        if (&d == &toDevice_ && done > 0 && d.onWire.empty() && toTool_.onWire.empty())
            commandedAt_ = now;
    }
    void run()
    {
        prctl(PR_SET_TIMERSLACK, 1UL); // wake on time: a late wake-up is no part of the line
        toDevice_.from = tool_.masterFd();
        toDevice_.to = device_;
        toTool_.from = device_;
        toTool_.to = tool_.masterFd();
        while (!stop_) {
            qint64 next = nowNs() + 5'000'000; // look at the stop flag now and then
            for (Direction *d : {&toDevice_, &toTool_})
                if (!d->onWire.empty())
                    next = std::min(next, d->onWire.front().first);
            const qint64 wait = std::max<qint64>(0, next - nowNs());
            const timespec timeout {time_t(wait / 1000000000), long(wait % 1000000000)};
            pollfd fds[] = {{toDevice_.from, POLLIN, 0}, {toTool_.from, POLLIN, 0}};
            ::ppoll(fds, 2, &timeout, nullptr);
            const qint64 now = nowNs();
            for (Direction *d : {&toDevice_, &toTool_}) {
                take(*d, now);
                deliver(*d, now);
            }
        }
    }

    const qint64 byteNs_;
    PtyPair tool_;
    int device_ = -1;
    Direction toDevice_, toTool_;
    qint64 answeredAt_ = 0; // line thread only
    qint64 commandedAt_ = 0; // line thread only
    std::mutex mutex_;
    std::vector<qint64> turnarounds_, deviceTurnarounds_;
    std::atomic<bool> stop_ {false};
    std::thread thread_;
};

// The window on a port, with what crossed it counted by the tool itself.
struct Tool
{
    Messages::Recorder recorder;
    std::unique_ptr<Velomi> window;
    qint64 framesSent = 0, bytesSent = 0, bytesReceived = 0;

    Tool(const QString &port, const QString &profileDir)
    {
        Messages::setRecorder(&recorder);
        Velomi::Options options;
        options.port = port;
        options.profileDir = profileDir;
        window = std::make_unique<Velomi>(options);
        window->show();
        QObject::connect(
            window->session(), &Session::logLine, window.get(), [this](const QString &line) {
                if (line.startsWith(QLatin1String("AT!XSMSC="))) {
                    ++framesSent;
                    bytesSent += line.size();
                }
            });
        QObject::connect(window->serialManager(), &Link::chunkReceived, window.get(),
            [this](const QByteArray &chunk) { bytesReceived += chunk.size(); });
    }
    ~Tool()
    {
        window.reset();
        Messages::setRecorder(nullptr);
    }
    void resetCounts() { framesSent = bytesSent = bytesReceived = 0; }

    // Seconds from the click until `done` was shown, or -1. The event loop
    // runs as in the tool itself (a polling wait would add its own sleeps).
    double timed(QAbstractButton *button, const QString &done, int timeoutMs = 60000)
    {
        const auto shown = [&] {
            return int(recorder.texts().count(done));
        };
        const int before = shown();
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        QObject::connect(window->session(), &Session::noticeRaised, &loop, [&] {
            if (shown() > before)
                loop.quit();
        });
        QElapsedTimer clock;
        clock.start();
        button->click();
        if (shown() == before)
            loop.exec();
        return shown() > before ? double(clock.nsecsElapsed()) / 1e9 : -1;
    }
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values.at(values.size() / 2);
}

struct Figure
{
    QString name;
    double seconds = -1;
    qint64 frames = 0, bytesOut = 0, bytesIn = 0;
    bool paced = false;
    // Paced runs only: median turnaround of one exchange, and all of them in
    // one run (median of the runs), of the tool and of the device.
    double turnaroundMs = -1, deviceTurnaroundMs = -1;
    double turnaroundsMs = -1, deviceTurnaroundsMs = -1;
    double bound() const { return paced ? double(bytesOut + bytesIn) * 10 / Baud : 0; }
};

void report(const Figure &f)
{
    if (f.seconds < 0) {
        std::printf("%-26s FAILED\n", qPrintable(f.name));
        std::printf("ROW|%s|failed|||< %.2f x bound|no\n", qPrintable(f.name), TargetRatio);
        return;
    }
    std::printf("%-26s %8.3f s  %5lld exchanges, %7lld bytes out, %5lld in, %6.2f ms each",
        qPrintable(f.name), f.seconds, f.frames, f.bytesOut, f.bytesIn,
        f.seconds * 1000 / std::max<qint64>(1, f.frames));
    if (!f.paced) {
        std::printf("\n");
        std::printf("ROW|%s|%.3f s (%.2f ms a round trip)||||\n", qPrintable(f.name), f.seconds,
            f.seconds * 1000 / std::max<qint64>(1, f.frames));
        return;
    }
    const double ratio = f.seconds / f.bound();
    // The tool's own part: the wire and the tool's turnarounds, without the
    // device's and the emulated line's.
    const double ownRatio = (f.bound() + f.turnaroundsMs / 1000) / f.bound();
    std::printf(", wire bound %.3f s, ratio %.3f; turnarounds of the tool %.2f ms each (median), "
                "%.1f ms in all, of the device %.2f ms each, %.1f ms in all\n",
        f.bound(), ratio, f.turnaroundMs, f.turnaroundsMs, f.deviceTurnaroundMs,
        f.deviceTurnaroundsMs);
    std::printf("ROW|%s|%.3f s (turnarounds: tool %.1f ms, device %.1f ms)|%.3f s on the "
                "wire|%.3f|<= %.2f|%s\n",
        qPrintable(f.name), f.seconds, f.turnaroundsMs, f.deviceTurnaroundsMs, f.bound(), ratio,
        TargetRatio, ratio <= TargetRatio ? "yes" : "no");
    std::printf("ROW|  the tool's part: wire + its turnarounds|%.3f s|%.3f s on the "
                "wire|%.3f|<= %.2f|%s\n",
        f.bound() + f.turnaroundsMs / 1000, f.bound(), ownRatio, TargetRatio,
        ownRatio <= TargetRatio ? "yes" : "no");
}

double medianMs(std::vector<qint64> ns)
{
    if (ns.empty())
        return -1;
    std::sort(ns.begin(), ns.end());
    return double(ns.at(ns.size() / 2)) / 1e6;
}

double sumMs(const std::vector<qint64> &ns)
{
    return double(std::accumulate(ns.begin(), ns.end(), qint64(0))) / 1e6;
}

// `runs` times: click, wait for `done`; the median time into `f`. Counts are
// the tool's on a direct link and the line's on a paced one.
bool measure(Tool &tool, SerialLine *line, QAbstractButton *button, const QString &done, int runs,
    Figure &f, int timeoutMs = 60000)
{
    QList<double> times;
    std::vector<qint64> tools, devices;
    QList<double> toolSums, deviceSums;
    for (int i = 0; i < runs; ++i) {
        tool.resetCounts();
        if (line) {
            line->takeTurnaroundsNs();
            line->takeDeviceTurnaroundsNs();
        }
        const qint64 outBefore = line ? line->bytesToDevice() : 0;
        const qint64 inBefore = line ? line->bytesToTool() : 0;
        times << tool.timed(button, done, timeoutMs);
        f.frames = tool.framesSent;
        f.bytesOut = line ? line->bytesToDevice() - outBefore : tool.bytesSent;
        f.bytesIn = line ? line->bytesToTool() - inBefore : tool.bytesReceived;
        if (line) {
            // The first spans the wait before the click: not part of the run.
            std::vector<qint64> run = line->takeTurnaroundsNs();
            if (!run.empty())
                run.erase(run.begin());
            const std::vector<qint64> device = line->takeDeviceTurnaroundsNs();
            toolSums << sumMs(run);
            deviceSums << sumMs(device);
            tools.insert(tools.end(), run.begin(), run.end());
            devices.insert(devices.end(), device.begin(), device.end());
        }
    }
    if (line) {
        f.turnaroundMs = medianMs(tools);
        f.deviceTurnaroundMs = medianMs(devices);
        f.turnaroundsMs = median(toolSums);
        f.deviceTurnaroundsMs = median(deviceSums);
    }
    f.seconds = times.contains(-1) ? -1 : median(times);
    if (f.seconds < 0)
        std::fprintf(stderr, "bench_session: %s: %s\n", qPrintable(f.name),
            qPrintable(tool.recorder.texts().join(" | ")));
    return f.seconds >= 0;
}

QByteArray imageOf(int size)
{
    QByteArray image(size, Qt::Uninitialized);
    quint32 x = 0x2545F491u;
    for (int i = 0; i < size; ++i) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        image[i] = char(x);
    }
    return image;
}

bool readAndWriteAll(Tool &tool, SerialLine *line, int runs, Figure &read, Figure &writeAll)
{
    return measure(tool, line, tool.window->pushButton_read, ReadDone, runs, read)
        && measure(tool, line, tool.window->pushButton_writeAll, WriteAllDone, runs, writeAll);
}

bool upgrade(Tool &tool, SerialLine *line, const QString &imagePath, Figure &f)
{
    tool.window->chooseFirmwareFile = [imagePath] {
        return imagePath;
    };
    const bool done
        = measure(tool, line, tool.window->pushButton_getFile, UpgradeDone, 1, f, 120000);
    // The image and its announcement go out raw, past the tool's frame count.
    f.frames = (UpgradeBytes + 255) / 256 + 1;
    if (!line)
        f.bytesOut = UpgradeBytes + 24;
    return done;
}

// The device, and the window on it, directly or over a paced line.
struct Rig
{
    DevSimProcess sim;
    std::unique_ptr<SerialLine> line;
    std::unique_ptr<Tool> tool;

    bool start(bool paced, const QString &profiles)
    {
        if (!sim.start({QStringLiteral("--silent-after-reset"), QStringLiteral("0")})) {
            std::fprintf(stderr, "bench_session: %s\n", qPrintable(sim.errorString()));
            return false;
        }
        if (paced) {
            line = std::make_unique<SerialLine>(sim.portPath(), Baud);
            if (!line->isValid()) {
                std::fprintf(stderr, "bench_session: no serial line to the device\n");
                return false;
            }
        }
        tool = std::make_unique<Tool>(line ? line->toolPath() : sim.portPath(), profiles);
        if (tool->timed(tool->window->pushButtonOpen, ReadDone) < 0) {
            std::fprintf(stderr, "bench_session: the first read failed\n");
            return false;
        }
        return true;
    }
    ~Rig() { tool.reset(); } // the window closes the port before the line goes
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times read, Write All and an upgrade."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs (median)."),
        QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption noUpgrade(
        QStringLiteral("no-upgrade"), QStringLiteral("Leave out the firmware upgrades."));
    parser.addOptions({runsOption, noUpgrade});
    parser.process(app);
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const bool upgrades = !parser.isSet(noUpgrade);

    // Settings and profiles stay in a temporary folder.
    QTemporaryDir folder;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    const QString profiles = folder.filePath(QStringLiteral("Profile"));
    const QString imagePath = folder.filePath(QStringLiteral("image.bin"));
    QFile image(imagePath);
    if (!image.open(QIODevice::WriteOnly) || image.write(imageOf(UpgradeBytes)) != UpgradeBytes)
        return std::fprintf(stderr, "bench_session: cannot write %s\n", qPrintable(imagePath)), 1;
    image.close();

    std::printf("read, Write All and upgrade against velomi-devsim, median of %d\n", runs);
    Figure read {QStringLiteral("read, unpaced")}, writeAll {QStringLiteral("Write All, unpaced")},
        upgradeFree {QStringLiteral("upgrade 262144 B, unpaced")};
    Figure pacedRead {QStringLiteral("read, 115200 baud")},
        pacedWriteAll {QStringLiteral("Write All, 115200 baud")},
        pacedUpgrade {QStringLiteral("upgrade 262144 B, 115200 baud")};
    pacedRead.paced = pacedWriteAll.paced = pacedUpgrade.paced = true;
    double idle = -1;
    {
        Rig rig;
        if (!rig.start(false, profiles)
            || !readAndWriteAll(*rig.tool, nullptr, runs, read, writeAll))
            return 1;
        idle = idleCpuPercent(5000);
        if (upgrades)
            upgrade(*rig.tool, nullptr, imagePath, upgradeFree);
    }
    {
        Rig rig;
        if (!rig.start(true, profiles)
            || !readAndWriteAll(*rig.tool, rig.line.get(), runs, pacedRead, pacedWriteAll))
            return 1;
    }
    if (upgrades) {
        Rig rig;
        if (rig.start(true, profiles))
            upgrade(*rig.tool, rig.line.get(), imagePath, pacedUpgrade);
    }

    for (const Figure &f : {read, writeAll, pacedRead, pacedWriteAll})
        report(f);
    if (upgrades) {
        report(upgradeFree);
        report(pacedUpgrade);
    }
    std::printf("CPU while idle with the port open, 5 s: %.3f%% of one core\n", idle);
    std::printf("ROW|CPU while idle, port open|%.2f %% of a core|||< 1 %%|%s\n", idle,
        idle >= 0 && idle < 1.0 ? "yes" : "no");
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory %.1f MiB\n", usage.ru_maxrss / 1024.0);
    std::printf("ROW|peak memory|%.1f MiB||||\n", usage.ru_maxrss / 1024.0);
    return 0;
}
