// The cable pulled in the middle of a read, a Write All and a firmware
// upgrade, and a device that reboots while it is being read. The window must
// end closed or idle with a message, and the device must hold the old or the
// new value of each setting.
#include <QJsonArray>
#include <QTest>

#include "e2efixture.h"

namespace {
const QString Rebooting = QStringLiteral("Reboot Device OK, please wait 30 seconds!");

bool sawPrefix(const WindowUnderTest &t, const QString &prefix)
{
    for (const QString &text : t.recorder.texts())
        if (text.startsWith(prefix))
            return true;
    return false;
}

bool waitUntilSent(WindowUnderTest &t, const QByteArray &framePart)
{
    return QTest::qWaitFor(
        [&] { return t.window->session()->lastCommandFrame().contains(framePart); }, 20000);
}

// The window after the link went away: closed, idle, ready to open again.
void verifyClosedAndIdle(WindowUnderTest &t)
{
    QVERIFY2(QTest::qWaitFor([&] { return sawPrefix(t, "The device was disconnected."); }, 10000),
        qPrintable(t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    QVERIFY(w.pushButtonOpen->isEnabled());
    QVERIFY(!w.pushButtonClose->isEnabled());
    QVERIFY(w.widget_Com->isEnabled());
    QVERIFY(!w.session()->isBusy());
    QCOMPARE(w.session()->pendingCommand(), Session::Command::None);
}

// Every setting of `now` equals the one in `old` or in `fresh`; lists and
// groups are compared item by item, as the device stores them by write.
void verifyOldOrNew(const QJsonObject &old, const QJsonObject &fresh, const QJsonObject &now)
{
    for (const QString &key : now.keys()) {
        if (key == QLatin1String("oneShots") || key == QLatin1String("firmware")
            || key == QLatin1String("status"))
            continue;
        const QJsonValue o = old.value(key), f = fresh.value(key), n = now.value(key);
        if (n.isArray()) {
            for (int i = 0; i < n.toArray().size(); ++i) {
                const QJsonValue item = n.toArray().at(i);
                QVERIFY2(item == o.toArray().at(i) || item == f.toArray().at(i),
                    qPrintable(QStringLiteral("%1[%2]").arg(key).arg(i)));
            }
        } else if (n.isObject()) {
            for (const QString &sub : n.toObject().keys()) {
                const QJsonValue item = n.toObject().value(sub);
                QVERIFY2(item == o.toObject().value(sub) || item == f.toObject().value(sub),
                    qPrintable(key + QLatin1Char('.') + sub));
            }
        } else {
            QVERIFY2(n == o || n == f, qPrintable(key));
        }
    }
}

// New values on every page Write All covers, all of them ones the device takes.
void changePages(Velomi &w)
{
    w.lineEdit_keywd->setText(QStringLiteral("PULL"));
    w.lineEdit_access->setText(QStringLiteral("5150"));
    w.lineEdit_apn_internet->setText(QStringLiteral("cable.apn"));
    w.lineEdit_apn_user->setText(QStringLiteral("tech"));
    for (int row = 1; row <= 5; ++row)
        w.findChild<QLineEdit *>(QStringLiteral("lineEdit_rpt_to_%1").arg(row))
            ->setText(QStringLiteral("+49301000%1").arg(row));
    w.comboBox_gudt_normal->setCurrentIndex(2);
    w.lineEdit_call_id1->setText(QStringLiteral("+4911"));
    w.lineEdit_call_id2->setText(QStringLiteral("+4922"));
}
} // namespace

class UnplugTest : public QObject
{
    Q_OBJECT
private slots:
    void unplugDuringRead();
    void unplugDuringWriteAllLeavesOldOrNewValues();
    void unplugDuringUpgrade();
    void deviceRebootsDuringRead_data();
    void deviceRebootsDuringRead();
};

void UnplugTest::unplugDuringRead()
{
    WindowUnderTest t;
    QVERIFY2(t.start({"--latency", "20"}), qPrintable(t.sim.errorString()));
    const QJsonObject before = t.sim.snapshot();
    t.window->pushButtonOpen->click();
    QVERIFY(waitUntilSent(t, "GEOFE?:2"));
    QVERIFY(t.sim.stop());

    verifyClosedAndIdle(t);
    QVERIFY(!t.saw(ReadDone));
    QVERIFY(!t.window->tabWidget_velomi->isEnabled()); // nothing to edit without a device
    verifyOldOrNew(before, before, t.sim.dump());
}

void UnplugTest::unplugDuringWriteAllLeavesOldOrNewValues()
{
    // What the whole Write All leaves on a device that stays plugged in.
    QJsonObject fresh;
    {
        WindowUnderTest full;
        QVERIFY2(full.start(), qPrintable(full.sim.errorString()));
        QVERIFY(full.openAndRead());
        changePages(*full.window);
        full.window->pushButton_writeAll->click();
        QVERIFY(full.waitFor(WriteAllDone));
        fresh = full.sim.snapshot();
    }

    WindowUnderTest t;
    QVERIFY2(t.start({"--latency", "20"}), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    const QJsonObject old = t.sim.snapshot();
    changePages(*t.window);
    t.window->pushButton_writeAll->click();
    QVERIFY(waitUntilSent(t, "RPT:3,"));
    QVERIFY(t.sim.stop());

    verifyClosedAndIdle(t);
    QVERIFY(!t.saw(WriteAllDone));
    const QJsonObject now = t.sim.dump();
    verifyOldOrNew(old, fresh, now);
    QCOMPARE(now.value("KEYWD").toString(), QStringLiteral("PULL")); // written before the pull
    QCOMPARE(now.value("RPT").toArray().at(4), old.value("RPT").toArray().at(4)); // not yet
    QVERIFY(fresh.value("RPT").toArray().at(4) != old.value("RPT").toArray().at(4));

    // Plugged in again, the device shows what it holds, and Write All finishes.
    QVERIFY2(t.sim.start({"--state", t.sim.dumpPath()}), qPrintable(t.sim.errorString()));
    QVERIFY(t.newWindow());
    QVERIFY(t.openAndRead());
    QCOMPARE(t.window->lineEdit_rpt_to_5->text(),
        now.value("RPT").toArray().at(4).toArray().at(0).toString());
    changePages(*t.window);
    t.window->pushButton_writeAll->click();
    QVERIFY(t.waitFor(WriteAllDone));
    verifyOldOrNew(fresh, fresh, t.sim.snapshot());
}

void UnplugTest::unplugDuringUpgrade()
{
    WindowUnderTest t;
    QVERIFY2(t.start({"--latency", "3"}), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    const QString path = t.dir.filePath(QStringLiteral("image.bin"));
    {
        QFile image(path);
        QVERIFY(image.open(QIODevice::WriteOnly));
        QByteArray bytes(100000, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7 + i / 256) & 0xff);
        image.write(bytes);
    }
    t.window->chooseFirmwareFile = [path] {
        return path;
    };
    t.window->pushButton_getFile->click();
    QVERIFY(QTest::qWaitFor([&] { return t.window->progressBar->value() >= 20; }, 20000));
    QVERIFY(t.window->session()->isUpgrading());
    QVERIFY(t.sim.stop());

    verifyClosedAndIdle(t);
    QVERIFY(t.saw(QStringLiteral("MG Upgrade Failure!\r\nThe port was closed.")));
    QVERIFY(!t.saw(QStringLiteral("MG Upgrade Finish. Please wait 30 seconds!")));
    QVERIFY(!t.window->session()->isUpgrading());
    const QJsonObject firmware = t.sim.dump().value("firmware").toObject();
    QVERIFY(firmware.value("matched").isNull()); // a partial image was never taken
}

void UnplugTest::deviceRebootsDuringRead_data()
{
    QTest::addColumn<QString>("silentSeconds");
    QTest::addColumn<bool>("awakeForTheNextRead"); // when the countdown's read starts
    QTest::newRow("back before the countdown ends") << "0.3" << true;
    QTest::newRow("still silent after the countdown") << "1.5" << false;
}

// The device is told to reboot while a read waits for its answers. The read
// in flight is lost; the countdown's own read starts afresh and succeeds, or,
// when the device is slower to come back, stops with a message and a later
// Read succeeds.
void UnplugTest::deviceRebootsDuringRead()
{
    QFETCH(QString, silentSeconds);
    QFETCH(bool, awakeForTheNextRead);
    WindowUnderTest t;
    QVERIFY2(t.start({"--latency", "30", "--silent-after-reset", silentSeconds}),
        qPrintable(t.sim.errorString()));
    Session::Timings timings;
    timings.answerMs = 500;
    timings.restartAnswerMs = 5000;
    timings.countdownTickMs = 20; // 31 ticks: about 0.6 s
    t.window->session()->setTimings(timings);
    QVERIFY(t.openAndRead());
    const QJsonObject before = t.sim.snapshot();

    Velomi &w = *t.window;
    w.pushButton_read->click();
    QVERIFY(waitUntilSent(t, "CFG1?:"));
    w.pushButtonReset->click();
    QVERIFY(t.waitFor(Rebooting));
    if (awakeForTheNextRead) {
        QVERIFY2(t.waitFor(ReadDone, 2), qPrintable(t.recorder.texts().join(" | ")));
    } else {
        QVERIFY(t.waitFor(QStringLiteral("The device did not answer \"VER?:\". Read stopped.")));
        QVERIFY(!w.session()->isBusy());
        QVERIFY(w.tabWidget_velomi->isEnabled());
        QVERIFY(w.widget_Com->isEnabled() && w.widget_phone->isEnabled());
        // The technician tries again once the device is back.
        QVERIFY(QTest::qWaitFor([&] { return t.read(1500); }, 15000));
    }
    QCOMPARE(t.count(ReadDone), 2);
    QCOMPARE(w.session()->pendingCommand(), Session::Command::None);
    QVERIFY(!w.session()->isCountingDown());
    QVERIFY(w.tabWidget_velomi->isEnabled());
    QVERIFY(w.widget_Com->isEnabled() && w.widget_phone->isEnabled());
    verifyOldOrNew(before, before, t.sim.snapshot());
}

QTEST_MAIN(UnplugTest)
#include "tst_faults_unplug.moc"
