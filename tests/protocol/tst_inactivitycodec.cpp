#include <QTest>

#include "protocol/inactivitycodec.h"

using namespace InactivityCodec;

class InactivityCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void allZeroFrame();
    void frameFields();
    void thirtyHoursBothWays();
    void itemNotices_data();
    void itemNotices();
    void windowAnswer_data();
    void windowAnswer();
};

void InactivityCodecTest::allZeroFrame()
{
    QCOMPARE(frameBody(FormValues()),
        QString("INACT:0,0,0,0,60;INACTW:1,0,0,0,0,60;INACTW:2,0,0,0,0,60;"));
}

void InactivityCodecTest::frameFields()
{
    FormValues v;
    v.setChecked("checkBox_inactivity", true);
    v.setIndex("comboBox_inact_mode", 1);
    v.setIndex("comboBox_inact_warning", 7); // "1 hour"
    v.setIndex("comboBox_adv_feature", 1);
    v.setIndex("comboBox_inact_interval", 6); // "14 hours"
    v.setIndex("comboBox_w1_from_hour", 8);
    v.setIndex("comboBox_w1_from_min", 30);
    v.setIndex("comboBox_w1_to_hour", 23);
    v.setIndex("comboBox_w1_to_min", 59);
    v.setIndex("comboBox_w1_interval", 2); // "4 hours"
    v.setIndex("comboBox_w2_interval", 5); // "12 hours"
    QCOMPARE(
        frameBody(v), QString("INACT:1,1,60,1,840;INACTW:1,8,30,23,59,240;INACTW:2,0,0,0,0,720;"));
}

void InactivityCodecTest::thirtyHoursBothWays()
{
    FormValues v;
    v.setIndex("comboBox_inact_interval", 15);
    QVERIFY(frameBody(v).startsWith("INACT:0,0,0,0,1800;"));

    const DecodeResult back = decodeItem("1,1,30,1,1800");
    QVERIFY(back.notices.isEmpty());
    QCOMPARE(back.values.index("comboBox_inact_interval"), 15);
    QCOMPARE(back.values.checked("checkBox_inactivity"), true);
    QCOMPARE(back.values.index("comboBox_inact_mode"), 1);
    QCOMPARE(back.values.index("comboBox_inact_warning"), 6);
    QCOMPARE(back.values.index("comboBox_adv_feature"), 1);
}

// An unexpected field is told about (or ignored) and leaves its widget as it
// was; the other fields are still decoded.
void InactivityCodecTest::itemNotices_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QStringList>("untouched");

    QTest::newRow("warning 7") << "1,0,7,0,60" << QStringList {"para2"}
                               << QStringList {"comboBox_inact_warning"};
    QTest::newRow("enable 2") << "2,0,5,0,60" << QStringList {"para0"}
                              << QStringList {"checkBox_inactivity"};
    QTest::newRow("mode x") << "0,x,5,0,60" << QStringList {"para1"}
                            << QStringList {"comboBox_inact_mode"};
    QTest::newRow("action and interval")
        << "0,0,5,2,61" << QStringList()
        << QStringList {"comboBox_adv_feature", "comboBox_inact_interval"};
    QTest::newRow("short item") << "1" << QStringList {"para1", "para2"}
                                << QStringList {"comboBox_inact_mode", "comboBox_inact_warning",
                                       "comboBox_adv_feature", "comboBox_inact_interval"};
}

void InactivityCodecTest::itemNotices()
{
    QFETCH(QString, item);
    QFETCH(QStringList, notices);
    QFETCH(QStringList, untouched);

    const DecodeResult result = decodeItem(item);
    QStringList texts;
    for (const Notice &n : result.notices) {
        QCOMPARE(n.kind, Notice::Information);
        QCOMPARE(n.title, ToolTitle);
        texts << n.text;
    }
    QCOMPARE(texts, notices);
    for (const QString &name : untouched)
        QVERIFY2(!result.values.contains(name), qPrintable(name));
    QCOMPARE(result.values.size() + untouched.size(), 5);
}

void InactivityCodecTest::windowAnswer_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<int>>("clock"); // from h, from m, to h, to m
    QTest::addColumn<int>("interval"); // -1: left as it was

    QTest::newRow("840 kept") << "<OK> INACTW?:1,8,30,17,45,840;\r\n"
                              << 0 << "w1" << QList<int> {8, 30, 17, 45} << -1;
    QTest::newRow("720 is 12 hours") << "<OK> INACTW?:2,22,0,6,15,720;\r\n"
                                     << 1 << "w2" << QList<int> {22, 0, 6, 15} << 5;
    QTest::newRow("not a number is 0") << "<OK> INACTW?:1,a,5,,9,60;\r\n"
                                       << 0 << "w1" << QList<int> {0, 5, 0, 9} << 0;
    QTest::newRow("out of range kept") << "<OK> INACTW?:1,24,60,3,4,120;\r\n"
                                       << 0 << "w1" << QList<int> {-1, -1, 3, 4} << 1;
    // A status line after the answer is not part of its last field.
    QTest::newRow("text after the answer") << "<OK> INACTW?:2,22,0,6,15,720;\r\n<OK> CSQ:18\r\n"
                                           << 1 << "w2" << QList<int> {22, 0, 6, 15} << 5;
}

void InactivityCodecTest::windowAnswer()
{
    QFETCH(QString, received);
    QFETCH(int, set);
    QFETCH(QString, window);
    QFETCH(QList<int>, clock);
    QFETCH(int, interval);

    const FormValues values = decodeWindow(received, set);
    const QString prefix = "comboBox_" + window + "_";
    const QStringList names = {"from_hour", "from_min", "to_hour", "to_min"};
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(values.contains(prefix + names.at(i)), clock.at(i) >= 0);
        if (clock.at(i) >= 0)
            QCOMPARE(values.index(prefix + names.at(i)), clock.at(i));
    }
    QCOMPARE(values.contains(prefix + "interval"), interval >= 0);
    if (interval >= 0)
        QCOMPARE(values.index(prefix + "interval"), interval);
    QVERIFY(decodeWindow("<OK> APN?:a,b,c;\r\n", set).isEmpty());
}

QTEST_APPLESS_MAIN(InactivityCodecTest)
#include "tst_inactivitycodec.moc"
