#include <QTest>

#include "protocol/infocodec.h"

class InfoCodecTest : public QObject
{
    Q_OBJECT
private slots:
    void signalDisplay_data();
    void signalDisplay();
    void information();
    void informationWithFewerItems();
};

void InfoCodecTest::signalDisplay_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("shown");
    QTest::newRow("rssi and ber") << "<OK> CSQ:23,99;\r\n"
                                  << "RSSI:23\r\n99;";
    QTest::newRow("extra fields") << "<OK> CSQ:23,99,IMEI 1234;\r\n"
                                  << "RSSI:23\r\n99\r\nIMEI1234;";
}

void InfoCodecTest::signalDisplay()
{
    QFETCH(QString, received);
    QFETCH(QString, shown);
    QCOMPARE(InfoCodec::signalDisplay(received), shown);
}

void InfoCodecTest::information()
{
    const FormValues v = InfoCodec::decodeInformation(
        "<OK> INFO:T47_QO_V1.2,\"10.0.0.7\",1200,3400,356000000000001,262010000000002,"
        "Telco,internet;\r\n");
    QCOMPARE(v.text("label_panel_version"), QString("T47_QO_V1.2"));
    QCOMPARE(v.text("label_panel_IP"), QString("10.0.0.7"));
    QCOMPARE(v.text("label_packet_data_count_recv"), QString("1200"));
    QCOMPARE(v.text("label_packet_data_count_send"), QString("3400"));
    QCOMPARE(v.text("label_panel_IMEI"), QString("356000000000001"));
    QCOMPARE(v.text("label_panel_IMSI"), QString("262010000000002"));
    QCOMPARE(v.text("label_panel_telcom"), QString("Telco"));
    QCOMPARE(v.text("label_panel_APN"), QString("internet"));
}

void InfoCodecTest::informationWithFewerItems()
{
    const FormValues v = InfoCodec::decodeInformation("<OK> INFO:T47,\"1.2.3.4\";\r\n");
    QCOMPARE(v.size(), 8);
    QCOMPARE(v.text("label_panel_version"), QString("T47"));
    QCOMPARE(v.text("label_panel_IP"), QString("1.2.3.4;\r\n"));
    QCOMPARE(v.text("label_panel_IMEI"), QString());
    QCOMPARE(v.text("label_panel_APN"), QString());
}

QTEST_APPLESS_MAIN(InfoCodecTest)
#include "tst_infocodec.moc"
