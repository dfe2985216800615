#include <QTest>

#include "protocol/sensorcodec.h"

using namespace SensorCodec;

namespace {

const Notice ReadAgain
    = Notice::info("Device type str is NULL ! Please read again !", QStringLiteral("Velomi Tool"));

QStringList zones(const SensorList &list)
{
    QStringList result;
    for (const SensorRow &row : list.rows)
        result << row.zone;
    return result;
}

} // namespace

class SensorCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void typeNames_data();
    void typeNames();
    void emptyTypeAsksToReadAgain();
    void singleAnswer_data();
    void singleAnswer();
    void pageEntriesOfOneAnswer();
    void collectedPages_data();
    void collectedPages();
    void sensorId_data();
    void sensorId();
};

void SensorCodecTest::typeNames_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");

    QTest::newRow("6") << "6"
                       << "Panic Button";
    QTest::newRow("7") << "7"
                       << "Panic Button";
    QTest::newRow("0") << "0"
                       << "UNKNOWN";
    QTest::newRow("49") << "49"
                        << "WTRV";
    QTest::newRow("61") << "61"
                        << "UNKNOWN";
    QTest::newRow("64") << "64"
                        << "UNKNOWN";
    QTest::newRow("65") << "65"
                        << "515 KQ";
    QTest::newRow("69") << "69"
                        << "IP Camera";
    QTest::newRow("70") << "70"
                        << "UNKNOWN";
    QTest::newRow("negative") << "-4"
                              << "UNKNOWN";
    QTest::newRow("text") << "UNKNOWN"
                          << "UNKNOWN";
    QTest::newRow("empty") << ""
                           << "UNKNOWN";
}

void SensorCodecTest::typeNames()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(typeName(code), name);
}

void SensorCodecTest::emptyTypeAsksToReadAgain()
{
    const SensorList single = fromSingleAnswer("<OK> DEV?:3,(1,),(2,4),(3,);\r\n");
    const QList<SensorRow> expected = {{"1", "UNKNOWN"}, {"2", "Door Contact"}, {"3", "UNKNOWN"}};
    QCOMPARE(single.rows, expected);
    QCOMPARE(single.notices, QList<Notice> {ReadAgain}); // told once per list
}

void SensorCodecTest::singleAnswer_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<QStringList>("zones");

    QString twelve = "<OK> DEV?:12";
    QStringList twelveZones;
    for (int z = 1; z <= 12; ++z) {
        twelve += QStringLiteral(",(%1,4)").arg(z);
        twelveZones << QString::number(z);
    }
    twelve += ";\r\n";

    QTest::newRow("zeros") << "<OK> DEV?:3,(0,0),(0,4),(2,6);\r\n" << QStringList {"0", "2"};
    QTest::newRow("twelve entries") << twelve << twelveZones;
    QTest::newRow("extra fields") << "<OK> DEV?:2,(1,4,99),(2,6,7);\r\n" << QStringList {"1", "2"};
    QTest::newRow("count limits") << "<OK> DEV?:1,(1,4),(2,6);\r\n" << QStringList {"1"};
    QTest::newRow("empty list") << "<OK> DEV?:0;\r\n" << QStringList();
    QTest::newRow("no answer") << "<ERROR> DEV?;\r\n" << QStringList();
}

void SensorCodecTest::singleAnswer()
{
    QFETCH(QString, received);
    QFETCH(QStringList, zones);
    const SensorList list = fromSingleAnswer(received);
    QCOMPARE(::zones(list), zones);
    QVERIFY(list.notices.isEmpty());
}

void SensorCodecTest::pageEntriesOfOneAnswer()
{
    QCOMPARE(pageEntries("<OK> DEV?:(1,4),(2,6);\r\n"), QString("(1,4),(2,6)"));
    QCOMPARE(pageEntries("<OK> DEV?:;\r\n"), QString());
    QCOMPARE(pageEntries("garbage"), QString());
}

void SensorCodecTest::collectedPages_data()
{
    QTest::addColumn<QString>("collected");
    QTest::addColumn<QList<SensorRow>>("rows");

    QTest::newRow("two pages") << ",(1,4),(2,6),(3,7),(4,8),(5,9),(6,65)"
                               << QList<SensorRow> {{"1", "Door Contact"}, {"2", "Panic Button"},
                                      {"3", "Panic Button"}, {"4", "WTR"}, {"5", "IR"},
                                      {"6", "515 KQ"}};
    QTest::newRow("repeated zone shown once")
        << ",(1,4),(2,6),(1,7)" << QList<SensorRow> {{"1", "Door Contact"}, {"2", "Panic Button"}};
    QTest::newRow("zone 0 skipped")
        << ",(0,4),(3,11)" << QList<SensorRow> {{"3", "Smoke Detector"}};
    QTest::newRow("nothing collected") << "" << QList<SensorRow>();
}

void SensorCodecTest::collectedPages()
{
    QFETCH(QString, collected);
    QFETCH(QList<SensorRow>, rows);
    QCOMPARE(fromPages(collected).rows, rows);
}

void SensorCodecTest::sensorId_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result"); // the ID to send, or the warning

    QTest::newRow("padded") << "1a2b" << true << "00001a2b";
    QTest::newRow("9 digits") << "123456789" << true << "123456789";
    QTest::newRow("10 digits") << "fedcba9876" << true << "fedcba9876";
    QTest::newRow("not hex") << "g1" << false << "Sensor ID error!(format1)";
    QTest::newRow("too large") << "11112222333344445" << false << "Sensor ID error!(format2)";
}

void SensorCodecTest::sensorId()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QString, result);

    const IdCheck check = checkSensorId(typed);
    QCOMPARE(check.ok, ok);
    QVERIFY(!check.empty);
    if (ok) {
        QCOMPARE(check.id, result);
        QCOMPARE(addBody(check.id), "DEVAD:" + result);
    } else {
        QVERIFY(check.id.isEmpty());
        QCOMPARE(check.notice, Notice::warning(result, QStringLiteral("Velomi Tool")));
    }
    QVERIFY(checkSensorId("").empty);
    QCOMPARE(removeBody("3"), QString("DEVRM:3"));
}

QTEST_APPLESS_MAIN(SensorCodecTest)
#include "tst_sensorcodec.moc"
