// The window's memory while a device floods the link with bytes that never
// end a line (debug output left on, line noise): the real window on a
// pseudo-terminal, fed --megabytes of noise in 64 KiB writes as fast as it
// takes them. Reports the peak and settled resident size, the log pane's
// size, and whether a real answer sent after the flood is still taken.
// Prints "ROW|..." lines for scripts/bench.sh after a readable report.
//
//   bench_flood [--megabytes N] [--printable]
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

#include "app/messages.h"
#include "app/velomi.h"
#include "ptypair.h"
#include "resident.h"
#include "serial/manageserialport.h"
#include "session/session.h"

namespace {

constexpr double TargetMiB = 150;
constexpr int WriteBytes = 64 * 1024;

// The most the process has held so far, short spikes included.
qint64 peakResidentBytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

double mib(qint64 bytes) { return bytes / 1048576.0; }

// Noise in 64 KiB blocks that never end a line: every byte value but the
// line ends (line noise), or printable words (debug output left on).
QByteArray noiseBlock(quint32 seed, bool printable)
{
    QByteArray block(WriteBytes, Qt::Uninitialized);
    quint32 x = seed;
    for (char &c : block) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
        if (printable)
            c = (x >> 24) % 8 == 0 ? ' ' : char('!' + (x >> 16) % 94);
        else if (c == '\n' || c == '\r')
            c = '.';
    }
    return block;
}

// Writes `total` bytes of noise to the device end, as fast as the tool's end
// takes them, and throws away what the tool writes meanwhile.
class Flood
{
public:
    Flood(int fd, qint64 total, bool printable) : fd_(fd), total_(total), printable_(printable)
    {
        thread_ = std::thread([this] { run(); });
    }
    ~Flood()
    {
        stop_ = true;
        thread_.join();
    }
    bool done() const { return done_; }
    qint64 written() const { return written_; }

private:
    void run()
    {
        quint32 seed = 1;
        QByteArray block = noiseBlock(seed, printable_);
        qint64 offset = 0;
        while (!stop_ && written_ < total_) {
            pollfd p {fd_, POLLOUT | POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0)
                continue;
            if (p.revents & POLLIN) {
                char sink[4096];
                while (::read(fd_, sink, sizeof sink) > 0) { }
            }
            if (!(p.revents & POLLOUT))
                continue;
            const qint64 want = std::min<qint64>(block.size() - offset, total_ - written_);
            const ssize_t n = ::write(fd_, block.constData() + offset, size_t(want));
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                break;
            if (n > 0) {
                written_ += n;
                offset += n;
                if (offset == block.size()) {
                    block = noiseBlock(++seed, printable_);
                    offset = 0;
                }
            }
        }
        done_ = true;
    }

    int fd_;
    qint64 total_;
    bool printable_;
    std::atomic<qint64> written_ {0};
    std::atomic<bool> stop_ {false}, done_ {false};
    std::thread thread_;
};

// Runs the event loop for `ms`, or until `done` holds when it is given.
bool runFor(int ms, const std::function<bool()> &done = {})
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (done && done())
            return true;
    }
    return done && done();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The window's memory under a noise flood."));
    parser.addHelpOption();
    const QCommandLineOption megabytesOption(QStringLiteral("megabytes"),
        QStringLiteral("MiB of noise to send."), QStringLiteral("N"), QStringLiteral("150"));
    const QCommandLineOption printableOption(QStringLiteral("printable"),
        QStringLiteral("Printable words instead of every byte value."));
    parser.addOptions({megabytesOption, printableOption});
    parser.process(app);
    const qint64 total = std::max(1, parser.value(megabytesOption).toInt()) * qint64(1048576);

    QTemporaryDir folder;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    Messages::Recorder recorder; // boxes are recorded, not shown
    Messages::setRecorder(&recorder);

    PtyPair pty;
    if (!pty.isValid())
        return std::fprintf(stderr, "bench_flood: %s\n", qPrintable(pty.errorString())), 1;
    Velomi::Options options;
    options.port = pty.slavePath();
    options.profileDir = folder.filePath(QStringLiteral("Profile"));
    auto window = std::make_unique<Velomi>(options);
    window->resize(1050, 868);
    window->show();
    runFor(300);
    window->pushButtonOpen->click();
    if (!window->serialManager()->isPortOpen())
        return std::fprintf(stderr, "bench_flood: the port did not open\n"), 1;
    qint64 received = 0;
    QObject::connect(window->serialManager(), &Link::chunkReceived,
        [&received](const QByteArray &chunk) { received += chunk.size(); });
    runFor(300);
    const qint64 atStart = residentBytes();

    const qint64 peakAtStart = peakResidentBytes();
    QElapsedTimer clock;
    clock.start();
    {
        Flood flood(pty.masterFd(), total, parser.isSet(printableOption));
        while (!flood.done() || received < flood.written()) {
            runFor(100);
            if (clock.elapsed() > 600000) {
                std::fprintf(stderr, "bench_flood: gave up after 10 minutes\n");
                break;
            }
        }
    }
    const double seconds = clock.elapsed() / 1000.0;
    runFor(3000, [] { return false; }); // the pane lays out what came last
    const qint64 peak = peakResidentBytes();
    const qint64 settled = residentBytes();
    const qint64 paneChars = window->textEditReceive->document()->characterCount();
    const int paneBlocks = window->textEditReceive->document()->blockCount();

    // A real answer after the flood is still taken: Read sends the version
    // query, its answer moves the read on to the next query.
    pty.readMaster(200);
    window->pushButton_read->click();
    const QByteArray query = pty.readFrame(5000);
    pty.writeMaster("<OK> VER?:T47_V1.05;\r\n");
    const QByteArray next = pty.readFrame(5000);
    const bool answerTaken
        = query == "AT!XSMSC=VER?:\r" && next.startsWith("AT!XSMSC=") && next != query;

    std::printf("noise sent %.0f MiB, received %.0f MiB in %.1f s (%.1f MiB/s)\n", mib(total),
        mib(received), seconds, mib(received) / seconds);
    std::printf("resident: %.1f MiB before (peak %.1f MiB), %.1f MiB at the peak, %.1f MiB "
                "after the flood\n",
        mib(atStart), mib(peakAtStart), mib(peak), mib(settled));
    std::printf("log pane: %lld characters in %d paragraphs\n", paneChars, paneBlocks);
    std::printf("a real answer after the flood: %s\n", answerTaken ? "taken" : "lost");
    const bool met = peak > 0 && mib(peak) < TargetMiB;
    std::printf("ROW|resident under %.0f MiB of noise, peak|%.1f MiB|||< %.0f MiB|%s\n", mib(total),
        mib(peak), TargetMiB, met ? "yes" : "no");
    std::printf("ROW|  after the flood|%.1f MiB||||\n", mib(settled));
    std::printf("ROW|  a real answer after the flood|%s|||taken|%s\n",
        answerTaken ? "taken" : "lost", answerTaken ? "yes" : "no");
    window.reset();
    Messages::setRecorder(nullptr);
    return 0;
}
