#include <QTest>

#include "protocol/answer.h"
#include "protocol/frame.h"
#include "protocol/oneshot.h"

class FrameTest : public QObject
{
    Q_OBJECT
private slots:
    void oneShotFrames_data();
    void oneShotFrames();
    void gsmOnOffMirrorsSecondSelector();
    void lineBreaksInBodyCannotSplitTheFrame();
    void answerFields_data();
    void answerFields();
};

void FrameTest::oneShotFrames_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("signal strength") << OneShot::SignalStrength << QByteArray("AT!XSMSC=CSQ:\r");
    QTest::newRow("scream first") << OneShot::scream(0) << QByteArray("AT!XSMSC=SCREAM:5\r");
    QTest::newRow("scream last") << OneShot::scream(55) << QByteArray("AT!XSMSC=SCREAM:60\r");
    QTest::newRow("debug enable2") << OneShot::debug(2) << QByteArray("AT!XSMSC=DEBUG:2\r");
    QTest::newRow("debug disable") << OneShot::debug(0) << QByteArray("AT!XSMSC=DEBUG:0\r");
    QTest::newRow("gsm enable") << OneShot::gsmOnOff(1) << QByteArray("AT!XSMSC=GSMNF:1;\r");
    QTest::newRow("gsm disable") << OneShot::gsmOnOff(0) << QByteArray("AT!XSMSC=GSMNF:0;\r");
    QTest::newRow("gsm no choice") << OneShot::gsmOnOff(-1) << QByteArray("AT!XSMSC=GSMNF:0;\r");
    QTest::newRow("omadm start") << OneShot::OmadmStart << QByteArray("AT!XSMSC=OMADM:1;\r");
    QTest::newRow("latin-1 byte") << QStringLiteral("APN:caf\u00e9")
                                  << QByteArray("AT!XSMSC=APN:caf\xe9\r");
}

void FrameTest::oneShotFrames()
{
    QFETCH(QString, body);
    QFETCH(QByteArray, frame);
    QCOMPARE(Frame::command(body), frame);
}

void FrameTest::gsmOnOffMirrorsSecondSelector()
{
    const QString second = "comboBox_gsm_on_off_function2";
    QCOMPARE(OneShot::gsmOnOffMirror(1).index(second), 1);
    QVERIFY(OneShot::gsmOnOffMirror(0).contains(second));
    QCOMPARE(OneShot::gsmOnOffMirror(0).index(second), 0);
    QCOMPARE(OneShot::gsmOnOffMirror(-1).index(second), 0);
}

void FrameTest::lineBreaksInBodyCannotSplitTheFrame()
{
    const QByteArray frame = Frame::command(QStringLiteral("APN:a\rRESET:\n,b") + QChar(0));
    QCOMPARE(frame, QByteArray("AT!XSMSC=APN:aRESET:,b\r"));
    QCOMPARE(frame.count('\r'), 1);
}

void FrameTest::answerFields_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("three fields") << "<OK> APN?:net,user,pw;\r\n"
                                  << "APN?:" << QStringList {"net", "user", "pw"};
    QTest::newRow("empty middle") << "<OK> APN?:net,,pw;\r\n"
                                  << "APN?:" << QStringList {"net", "", "pw"};
    QTest::newRow("repeated answer") << "<OK> APN?:net,u,p;\r\n<OK> APN?:net,u,p;\r\n"
                                     << "APN?:" << QStringList {"net", "u", "p"};
    QTest::newRow("status line after") << "<OK> APN?:net,u,p;\r\nRING\r\n"
                                       << "APN?:" << QStringList {"net", "u", "p"};
    QTest::newRow("keyword absent") << "<OK> XML?:a,b;\r\n"
                                    << "APN?:" << QStringList {""};
    QTest::newRow("body shorter than terminator") << "<OK> APN?:;"
                                                  << "APN?:" << QStringList {""};
}

void FrameTest::answerFields()
{
    QFETCH(QString, received);
    QFETCH(QString, keyword);
    QFETCH(QStringList, fields);
    const QStringList got = Answer::fields(received, keyword);
    QCOMPARE(got, fields);
    QCOMPARE(Answer::field(got, fields.size()), QString());
    QCOMPARE(Answer::field(got, -1), QString());
}

QTEST_APPLESS_MAIN(FrameTest)
#include "tst_frame.moc"
