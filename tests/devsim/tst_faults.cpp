// The simulated device's misbehaviour on request: pieces, echo, noise, languages, silence,
// think time, pacing, the log and its option checks.
#include "devsimprocess.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QList<QByteArray> Queries = {"VER?:", "XML?:", "APN?:", "CFG1?:", "CFG2?:", "CAL?:1",
    "GEOFE?:1", "DEV?:0", "CSQ:", "RPT?:2", "INFO:", "NOPE:", "KEYWD:ABCD;ACCES:1,1234"};

// Line noise removed: what is left of the answers.
QByteArray withoutNoise(QByteArray bytes)
{
    for (const char noise : {'\0', '\xff', '\x7f', '\x11', '\x13', '\x80', '\xa5', '~'})
        bytes.replace(QByteArray(1, noise), QByteArray());
    return bytes;
}

} // namespace

class DevSimFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void piecesEchoAndNoiseKeepTheContent_data();
    void piecesEchoAndNoiseKeepTheContent();
    void echoLines();
    void errorWordPerLanguage_data();
    void errorWordPerLanguage();
    void modelWithoutXml();
    void silentAfterReset();
    void muteAfterFrames();
    void latencyAndPacingDelayTheAnswer();
    void logRecordsBothDirections();
    void badOptionsAreRefused_data();
    void badOptionsAreRefused();

private:
    QList<QByteArray> m_plainAnswers;
};

void DevSimFaultsTest::initTestCase()
{
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(sim.start() && terminal.open(sim.portPath()));
    for (const QByteArray &query : Queries)
        m_plainAnswers << terminal.command(query);
    QVERIFY(!m_plainAnswers.contains(QByteArray()));
}

void DevSimFaultsTest::piecesEchoAndNoiseKeepTheContent_data()
{
    QTest::addColumn<QStringList>("arguments");
    for (const char *seed : {"1", "2"}) {
        QTest::addRow("pieces, seed %s", seed) << QStringList {"--chunks", "--seed", seed};
        QTest::addRow("echo, seed %s", seed) << QStringList {"--echo", "--seed", seed};
        QTest::addRow("pieces and echo, seed %s", seed)
            << QStringList {"--chunks", "--echo", "--seed", seed};
        QTest::addRow("everything, seed %s", seed)
            << QStringList {"--chunks", "--echo", "--garbage", "--seed", seed};
    }
}

void DevSimFaultsTest::piecesEchoAndNoiseKeepTheContent()
{
    QFETCH(QStringList, arguments);
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(sim.start(arguments) && terminal.open(sim.portPath()));
    for (int i = 0; i < Queries.size(); ++i) {
        const QByteArray received = terminal.command(Queries[i]);
        QCOMPARE(withoutNoise(DevSimTerminal::withoutEcho(received)), m_plainAnswers[i]);
    }
}

void DevSimFaultsTest::echoLines()
{
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(sim.start({"--echo"}) && terminal.open(sim.portPath()));
    QCOMPARE(terminal.command("VER?:"), QByteArray("AT!XSMSC:VER?:\r\n<OK> VER?:T47_V1.05;\r\n"));
    QCOMPARE(terminal.command("APN:a,b,c"), QByteArray("AT!XSMSC:APN:a,b,c\r\n<OK> APN;\r\n"));
}

void DevSimFaultsTest::errorWordPerLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("word");
    QTest::newRow("English") << "en" << QByteArray("<ERROR> ");
    QTest::newRow("German") << "de" << QByteArray("<Fehler> ");
    QTest::newRow("French") << "fr" << QByteArray("<ERREUR> ");
    QTest::newRow("Dutch") << "nl" << QByteArray("<FOUT> ");
}

void DevSimFaultsTest::errorWordPerLanguage()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, word);
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(sim.start({"--lang", language, "--no-xml"}) && terminal.open(sim.portPath()));
    QCOMPARE(terminal.command("NOPE:1"), word + "NOPE;\r\n");
    QCOMPARE(terminal.command("SPKVL:9"), word + "SPKVL;\r\n");
    QCOMPARE(terminal.command("CAL?:7"), word + "CAL?;\r\n");
    // These two read the same in every language.
    QCOMPARE(terminal.command("GEOFE:1,1,95,0,500"), QByteArray("<Fehler> GEOFE;\r\n"));
    QCOMPARE(terminal.command("XML?:"), QByteArray("<ERROR> XML?;\r\n"));
}

void DevSimFaultsTest::modelWithoutXml()
{
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(sim.start({"--no-xml", "--version", "T68_V2.01"}) && terminal.open(sim.portPath()));
    QCOMPARE(terminal.command("VER?:"), QByteArray("<OK> VER?:T68_V2.01;\r\n"));
    QCOMPARE(terminal.command("XML?:"), QByteArray("<ERROR> XML?;\r\n"));
    QCOMPARE(terminal.command("XML:u,p"), QByteArray("<OK> XML;\r\n")); // a write-all goes on
    QVERIFY(terminal.command("INFO:").startsWith("<OK> INFO:T68_V2.01,"));
}

void DevSimFaultsTest::silentAfterReset()
{
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(sim.start({"--silent-after-reset", "0.4"}) && terminal.open(sim.portPath()));
    for (const QByteArray &reset : {QByteArray("RESET:"), QByteArray("RSTG:")}) {
        QCOMPARE(terminal.command(reset), "<OK> " + reset.chopped(1) + ";\r\n");
        QCOMPARE(terminal.command("VER?:", 150), QByteArray());
        QTest::qWait(400);
        QCOMPARE(terminal.command("VER?:"), QByteArray("<OK> VER?:T47_V1.05;\r\n"));
    }
    QCOMPARE(sim.snapshot().value("oneShots").toArray().size(), 2);
}

void DevSimFaultsTest::muteAfterFrames()
{
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(sim.start({"--mute-after", "2"}) && terminal.open(sim.portPath()));
    QVERIFY(!terminal.command("VER?:").isEmpty());
    QVERIFY(!terminal.command("APN:x,,").isEmpty());
    QCOMPARE(terminal.command("VER?:", 300), QByteArray());
    QCOMPARE(sim.snapshot().value("APN").toArray().first().toString(), QStringLiteral("x"));
}

void DevSimFaultsTest::latencyAndPacingDelayTheAnswer()
{
    // Only lower bounds: a slow machine may take longer, never shorter.
    struct Case
    {
        QStringList arguments;
        QByteArray query;
        int atLeastMs;
    };
    const QList<Case> cases = {
        {{"--latency", "300"}, "VER?:", 250},
        {{"--baud", "2400"}, "CFG1?:", 400}, // about 140 bytes at 240 bytes a second
    };
    for (const Case &c : cases) {
        DevSimProcess sim;
        DevSimTerminal terminal;
        QVERIFY(sim.start(c.arguments) && terminal.open(sim.portPath()));
        QElapsedTimer clock;
        clock.start();
        const QByteArray answer = terminal.command(c.query, 5000);
        QVERIFY2(answer.startsWith("<OK> ") && answer.endsWith(";\r\n"), answer.constData());
        QVERIFY2(clock.elapsed() >= c.atLeastMs, qPrintable(c.arguments.join(' ')));
    }
}

void DevSimFaultsTest::logRecordsBothDirections()
{
    QTemporaryDir dir;
    const QString logPath = dir.filePath("frames.log");
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(sim.start({"--log", logPath}) && terminal.open(sim.portPath()));
    QVERIFY(!terminal.command("CSQ:").isEmpty());
    QVERIFY(sim.stop());
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    QVERIFY2(text.contains(" IN  AT!XSMSC=CSQ:\\r\n"), text.constData());
    QVERIFY2(text.contains(" OUT <OK> CSQ:23,99;\\r\\n\n"), text.constData());
}

void DevSimFaultsTest::badOptionsAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown") << QStringList {"--frobnicate"};
    QTest::newRow("missing value") << QStringList {"--latency"};
    QTest::newRow("language") << QStringList {"--lang", "es"};
    QTest::newRow("fail blocks") << QStringList {"--fail-blocks", "3-2"};
    QTest::newRow("block 0") << QStringList {"--fail-blocks", "0:1"};
    QTest::newRow("sensors") << QStringList {"--sensors", "21"};
    QTest::newRow("version with a comma") << QStringList {"--version", "T47,V1"};
}

void DevSimFaultsTest::badOptionsAreRefused()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(VELOMI_DEVSIM_PATH, arguments);
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QVERIFY(process.readAllStandardError().startsWith(
        "velomi-devsim: " + arguments.first().toLatin1()));
}

QTEST_GUILESS_MAIN(DevSimFaultsTest)
#include "tst_faults.moc"
