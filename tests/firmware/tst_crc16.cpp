#include <QtTest>

#include "crc16.h"

class TestCrc16 : public QObject
{
    Q_OBJECT
private slots:
    void checksum_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<quint16>("crc");
        QTest::newRow("catalogue check") << QByteArray("123456789") << quint16(0xBB3D);
        QTest::newRow("empty") << QByteArray() << quint16(0);
        QTest::newRow("single byte") << QByteArray("A") << quint16(0x30C0);
        QTest::newRow("high bytes") << QByteArray("\xff\x00\x80", 3) << quint16(0x9031);
    }
    void checksum()
    {
        QFETCH(QByteArray, data);
        QFETCH(quint16, crc);
        QCOMPARE(crc16Arc(data), crc);
    }

    void text_data()
    {
        QTest::addColumn<quint16>("crc");
        QTest::addColumn<QString>("text");
        QTest::newRow("leading zero") << quint16(0x0a1f) << "0a1f";
        QTest::newRow("zero") << quint16(0) << "0000";
        QTest::newRow("lowercase") << quint16(0xBB3D) << "bb3d";
        QTest::newRow("max") << quint16(0xFFFF) << "ffff";
    }
    void text()
    {
        QFETCH(quint16, crc);
        QFETCH(QString, text);
        QCOMPARE(crcText(crc), text);
    }
};

QTEST_APPLESS_MAIN(TestCrc16)
#include "tst_crc16.moc"
