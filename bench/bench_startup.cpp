// Time from process start to the main window shown (its first paint done),
// in ms, with where the time goes: loading the program and its libraries,
// the application object, the window's constructor, showing and painting.
//
//   bench_startup [--runs N]
//
// The bench starts itself as a child for each run, taking the time just
// before the start; the child starts the window as the tool does and reports
// its own times on the same monotonic clock. The first run fills the
// profile folder and the file caches and is shown apart.
#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "app/messages.h"
#include "app/velomi.h"

// Outside any namespace: the macro declares the resource initialiser here.
static void initResources() { Q_INIT_RESOURCE(images); }

namespace {

const char *const ChildFlag = "--child";
const char *const Marks[] = {"main", "application", "constructed", "painted"};

double nowMs()
{
    using namespace std::chrono;
    return double(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count())
        / 1000.0;
}

// Marks the end of the first paint pass of the window: the first paint
// event, then the return to the event loop once everything was painted.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : window_(window) { }
    double at = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == window_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] {
                at = nowMs();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget *window_;
    bool seen_ = false;
};

// The child: the tool's own start-up steps, then the times on stdout.
int child(int argc, char *argv[], const QString &folder)
{
    const double enteredMain = nowMs();
    // Settings and profiles in the bench's folder, message boxes recorded
    // (a few microseconds, counted with the application object).
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    Messages::Recorder recorder;
    Messages::setRecorder(&recorder);

    QApplication app(argc, argv);
    initResources();
    QApplication::setApplicationName(QStringLiteral("Velomi"));
    QApplication::setOrganizationName(QStringLiteral("Calvorn"));
    QFont font;
    font.setFamily(font.defaultFamily());
    QApplication::setFont(font);
    const double applicationBuilt = nowMs();

    Velomi::Options options;
    options.profileDir = folder + QStringLiteral("/Profile");
    Velomi window(options);
    const double constructed = nowMs();
    FirstPaint painted(&window);
    app.installEventFilter(&painted);
    window.show();
    QTimer::singleShot(30000, &app, &QCoreApplication::quit); // never hang the bench
    QApplication::exec();
    Messages::setRecorder(nullptr);
    if (painted.at < 0) {
        std::fprintf(stderr, "bench_startup: the window was never painted\n");
        return 1;
    }
    std::printf("main %.3f\napplication %.3f\nconstructed %.3f\npainted %.3f\n", enteredMain,
        applicationBuilt, constructed, painted.at);
    return 0;
}

struct Times
{
    double start = 0;
    QMap<QString, double> marks; // absolute, ms
    double total() const { return marks.value(QStringLiteral("painted")) - start; }
};

bool runChild(const QString &folder, Times &times, QString &error)
{
    QProcess process;
    times.start = nowMs();
    process.start(
        QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildFlag), folder});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        error = QStringLiteral("the child run failed: %1\n%2")
                    .arg(process.errorString(),
                        QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    const auto lines = process.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            times.marks.insert(QString::fromLatin1(parts[0]), parts[1].toDouble());
    }
    for (const char *mark : Marks)
        if (!times.marks.contains(QString::fromLatin1(mark))) {
            error = QStringLiteral("the child did not report \"%1\"").arg(mark);
            return false;
        }
    return true;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], ChildFlag) == 0)
        return child(argc, argv, QString::fromLocal8Bit(argv[2]));

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // inherited by the child runs
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the start to the first window."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Measured runs."),
        QStringLiteral("N"), QStringLiteral("5"));
    parser.addOption(runsOption);
    parser.process(app);
    const int runs = std::max(1, parser.value(runsOption).toInt());

    QTemporaryDir folder;
    QList<Times> all;
    for (int i = 0; i <= runs; ++i) {
        Times times;
        QString error;
        if (!runChild(folder.path(), times, error)) {
            std::fprintf(stderr, "bench_startup: %s\n", qPrintable(error));
            return 1;
        }
        all << times;
    }

    const Times first = all.takeFirst();
    const auto step = [&](const char *from, const char *to) {
        QList<double> values;
        for (const Times &t : all)
            values << t.marks.value(QString::fromLatin1(to))
                    - (qstrcmp(from, "start") == 0 ? t.start
                                                   : t.marks.value(QString::fromLatin1(from)));
        return median(values);
    };
    QList<double> totals;
    for (const Times &t : all)
        totals << t.total();

    std::printf("start to window shown (first paint), platform %s, median of %d runs: %.1f ms\n",
        qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default"))), runs,
        median(totals));
    std::printf("  process start to main():     %7.1f ms\n", step("start", "main"));
    std::printf("  application object:          %7.1f ms\n", step("main", "application"));
    std::printf("  window constructor:          %7.1f ms\n", step("application", "constructed"));
    std::printf("  show to first paint done:    %7.1f ms\n", step("constructed", "painted"));
    std::printf("  first run (new profile folder): %.1f ms\n", first.total());
    return 0;
}
