// Open the port, read the whole configuration, and see it on the pages.
#include <QJsonArray>
#include <QTest>

#include "e2efixture.h"

class ReadTest : public QObject
{
    Q_OBJECT
private slots:
    void readShowsWhatTheDeviceHolds_data();
    void readShowsWhatTheDeviceHolds();
    void oneWritePerPageChangesTheDevice();
    void readWithThePortClosedSaysSoAndSendsNothing();
    void informationAndInactivityWindowsAreBothShown();
};

void ReadTest::readShowsWhatTheDeviceHolds_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::newRow("plain") << QStringList {};
    QTest::newRow("echo") << QStringList {"--echo"};
    QTest::newRow("chunks") << QStringList {"--chunks", "--seed", "7"};
    QTest::newRow("echo+chunks+garbage") << QStringList {"--echo", "--chunks", "--garbage"};
}

void ReadTest::readShowsWhatTheDeviceHolds()
{
    QFETCH(QStringList, simArgs);
    WindowUnderTest t;
    QVERIFY2(t.start(simArgs), qPrintable(t.sim.errorString()));
    QVERIFY2(t.openAndRead(), qPrintable(t.recorder.texts().join(" | ")));

    Velomi &w = *t.window;
    QVERIFY(w.windowTitle().endsWith(QStringLiteral(":T47_V1.05")));
    QVERIFY(w.tabWidget_velomi->isEnabled());
    const QJsonObject device = t.sim.snapshot();
    QCOMPARE(w.lineEdit_keywd->text(), device.value("KEYWD").toString());
    QCOMPARE(w.lineEdit_access->text(), device.value("ACCES").toString());
    const QJsonArray apn = device.value("APN").toArray();
    QCOMPARE(w.lineEdit_apn_internet->text(), apn.at(0).toString());
    QCOMPARE(w.lineEdit_apn_user->text(), apn.at(1).toString());
    QCOMPARE(w.lineEdit_apn_passwd->text(), apn.at(2).toString());
    const QJsonArray cal = device.value("CAL").toArray();
    QCOMPARE(w.lineEdit_call_id1->text(), cal.at(0).toString());
    QCOMPARE(w.lineEdit_call_id2->text(), cal.at(1).toString());
    QCOMPARE(w.tableWidget_dev->rowCount(), device.value("DEV").toArray().size());
    QVERIFY(!w.label_csq->text().isEmpty());
    QCOMPARE(t.recorder.shown.size(), 1); // only the success box
}

void ReadTest::oneWritePerPageChangesTheDevice()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;

    w.lineEdit_keywd->setText(QStringLiteral("ABCD"));
    w.lineEdit_access->setText(QStringLiteral("123456"));
    w.pushButtonSet_keywd_access->click();
    QVERIFY(t.waitFor(QStringLiteral("Write command success!  ")));

    w.lineEdit_apn_internet->setText(QStringLiteral("web.example"));
    w.lineEdit_apn_user->setText(QStringLiteral("joe"));
    w.lineEdit_apn_passwd->clear();
    w.pushButtonSet_apn->click();
    QVERIFY(t.waitFor(QStringLiteral("Write command success!  "), 2));

    w.lineEdit_call_id1->setText(QStringLiteral("+4912345"));
    w.lineEdit_call_id2->setText(QStringLiteral("*31#"));
    w.pushButtonSet_callid->click();
    QVERIFY(t.waitFor(QStringLiteral("Write command success!  "), 3));

    const QJsonObject device = t.sim.snapshot();
    QCOMPARE(device.value("KEYWD").toString(), QStringLiteral("ABCD"));
    QCOMPARE(device.value("ACCES").toString(), QStringLiteral("123456"));
    QCOMPARE(device.value("APN").toArray().at(0).toString(), QStringLiteral("web.example"));
    QCOMPARE(device.value("APN").toArray().at(1).toString(), QStringLiteral("joe"));
    QCOMPARE(device.value("APN").toArray().at(2).toString(), QString());
    QCOMPARE(device.value("CAL").toArray().at(0).toString(), QStringLiteral("+4912345"));
    QCOMPARE(device.value("CAL").toArray().at(1).toString(), QStringLiteral("*31#"));
}

void ReadTest::readWithThePortClosedSaysSoAndSendsNothing()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    Velomi &w = *t.window;
    w.pushButton_read->click();
    QCOMPARE(t.recorder.texts(), QStringList {"Serial Port is not open! \"Read\""});
    QCOMPARE(w.session()->pendingCommand(), Session::Command::None);
    QVERIFY(w.textEditReceive->toPlainText().isEmpty());
}

// A version naming both end variants: the information answer and both
// schedule windows all reach the pages.
void ReadTest::informationAndInactivityWindowsAreBothShown()
{
    WindowUnderTest t;
    QVERIFY2(t.start({"--version", "T47_QO_KAL_V1.05"}), qPrintable(t.sim.errorString()));
    QVERIFY2(t.openAndRead(), qPrintable(t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    const QJsonObject device = t.sim.snapshot();
    const QJsonObject status = device.value("status").toObject();
    QCOMPARE(w.label_panel_IMEI->text(), status.value("IMEI").toString());
    QCOMPARE(w.label_panel_telcom->text(), status.value("OPERATOR").toString());
    const QJsonArray windows = device.value("INACTW").toArray();
    QCOMPARE(w.comboBox_w1_from_hour->currentText(), windows.at(0).toArray().at(0).toString());
    QCOMPARE(w.comboBox_w2_to_hour->currentText(), windows.at(1).toArray().at(2).toString());
    QCOMPARE(w.tabWidget_velomi->tabText(0), QStringLiteral("Information"));
    QCOMPARE(t.recorder.texts(), QStringList {"Read configuration success!"});
    QCOMPARE(w.session()->pendingCommand(), Session::Command::None);
}

QTEST_MAIN(ReadTest)
#include "tst_read.moc"
