// A device on a native USB port leaves the bus while it restarts and comes
// back on a new terminal behind the same link, as a /dev/serial/by-id link
// stays while ttyACM0 becomes ttyACM1. The window waits for it, reopens it
// and reads it, without calling it a disconnection.
#include <QFileInfo>
#include <QTest>

#include "e2efixture.h"
#include "serial/manageserialport.h"

namespace {
const QString Disconnected = QStringLiteral("The device was disconnected.");
const QString StayedAway = QStringLiteral("The device did not come back within");

int countPrefix(const WindowUnderTest &t, const QString &prefix)
{
    int n = 0;
    for (const QString &text : t.recorder.texts())
        n += text.startsWith(prefix) ? 1 : 0;
    return n;
}

// The device restarts off the bus for `awaySeconds`; the window opens it
// through its link, with a countdown of about 0.6 s.
bool startBehindLink(WindowUnderTest &t, const QString &awaySeconds)
{
    const QString link = t.dir.filePath(QStringLiteral("ttyVELOMI"));
    if (!t.sim.start({"--link", link, "--reenumerate", awaySeconds, "--silent-after-reset", "0"}))
        return false;
    Velomi::Options options;
    options.port = link;
    options.profileDir = t.dir.filePath(QStringLiteral("Profile"));
    options.backupDir = t.backupDir();
    t.window = std::make_unique<Velomi>(options);
    t.window->show();
    Session::Timings timings;
    timings.countdownTickMs = 20;
    t.window->session()->setTimings(timings);
    return t.openAndRead();
}

QString terminalBehind(const WindowUnderTest &t)
{
    return QFileInfo(t.dir.filePath(QStringLiteral("ttyVELOMI"))).symLinkTarget();
}
} // namespace

class ReconnectTest : public QObject
{
    Q_OBJECT
private slots:
    void restartEndsReopenedAndRead_data();
    void restartEndsReopenedAndRead();
    void deviceThatStaysAwayIsReportedOnce();
    void unpluggedDeviceIsReopenedWhenItReturns();
};

void ReconnectTest::restartEndsReopenedAndRead_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("acknowledged");
    QTest::newRow("reboot") << "pushButtonReset"
                            << "Reboot Device OK, please wait 30 seconds!";
    QTest::newRow("factory reset") << "pushButtonFactoryReset"
                                   << "Factory Reset OK, please wait 30 seconds!";
    QTest::newRow("firmware upgrade") << "pushButton_getFile"
                                      << "MG Upgrade Finish. Please wait 30 seconds!";
}

// The device is away longer than the countdown: the countdown's read waits
// for it and runs on the reopened port, found behind the link under another
// terminal name.
void ReconnectTest::restartEndsReopenedAndRead()
{
    QFETCH(QString, button);
    QFETCH(QString, acknowledged);
    WindowUnderTest t;
    QVERIFY2(startBehindLink(t, "1"), qPrintable(t.sim.errorString()));
    const QString path = t.dir.filePath(QStringLiteral("image.bin"));
    QFile image(path);
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write(QByteArray(100000, '\x5a'));
    image.close();
    t.window->chooseFirmwareFile = [path] {
        return path;
    };
    const QString before = terminalBehind(t);

    t.find<QPushButton>(button)->click();
    QVERIFY(t.waitFor(acknowledged));
    QVERIFY2(t.waitFor(ReadDone, 2, 20000), qPrintable(t.recorder.texts().join(" | ")));

    QCOMPARE(countPrefix(t, Disconnected), 0);
    QVERIFY(!t.saw(QStringLiteral("The device did not answer \"VER?:\". Read stopped.")));
    QVERIFY(terminalBehind(t) != before); // another name, the same link
    Velomi &w = *t.window;
    QVERIFY(w.serialManager()->isPortOpen());
    QVERIFY(w.pushButtonClose->isEnabled() && !w.pushButtonOpen->isEnabled());
    QVERIFY(w.tabWidget_velomi->isEnabled() && w.widget_Com->isEnabled());
    QVERIFY(!w.session()->isRestarting());
}

void ReconnectTest::deviceThatStaysAwayIsReportedOnce()
{
    WindowUnderTest t;
    QVERIFY2(startBehindLink(t, "4"), qPrintable(t.sim.errorString()));
    t.window->setDeviceReturnLimit(1000);
    t.window->pushButtonReset->click();
    QVERIFY(QTest::qWaitFor([&] { return countPrefix(t, StayedAway) > 0; }, 10000));

    QVERIFY(!t.saw(Disconnected));
    Velomi &w = *t.window;
    QVERIFY(w.tabWidget_velomi->isEnabled() && w.widget_Com->isEnabled());
    QVERIFY(w.pushButtonOpen->isEnabled() && !w.pushButtonClose->isEnabled());
    QVERIFY(!w.session()->isRestarting() && !w.session()->isBusy());
    QTest::qWait(500);
    QCOMPARE(countPrefix(t, StayedAway), 1);
}

void ReconnectTest::unpluggedDeviceIsReopenedWhenItReturns()
{
    WindowUnderTest t;
    QVERIFY2(startBehindLink(t, "1"), qPrintable(t.sim.errorString()));
    QVERIFY(t.sim.stop()); // the cable pulled
    QVERIFY(QTest::qWaitFor([&] { return countPrefix(t, Disconnected) == 1; }, 10000));
    QVERIFY(!t.window->serialManager()->isPortOpen());

    // Plugged in again: the device is back behind its link.
    QVERIFY(t.sim.start({"--link", t.dir.filePath(QStringLiteral("ttyVELOMI"))}));
    QVERIFY2(t.waitFor(ReadDone, 2, 20000), qPrintable(t.recorder.texts().join(" | ")));
    QVERIFY(t.window->serialManager()->isPortOpen());
    QCOMPARE(countPrefix(t, Disconnected), 1);
}

QTEST_MAIN(ReconnectTest)
#include "tst_reconnect.moc"
