// Write All against a scripted device: the frames and progress of each
// model branch, and every way the chain ends.
#include <QTest>

#include "sessionfixture.h"

namespace {
QStringList reportRows(int count)
{
    QStringList rows;
    for (int n = 1; n <= count; ++n)
        rows << QStringLiteral("RPT:%1,").arg(n);
    return rows;
}

// Each sent body must start with the expected prefix, one for one.
bool framesMatch(const QStringList &bodies, const QStringList &prefixes)
{
    if (bodies.size() != prefixes.size())
        return false;
    for (int i = 0; i < bodies.size(); ++i)
        if (!bodies.at(i).startsWith(prefixes.at(i)))
            return false;
    return true;
}

const QString Done = QStringLiteral("Write all configuration success!");
} // namespace

class WriteAllTest : public QObject
{
    Q_OBJECT
private slots:
    void branches_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("frames");
        QTest::addColumn<QList<int>>("progress");
        const QStringList head {"KEYWD:", "APN:"};
        const QStringList tail {"BTNEV:", "GEOTR:", "CALID:"};
        QTest::newRow("T47") << "T47_V1.05" << head + reportRows(5) + QStringList {"XML:"} + tail
                             << QList<int> {10, 7, 14, 21, 28, 35, 42, 70, 77, 84, 100};
        QTest::newRow("T2") << "T41_T2_V1.0"
                            << head + reportRows(5)
                + QStringList {"XML:", "GEOFE:1,1,", "GEOFE:2,0,0,0,0", "GEOFE:3,2,3,"} + tail
                            << QList<int> {10, 7, 14, 21, 28, 35, 42, 49, 56, 63, 70, 77, 84, 100};
        QTest::newRow("T68") << "T68_V2.01"
                             << head + reportRows(4) + QStringList {"GEOFE:1,1,"} + tail
                             << QList<int> {10, 11, 22, 33, 44, 55, 66, 77, 88, 100};
        // A base station never passes the version step (unsupportedModelOnlySays).
    }
    void branches()
    {
        QFETCH(QString, version);
        QFETCH(QStringList, frames);
        QFETCH(QList<int>, progress);
        SessionFixture f;
        f.version = version;
        f.readAll();
        int pendingAtSuccess = -1;
        f.onNotice = [&](const Notice &n) {
            if (n.text == Done)
                pendingAtSuccess = int(f.session.pendingCommand());
        };

        QVERIFY(f.session.canWriteAll());
        f.session.startWriteAll();
        QVERIFY(f.settle());
        QVERIFY2(framesMatch(f.link.sentBodies(), frames),
            qPrintable(f.link.sentBodies().join(QLatin1String(" | "))));
        QCOMPARE(f.progress, progress);
        QCOMPARE(f.pages, (QList<bool> {false, true}));
        QCOMPARE(f.noticeTexts(), QStringList {Done});
        QCOMPARE(pendingAtSuccess, 0); // state settled before the box shows
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
    }

    void closedPortOnlySays()
    {
        SessionFixture f;
        f.link.setOpen(false);
        QVERIFY(!f.session.canWriteAll());
        f.session.startWriteAll();
        QCOMPARE(f.noticeTexts(), QStringList {"Serial Port is not open! \"Write All\""});
        QVERIFY(f.link.sent().isEmpty());
        QVERIFY(f.pages.isEmpty());
        QVERIFY(f.log.isEmpty());
    }

    // The read stopped at an unsupported version (a base station here): the
    // pages hold another model's values, so nothing is written.
    void unsupportedModelOnlySays()
    {
        SessionFixture f;
        f.version = QStringLiteral("BASE_V3");
        f.readAll();
        QVERIFY(f.session.model().baseStation);
        f.session.startWriteAll();
        QCOMPARE(f.noticeTexts(),
            QStringList {"Read the configuration of a supported device first! \"Write All\""});
        QVERIFY(f.link.sent().isEmpty());
        QVERIFY(f.pages.isEmpty());
    }

    void errorAnswerEndsChain_data()
    {
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("warning");
        QTest::newRow("report row")
            << "RPT:2" << QByteArray("<ERROR> RPT;\r\n") << "Write command error!  ";
        QTest::newRow("French APN")
            << "APN:" << QByteArray("<ERREUR> APN;\r\n") << "Write command error!  ";
        // One refused item in an otherwise acknowledged Settings frame.
        QTest::newRow("settings item")
            << "BTNEV:" << QByteArray("<OK> BTNEV;<FOUT> FSST;\r\n") << "Write command error!  ";
    }
    void errorAnswerEndsChain()
    {
        QFETCH(QString, refused);
        QFETCH(QByteArray, answer);
        QFETCH(QString, warning);
        SessionFixture f;
        f.readAll();
        f.link.script(refused, answer);
        f.session.startWriteAll();
        QVERIFY(f.settle());
        QCOMPARE(f.link.sentBodies().last().left(refused.size()), refused);
        QCOMPARE(f.noticeTexts(), QStringList {warning});
        QCOMPARE(f.pages.last(), true);
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
    }

    void refusedValueEndsChain_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("framesSent");
        QTest::newRow("short access code") << "lineEdit_access"
                                           << "482"
                                           << "T47_V1.05"
                                           << "SMS Program" << 0;
        QTest::newRow("empty keyword") << "lineEdit_keywd"
                                       << ""
                                       << "T47_V1.05"
                                       << "SMS Program" << 0;
        // Fence 1 is written after the fourth report row on a T68.
        QTest::newRow("small radius") << "lineEdit_radius_1_0"
                                      << "50"
                                      << "T68_V2.01"
                                      << "Geo-fence" << 6;
    }
    void refusedValueEndsChain()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, version);
        QFETCH(QString, page);
        QFETCH(int, framesSent);
        SessionFixture f;
        f.version = version;
        f.readAll();
        f.form.setText(field, text);
        f.session.startWriteAll();
        QVERIFY(f.settle());
        QCOMPARE(f.link.sent().size(), framesSent);
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
        QVERIFY(!f.session.isBusy());
        QCOMPARE(f.pages.last(), true);
        QVERIFY(f.notices.size() >= 2);
        QVERIFY2(f.notices.last().text.contains(QStringLiteral("\"%1\"").arg(page)),
            qPrintable(f.notices.last().text));
    }

    void silentDeviceEndsChainAndLateAnswerIsIgnored()
    {
        SessionFixture f;
        f.readAll();
        f.link.script(QStringLiteral("APN:"), QByteArray());
        f.session.startWriteAll();
        QVERIFY(f.settle([&] { return !f.notices.isEmpty(); }));
        QCOMPARE(f.session.pendingCommand(), Session::Command::None);
        QCOMPARE(f.pages, (QList<bool> {false, true}));
        QVERIFY(f.notices.first().text.contains(QLatin1String("\"APN:internet")));
        QVERIFY(f.notices.first().text.contains(QLatin1String("Write All")));

        // Again, and now the late acknowledgement of the old APN write comes
        // before the keyword's: the chain must still write the APN next.
        f.link.unscript(QStringLiteral("APN:"));
        f.link.script(QStringLiteral("KEYWD:"), QByteArray());
        f.link.clearSent();
        f.notices.clear();
        f.session.startWriteAll();
        f.link.feed("<OK> APN;\r\n");
        QTest::qWait(5); // dispatched on its own
        f.link.feed("<OK> KEYWD;<OK> ACCES;\r\n");
        QVERIFY(f.settle());
        QVERIFY(f.link.sentBodies().at(0).startsWith(QLatin1String("KEYWD:")));
        QVERIFY(f.link.sentBodies().at(1).startsWith(QLatin1String("APN:")));
        QVERIFY(f.link.sentBodies().at(2).startsWith(QLatin1String("RPT:1,")));
        QCOMPARE(f.noticeTexts(), QStringList {Done});
    }
};

QTEST_GUILESS_MAIN(WriteAllTest)
#include "tst_writeall.moc"
