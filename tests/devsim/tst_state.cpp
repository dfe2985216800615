// The simulated device's state file, dump, terminal link and clean stop on signals.
#include "devsimprocess.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

class DevSimStateTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void stateFileAndDump();
    void badStateFileIsRefused();
    void linkAndSignals();

private:
    QByteArray ask(const QByteArray &body) { return m_device.ask(body); }
    bool startDevice(const QStringList &arguments = {}) { return m_device.start(arguments); }

    DevSimUnderTest m_device;
};

void DevSimStateTest::cleanup() { m_device.stop(); }

void DevSimStateTest::stateFileAndDump()
{
    QTemporaryDir dir;
    const QString statePath = dir.filePath("state.json");
    QFile state(statePath);
    QVERIFY(state.open(QIODevice::WriteOnly));
    state.write(R"({"KEYWD": "HOME", "APN": ["web", "me", "pw"],
                    "CFG": {"GUDT": "15,20", "SPKVL": 2},
                    "GEOFE": [{"shape": "polygon", "enabled": false,
                               "points": [["1", "2"], ["3", "4"], ["5", "6"]]}],
                    "DEV": [[3, 11, "0b000001"]]})");
    state.close();

    QVERIFY(startDevice({"--state", statePath, "--version", "T68_V1.0"}));
    QCOMPARE(ask("VER?:"), QByteArray("<OK> VER?:T68_V1.0;\r\n"));
    QVERIFY(ask("CFG1?:").startsWith("<OK> CFG1?:KEYWD:HOME;ACCES:1,4826;GUDT:15,20;"));
    QVERIFY(ask("CFG2?:").contains(";SPKVL:2;"));
    QCOMPARE(ask("APN?:"), QByteArray("<OK> APN?:web,me,pw;\r\n"));
    QCOMPARE(ask("GEOFE?:1"), QByteArray("<OK> GEOFE?:1,0,3,0,1,2,3,4,5,6;\r\n"));
    QCOMPARE(ask("DEV?:"), QByteArray("<OK> DEV?:1,(3,11);\r\n"));
    QCOMPARE(ask("APN:after,,"), QByteArray("<OK> APN;\r\n"));
    QCOMPARE(ask("SCREAM:10"), QByteArray("<OK> SCREAM;\r\n"));
    QVERIFY(m_device.sim->stop());

    const QJsonObject dump = m_device.sim->dump();
    QCOMPARE(dump.value("KEYWD").toString(), QStringLiteral("HOME"));
    QCOMPARE(dump.value("APN").toArray(), (QJsonArray {"after", "", ""}));
    QCOMPARE(dump.value("CFG").toObject().value("GUDT").toString(), QStringLiteral("15,20"));
    QCOMPARE(dump.value("VER").toString(), QStringLiteral("T68_V1.0"));
    QCOMPARE(dump.value("oneShots").toArray(), (QJsonArray {"SCREAM:10"}));
    QCOMPARE(dump.value("firmware").toObject().value("outcome").toString(), QStringLiteral("none"));

    // A dump is a state file: starting from it gives the same device.
    const QString saved = dir.filePath("saved.json");
    QVERIFY(QFile::copy(m_device.sim->dumpPath(), saved));
    QVERIFY(startDevice({"--state", saved}));
    const QJsonObject again = m_device.sim->snapshot();
    for (const char *key : {"KEYWD", "ACCES", "APN", "XML", "CAL", "RPT", "INACTW", "GEOFE", "CFG",
             "DEV", "VER", "status"})
        QVERIFY2(again.value(key) == dump.value(key), key);
}

void DevSimStateTest::badStateFileIsRefused()
{
    QTemporaryDir dir;
    const QList<QByteArray> states = {
        "not json",
        R"({"CFG": {"SPKVL": "9"}})",
        R"({"RPT": [["x", "7", "0", "0", "255"]]})",
        R"({"GEOFE": [{"shape": "circle", "radius": "50", "points": [["1", "2"]]}]})",
        R"({"DEV": [[0, 4, "x"]]})",
        R"({"VER": "T47;V1"})",
    };
    for (const QByteArray &content : states) {
        QFile file(dir.filePath("bad.json"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        QProcess process;
        process.start(VELOMI_DEVSIM_PATH, {"--state", file.fileName()});
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY2(process.readAllStandardError().contains("velomi-devsim: "), content.constData());
    }
}

void DevSimStateTest::linkAndSignals()
{
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyVELOMI");
    QVERIFY(startDevice({"--link", link}));
    QCOMPARE(QFileInfo(link).symLinkTarget(), m_device.sim->portPath());
    DevSimTerminal viaLink;
    QVERIFY(viaLink.open(link));
    QCOMPARE(viaLink.command("VER?:"), QByteArray("<OK> VER?:T47_V1.05;\r\n"));
    viaLink.close();
    QVERIFY(m_device.sim->stop());
    QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());

    // SIGINT stops it as cleanly as SIGTERM, dump included.
    QProcess process;
    const QString dumpPath = dir.filePath("dump.json");
    process.start(VELOMI_DEVSIM_PATH, {"--dump", dumpPath});
    QVERIFY(process.waitForReadyRead(5000));
    ::kill(pid_t(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(QFileInfo::exists(dumpPath));
}

QTEST_GUILESS_MAIN(DevSimStateTest)
#include "tst_state.moc"
