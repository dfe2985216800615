#include <QTest>

#include "firmware/crc16.h"

class TestCrc16 : public QObject
{
    Q_OBJECT
private slots:
    void checksumAndText()
    {
        QCOMPARE(crc16Arc("123456789"), quint16(0xBB3D));
        QCOMPARE(crc16Arc(QByteArray("\xff\x00\x80", 3)), quint16(0x9031));
        QCOMPARE(crc16Arc({}), quint16(0));
        QCOMPARE(crcText(0x0a1f), "0a1f");
        QCOMPARE(crcText(0xBB3D), "bb3d");
    }
};

QTEST_APPLESS_MAIN(TestCrc16)
#include "tst_crc16.moc"
