#include <QTest>

#include "protocol/logmask.h"

class LogMaskTest : public QObject
{
    Q_OBJECT
private slots:
    void masksSecretsOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("masked");
        QTest::newRow("keyword and code frame") << "AT!XSMSC=KEYWD:KTVW;ACCES:1,4826\r"
                                                << "AT!XSMSC=KEYWD:****;ACCES:1,****\r";
        QTest::newRow("apn frame") << "AT!XSMSC=APN:internet,user,s3cret\r"
                                   << "AT!XSMSC=APN:internet,user,****\r";
        QTest::newRow("apn without password") << "AT!XSMSC=APN:internet,,\r"
                                              << "AT!XSMSC=APN:internet,,\r";
        QTest::newRow("xml frame") << "AT!XSMSC=XML:centre,pw\r"
                                   << "AT!XSMSC=XML:centre,****\r";
        QTest::newRow("echo") << "AT!XSMSC:XML:centre,pw\r\n<OK> XML;\r\n"
                              << "AT!XSMSC:XML:centre,****\r\n<OK> XML;\r\n";
        QTest::newRow("apn answer") << "<OK> APN?:internet,user,s3cret;\r\n"
                                    << "<OK> APN?:internet,user,****;\r\n";
        QTest::newRow("xml answer") << "<OK> XML?:centre,pw;\r\n"
                                    << "<OK> XML?:centre,****;\r\n";
        QTest::newRow("cfg answer") << "<OK> CFG1?:KEYWD:KTVW;ACCES:1,4826;GUDT:1,2;\r\n"
                                    << "<OK> CFG1?:KEYWD:****;ACCES:1,****;GUDT:1,2;\r\n";
        QTest::newRow("cut inside the secret") << "<OK> APN?:internet,user,s3c"
                                               << "<OK> APN?:internet,user,****";
        QTest::newRow("cut before the secret") << "<OK> APN?:internet,us"
                                               << "<OK> APN?:internet,us";
        QTest::newRow("acknowledgements") << "<OK> KEYWD;<OK> ACCES;\r\n"
                                          << "<OK> KEYWD;<OK> ACCES;\r\n";
        QTest::newRow("error") << "<ERROR> XML?;\r\n"
                               << "<ERROR> XML?;\r\n";
        QTest::newRow("key inside a value") << "<OK> RPT?:1,xAPN:a,b,c;\r\n"
                                            << "<OK> RPT?:1,xAPN:a,b,c;\r\n";
        QTest::newRow("other answer") << "<OK> CAL?:1,+4912345;\r\n"
                                      << "<OK> CAL?:1,+4912345;\r\n";
    }
    void masksSecretsOnly()
    {
        QFETCH(QString, text);
        QFETCH(QString, masked);
        QCOMPARE(LogMask::mask(text), masked);
    }

    // A value cut in two by the pieces the port delivers stays hidden.
    void streamMasksAcrossPieces()
    {
        LogMask::Stream stream;
        QString out;
        for (const char *piece : {"<OK> AP", "N?:internet,user,", "s3", "cret;\r\n<OK> XML?:a,",
                 "pw;\r\n", "AT!XSMSC=XML:a,pw\r", "<OK> CSQ:23,99;\r\n"})
            out += stream.feed(QString::fromLatin1(piece));
        QCOMPARE(out,
            QStringLiteral("<OK> APN?:internet,user,****;\r\n<OK> XML?:a,****;\r\n"
                           "AT!XSMSC=XML:a,****\r<OK> CSQ:23,99;\r\n"));

        // A flood without line ends inside a secret keeps it hidden.
        stream.feed(QStringLiteral("<OK> XML?:a,"));
        QString flood;
        for (int i = 0; i < 100; ++i)
            flood += stream.feed(QString(1000, QLatin1Char('p')));
        QCOMPARE(flood, LogMask::Hidden);
    }
};

QTEST_APPLESS_MAIN(LogMaskTest)
#include "tst_logmask.moc"
