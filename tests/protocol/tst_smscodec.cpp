#include <QTest>

#include "protocol/smscodec.h"

using namespace SmsCodec;

namespace {

FormValues keywordForm(const QString &keyword, const QString &code)
{
    FormValues v;
    v.setText("lineEdit_keywd", keyword);
    v.setText("lineEdit_access", code);
    return v;
}

QStringList texts(const QList<Notice> &notices)
{
    QStringList result;
    for (const Notice &n : notices) {
        result << n.text;
        if (n.kind != Notice::Information || n.title != ToolTitle)
            result << "<not an information box>";
    }
    return result;
}

} // namespace

class SmsCodecTest : public QObject
{
    Q_OBJECT
private slots:
    void keywordAccessChecks_data();
    void keywordAccessChecks();
    void bodies();
    void phoneNumber_data();
    void phoneNumber();
    void decoders();
    void callerIdAnswers_data();
    void callerIdAnswers();
};

void SmsCodecTest::keywordAccessChecks_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("send");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<bool>("reenable");

    const QString k15 = "ABCDEFGHIJKLMNO";
    const QString k16 = k15 + "P";
    const QString range = "Min. 4 Max. 8-characters";
    const QString keywordRange = "Min. 0 Max. 15-characters";

    QTest::newRow("15 and 4") << k15 << "1234" << true << QStringList {} << QStringList {} << false;
    QTest::newRow("15 and 8") << k15 << "12345678" << true << QStringList {} << QStringList {}
                              << false;
    QTest::newRow("code of 3") << "KTVW"
                               << "123" << false << QStringList {range} << QStringList {} << false;
    QTest::newRow("code of 9") << "KTVW"
                               << "123456789" << false << QStringList {range} << QStringList {}
                               << false;
    QTest::newRow("empty keyword")
        << ""
        << "1234" << false << QStringList {"Keyword length error!"} << QStringList {} << true;
    QTest::newRow("empty keyword and code")
        << ""
        << "" << false << QStringList {"Keyword length error!"} << QStringList {} << true;
    QTest::newRow("16 and empty code") << k16 << "" << false << QStringList {keywordRange, range}
                                       << QStringList {"lineEdit_access"} << true;
    QTest::newRow("16 and short code") << k16 << "12" << false << QStringList {keywordRange, range}
                                       << QStringList {"lineEdit_keywd"} << true;
    QTest::newRow("16 and good code") << k16 << "1234" << false << QStringList {keywordRange}
                                      << QStringList {"lineEdit_keywd"} << true;
    QTest::newRow("empty code") << "KTVW"
                                << "" << false << QStringList {range}
                                << QStringList {"lineEdit_access"} << true;
}

void SmsCodecTest::keywordAccessChecks()
{
    QFETCH(QString, keyword);
    QFETCH(QString, code);
    QFETCH(bool, send);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, emptied);
    QFETCH(bool, reenable);

    const WriteCheck check = keywordAccess(keywordForm(keyword, code));
    QCOMPARE(check.send, send);
    QCOMPARE(check.body, send ? "KEYWD:" + keyword + ";ACCES:1," + code : QString());
    QCOMPARE(texts(check.notices), messages);
    QCOMPARE(check.corrections.names(), emptied);
    for (const QString &name : emptied)
        QCOMPARE(check.corrections.text(name), QString());
    QCOMPARE(check.reenablePages, reenable);
}

void SmsCodecTest::bodies()
{
    FormValues v;
    v.setText("lineEdit_apn_internet", "internet");
    QCOMPARE(apn(v).body, QString("APN:internet,,"));
    v.setText("lineEdit_apn_user", "u");
    v.setText("lineEdit_apn_passwd", "p%1");
    QCOMPARE(apn(v).body, QString("APN:internet,u,p%1"));

    v.setText("lineEdit_XML_user", "x");
    QCOMPARE(xml(v).body, QString("XML:x,"));

    v.setText("lineEdit_call_id1", "+123");
    QCOMPARE(callerIds(v).body, QString("CALID:1,+123;CALID:2,"));
}

void SmsCodecTest::phoneNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("message");
    QTest::newRow("plus star hash") << "+12*34#" << true << "";
    QTest::newRow("ampersand") << "12&3" << true << "";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("15 digits") << "123456789012345" << true << "";
    QTest::newRow("hyphen") << "123-456" << false << "Digits only !";
    QTest::newRow("blank") << "123 456" << false << "Digits only !";
    QTest::newRow("16 digits") << "1234567890123456" << false
                               << "Max. telephone number 15 digits !";
    QTest::newRow("16 with letter") << "123456789012345a" << false << "Digits only !";
    QTest::newRow("arabic digit") << QString::fromUtf8("12\u0663") << false << "Digits only !";
}

void SmsCodecTest::phoneNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, message);
    const FieldCheck check = checkPhoneNumber(text);
    QCOMPARE(check.ok, ok);
    QCOMPARE(check.notice.text, message);
}

void SmsCodecTest::decoders()
{
    FormValues apn = decodeApn("<OK> APN?:internet;\r\n");
    QCOMPARE(apn.text("lineEdit_apn_internet"), QString("internet"));
    QVERIFY(apn.contains("lineEdit_apn_user") && apn.text("lineEdit_apn_user").isEmpty());
    QVERIFY(apn.contains("lineEdit_apn_passwd") && apn.text("lineEdit_apn_passwd").isEmpty());

    apn = decodeApn("<OK> APN?:web,a,b;\r\n");
    QCOMPARE(apn.text("lineEdit_apn_passwd"), QString("b"));

    const FormValues xml = decodeXml("<OK> XML?:user,secret;\r\n");
    QCOMPARE(xml.text("lineEdit_XML_user"), QString("user"));
    QCOMPARE(xml.text("lineEdit_XML_password"), QString("secret"));

    QCOMPARE(decodeKeyword("AB#CD").text("lineEdit_keywd"), QString("AB#CD"));
    QCOMPARE(decodeAccessCode("4826").text("lineEdit_access"), QString("4826"));
}

void SmsCodecTest::callerIdAnswers_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("number");
    QTest::newRow("first") << "<OK> CAL?:1,+4930123;\r\n" << 1 << "+4930123";
    QTest::newRow("second") << "<OK> CAL?:2,0800;\r\n" << 2 << "0800";
    QTest::newRow("empty") << "<OK> CAL?:1,;\r\n" << 1 << "";
    QTest::newRow("status line after") << "<OK> CAL?:1,112;\r\nRING\r\n" << 1 << "112";
    QTest::newRow("repeated answer") << "<OK> CAL?:2,55;\r\n<OK> CAL?:2,55;\r\n" << 2 << "55";
}

void SmsCodecTest::callerIdAnswers()
{
    QFETCH(QString, received);
    QFETCH(int, which);
    QFETCH(QString, number);
    const FormValues v = decodeCallerId(received, which);
    QCOMPARE(v.names(), QStringList {QString("lineEdit_call_id%1").arg(which)});
    QCOMPARE(v.text(QString("lineEdit_call_id%1").arg(which)), number);
}

QTEST_APPLESS_MAIN(SmsCodecTest)
#include "tst_smscodec.moc"
