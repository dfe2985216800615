#include <QTest>

#include "protocol/cfgextract.h"

namespace {

QMap<QString, QString> extract(
    const QString &received, const QString &keyword, const QStringList &keys)
{
    QMap<QString, QString> values;
    for (const auto &pair : extractCfgKeys(received, keyword, keys))
        values.insert(pair.first, pair.second);
    return values;
}

} // namespace

class CfgExtractTest : public QObject
{
    Q_OBJECT
private slots:
    void keyValues_data();
    void keyValues();
    void everyKeyInOrder();
};

void CfgExtractTest::keyValues_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QString cfg1 = "<OK> CFG1?:KEYWD:KTVW;ACCES:1,4826;GUDT:1,2;GEOTR:1,0,30;"
                         "GEOTR:0,1,60;INACT:1,0,5,1,30;FORBID:1;RFIGN:1;RFGPS:2;;\r\n";
    QTest::newRow("plain key") << cfg1 << "GUDT"
                               << "1,2";
    QTest::newRow("two GEOTR items joined") << cfg1 << "GEOTR"
                                            << "1,0,30#0,1,60";
    QTest::newRow("access code") << cfg1 << "ACCES"
                                 << "4826";
    QTest::newRow("inactivity") << cfg1 << "INACT"
                                << "1,0,5,1,30";
    QTest::newRow("missing key") << cfg1 << "SLEEP"
                                 << "";
    QTest::newRow("other access index ignored") << "<OK> CFG1?:ACCES:2,1111;ACCES:1,2222;\r\n"
                                                << "ACCES"
                                                << "2222";
    QTest::newRow("only other access index") << "<OK> CFG1?:ACCES:2,1111;\r\n"
                                             << "ACCES"
                                             << "";
    QTest::newRow("two keywords") << "<OK> CFG1?:KEYWD:AB;KEYWD:CD;\r\n"
                                  << "KEYWD"
                                  << "AB#CD";
    QTest::newRow("window items are not INACT") << "<OK> CFG1?:INACTW:1,8,0;\r\n"
                                                << "INACT"
                                                << "";
    QTest::newRow("other answer") << "<OK> CFG2?:GUDT:1,2;\r\n"
                                  << "GUDT"
                                  << "";
    QTest::newRow("body too short") << "<OK> CFG1?:\r\n"
                                    << "GUDT"
                                    << "";
    QTest::newRow("echoed twice") << "<OK> CFG1?:GUDT:3,4;\r\n<OK> CFG1?:GUDT:3,4;\r\n"
                                  << "GUDT"
                                  << "3,4";
}

void CfgExtractTest::keyValues()
{
    QFETCH(QString, received);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QCOMPARE(extract(received, "CFG1?:", {key}).value(key), value);
}

void CfgExtractTest::everyKeyInOrder()
{
    const auto pairs = extractCfgKeys("<OK> CFG2?:SNDCR:0,1;CUTV:2;\r\n", "CFG2?:", Cfg2Keys);
    QCOMPARE(pairs.size(), Cfg2Keys.size());
    for (int i = 0; i < pairs.size(); ++i)
        QCOMPARE(pairs.at(i).first, Cfg2Keys.at(i));
    QCOMPARE(pairs.at(0).second, QString("0,1"));
    QCOMPARE(pairs.at(2).second, QString("2"));
}

QTEST_APPLESS_MAIN(CfgExtractTest)
#include "tst_cfgextract.moc"
