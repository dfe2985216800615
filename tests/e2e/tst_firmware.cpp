// Firmware upgrades from the Firmware button against the simulated device:
// whole images taken, refused blocks resent or given up on, a device that
// falls silent, the window closed meanwhile, and the restart countdown that
// reopens the port and reads.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <functional>
#include <unistd.h>

#include "e2efixture.h"
#include "serial/manageserialport.h"

namespace {

const QString Finished = QStringLiteral("MG Upgrade Finish. Please wait 30 seconds!");
const QString Failed = QStringLiteral("MG Upgrade Failure!");
const QString CountdownOver = QStringLiteral("Countdown finish. Read Configuration!");
const QRegularExpression ElapsedText(QStringLiteral("^Total elapsed timer \\d\\d:\\d\\d $"));

// Every byte value occurs, NUL included, in an order that a dropped,
// repeated or swapped block changes the checksum of.
QByteArray imageOf(int size)
{
    QByteArray image(size, Qt::Uninitialized);
    quint32 x = 0x2545F491u ^ quint32(size);
    for (int i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        image[i] = char(x >> 24);
    }
    return image;
}

// Runs the event loop until `done` holds or the time is up. Unlike
// QTest::qWaitFor it never sleeps between looks, which would add 10 ms to
// each of a thousand block round trips.
bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    look.start(5);
    loop.exec();
    return done();
}

bool shown(WindowUnderTest &t, const QString &text, int times, int timeoutMs)
{
    return runUntil([&] { return t.count(text) >= times; }, timeoutMs);
}

// Fast countdown and elapsed ticks; the silence limit as given.
Session::Timings fastTimings(int countdownTickMs = 20, int silenceMs = Session::UpgradeSilenceMs)
{
    Session::Timings timings;
    timings.countdownTickMs = countdownTickMs;
    timings.elapsedTickMs = 50;
    timings.upgradeSilenceMs = silenceMs;
    return timings;
}

} // namespace

// What the window looked like when a message was raised (outside the
// anonymous namespace: FirmwareTest keeps a list of them).
struct Snapshot
{
    QString text;
    bool portOpen = false;
    bool portAreaEnabled = false;
    int progress = -1;
    QString elapsed;
    QString errorTotal;
};

namespace {

// The process id of the simulated device started by `sim`: the one whose
// command line names its dump file.
pid_t simPid(DevSimProcess &sim)
{
    const QByteArray dump = sim.dumpPath().toLocal8Bit();
    QDirIterator it(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        bool isPid = false;
        const int pid = it.fileName().toInt(&isPid);
        if (!isPid)
            continue;
        QFile cmdline(it.filePath() + QStringLiteral("/cmdline"));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(dump))
            return pid;
    }
    return -1;
}

// Keeps the device stopped for as long as it lives.
struct Stopped
{
    pid_t pid;
    explicit Stopped(pid_t p) : pid(p) { ::kill(pid, SIGSTOP); }
    ~Stopped() { ::kill(pid, SIGCONT); }
};

} // namespace

class FirmwareTest : public QObject
{
    Q_OBJECT

private slots:
    void upgradeTakesTheWholeImage_data();
    void upgradeTakesTheWholeImage();
    void refusedBlocks_data();
    void refusedBlocks();
    void errorTotalGrowsAcrossUpgrades();
    void silentDeviceEndsTheUpgrade();
    void closingDuringAnUpgradeAsksFirst();

private:
    // Starts the device, opens the port and reads; then sets the timings
    // and records every message with the window's state at that moment.
    bool ready(WindowUnderTest &t, const QStringList &simArgs, const Session::Timings &timings);
    // Hands the image to the Firmware button; checks what it shows at once.
    void upgrade(WindowUnderTest &t, const QByteArray &image);
    void watchNotices(WindowUnderTest &t);

    QList<Snapshot> notices_;
    int images_ = 0;
};

bool FirmwareTest::ready(
    WindowUnderTest &t, const QStringList &simArgs, const Session::Timings &timings)
{
    notices_.clear();
    if (!t.start(simArgs) || !t.openAndRead())
        return false;
    t.window->session()->setTimings(timings);
    watchNotices(t);
    return true;
}

void FirmwareTest::watchNotices(WindowUnderTest &t)
{
    Velomi &w = *t.window;
    connect(w.session(), &Session::noticeRaised, &w, [this, &w](const Notice &notice) {
        notices_ << Snapshot {notice.text, w.serialManager()->isPortOpen(),
            w.widget_Com->isEnabled(), w.progressBar->value(), w.label_sec_total->text(),
            w.lineEdit_total_upgrade_error->text()};
    });
}

void FirmwareTest::upgrade(WindowUnderTest &t, const QByteArray &image)
{
    QFile file(t.dir.filePath(QStringLiteral("image%1.bin").arg(++images_)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(image), qint64(image.size()));
    file.close();
    const QString path = file.fileName();
    Velomi &w = *t.window;
    w.chooseFirmwareFile = [path] {
        return path;
    };
    QVERIFY(w.pushButton_getFile->isEnabled());
    w.pushButton_getFile->click();

    // Loaded, announced, and the window locked while it runs.
    QCOMPARE(w.label_update_filename->text(), path);
    QCOMPARE(w.lineEdit_fw_file_length->text(), QString::number(image.size()));
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{4}$"))
                .match(w.lineEdit_CRC_input->text())
                .hasMatch());
    QCOMPARE(w.label_current_stat->text(), QStringLiteral("State_Firmware"));
    QVERIFY(w.session()->isUpgrading());
    QVERIFY(!w.widget_phone->isEnabled());
    QVERIFY(!w.tabWidget_velomi->isEnabled());
    QVERIFY(!w.label_update_time->isHidden());
    QVERIFY(!w.label_sec_total->isHidden());
}

void FirmwareTest::upgradeTakesTheWholeImage_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("smallest, short last block") << 100000;
    QTest::newRow("largest, whole blocks") << 262144;
}

void FirmwareTest::upgradeTakesTheWholeImage()
{
    QFETCH(int, size);
    QList<int> progress; // outlives the window that fills it
    WindowUnderTest t;
    // The device restarts for a second; the countdown (31 x 50 ms) outlasts it.
    QVERIFY2(ready(t, {"--silent-after-reset", "1"}, fastTimings(50)),
        qPrintable(t.sim.errorString() + t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    connect(w.progressBar, &QProgressBar::valueChanged, &w, [&](int v) { progress << v; });

    upgrade(t, imageOf(size));
    if (QTest::currentTestFailed())
        return;
    const QString crc = w.lineEdit_CRC_input->text();
    QVERIFY2(shown(t, Finished, 1, 120000), qPrintable(t.recorder.texts().join(" | ")));

    // When the finish is shown the port is closed and the window locked.
    const Snapshot atFinish = notices_.first();
    QCOMPARE(atFinish.text, Finished);
    QVERIFY(!atFinish.portOpen);
    QVERIFY(!atFinish.portAreaEnabled);
    QVERIFY2(ElapsedText.match(atFinish.elapsed).hasMatch(), qPrintable(atFinish.elapsed));

    // The bar climbs from 0 to 100 with the blocks, never back.
    const int full = int(progress.indexOf(100));
    QVERIFY2(full > 0, "the progress bar reached 100");
    const int start = int(progress.lastIndexOf(0, full));
    const QList<int> climb = progress.mid(start, full - start + 1);
    QVERIFY2(climb.size() > 50, qPrintable(QString::number(climb.size())));
    QVERIFY(std::is_sorted(climb.begin(), climb.end()));

    // The device took the image and its checksum matched.
    const QJsonObject firmware = t.sim.snapshot().value("firmware").toObject();
    QCOMPARE(firmware.value("outcome").toString(), QStringLiteral("matched"));
    QCOMPARE(firmware.value("received").toInt(), size);
    QCOMPARE(firmware.value("announcedLength").toInt(), size);
    QCOMPARE(firmware.value("announcedCrc").toString(), crc);
    QCOMPARE(firmware.value("computedCrc").toString(), crc);
    QCOMPARE(firmware.value("refusals").toInt(), 0);

    // The countdown ends by reopening the port and reading the device again.
    QVERIFY2(shown(t, ReadDone, 2, 30000), qPrintable(t.recorder.texts().join(" | ")));
    QCOMPARE(t.recorder.texts(), (QStringList {ReadDone, Finished, CountdownOver, ReadDone}));
    QVERIFY(w.serialManager()->isPortOpen());
    QCOMPARE(w.label_command->text(), QStringLiteral("ComPort: Connected..."));
    QVERIFY(w.widget_Com->isEnabled());
    QVERIFY(w.widget_phone->isEnabled());
    QVERIFY(w.tabWidget_velomi->isEnabled());
    QVERIFY(w.pushButton_getFile->isEnabled());
    QVERIFY(!w.session()->isUpgrading());
    QTRY_VERIFY(w.textEditReceive->toPlainText().contains(QStringLiteral("\n0 sec")));
    const QString log = w.textEditReceive->toPlainText();
    QVERIFY(log.contains(QStringLiteral("\n30 sec\n")));
    QVERIFY(log.contains(QStringLiteral("\n0 sec\n")));
    // The elapsed time stopped with the upgrade.
    QCOMPARE(w.label_sec_total->text(), atFinish.elapsed);

    // Cancelling the next choice keeps the image and its checksum.
    w.chooseFirmwareFile = [] {
        return QString();
    };
    w.pushButton_getFile->click();
    QCOMPARE(t.recorder.shown.last(),
        Notice::warning(QStringLiteral("<h2> read file !</h2><p> cancel  timer stop !"),
            QStringLiteral("Hint")));
    QCOMPARE(w.lineEdit_CRC_input->text(), crc);
    QCOMPARE(w.label_update_filename->text(), QString());
    QVERIFY(!w.session()->isUpgrading());
}

void FirmwareTest::refusedBlocks_data()
{
    QTest::addColumn<QString>("failBlocks");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("errors");
    // Five in a row are resent; the sixth gives up.
    QTest::newRow("five in a row") << QStringLiteral("3:5") << true << 5;
    QTest::newRow("on the first and last block") << QStringLiteral("1:2,391:1") << true << 3;
    QTest::newRow("six in a row") << QStringLiteral("3:6") << false << 6;
}

void FirmwareTest::refusedBlocks()
{
    QFETCH(QString, failBlocks);
    QFETCH(bool, taken);
    QFETCH(int, errors);
    WindowUnderTest t;
    QVERIFY2(ready(t, {"--fail-blocks", failBlocks, "--silent-after-reset", "0"}, fastTimings()),
        qPrintable(t.sim.errorString() + t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    upgrade(t, imageOf(100000));
    if (QTest::currentTestFailed())
        return;

    const QString expected = taken ? Finished : Failed;
    QVERIFY2(shown(t, expected, 1, 60000), qPrintable(t.recorder.texts().join(" | ")));
    const Snapshot atEnd = notices_.first();
    QCOMPARE(atEnd.errorTotal, QString::number(errors));
    QCOMPARE(w.session()->upgradeErrorTotal(), errors);
    QVERIFY(!atEnd.portOpen);

    const QJsonObject firmware = t.sim.snapshot().value("firmware").toObject();
    QCOMPARE(firmware.value("refusals").toInt(), errors);
    QCOMPARE(firmware.value("matched").toBool(), taken);
    if (taken)
        return; // the countdown and the new read as in upgradeTakesTheWholeImage
    // Given up: one countdown tick frees the window, the port stays closed.
    QCOMPARE(t.recorder.shown.at(1).kind, Notice::Warning);
    QTRY_VERIFY_WITH_TIMEOUT(w.widget_Com->isEnabled(), 10000);
    QVERIFY(w.widget_phone->isEnabled());
    QVERIFY(w.tabWidget_velomi->isEnabled());
    QVERIFY(!w.serialManager()->isPortOpen());
    QCOMPARE(w.label_command->text(), QStringLiteral("ComPort: Disconnect..."));
    QVERIFY(!w.session()->isUpgrading());
    // The device's last ERROR also reaches the acknowledgement table, which
    // may add its own error message; but no countdown end and no new read.
    QCOMPARE(t.recorder.texts().mid(0, 2), (QStringList {ReadDone, Failed}));
    QVERIFY(!t.saw(CountdownOver));
    QCOMPARE(t.count(ReadDone), 1);
}

void FirmwareTest::errorTotalGrowsAcrossUpgrades()
{
    WindowUnderTest t;
    QVERIFY2(ready(t, {"--fail-blocks", "3:2", "--silent-after-reset", "0"}, fastTimings()),
        qPrintable(t.sim.errorString() + t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    for (int round = 1; round <= 2; ++round) {
        upgrade(t, imageOf(100000 + round));
        if (QTest::currentTestFailed())
            return;
        // Two refusals of one block are resent and the image is still taken.
        QVERIFY2(shown(t, Finished, round, 60000), qPrintable(t.recorder.texts().join(" | ")));
        QVERIFY2(shown(t, ReadDone, round + 1, 30000), qPrintable(t.recorder.texts().join(" | ")));
        QCOMPARE(w.lineEdit_total_upgrade_error->text(), QString::number(2 * round));
        QCOMPARE(t.sim.snapshot().value("firmware").toObject().value("outcome").toString(),
            QStringLiteral("matched"));
    }
}

void FirmwareTest::silentDeviceEndsTheUpgrade()
{
    WindowUnderTest t;
    QVERIFY2(ready(t, {}, fastTimings(20, 1000)),
        qPrintable(t.sim.errorString() + t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    const pid_t pid = simPid(t.sim);
    QVERIFY(pid > 0);
    upgrade(t, imageOf(262144));
    if (QTest::currentTestFailed())
        return;
    QVERIFY(runUntil([&] { return w.progressBar->value() >= 10; }, 60000));

    const Stopped silent(pid);
    QVERIFY2(runUntil([&] { return !notices_.isEmpty(); }, 15000),
        "the upgrade waited for the silent device for ever");
    const Snapshot atEnd = notices_.first();
    QVERIFY2(atEnd.text.startsWith(Failed), qPrintable(atEnd.text));
    QVERIFY(!atEnd.portOpen);
    QVERIFY(!w.session()->isUpgrading());
    QTRY_VERIFY_WITH_TIMEOUT(w.widget_Com->isEnabled(), 10000);
    QVERIFY(w.widget_phone->isEnabled());
    QVERIFY(w.pushButtonOpen->isEnabled());
    QCOMPARE(t.recorder.shown.size(), 2); // the read, then the failure
}

// Closing the window would stop the upgrade half way, which can leave the
// device without working firmware: the window asks first, Enter keeps it
// open, and a confirmed close reports the stopped upgrade while the window is
// still there. The boxes are real ones, answered with the user's keys.
void FirmwareTest::closingDuringAnUpgradeAsksFirst()
{
    WindowUnderTest t;
    QVERIFY2(ready(t, {"--latency", "50"}, fastTimings()),
        qPrintable(t.sim.errorString() + t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    upgrade(t, imageOf(100000));
    if (QTest::currentTestFailed())
        return;
    QVERIFY(runUntil([&] { return w.progressBar->value() >= 2; }, 30000));

    struct Seen
    {
        QString text;
        bool windowShown;
    };
    QList<Seen> boxes;
    const QPointer<Velomi> window = t.window.get();
    std::function<void(QMessageBox *)> answer;
    QTimer answering;
    connect(&answering, &QTimer::timeout, &answering, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        boxes << Seen {box->text(), window && window->isVisible()};
        answer(box);
    });
    answering.start(20);
    struct RealBoxes // the recorder comes back even when a check fails
    {
        Messages::Recorder &recorder;
        explicit RealBoxes(Messages::Recorder &r) : recorder(r) { Messages::setRecorder(nullptr); }
        ~RealBoxes() { Messages::setRecorder(&recorder); }
    } realBoxes(t.recorder);
    const QString question = QStringLiteral("A firmware upgrade is running.");

    // Enter takes the default answer: the window stays, the upgrade runs on.
    answer = [](QMessageBox *box) {
        QTest::keyClick(box, Qt::Key_Return);
    };
    QVERIFY(!w.close());
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.at(0).text.startsWith(question), qPrintable(boxes.at(0).text));
    QVERIFY(w.isVisible());
    QVERIFY(w.session()->isUpgrading());
    QVERIFY(w.serialManager()->isPortOpen());

    // Yes stops it; the failure is shown before the window goes.
    answer = [](QMessageBox *box) {
        QAbstractButton *yes = box->button(QMessageBox::Yes);
        if (yes)
            QTest::mouseClick(yes, Qt::LeftButton);
        else
            QTest::keyClick(box, Qt::Key_Return);
    };
    QVERIFY(w.close());
    QCOMPARE(boxes.size(), 3);
    QVERIFY2(boxes.at(1).text.startsWith(question), qPrintable(boxes.at(1).text));
    QVERIFY2(boxes.at(2).text.startsWith(Failed), qPrintable(boxes.at(2).text));
    QVERIFY(boxes.at(2).windowShown);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.session()->isUpgrading());
    QVERIFY(!w.serialManager()->isPortOpen());

    // Destroying the closed window shows nothing more.
    t.window.reset();
    QTest::qWait(100);
    QCOMPARE(boxes.size(), 3);
}

QTEST_MAIN(FirmwareTest)
#include "tst_firmware.moc"
