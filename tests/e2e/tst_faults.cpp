// A device that misbehaves the way devices in the field do: it falls silent,
// answers late, puts line noise between its answers, floods the link, or
// refuses a write in its own language. Each case must end in a clear state
// with a message, and the device must hold the old or the new value of each
// setting, never anything else.
#include <QJsonArray>
#include <QSocketNotifier>
#include <QTest>

#include <functional>

#include "e2efixture.h"
#include "protocol/responseassembler.h"
#include "ptypair.h"

#include "../session/sessionfixture.h" // deviceAnswer(): a well-behaved device

namespace {
const QString WriteDone = QStringLiteral("Write command success!  ");
const QString WriteError = QStringLiteral("Write command error!  ");
const QString ReadFirst
    = QStringLiteral("Read the configuration of a supported device first! \"Write All\"");

QString unanswered(const QString &body, const QString &chain)
{
    return QStringLiteral("The device did not answer \"%1\". %2 stopped.").arg(body, chain);
}

// Short patience so a silent device costs the test little time.
Session::Timings quickTimings()
{
    Session::Timings t;
    t.answerMs = 400;
    t.restartAnswerMs = 3000;
    t.countdownTickMs = 20;
    return t;
}

// Stands in for the device on a bare pseudo-terminal when a test needs to
// decide answer by answer: well-behaved by default, with one answer held
// back until the next frame arrives (a late answer), or a flood on request.
class ScriptedDevice : public QObject
{
public:
    explicit ScriptedDevice(PtyPair &pty)
        : pty_(pty), notifier_(pty.masterFd(), QSocketNotifier::Read)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { readFrames(); });
    }

    std::function<QByteArray(const QString &body)> answer = [](const QString &body) {
        return deviceAnswer(body, QStringLiteral("T47_V1.05"));
    };
    QString holdBackPrefix; // the answer to the first body with this prefix comes late
    QStringList bodies; // every frame received, in order

private:
    void readFrames()
    {
        pending_ += pty_.readMaster(0);
        for (int end = int(pending_.indexOf('\r')); end >= 0; end = int(pending_.indexOf('\r'))) {
            const QByteArray line = pending_.left(end);
            pending_.remove(0, end + 1);
            const int head = int(line.indexOf("AT!XSMSC="));
            if (head < 0)
                continue;
            const QString body = QString::fromLatin1(line.mid(head + 9));
            bodies << body;
            QByteArray reply = answer(body);
            if (!held_.isEmpty()) { // the late answer goes out before the next one
                reply.prepend(held_);
                held_.clear();
            }
            if (!holdBackPrefix.isEmpty() && body.startsWith(holdBackPrefix)) {
                holdBackPrefix.clear();
                held_ = reply;
                continue;
            }
            pty_.writeMaster(reply);
        }
    }

    PtyPair &pty_;
    QSocketNotifier notifier_;
    QByteArray pending_;
    QByteArray held_;
};
} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT
private slots:
    void silentDeviceStopsTheFirstReadAndKeepsThePagesLocked_data();
    void silentDeviceStopsTheFirstReadAndKeepsThePagesLocked();
    void unsupportedVersionLocksThePagesUntilASupportedRead();
    void silenceAfterTheLastDestinationLeavesEveryPageUsable();
    void lateAnswerIsNotTakenForTheNextCommand();
    void noiseBetweenAnswersLosesNothing_data();
    void noiseBetweenAnswersLosesNothing();
    void refusedWriteInEveryLanguageStopsWriteAll_data();
    void refusedWriteInEveryLanguageStopsWriteAll();
    void floodKeepsLogAndAnswerBoundedAndTheWindowResponsive();
};

void FaultsTest::silentDeviceStopsTheFirstReadAndKeepsThePagesLocked_data()
{
    QTest::addColumn<QString>("answered"); // frames answered before the silence
    QTest::addColumn<QString>("unansweredBody");
    // The T47 read: VER, XML, APN, CFG1, CFG2, CAL 1-2, GEOFE 1-3, DEV 0-15, CSQ, RPT 1-5.
    QTest::newRow("first query") << "0"
                                 << "VER?:";
    QTest::newRow("caller ID") << "5"
                               << "CAL?:1";
    QTest::newRow("third destination") << "17"
                                       << "RPT?:3";
}

// No read has succeeded: the model is unknown, so the pages stay locked and
// Write All sends nothing.
void FaultsTest::silentDeviceStopsTheFirstReadAndKeepsThePagesLocked()
{
    QFETCH(QString, answered);
    QFETCH(QString, unansweredBody);
    WindowUnderTest t;
    QVERIFY2(t.start({"--mute-after", answered}), qPrintable(t.sim.errorString()));
    t.window->session()->setTimings(quickTimings());
    const QString callerIdBefore = t.window->lineEdit_call_id1->text();

    t.window->pushButtonOpen->click();
    QVERIFY2(t.waitFor(unanswered(unansweredBody, QStringLiteral("Read"))),
        qPrintable(t.recorder.texts().join(" | ")));

    Velomi &w = *t.window;
    QCOMPARE(w.session()->pendingCommand(), Session::Command::None);
    QVERIFY(!w.tabWidget_velomi->isEnabled());
    QVERIFY(w.widget_phone->isEnabled());
    QVERIFY(w.pushButtonClose->isEnabled()); // the port stays open
    QVERIFY(!t.saw(ReadDone));
    const QString log = w.textEditReceive->toPlainText();
    w.pushButton_writeAll->click();
    QCOMPARE(t.recorder.texts().last(), ReadFirst);
    QTest::qWait(50);
    QCOMPARE(w.textEditReceive->toPlainText(), log);
    // What was read before the silence is shown; what was not read is untouched.
    if (unansweredBody != QLatin1String("VER?:"))
        QCOMPARE(w.lineEdit_keywd->text(), t.sim.snapshot().value("KEYWD").toString());
    if (unansweredBody == QLatin1String("CAL?:1"))
        QCOMPARE(w.lineEdit_call_id1->text(), callerIdBefore);
}

// After a read of a supported model, a read that finds an unsupported one
// locks the pages and the report types again: they hold the other model's
// list, which no writer may send from.
void FaultsTest::unsupportedVersionLocksThePagesUntilASupportedRead()
{
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    ScriptedDevice device(pty);
    WindowUnderTest t; // its device process stays unused
    Velomi::Options options;
    options.port = pty.slavePath();
    options.profileDir = t.dir.path() + QStringLiteral("/Profile");
    options.backupDir = t.backupDir();
    t.window = std::make_unique<Velomi>(options);
    t.window->show();
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    QVERIFY(w.tabWidget_velomi->isEnabled());
    QVERIFY(w.comboBox_rpt_type_1->isEnabled());

    device.answer = [](const QString &body) {
        return deviceAnswer(body, QStringLiteral("T30_V1.0"));
    };
    w.pushButton_read->click();
    QVERIFY(t.waitFor(QStringLiteral("T9_W5 or T47 or T41 or T68 only!")));
    QVERIFY(!w.tabWidget_velomi->isEnabled());
    QVERIFY(!w.comboBox_rpt_type_1->isEnabled());
    const int frames = int(device.bodies.size());
    w.pushButton_writeAll->click();
    QCOMPARE(t.recorder.texts().last(), ReadFirst);
    QTest::qWait(50);
    QCOMPARE(device.bodies.size(), frames);

    device.answer = [](const QString &body) {
        return deviceAnswer(body, QStringLiteral("T68_V2.01"));
    };
    QVERIFY(t.read());
    QVERIFY(w.tabWidget_velomi->isEnabled());
    QVERIFY(w.comboBox_rpt_type_1->isEnabled());
}

// A _KAL read reached its end step, then the second schedule window went
// unanswered: the pages were unlocked by the end step, and the report types
// come back with them.
void FaultsTest::silenceAfterTheLastDestinationLeavesEveryPageUsable()
{
    WindowUnderTest t;
    // VER, APN, CFG1-2, CAL 1-2, GEOFE 1-3, DEV 0-15, CSQ, RPT 1-5, INACTW 1.
    QVERIFY2(t.start({"--version", "T68_KAL_V1.0", "--mute-after", "20"}),
        qPrintable(t.sim.errorString()));
    t.window->session()->setTimings(quickTimings());
    t.window->pushButtonOpen->click();
    QVERIFY2(t.waitFor(unanswered(QStringLiteral("INACTW?:2"), QStringLiteral("Read"))),
        qPrintable(t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    QVERIFY(w.tabWidget_velomi->isEnabled());
    for (int row = 1; row <= 5; ++row)
        QVERIFY(t.find(QStringLiteral("comboBox_rpt_type_%1").arg(row))->isEnabled());
}

// Write All gives up on an acknowledgement that is late; when it comes after
// all, in front of the next write's refusal, it must not pass for a success.
void FaultsTest::lateAnswerIsNotTakenForTheNextCommand()
{
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    ScriptedDevice device(pty);
    device.answer = [](const QString &body) {
        if (body.startsWith(QLatin1String("CALID:")))
            return QByteArray("<ERROR> CALID;\r\n");
        return deviceAnswer(body, QStringLiteral("T47_V1.05"));
    };
    WindowUnderTest t; // its device process stays unused
    Velomi::Options options;
    options.port = pty.slavePath();
    options.profileDir = t.dir.path() + QStringLiteral("/Profile");
    options.backupDir = t.backupDir();
    t.window = std::make_unique<Velomi>(options);
    t.window->show();
    t.window->session()->setTimings(quickTimings());
    QVERIFY(t.openAndRead());

    device.holdBackPrefix = QStringLiteral("APN:");
    t.window->pushButton_writeAll->click();
    QVERIFY(t.waitFor(
        unanswered(QStringLiteral("APN:internet,apnuser,apnpw"), QStringLiteral("Write All"))));
    QVERIFY(t.window->tabWidget_velomi->isEnabled());
    QCOMPARE(t.window->session()->pendingCommand(), Session::Command::None);

    const int successesBefore = t.count(WriteDone);
    t.window->lineEdit_call_id1->setText(QStringLiteral("abc"));
    t.window->pushButtonSet_callid->click();
    QVERIFY(t.waitFor(WriteError));
    QCOMPARE(t.count(WriteDone), successesBefore);
    QVERIFY(!t.saw(WriteAllDone));
}

void FaultsTest::noiseBetweenAnswersLosesNothing_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::newRow("garbage") << QStringList {"--garbage"};
    for (const char *seed : {"1", "2"})
        QTest::newRow(qPrintable(QStringLiteral("garbage, echo, chunks, seed %1").arg(seed)))
            << QStringList {"--garbage", "--echo", "--chunks", "--seed", seed};
}

// NUL bytes, 0xFF, XON/XOFF and the like before every answer: Write All goes
// through and the device holds exactly what the pages showed.
void FaultsTest::noiseBetweenAnswersLosesNothing()
{
    QFETCH(QStringList, simArgs);
    WindowUnderTest t;
    QVERIFY2(t.start(simArgs), qPrintable(t.sim.errorString()));
    QVERIFY2(t.openAndRead(), qPrintable(t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    w.lineEdit_keywd->setText(QStringLiteral("NOIS"));
    w.lineEdit_access->setText(QStringLiteral("7391"));
    w.lineEdit_apn_internet->setText(QStringLiteral("noisy.apn"));
    w.lineEdit_rpt_to_4->setText(QStringLiteral("+4940555"));
    w.lineEdit_call_id2->setText(QStringLiteral("+3312"));

    w.pushButton_writeAll->click();
    QVERIFY2(t.waitFor(WriteAllDone), qPrintable(t.recorder.texts().join(" | ")));
    const QJsonObject device = t.sim.snapshot();
    QCOMPARE(device.value("KEYWD").toString(), QStringLiteral("NOIS"));
    QCOMPARE(device.value("ACCES").toString(), QStringLiteral("7391"));
    QCOMPARE(device.value("APN").toArray().at(0).toString(), QStringLiteral("noisy.apn"));
    QCOMPARE(
        device.value("RPT").toArray().at(3).toArray().at(0).toString(), QStringLiteral("+4940555"));
    QCOMPARE(device.value("CAL").toArray().at(1).toString(), QStringLiteral("+3312"));
    QVERIFY(!t.saw(WriteError));
}

void FaultsTest::refusedWriteInEveryLanguageStopsWriteAll_data()
{
    QTest::addColumn<QString>("lang");
    for (const char *lang : {"en", "de", "fr", "nl"})
        QTest::newRow(lang) << QString::fromLatin1(lang);
}

// The last write of Write All (caller IDs) is refused: the device keeps its
// old caller IDs and every earlier write; the tool says so and unlocks.
void FaultsTest::refusedWriteInEveryLanguageStopsWriteAll()
{
    QFETCH(QString, lang);
    WindowUnderTest t;
    QVERIFY2(t.start({"--lang", lang, "--sensors", "20"}), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    const QJsonObject before = t.sim.snapshot();
    Velomi &w = *t.window;
    w.lineEdit_keywd->setText(QStringLiteral("LANG"));
    w.lineEdit_call_id1->setText(QStringLiteral("not a number"));

    w.pushButton_writeAll->click();
    QVERIFY2(t.waitFor(WriteError), qPrintable(t.recorder.texts().join(" | ")));
    QCOMPARE(t.count(WriteError), 1);
    QVERIFY(!t.saw(WriteAllDone));
    QCOMPARE(w.session()->pendingCommand(), Session::Command::None);
    QVERIFY(w.tabWidget_velomi->isEnabled());

    const QJsonObject after = t.sim.snapshot();
    QCOMPARE(after.value("KEYWD").toString(), QStringLiteral("LANG"));
    QCOMPARE(after.value("CAL"), before.value("CAL"));

    // A one-shot refused in the same language: the device has no free zone.
    w.session()->addSensor(QStringLiteral("04001a2b"));
    QVERIFY(t.waitFor(WriteError, 2));
    QCOMPARE(t.sim.snapshot().value("DEV"), before.value("DEV"));
    w.pushButton_csq->click(); // the next command is answered as usual
    QTRY_VERIFY_WITH_TIMEOUT(w.label_csq->text().contains(QStringLiteral("RSSI")), 5000);
}

// Thousands of lines of text nobody asked for: the log pane keeps the last
// few thousand, the collected answer stays bounded, and the next command is
// answered as usual.
void FaultsTest::floodKeepsLogAndAnswerBoundedAndTheWindowResponsive()
{
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    ScriptedDevice device(pty);
    WindowUnderTest t;
    Velomi::Options options;
    options.port = pty.slavePath();
    options.profileDir = t.dir.path() + QStringLiteral("/Profile");
    options.backupDir = t.backupDir();
    t.window = std::make_unique<Velomi>(options);
    t.window->show();
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;

    constexpr int Lines = 8000;
    QByteArray flood;
    for (int i = 0; i < Lines; ++i)
        flood += "+CREG: 1,\"00C3\",\"0012AB\" noise line " + QByteArray::number(i) + "\r\n";
    for (int at = 0; at < flood.size(); at += 4096) {
        QVERIFY(pty.writeMaster(flood.mid(at, 4096)));
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        w.textEditReceive->toPlainText().endsWith(QStringLiteral("line %1").arg(Lines - 1)), 60000);
    QVERIFY(w.textEditReceive->document()->blockCount() <= 5000);
    QVERIFY(w.session()->receivedText().size() <= ResponseAssembler::MaxLength);

    w.label_csq->clear();
    w.pushButton_csq->click();
    QTRY_VERIFY_WITH_TIMEOUT(w.label_csq->text().contains(QStringLiteral("RSSI")), 5000);
}

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
