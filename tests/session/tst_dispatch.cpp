// Sending, receiving and the follow-ons of acknowledgements: frames and
// guards, chunk assembly, the report and sensor chains, the firmware exchange.
#include <QTest>

#include "session/staleanswerfilter.h"
#include "sessionfixture.h"

class DispatchTest : public QObject
{
    Q_OBJECT
private slots:
    void signalStrengthFrame()
    {
        SessionFixture f;
        f.link.setResponder({});
        f.link.feed("junk");
        QVERIFY(f.settle([&] { return f.session.receivedText() == QLatin1String("junk"); }));
        f.session.signalStrength();
        QCOMPARE(f.link.sent(), QList<QByteArray> {QByteArray("AT!XSMSC=CSQ:\r")});
        QCOMPARE(f.link.sent().first().size(), 14);
        QCOMPARE(f.log.last(), QStringLiteral("AT!XSMSC=CSQ:\r"));
        QCOMPARE(f.session.receivedText(), QString());
        QCOMPARE(f.session.pendingCommand(), Session::Command::SignalStrength);
        QCOMPARE(f.session.lastCommandFrame(), QByteArray("AT!XSMSC=CSQ:\r"));

        f.link.feed("<OK> CSQ:23,99;\r\n");
        QVERIFY(f.settle([&] { return f.session.pendingCommand() == Session::Command::None; }));
        QCOMPARE(
            f.values.last().text(QStringLiteral("label_csq")), QStringLiteral("RSSI:23\r\n99;"));
        QVERIFY(f.notices.isEmpty());
    }

    void guardedSendersWithClosedPort()
    {
        using Call = std::function<void(Session &)>;
        const QList<Call> guarded {
            [](Session &s) { s.signalStrength(); },
            [](Session &s) { s.scream(0); },
            [](Session &s) { s.locate(); },
            [](Session &s) { s.rebootDevice(); },
            [](Session &s) { s.rebootGsm(); },
            [](Session &s) { s.factoryReset(); },
            [](Session &s) { s.setDebug(2); },
            [](Session &s) { s.setGsmOnOff(1); },
            [](Session &s) { s.writeApn(); },
            [](Session &s) { s.writeKeywordAccess(); },
            [](Session &s) { s.writeDeviceSettings(); },
            [](Session &s) { s.writeReports(); },
            [](Session &s) { s.writeFence(1, 1); },
            [](Session &s) { s.writeInactivity(); },
        };
        for (const Call &call : guarded) {
            SessionFixture f;
            f.link.setOpen(false);
            call(f.session);
            QCOMPARE(f.noticeTexts(), QStringList {"Port not opened!"});
            QVERIFY(f.log.isEmpty());
            QVERIFY(f.values.isEmpty());
            QCOMPARE(f.session.lastCommandFrame(), QByteArray());
            QCOMPARE(f.session.pendingCommand(), Session::Command::None);
        }
        // The information query has no guard: it is logged and awaited.
        SessionFixture f;
        f.link.setOpen(false);
        f.session.loadInformation();
        QCOMPARE(f.log, QStringList {"AT!XSMSC=INFO:\r"});
        QCOMPARE(f.session.pendingCommand(), Session::Command::Information);
        QVERIFY(f.notices.isEmpty());
    }

    void oneShotBodies()
    {
        SessionFixture f;
        f.link.setResponder({});
        f.session.scream(0);
        f.session.scream(11);
        f.session.setDebug(2);
        f.session.setGsmOnOff(1);
        f.session.omadm(true);
        QCOMPARE(f.link.sentBodies(),
            (QStringList {"SCREAM:5", "SCREAM:16", "DEBUG:2", "GSMNF:1;", "OMADM:1;"}));
        QCOMPARE(f.values.last().index(QStringLiteral("comboBox_gsm_on_off_function2")), 1);
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
    }

    // Every split of the version answer into two chunks, delivered in
    // separate passes or in one: one dispatch, one next query.
    void splitAnswerDispatchedOnce()
    {
        const QByteArray answer("<OK> VER?:T47_V1.05;\r\n");
        for (int cut = 1; cut < answer.size(); ++cut) {
            for (bool samePass : {false, true}) {
                SessionFixture f;
                f.link.setResponder({});
                f.session.startRead();
                f.link.feed(answer.left(cut));
                if (!samePass)
                    QCoreApplication::processEvents();
                f.link.feed(answer.mid(cut));
                QVERIFY(f.settle([&] { return f.link.sent().size() > 1; }, 500));
                QCoreApplication::processEvents();
                QCOMPARE(f.models.size(), 1);
                QCOMPARE(f.link.sentBodies(), (QStringList {"VER?:", "XML?:"}));
            }
        }
    }

    void echoLinesAreDropped_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::newRow("one chunk") << QList<QByteArray> {"AT!XSMSC:VER?:\r\n<OK> VER?:T47_V1;\r\n"};
        QTest::newRow("echo then answer")
            << QList<QByteArray> {"AT!XSMSC:VER?:\r\n", "<OK> VER?:T47_V1;\r\n"};
        QTest::newRow("echo split")
            << QList<QByteArray> {"AT!XSM", "SC:VER?:\r", "\n<OK> VER?:T4", "7_V1;\r\n"};
    }
    void echoLinesAreDropped()
    {
        QFETCH(QList<QByteArray>, chunks);
        SessionFixture f;
        f.link.setResponder({});
        f.session.startRead();
        for (const QByteArray &chunk : chunks) {
            f.link.feed(chunk);
            QCoreApplication::processEvents();
        }
        QVERIFY(f.settle([&] { return f.link.sent().size() > 1; }, 500));
        QCOMPARE(f.models.size(), 1);
        QCOMPARE(f.models.first().versionText, QStringLiteral(":T47_V1"));
        QCOMPARE(f.link.sentBodies().last(), QStringLiteral("XML?:"));
    }

    void reportWriteChain()
    {
        SessionFixture f;
        f.readAll();
        f.session.writeReports();
        QCOMPARE(f.session.pendingCommand(), Session::Command::WriteReport);
        QVERIFY(f.settle());
        QStringList rows;
        for (const QString &body : f.link.sentBodies())
            rows << body.left(6);
        QCOMPARE(rows, (QStringList {"RPT:1,", "RPT:2,", "RPT:3,", "RPT:4,", "RPT:5,"}));
        QCOMPARE(f.noticeTexts(), QStringList {"Write command success!  "});
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
    }

    void reportWriteStopsOnError()
    {
        SessionFixture f;
        f.readAll();
        f.link.script(QStringLiteral("RPT:3"), "<ERROR> RPT;\r\n");
        f.session.writeReports();
        QVERIFY(f.settle());
        QCOMPARE(f.link.sentBodies().size(), 3);
        QCOMPARE(f.noticeTexts(), QStringList {"Write command error!  "});
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
    }

    // The report and sensor chains give up on a silent device like the read
    // does: the command is named, nothing waits any more, the pages are back.
    void silentDeviceEndsTheOtherChains_data()
    {
        QTest::addColumn<QString>("silentOn");
        QTest::addColumn<QString>("chain");
        QTest::addColumn<bool>("writeReports");
        QTest::newRow("third report row") << "RPT:3"
                                          << "Report write" << true;
        QTest::newRow("second sensor page") << "DEV?:5"
                                            << "Sensor list" << false;
    }
    void silentDeviceEndsTheOtherChains()
    {
        QFETCH(QString, silentOn);
        QFETCH(QString, chain);
        QFETCH(bool, writeReports);
        SessionFixture f;
        f.readAll();
        f.link.script(silentOn, QByteArray()); // never answered
        if (writeReports)
            f.session.writeReports();
        else
            f.session.addSensor(QStringLiteral("00001a2b"));
        QVERIFY(f.settle(
            [&] { return f.noticeTexts().join(' ').contains(QLatin1String("did not answer")); }));
        QVERIFY(f.link.sentBodies().last().startsWith(silentOn));
        const QString warning = f.noticeTexts().last();
        QVERIFY2(warning.contains(QLatin1String("\"") + f.link.sentBodies().last())
                && warning.contains(chain),
            qPrintable(warning));
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
        QVERIFY(!f.session.isBusy());
        QCOMPARE(f.pages.last(), true);
    }

    void sensorListAfterAdd_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("queries");
        QTest::newRow("paged") << "T47_V1.05"
                               << QStringList {"DEV?:0", "DEV?:5", "DEV?:10", "DEV?:15"};
        QTest::newRow("no version read") << QString() << QStringList {"DEV?:"};
    }
    void sensorListAfterAdd()
    {
        QFETCH(QString, version);
        QFETCH(QStringList, queries);
        SessionFixture f;
        if (!version.isEmpty()) {
            f.version = version;
            f.readAll();
            f.sensorLists.clear();
        }
        f.session.addSensor(QStringLiteral("00001a2b"));
        QVERIFY(f.settle([&] { return !f.sensorLists.isEmpty(); }));
        QCOMPARE(f.link.sentBodies(), QStringList {"DEVAD:00001a2b"} + queries);
        QCOMPARE(f.noticeTexts(), QStringList {"Add Device command success!  "});
        const QList<SensorCodec::SensorRow> expected {{"1", "Door Contact"}, {"2", "Panic Button"}};
        QCOMPARE(f.sensorLists.last(), expected);
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
    }

    void repeatedErrorTextWarnsOnce()
    {
        SessionFixture f;
        f.link.setResponder({});
        f.session.writeApn();
        f.link.feed("<ERR");
        QCoreApplication::processEvents();
        f.link.feed("OR> APN");
        QCoreApplication::processEvents();
        f.link.feed(";\r\n");
        QVERIFY(f.settle([&] { return !f.notices.isEmpty(); }, 300));
        QTest::qWait(20);
        QCOMPARE(f.noticeTexts(), QStringList {"Write command error!  "});
    }

    void multiItemAcknowledgementInPiecesSucceedsOnce()
    {
        // On a slow line the Settings acknowledgement arrives item by item.
        SessionFixture f;
        f.link.setResponder({});
        f.session.writeDeviceSettings();
        for (const char *piece : {"<OK> BTNEV;", "<OK> GUDT;<OK> TESTC;", "<OK> FSST;", "\r\n"}) {
            f.link.feed(piece);
            QCoreApplication::processEvents();
            QTest::qWait(5);
        }
        QVERIFY(f.settle([&] { return !f.notices.isEmpty(); }, 300));
        QTest::qWait(20);
        QCOMPARE(f.noticeTexts(), QStringList {"Write command success!  "});
    }

    void firmwareRefusedStartStaysIdle()
    {
        SessionFixture f;
        QVERIFY(f.session.loadFirmware(QByteArray(99999, 'x'))); // length not six digits
        f.session.startUpgrade();
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
        QVERIFY(!f.session.isUpgrading());
        QVERIFY(f.link.sent().isEmpty());
        QCOMPARE(f.pages.last(), true);
        QCOMPARE(f.notices.size(), 1);

        SessionFixture closed;
        closed.link.setOpen(false);
        QVERIFY(closed.session.loadFirmware(QByteArray(100000, 'x')));
        closed.session.startUpgrade();
        QCOMPARE(closed.noticeTexts(), QStringList {"Port not opened!"});
        QVERIFY(!closed.session.isUpgrading());
        QCOMPARE(closed.pages.last(), true);
    }

    void firmwareTransferAndRestart()
    {
        SessionFixture f;
        f.link.setResponder([](const QString &) { return QByteArray("OK\r\n"); });
        QVERIFY(f.session.loadFirmware(QByteArray(100000, '\x5a')));
        f.session.startUpgrade();
        QCOMPARE(f.session.pendingCommand(), Session::Command::UpgradeAnnounce);
        QVERIFY(f.settle([&] { return f.reopenRequests > 0; }, 10000));
        QCOMPARE(f.link.sent().first().left(12), QByteArray("AT!XUPGRADE,"));
        QCOMPARE(f.link.sent().size(), 1 + (100000 + 255) / 256);
        QCOMPARE(f.closeRequests, 1);
        QCOMPARE(f.noticeTexts(),
            (QStringList {"MG Upgrade Finish. Please wait 30 seconds!",
                "Countdown finish. Read Configuration!"}));
        QCOMPARE(f.progress.last(), 100);
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
        QVERIFY(f.log.contains(QStringLiteral("0 sec")));
    }

    void firmwareSilenceGivesUp()
    {
        SessionFixture f;
        f.link.setResponder({});
        QVERIFY(f.session.loadFirmware(QByteArray(100000, 'x')));
        f.session.startUpgrade();
        QVERIFY(f.settle([&] { return !f.notices.isEmpty(); }, 2000));
        QCOMPARE(f.notices.first().kind, Notice::Warning);
        QVERIFY(f.notices.first().text.contains(QLatin1String("stopped answering")));
        QCOMPARE(f.closeRequests, 1);
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
        QVERIFY(!f.session.isUpgrading());
        QVERIFY(f.settle([&] { return f.areas.size() >= 2; }, 500));
        QCOMPARE(f.areas.last(), true); // one countdown tick frees the window again
    }

    void staleFilter_data()
    {
        QTest::addColumn<QString>("unanswered");
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QByteArray>("passed");
        QTest::newRow("late query answer")
            << "CFG1?:" << QList<QByteArray> {"<OK> CFG1?:A:1;\r\n<OK> K"} << QByteArray("<OK> K");
        QTest::newRow("late ack in pieces")
            << "APN:x,y,z" << QList<QByteArray> {"<OK> AP", "N;\r\n<OK> KEYWD;"}
            << QByteArray("<OK> KEYWD;");
        QTest::newRow("late error")
            << "RPT:2,5,1,0,0,255" << QList<QByteArray> {"<ERROR> RPT;\r\n"} << QByteArray();
        QTest::newRow("echo passes")
            << "VER?:" << QList<QByteArray> {"AT!XSMSC:APN?:\r\n<OK> VER?:x;\r\n"}
            << QByteArray("AT!XSMSC:APN?:\r\n");
        QTest::newRow("other answer ends watch")
            << "VER?:" << QList<QByteArray> {"<OK> APN?:a,b,c;\r\n<OK> VER?:x;\r\n"}
            << QByteArray("<OK> APN?:a,b,c;\r\n<OK> VER?:x;\r\n");
        QTest::newRow("similar key kept") << "RPT:1,x" << QList<QByteArray> {"<OK> RPT?:1,x;\r\n"}
                                          << QByteArray("<OK> RPT?:1,x;\r\n");
    }
    void staleFilter()
    {
        QFETCH(QString, unanswered);
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QByteArray, passed);
        StaleAnswerFilter filter;
        filter.arm(unanswered);
        QByteArray out;
        for (const QByteArray &chunk : chunks)
            out += filter.filter(chunk);
        QCOMPARE(out, passed);
        QVERIFY(!filter.isArmed());
    }

    void staleFilterSameKeyAccepts()
    {
        StaleAnswerFilter filter;
        filter.arm(QStringLiteral("VER?:"));
        filter.commandSent(QStringLiteral("VER?:"));
        QVERIFY(!filter.isArmed());
        QCOMPARE(filter.filter("<OK> VER?:x;\r\n"), QByteArray("<OK> VER?:x;\r\n"));
    }
};

QTEST_GUILESS_MAIN(DispatchTest)
#include "tst_dispatch.moc"
