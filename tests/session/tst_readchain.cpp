// The read chain against a scripted device: which queries, in which order,
// how it ends, and what stops it.
#include <QTest>

#include "sessionfixture.h"

namespace {
QStringList commonTail()
{
    return {QStringLiteral("APN?:"), QStringLiteral("CFG1?:"), QStringLiteral("CFG2?:"),
        QStringLiteral("CAL?:1"), QStringLiteral("CAL?:2"), QStringLiteral("GEOFE?:1"),
        QStringLiteral("GEOFE?:2"), QStringLiteral("GEOFE?:3"), QStringLiteral("DEV?:0"),
        QStringLiteral("DEV?:5"), QStringLiteral("DEV?:10"), QStringLiteral("DEV?:15"),
        QStringLiteral("CSQ:"), QStringLiteral("RPT?:1"), QStringLiteral("RPT?:2"),
        QStringLiteral("RPT?:3"), QStringLiteral("RPT?:4"), QStringLiteral("RPT?:5")};
}

const QString Success = QStringLiteral("Read configuration success!");
} // namespace

class ReadChainTest : public QObject
{
    Q_OBJECT
private slots:
    void queryOrder_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("queries");
        QTest::addColumn<int>("finalCode");
        const QStringList ver {QStringLiteral("VER?:")};
        const QStringList xml {QStringLiteral("XML?:")};
        QTest::newRow("T47") << "T47_V1.05" << ver + xml + commonTail() << 0;
        QTest::newRow("T68") << "T68_V2.01" << ver + commonTail() << 0;
        QTest::newRow("_QO") << "T41_QO_V1.0" << ver + commonTail() + QStringList {"INFO:"}
                             << int(Session::Command::Information);
        QTest::newRow("_KAL") << "T68_KAL_V1.0"
                              << ver + commonTail() + QStringList {"INACTW?:1", "INACTW?:2"} << 0;
        QTest::newRow("unsupported") << "T30_V1.0" << ver << 0;
        QTest::newRow("base station") << "PSTN_BASE_V3" << ver << 0;
    }
    void queryOrder()
    {
        QFETCH(QString, version);
        QFETCH(QStringList, queries);
        QFETCH(int, finalCode);
        SessionFixture f;
        f.version = version;
        f.session.startRead();
        QVERIFY(f.settle());
        QCOMPARE(f.link.sentBodies(), queries);
        QCOMPARE(int(f.session.pendingCommand()), finalCode);
        QVERIFY(f.session.configurationRead());

        const bool supported = queries.size() > 1;
        const QString expectedNotice
            = supported ? Success : QStringLiteral("T9_W5 or T47 or T41 or T68 only!");
        QCOMPARE(f.noticeTexts(), QStringList {expectedNotice});
        QCOMPARE(f.session.completedReads(), supported ? 1 : 0);
        QCOMPARE(f.readsFinished, supported ? 1 : 0);
        QCOMPARE(f.models.size(), 1);
        if (supported) {
            QCOMPARE(f.pages.last(), true);
            // The two sensors of the first page, collected behind a ",".
            QCOMPARE(f.session.sensorListText(), QStringLiteral(",(1,4),(2,6)"));
            QCOMPARE(f.sensorLists.size(), 1);
            QCOMPARE(f.sensorLists.first().size(), 2);
        }
    }

    void kalSuccessOnlyAfterSecondWindow()
    {
        SessionFixture f;
        f.version = QStringLiteral("T68_KAL_V1.0");
        QList<QPair<bool, bool>> variantPages;
        QObject::connect(&f.session, &Session::variantPagesRequested,
            [&](bool info, bool mobility) { variantPages << qMakePair(info, mobility); });
        f.link.script(QStringLiteral("INACTW?:2"), QByteArray()); // held back
        f.session.startRead();
        QVERIFY(
            f.settle([&] { return f.link.sentBodies().endsWith(QStringLiteral("INACTW?:2")); }));
        QTest::qWait(20);
        QVERIFY(f.notices.isEmpty());
        QCOMPARE(f.session.completedReads(), 1);
        QCOMPARE(variantPages, (QList<QPair<bool, bool>> {{false, true}}));

        f.link.feed("<OK> INACTW?:2,8,0,20,30,720;\r\n");
        QVERIFY(f.settle([&] { return !f.notices.isEmpty(); }));
        QCOMPARE(f.noticeTexts(), QStringList {Success});
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
    }

    void refusedXmlQueryContinues()
    {
        SessionFixture f;
        f.link.script(QStringLiteral("XML?:"), "<ERROR> XML?;\r\n");
        f.session.startRead();
        QVERIFY(f.settle());
        QCOMPARE(f.link.sentBodies().mid(1, 2), (QStringList {"XML?:", "APN?:"}));
        QCOMPARE(f.noticeTexts(), QStringList {Success});
        for (const FormValues &v : f.values)
            QVERIFY(!v.contains(QStringLiteral("lineEdit_XML_user")));
    }

    // A refused query ends the read with one warning that names it; no
    // "did not answer" follows once the answer time has passed.
    void refusedQueryStopsTheReadWithOneWarning()
    {
        SessionFixture f;
        f.link.script(QStringLiteral("CFG1?:"), "<ERROR> CFG1?;\r\n");
        f.session.startRead();
        QVERIFY(f.settle([&] { return !f.notices.isEmpty(); }));
        QTest::qWait(2 * f.session.timings().answerMs);
        QCOMPARE(f.noticeTexts(), QStringList {"The device refused \"CFG1?:\". Read stopped."});
        QCOMPARE(f.notices.first().kind, Notice::Warning);
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
        QCOMPARE(f.link.sentBodies().last(), QStringLiteral("CFG1?:"));
        QVERIFY(!f.session.isBusy());
    }

    void reportAnswerWithoutRowStopsWithWord()
    {
        SessionFixture f;
        f.link.script(QStringLiteral("RPT?:3"), "<OK> RPT?:,x,1,0,0,255;\r\n");
        f.session.startRead();
        QVERIFY(f.settle());
        QCOMPARE(f.link.sentBodies().last(), QStringLiteral("RPT?:3"));
        QCOMPARE(f.noticeTexts().size(), 1);
        QVERIFY(f.noticeTexts().first().contains(QLatin1String("RPT?:3")));
        QCOMPARE(f.session.completedReads(), 0);
    }

    void silentDeviceTimesOut()
    {
        SessionFixture f;
        f.link.script(QStringLiteral("CFG1?:"), QByteArray()); // never answered
        f.session.startRead();
        QVERIFY(f.settle([&] { return !f.notices.isEmpty(); }));
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
        QVERIFY(!f.session.isBusy());
        QCOMPARE(f.notices.size(), 1);
        QCOMPARE(f.notices.first().kind, Notice::Warning);
        QVERIFY(f.notices.first().text.contains(QLatin1String("\"CFG1?:\"")));
        QVERIFY(f.notices.first().text.contains(QLatin1String("Read")));
        QVERIFY(f.pages.isEmpty()); // no read has unlocked them

        // The answer comes after all: dropped, nothing sent, nothing decoded.
        const int sent = f.link.sent().size();
        const int decoded = f.values.size();
        f.link.feed("<OK> CFG1?:KEYWD:LATE;ACCES:1,9999;\r\n");
        QTest::qWait(20);
        QCOMPARE(f.link.sent().size(), sent);
        QCOMPARE(f.values.size(), decoded);
        QCOMPARE(f.session.receivedText(), QString());
        QCOMPARE(f.notices.size(), 1);
    }

    void restartCountdownEndsInOneRead()
    {
        SessionFixture f;
        f.session.rebootDevice();
        QVERIFY(f.settle([&] { return f.link.sentBodies().contains(QStringLiteral("VER?:")); }));
        QVERIFY(f.settle());

        QCOMPARE(
            f.noticeTexts().first(), QStringLiteral("Reboot Device OK, please wait 30 seconds!"));
        QStringList countdown;
        for (const QString &line : f.log)
            if (line.endsWith(QLatin1String(" sec")))
                countdown << line;
        QStringList expected;
        for (int s = 30; s >= 0; --s)
            expected << QStringLiteral("%1 sec").arg(s);
        QCOMPARE(countdown, expected);
        QCOMPARE(f.areas, (QList<bool> {false, true}));
        QCOMPARE(f.pages.first(), false);
        QCOMPARE(f.link.sentBodies().count(QStringLiteral("VER?:")), 1);
        QCOMPARE(f.session.completedReads(), 1);
        QCOMPARE(f.session.restartCountdown(), 0);
    }
};

QTEST_GUILESS_MAIN(ReadChainTest)
#include "tst_readchain.moc"
