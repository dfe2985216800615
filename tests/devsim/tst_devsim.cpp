// The simulated device over its pseudo-terminal: answer shapes, writes, factory reset and
// sensors.
#include "devsimprocess.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTest>

class DevSimTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void queryAnswers_data();
    void queryAnswers();
    void configurationAnswers_data();
    void configurationAnswers();
    void writeChangesNextQuery_data();
    void writeChangesNextQuery();
    void refusedWriteChangesNothing_data();
    void refusedWriteChangesNothing();
    void factoryResetRestores();
    void sensorsTakeLowestFreeZone();
    void sensorListIsPaged();

private:
    QByteArray ask(const QByteArray &body) { return m_device.ask(body); }
    bool startDevice(const QStringList &arguments = {}) { return m_device.start(arguments); }

    DevSimUnderTest m_device;
};

void DevSimTest::init() { QVERIFY(startDevice()); }

void DevSimTest::cleanup() { m_device.stop(); }

void DevSimTest::queryAnswers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("answer"); // a pattern for the whole answer line

    QTest::newRow("version") << QByteArray("VER?:") << R"(<OK> VER\?:T47_V1\.05;\r\n)";
    QTest::newRow("xml") << QByteArray("XML?:") << R"(<OK> XML\?:[^,;]*,[^,;]*;\r\n)";
    QTest::newRow("apn") << QByteArray("APN?:") << R"(<OK> APN\?:internet,,;\r\n)";
    QTest::newRow("caller 1") << QByteArray("CAL?:1") << R"(<OK> CAL\?:1,[0-9+*#&]*;\r\n)";
    QTest::newRow("caller 2") << QByteArray("CAL?:2") << R"(<OK> CAL\?:2,[0-9+*#&]*;\r\n)";
    QTest::newRow("circle fence") << QByteArray("GEOFE?:1")
                                  << R"(<OK> GEOFE\?:1,1,0,500,52\.520008,13\.404954;\r\n)";
    QTest::newRow("deleted fence") << QByteArray("GEOFE?:3") << R"(<OK> GEOFE\?:3,0,0;\r\n)";
    QTest::newRow("whole sensor list")
        << QByteArray("DEV?:") << R"(<OK> DEV\?:2,\(1,4\),\(2,6\);\r\n)";
    QTest::newRow("first page") << QByteArray("DEV?:0") << R"(<OK> DEV\?:\(1,4\),\(2,6\);\r\n)";
    QTest::newRow("empty page") << QByteArray("DEV?:5") << R"(<OK> DEV\?:;\r\n)";
    QTest::newRow("signal") << QByteArray("CSQ:") << R"(<OK> CSQ:\d+,\d+;\r\n)";
    QTest::newRow("destination 1")
        << QByteArray("RPT?:1") << R"(<OK> RPT\?:1,[^,;]*,[1-5],\d+,\d,\d+;\r\n)";
    QTest::newRow("destination 5")
        << QByteArray("RPT?:5") << R"(<OK> RPT\?:5,[^,;]*,[1-5],\d+,\d,\d+;\r\n)";
    QTest::newRow("inactivity window")
        << QByteArray("INACTW?:2") << R"(<OK> INACTW\?:2,\d+,\d+,\d+,\d+,\d+;\r\n)";
    QTest::newRow("information") << QByteArray(
        "INFO:") << R"(<OK> INFO:T47_V1\.05,"[^"]+",\d+,\d+,\d+,\d+,[^,]+,internet;\r\n)";
    QTest::newRow("caller 3") << QByteArray("CAL?:3") << R"(<ERROR> CAL\?;\r\n)";
    QTest::newRow("fence 4") << QByteArray("GEOFE?:4") << R"(<ERROR> GEOFE\?;\r\n)";
    QTest::newRow("destination 0") << QByteArray("RPT?:0") << R"(<ERROR> RPT\?;\r\n)";
    QTest::newRow("page x") << QByteArray("DEV?:x") << R"(<ERROR> DEV\?;\r\n)";
    QTest::newRow("unknown") << QByteArray("NOPE:") << R"(<ERROR> NOPE;\r\n)";
    QTest::newRow("two queries") << QByteArray("VER?:;APN?:") << R"(<ERROR> VER\?;\r\n)";
}

void DevSimTest::queryAnswers()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, answer);
    const QByteArray received = ask(body);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(answer));
    QVERIFY2(pattern.match(QString::fromLatin1(received)).hasMatch(), received.constData());
}

void DevSimTest::configurationAnswers_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("CFG") << QByteArray("CFG?:")
                         << QStringList {"KEYWD", "ACCES", "GUDT", "TESTC", "FSST", "CBTI", "SPKVL",
                                "SILENT", "VOIEN", "GEOTR", "SNDCR", "ANSIN", "BTNEV"};
    QTest::newRow("CFG1") << QByteArray("CFG1?:")
                          << QStringList {"KEYWD", "ACCES", "GUDT", "TESTC", "CBTI", "GEOTR",
                                 "SLEEP", "LANG", "RFIGN", "RFGPS", "FORBID", "INACT"};
    QTest::newRow("CFG2") << QByteArray("CFG2?:")
                          << QStringList {"SNDCR", "ANSIN", "CUTV", "BTNEV", "SILENT", "VOIEN",
                                 "FALDE", "FSST", "SPKVL", "RPPRIO", "TRACR", "CGPS", "RPACK",
                                 "GSMNF", "GEGPS"};
}

void DevSimTest::configurationAnswers()
{
    QFETCH(QByteArray, query);
    QFETCH(QStringList, keys);
    // Number of comma fields per item, as the device writes them.
    const QMap<QString, int> fieldCounts = {{"ACCES", 2}, {"GUDT", 2}, {"TESTC", 3}, {"CBTI", 3},
        {"GEOTR", 3}, {"INACT", 5}, {"FSST", 2}, {"ANSIN", 2}, {"SNDCR", 2}, {"GEGPS", 2}};
    const QByteArray received = ask(query);
    const QByteArray head = "<OK> " + query;
    QVERIFY2(received.startsWith(head) && received.endsWith(";\r\n"), received.constData());
    const QStringList items
        = QString::fromLatin1(received.mid(head.size()).chopped(3)).split(QLatin1Char(';'));
    QCOMPARE(items.size(), keys.size());
    for (int i = 0; i < items.size(); ++i) {
        QVERIFY2(items[i].startsWith(keys[i] + ":"), qPrintable(items[i]));
        const QString value = items[i].section(QLatin1Char(':'), 1);
        QCOMPARE(value.split(QLatin1Char(',')).size(), fieldCounts.value(keys[i], 1));
        if (keys[i] == QLatin1String("ACCES"))
            QCOMPARE(value, QStringLiteral("1,4826"));
        if (keys[i] == QLatin1String("KEYWD"))
            QCOMPARE(value, QStringLiteral("KTVW"));
    }
}

void DevSimTest::writeChangesNextQuery_data()
{
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<QByteArray>("acknowledgement");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("expected"); // a piece of the answer

    QTest::newRow("keyword and code")
        << QByteArray("KEYWD:ABCDEFGHIJKLMNO;ACCES:1,12345678")
        << QByteArray("<OK> KEYWD;<OK> ACCES;\r\n") << QByteArray("CFG1?:")
        << QByteArray(":KEYWD:ABCDEFGHIJKLMNO;ACCES:1,12345678;");
    QTest::newRow("apn") << QByteArray("APN:web.example,user,secret") << QByteArray("<OK> APN;\r\n")
                         << QByteArray("APN?:")
                         << QByteArray("<OK> APN?:web.example,user,secret;\r\n");
    QTest::newRow("apn without user") << QByteArray("APN:web,,") << QByteArray("<OK> APN;\r\n")
                                      << QByteArray("APN?:") << QByteArray("<OK> APN?:web,,;\r\n");
    QTest::newRow("xml") << QByteArray("XML:xu,xp") << QByteArray("<OK> XML;\r\n")
                         << QByteArray("XML?:") << QByteArray("<OK> XML?:xu,xp;\r\n");
    QTest::newRow("caller ids") << QByteArray("CALID:1,+49*123#&;CALID:2,")
                                << QByteArray("<OK> CALID;<OK> CALID;\r\n") << QByteArray("CAL?:1")
                                << QByteArray("<OK> CAL?:1,+49*123#&;\r\n");
    QTest::newRow("destination without group")
        << QByteArray("RPT:3,+4917012345,,31,0,4") << QByteArray("<OK> RPT;\r\n")
        << QByteArray("RPT?:3") << QByteArray("<OK> RPT?:3,+4917012345,,31,0,4;\r\n");
    QTest::newRow("circle") << QByteArray("GEOFE:2,1,10.5,-20.25,500")
                            << QByteArray("<OK> GEOFE;\r\n") << QByteArray("GEOFE?:2")
                            << QByteArray("<OK> GEOFE?:2,1,0,500,10.5,-20.25;\r\n");
    QTest::newRow("polygon") << QByteArray("GEOFE:3,2,4,1,2,3,4,5,6,7,8,")
                             << QByteArray("<OK> GEOFE;\r\n") << QByteArray("GEOFE?:3")
                             << QByteArray("<OK> GEOFE?:3,2,4,0,1,2,3,4,5,6,7,8;\r\n");
    QTest::newRow("disabled circle keeps its shape")
        << QByteArray("GEOFE:1,0") << QByteArray("<OK> GEOFE;\r\n") << QByteArray("GEOFE?:1")
        << QByteArray("<OK> GEOFE?:1,0,1,500,52.520008,13.404954;\r\n");
    QTest::newRow("deleted") << QByteArray("GEOFE:1,0,0,0,0") << QByteArray("<OK> GEOFE;\r\n")
                             << QByteArray("GEOFE?:1") << QByteArray("<OK> GEOFE?:1,0,0;\r\n");
    QTest::newRow("unnumbered circle of fence 1")
        << QByteArray("GEOFE:1,10.5,20.5,300") << QByteArray("<OK> GEOFE;\r\n")
        << QByteArray("GEOFE?:1") << QByteArray("<OK> GEOFE?:1,1,0,300,10.5,20.5;\r\n");
    QTest::newRow("latitude 90 and longitude -180")
        << QByteArray("GEOFE:2,1,90,-180,10000") << QByteArray("<OK> GEOFE;\r\n")
        << QByteArray("GEOFE?:2") << QByteArray("<OK> GEOFE?:2,1,0,10000,90,-180;\r\n");
    QTest::newRow("forbidden zone") << QByteArray("FORBID:1;") << QByteArray("<OK> FORBID;\r\n")
                                    << QByteArray("CFG1?:") << QByteArray(";FORBID:1;");
    QTest::newRow("tracker with report")
        << QByteArray("GEOTR:1,0,15;TRACR:1") << QByteArray("<OK> GEOTR;<OK> TRACR;\r\n")
        << QByteArray("CFG2?:") << QByteArray(";TRACR:1;");
    QTest::newRow("tracker") << QByteArray("GEOTR:0,1,60") << QByteArray("<OK> GEOTR;\r\n")
                             << QByteArray("CFG1?:") << QByteArray(";GEOTR:0,1,60;");
    QTest::newRow("geo alert") << QByteArray("GEGPS:120,5") << QByteArray("<OK> GEGPS;\r\n")
                               << QByteArray("CFG2?:") << QByteArray(";GEGPS:120,5;");
    QTest::newRow("gsm on/off") << QByteArray("GSMNF:1;") << QByteArray("<OK> GSMNF;\r\n")
                                << QByteArray("CFG2?:") << QByteArray(";GSMNF:1;");
    const QByteArray inactivity = "INACT:1,1,10,1,1800;INACTW:1,7,30,21,15,240;"
                                  "INACTW:2,22,0,6,45,720;";
    const QByteArray inactivityAck = "<OK> INACT;<OK> INACTW;<OK> INACTW;\r\n";
    QTest::newRow("inactivity item") << inactivity << inactivityAck << QByteArray("CFG1?:")
                                     << QByteArray(";INACT:1,1,10,1,1800;");
    QTest::newRow("inactivity window") << inactivity << inactivityAck << QByteArray("INACTW?:2")
                                       << QByteArray("<OK> INACTW?:2,22,0,6,45,720;\r\n");
    QTest::newRow("settings frame")
        << QByteArray("BTNEV:120;GUDT:0,30;TESTC:43200,720,14400;RPACK:1;SNDCR:0,0;ANSIN:2,1;"
                      "CUTV:0;CBTI:120,90,1;SPKVL:1;SILENT:1;VOIEN:5;CGPS:1440;FALDE:0;SLEEP:1;"
                      "LANG:1;FSST:1,5")
        << QByteArray("<OK> BTNEV;<OK> GUDT;<OK> TESTC;<OK> RPACK;<OK> SNDCR;<OK> ANSIN;"
                      "<OK> CUTV;<OK> CBTI;<OK> SPKVL;<OK> SILENT;<OK> VOIEN;<OK> CGPS;"
                      "<OK> FALDE;<OK> SLEEP;<OK> LANG;<OK> FSST;\r\n")
        << QByteArray("CFG2?:")
        << QByteArray(":SNDCR:0,0;ANSIN:2,1;CUTV:0;BTNEV:120;SILENT:1;VOIEN:5;FALDE:0;FSST:1,5;"
                      "SPKVL:1;RPPRIO:0;TRACR:0;CGPS:1440;RPACK:1;");
    QTest::newRow("one sensitivity keeps the other")
        << QByteArray("FSST:2") << QByteArray("<OK> FSST;\r\n") << QByteArray("CFG2?:")
        << QByteArray(";FSST:2,3;");
}

void DevSimTest::writeChangesNextQuery()
{
    QFETCH(QByteArray, write);
    QFETCH(QByteArray, acknowledgement);
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, expected);
    QCOMPARE(ask(write), acknowledgement);
    const QByteArray answer = ask(query);
    QVERIFY2(answer.contains(expected), answer.constData());
}

void DevSimTest::refusedWriteChangesNothing_data()
{
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<QByteArray>("answer");
    const QByteArray fenceError = "<ERROR> GEOFE;\r\n";
    const QByteArray coordinateError = "<Fehler> GEOFE;\r\n";

    QTest::newRow("empty keyword") << QByteArray("KEYWD:") << QByteArray("<ERROR> KEYWD;\r\n");
    QTest::newRow("keyword of 16")
        << QByteArray("KEYWD:ABCDEFGHIJKLMNOP") << QByteArray("<ERROR> KEYWD;\r\n");
    QTest::newRow("short code, whole frame refused")
        << QByteArray("KEYWD:ABC;ACCES:1,123") << QByteArray("<ERROR> ACCES;\r\n");
    QTest::newRow("apn of two fields") << QByteArray("APN:a,b") << QByteArray("<ERROR> APN;\r\n");
    QTest::newRow("caller 3") << QByteArray("CALID:3,123") << QByteArray("<ERROR> CALID;\r\n");
    QTest::newRow("caller with hyphen")
        << QByteArray("CALID:1,12-34") << QByteArray("<ERROR> CALID;\r\n");
    QTest::newRow("destination 6")
        << QByteArray("RPT:6,x,1,0,0,255") << QByteArray("<ERROR> RPT;\r\n");
    QTest::newRow("group 6") << QByteArray("RPT:1,x,6,0,0,255") << QByteArray("<ERROR> RPT;\r\n");
    QTest::newRow("type 99") << QByteArray("RPT:1,x,1,99,0,255") << QByteArray("<ERROR> RPT;\r\n");
    QTest::newRow("destination of five fields")
        << QByteArray("RPT:1,x,1,0,255") << QByteArray("<ERROR> RPT;\r\n");
    QTest::newRow("fence 4") << QByteArray("GEOFE:4,1,1,1,500") << fenceError;
    QTest::newRow("radius 199") << QByteArray("GEOFE:1,1,10,10,199") << fenceError;
    QTest::newRow("radius 10001") << QByteArray("GEOFE:1,1,10,10,10001") << fenceError;
    QTest::newRow("five vertices") << QByteArray("GEOFE:1,2,5,1,1,2,2,3,3,4,4,5,5,") << fenceError;
    QTest::newRow("latitude 90.5") << QByteArray("GEOFE:1,1,90.5,10,500") << coordinateError;
    QTest::newRow("latitude -91") << QByteArray("GEOFE:2,1,-91,10,500") << coordinateError;
    QTest::newRow("longitude -180.01") << QByteArray("GEOFE:1,1,10,-180.01,500") << coordinateError;
    QTest::newRow("empty latitude") << QByteArray("GEOFE:1,1,,10,500") << coordinateError;
    QTest::newRow("polygon longitude 181")
        << QByteArray("GEOFE:3,2,3,1,1,2,181,3,3,") << coordinateError;
    QTest::newRow("help event 99") << QByteArray("BTNEV:99") << QByteArray("<ERROR> BTNEV;\r\n");
    QTest::newRow("guard time of one field")
        << QByteArray("GUDT:0") << QByteArray("<ERROR> GUDT;\r\n");
    QTest::newRow("test call of four fields")
        << QByteArray("TESTC:0,10,0,5") << QByteArray("<ERROR> TESTC;\r\n");
    QTest::newRow("volume 6 in a settings frame")
        << QByteArray("BTNEV:100;SPKVL:6;FALDE:0") << QByteArray("<ERROR> SPKVL;\r\n");
    QTest::newRow("hour 24") << QByteArray("INACTW:1,24,0,6,0,60")
                             << QByteArray("<ERROR> INACTW;\r\n");
    QTest::newRow("inactivity interval 100")
        << QByteArray("INACT:1,0,5,0,100") << QByteArray("<ERROR> INACT;\r\n");
    QTest::newRow("not a number") << QByteArray("SPKVL:x") << QByteArray("<ERROR> SPKVL;\r\n");
    QTest::newRow("scream 4") << QByteArray("SCREAM:4") << QByteArray("<ERROR> SCREAM;\r\n");
    QTest::newRow("debug 3") << QByteArray("DEBUG:3") << QByteArray("<ERROR> DEBUG;\r\n");
    QTest::newRow("remove empty zone") << QByteArray("DEVRM:9") << QByteArray("<ERROR> DEVRM;\r\n");
    QTest::newRow("sensor id not hex")
        << QByteArray("DEVAD:12xy") << QByteArray("<ERROR> DEVAD;\r\n");
    QTest::newRow("empty frame") << QByteArray("") << QByteArray("<ERROR> ;\r\n");
}

void DevSimTest::refusedWriteChangesNothing()
{
    QFETCH(QByteArray, write);
    QFETCH(QByteArray, answer);
    const QJsonObject before = m_device.sim->snapshot();
    QVERIFY(!before.isEmpty());
    QCOMPARE(ask(write), answer);
    QCOMPARE(m_device.sim->snapshot(), before);
}

void DevSimTest::factoryResetRestores()
{
    const QList<QByteArray> queries = {"APN?:", "CFG1?:", "CFG2?:", "CAL?:1", "RPT?:1", "RPT?:2",
        "GEOFE?:1", "GEOFE?:2", "INACTW?:1"};
    QList<QByteArray> factory;
    for (const QByteArray &query : queries)
        factory << ask(query);
    const QList<QByteArray> writes = {"KEYWD:ZZZZ;ACCES:1,0000", "APN:other,u,p",
        "CALID:1,112;CALID:2,110", "RPT:1,555,3,31,0,1", "RPT:2,,1,0,0,4", "GEOFE:1,1,1,1,1000",
        "GEOFE:2,2,3,1,1,2,2,3,3,", "INACTW:1,0,0,0,0,60", "BTNEV:101;GUDT:5,5;FSST:5,5;TRACR:1"};
    for (const QByteArray &write : writes)
        QVERIFY(ask(write).startsWith("<OK> "));
    QVERIFY(ask("CFG1?:") != factory[1]);

    QCOMPARE(ask("FTSET:"), QByteArray("<OK> FTSET;\r\n"));
    for (int i = 0; i < queries.size(); ++i)
        QCOMPARE(ask(queries[i]), factory[i]);
    // Paired sensors are not settings: they stay paired.
    QCOMPARE(ask("DEV?:"), QByteArray("<OK> DEV?:2,(1,4),(2,6);\r\n"));
}

void DevSimTest::sensorsTakeLowestFreeZone()
{
    QCOMPARE(ask("DEVAD:04001a2b"), QByteArray("<OK> DEVAD;\r\n"));
    QCOMPARE(ask("DEVRM:1"), QByteArray("<OK> DEVRM;\r\n"));
    QCOMPARE(ask("DEV?:"), QByteArray("<OK> DEV?:2,(2,6),(3,4);\r\n"));
    QCOMPARE(ask("DEVAD:1a2b"), QByteArray("<OK> DEVAD;\r\n")); // no type byte: panic button
    QCOMPARE(ask("DEV?:0"), QByteArray("<OK> DEV?:(1,6),(2,6),(3,4);\r\n"));
    QCOMPARE(ask("DEVAD:04001A2B"), QByteArray("<OK> DEVAD;\r\n")); // paired already
    QCOMPARE(ask("DEV?:"), QByteArray("<OK> DEV?:3,(1,6),(2,6),(3,4);\r\n"));

    const QJsonArray sensors = m_device.sim->snapshot().value("DEV").toArray();
    QCOMPARE(sensors.size(), 3);
    QCOMPARE(sensors[0].toArray(), (QJsonArray {1, 6, "1a2b"}));
    const QJsonArray history = m_device.sim->dump().value("oneShots").toArray();
    QCOMPARE(history.first().toString(), QStringLiteral("DEVAD:04001a2b"));
}

void DevSimTest::sensorListIsPaged()
{
    QVERIFY(startDevice({"--sensors", "12"}));
    const QByteArray first = ask("DEV?:0");
    QCOMPARE(first.count('('), 5);
    QVERIFY2(first.startsWith("<OK> DEV?:(1,"), first.constData());
    QCOMPARE(ask("DEV?:5").count('('), 5);
    const QByteArray third = ask("DEV?:10");
    QCOMPARE(third.count('('), 2);
    QVERIFY2(third.contains("(12,"), third.constData());
    QCOMPARE(ask("DEV?:15"), QByteArray("<OK> DEV?:;\r\n"));

    QVERIFY(startDevice({"--sensors", "20"}));
    QCOMPARE(ask("DEVAD:0600aaaa"), QByteArray("<ERROR> DEVAD;\r\n")); // every zone taken
    QCOMPARE(ask("DEVRM:20"), QByteArray("<OK> DEVRM;\r\n"));
    QCOMPARE(ask("DEVAD:0600aaaa"), QByteArray("<OK> DEVAD;\r\n"));
    QVERIFY(ask("DEV?:15").endsWith("(20,6);\r\n"));
}

QTEST_GUILESS_MAIN(DevSimTest)
#include "tst_devsim.moc"
