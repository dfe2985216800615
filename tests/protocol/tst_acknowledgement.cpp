#include <QTest>

#include "protocol/acknowledgement.h"

Q_DECLARE_METATYPE(AckKind)
Q_DECLARE_METATYPE(Notice::Kind)

class AcknowledgementTest : public QObject
{
    Q_OBJECT
private slots:
    void classification_data();
    void classification();
    void forbiddenZoneCaptions_data();
    void forbiddenZoneCaptions();
};

void AcknowledgementTest::classification_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<AckKind>("kind");
    QTest::addColumn<Notice::Kind>("noticeKind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("clearReceived");

    const auto info = Notice::Information;
    const auto warning = Notice::Warning;
    const QString success = "Write command success!  ";
    const QString writeError = "Write command error!  ";

    QTest::newRow("nothing") << "<OK> VER?:T47;\r\n" << AckKind::None << info << "" << false;
    QTest::newRow("keyword alone") << "<OK> KEYWD;\r\n" << AckKind::None << info << "" << false;
    QTest::newRow("keyword and access apart") << "<OK> KEYWD; <OK> ACCES;\r\n"
                                              << AckKind::None << info << "" << false;
    QTest::newRow("keyword and access") << "<OK> KEYWD;<OK> ACCES;\r\n"
                                        << AckKind::WriteSuccess << info << success << true;
    QTest::newRow("apn") << "<OK> APN;\r\n" << AckKind::WriteSuccess << info << success << true;
    QTest::newRow("caller ids") << "<OK> CALID;<OK> CALID;\r\n"
                                << AckKind::WriteSuccess << info << success << true;
    QTest::newRow("settings") << "<OK> BTNEV;<OK> GUDT;\r\n"
                              << AckKind::WriteSuccess << info << success << true;
    QTest::newRow("device added") << "<OK> DEVAD;\r\n"
                                  << AckKind::DeviceAdded << info << "Add Device command success!  "
                                  << false;
    QTest::newRow("device removed")
        << "<OK> DEVRM;\r\n"
        << AckKind::DeviceRemoved << info << "Delete Device command success!  " << false;
    QTest::newRow("reboot") << "<OK> RESET;\r\n"
                            << AckKind::RebootDevice << info
                            << "Reboot Device OK, please wait 30 seconds!" << true;
    QTest::newRow("reboot with error word")
        << "<ERROR> XML;<OK> RESET;\r\n"
        << AckKind::RebootDevice << info << "Reboot Device OK, please wait 30 seconds!" << true;
    QTest::newRow("reboot gsm") << "<OK> RSTG;\r\n"
                                << AckKind::RebootGsm << info
                                << "Reboot GSM OK, please wait 30 seconds!" << true;
    QTest::newRow("factory reset")
        << "<OK> FTSET;\r\n"
        << AckKind::FactoryReset << info << "Factory Reset OK, please wait 30 seconds!" << true;
    QTest::newRow("factory mode") << "<OK> FTMODE;\r\n"
                                  << AckKind::FactoryMode << info << "Factory Mode OK!" << true;
    QTest::newRow("signal strength") << "<OK> CSQ:23,99;\r\n"
                                     << AckKind::SignalStrength << info << "" << false;
    QTest::newRow("fence out of range")
        << "<Fehler> GEOFE;\r\n"
        << AckKind::GeoFenceRange << warning
        << "Write command error! Check your Latitude \"and\" \"Longitude\" value" << false;
    const QStringList errorWords = {"ERROR", "ERREUR", "Fehler", "FOUT"};
    for (const QString &word : errorWords)
        QTest::newRow(qPrintable("error " + word))
            << "<" + word + "> APN;\r\n"
            << AckKind::WriteError << warning << writeError << false;
    QTest::newRow("error beats success") << "<OK> APN;<ERROR> XML;\r\n"
                                         << AckKind::WriteError << warning << writeError << false;
    QTest::newRow("error beats forbid") << "<OK> FORBID;<ERROR> GEOFE;\r\n"
                                        << AckKind::WriteError << warning << writeError << false;
}

void AcknowledgementTest::classification()
{
    QFETCH(QString, received);
    QFETCH(AckKind, kind);
    QFETCH(Notice::Kind, noticeKind);
    QFETCH(QString, message);
    QFETCH(bool, clearReceived);

    const AckOutcome outcome = classifyAcknowledgement(received, "AT!XSMSC=APN:a,b,c\r");
    QCOMPARE(outcome.kind, kind);
    QCOMPARE(outcome.notice.text, message);
    if (!message.isEmpty()) {
        QCOMPARE(outcome.notice.kind, noticeKind);
        QCOMPARE(outcome.notice.title, ToolTitle);
    }
    QCOMPARE(outcome.clearReceived, clearReceived);
    QVERIFY(outcome.values.isEmpty());
}

void AcknowledgementTest::forbiddenZoneCaptions_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QString>("caption");
    QTest::newRow("zones off") << QByteArray("AT!XSMSC=FORBID:0;\r") << "Geo-fence:";
    QTest::newRow("zones on") << QByteArray("AT!XSMSC=FORBID:1;\r") << "Forbidden-zone:";
    QTest::newRow("off without semicolon")
        << QByteArray("AT!XSMSC=FORBID:0\r") << "Forbidden-zone:";
}

void AcknowledgementTest::forbiddenZoneCaptions()
{
    QFETCH(QByteArray, frame);
    QFETCH(QString, caption);
    const AckOutcome outcome = classifyAcknowledgement("<OK> FORBID;\r\n", frame);
    QCOMPARE(outcome.kind, AckKind::ForbiddenZone);
    QVERIFY(outcome.notice.text.isEmpty());
    QVERIFY(!outcome.clearReceived);
    QCOMPARE(outcome.values.size(), 3);
    for (const char *label : {"label_GF_1", "label_GF_2", "label_GF_3"})
        QCOMPARE(outcome.values.text(label), caption);
}

QTEST_APPLESS_MAIN(AcknowledgementTest)
#include "tst_acknowledgement.moc"
