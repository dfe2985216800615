// velomi-cli against simulated devices paced at 115200 baud: one device read
// alone, four and eight read at once (targets: at most 1.5 and 2 times the
// one), and a single read from process start to exit against the read itself
// (target: at most 150 ms more). Each figure is the median of --runs runs.
// Prints one "ROW|figure|measured|bound|ratio|target|met" line per figure
// (scripts/bench.sh).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "devsimprocess.h"

namespace {

struct Timing
{
    double wallMs = 0; // process start to exit
    double readMs = 0; // the slowest port's own read, as velomi-cli measured it
    bool ok = false;
};

Timing readOnce(const QStringList &ports, const QString &outDir)
{
    QStringList args {
        QStringLiteral("read"), QStringLiteral("--out-dir"), outDir, QStringLiteral("--json")};
    for (const QString &port : ports)
        args << QStringLiteral("--port") << port;
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(VELOMI_CLI_PATH), args);
    const bool ended = process.waitForFinished(60000);
    Timing t;
    t.wallMs = clock.nsecsElapsed() / 1e6;
    t.ok = ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (event.value(QStringLiteral("event")) == QStringLiteral("result"))
            t.readMs = std::max(t.readMs, event.value(QStringLiteral("seconds")).toDouble() * 1000);
    }
    return t;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int runs = 5;
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--runs")));
    if (at > 0 && at + 1 < args.size())
        runs = std::max(1, args.at(at + 1).toInt());

    std::vector<std::unique_ptr<DevSimProcess>> sims;
    QStringList ports;
    for (int i = 0; i < 8; ++i) {
        sims.push_back(std::make_unique<DevSimProcess>());
        if (!sims.back()->start({QStringLiteral("--baud"), QStringLiteral("115200")})) {
            std::printf("ROW|velomi-cli read (bench_cli)|failed: %s||||no\n",
                qPrintable(sims.back()->errorString()));
            return 1;
        }
        ports << sims.back()->portPath();
    }
    QTemporaryDir out;
    const auto measure = [&](int count, std::vector<Timing> &all) {
        for (int r = 0; r < runs; ++r)
            all.push_back(readOnce(ports.mid(0, count), out.path()));
    };
    std::vector<Timing> one, four, eight;
    readOnce(ports.mid(0, 1), out.path()); // warm the caches
    measure(1, one);
    measure(4, four);
    measure(8, eight);
    const auto wall = [](const std::vector<Timing> &all) {
        std::vector<double> v;
        for (const Timing &t : all)
            v.push_back(t.ok ? t.wallMs : 1e9);
        return median(v);
    };
    std::vector<double> overhead;
    for (const Timing &t : one)
        overhead.push_back(t.ok ? t.wallMs - t.readMs : 1e9);
    std::vector<double> paced;
    for (const Timing &t : one)
        paced.push_back(t.readMs);

    const double oneMs = wall(one), fourMs = wall(four), eightMs = wall(eight);
    const double extraMs = median(overhead);
    std::printf("runs %d; one %.0f ms (read %.0f ms), four %.0f ms, eight %.0f ms\n", runs, oneMs,
        median(paced), fourMs, eightMs);
    std::printf("ROW|velomi-cli read, 1 device at 115200 baud|%.0f ms||||\n", oneMs);
    std::printf(
        "ROW|velomi-cli read, 4 devices at once|%.0f ms|%.0f ms (1 device)|%.2f x|<= 1.5 x|%s\n",
        fourMs, oneMs, fourMs / oneMs, fourMs <= 1.5 * oneMs ? "yes" : "no");
    std::printf(
        "ROW|velomi-cli read, 8 devices at once|%.0f ms|%.0f ms (1 device)|%.2f x|<= 2 x|%s\n",
        eightMs, oneMs, eightMs / oneMs, eightMs <= 2 * oneMs ? "yes" : "no");
    std::printf("ROW|velomi-cli start to exit beyond the read|%.0f ms|%.0f ms (the paced read)||<= "
                "150 ms|%s\n",
        extraMs, median(paced), extraMs <= 150 ? "yes" : "no");
    return 0;
}
