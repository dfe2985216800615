// Write All against the simulated device: what the pages show is what the
// device holds afterwards, for every model family and its own set of writes.
#include <QJsonArray>
#include <QTest>

#include "e2efixture.h"
#include "writeallvalues.h"

using namespace WriteAllValues;

namespace {

// The settings the device must hold afterwards, as the device stores them.
QMap<QString, QString> expectedSettings(const Model &m)
{
    QMap<QString, QString> cfg = {
        {"BTNEV", "120"},
        {"GUDT", "30,5"},
        {"TESTC", "43200,720,14400"},
        {"SNDCR", "0,0"},
        {"ANSIN", "2,1"},
        {"CUTV", "0"},
        {"CBTI", "120,60,1"},
        {"SPKVL", "5"},
        {"SILENT", "1"},
        {"VOIEN", "0"},
        {"FALDE", "0"},
        {"FSST", "1,5"},
        {"GEOTR", "0,1,60"},
    };
    if (m.t47Family)
        cfg.insert("RPACK", "1");
    if (m.voiceBoxes())
        cfg.insert("VOIEN", "14");
    if (m.continuousGps())
        cfg.insert("CGPS", "1440");
    if (m.sleepShown)
        cfg.insert("SLEEP", "1");
    if (m.language)
        cfg.insert("LANG", "1");
    return cfg;
}

} // namespace

class WriteAllTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void closedPortOnlySaysSo();
    void noChangesNothing();
    void separatorInAValueStopsAtItsPage();
    void readOrWriteAllWhileItWritesWaits();
};

void WriteAllTest::roundTrip_data()
{
    QTest::addColumn<Model>("model");
    QTest::newRow("T47") << Model {"T47_V1.05", true, true, false, ""};
    QTest::newRow("T68") << Model {"T68_V1.0", false, true, false, "circle"};
    QTest::newRow("T41_KAL") << Model {"T41_KAL_V1.0", false, true, false, "polygon"};
    QTest::newRow("T9_W5") << Model {"T9_W5_V1.0", true, false, false, ""};
    QTest::newRow("T47_PV") << Model {"T47_PV_V1.05", true, true, false, ""};
    QTest::newRow("T47_XA") << Model {"T47_XA_V1.05", true, true, true, ""};
    QTest::newRow("T47_ZO_ZM") << Model {"T47_ZO_ZM_V1.05", true, true, false, ""};
    QTest::newRow("T68 echoed, in pieces")
        << Model {"T68_V1.0", false, true, false, "circle", {"--echo", "--chunks", "--seed", "3"}};
}

void WriteAllTest::roundTrip()
{
    QFETCH(Model, model);
    // Fence 1 starts deleted (both "Disable" boxes checked on the page), so
    // every fence widget Write All sends changes too.
    const QJsonObject deleted {
        {"shape", "deleted"}, {"enabled", false}, {"radius", ""}, {"points", QJsonArray()}};
    const QJsonObject state {{"GEOFE", QJsonArray {deleted}}};
    WindowUnderTest t;
    QVERIFY2(t.startWithState(state, QStringList {"--version", model.version} + model.simArgs),
        qPrintable(t.sim.errorString()));
    QVERIFY2(t.openAndRead(), qPrintable(t.recorder.texts().join(" | ")));

    // The fresh window below starts from the Default profile: make that the
    // device's old values, so a value that is not read back shows as lost.
    t.window->on_pushButton_save_default_Pconfig_clicked();

    const QStringList written = writtenWidgets(model);
    const FormValues changes = changedValues(model, t.window->comboBox_rpt_type_1->count());
    const FormValues before = t.pages();
    t.window->applyValues(changes);
    const FormValues shown = t.pages();
    for (const QString &name : written) {
        QVERIFY2(shown.value(name) == changes.value(name), qPrintable(name));
        if (!name.startsWith(QLatin1String("radioButton_"))) // they change as a group
            QVERIFY2(shown.value(name) != before.value(name), qPrintable(name + " did not change"));
    }

    t.recorder.shown.clear();
    QVERIFY2(t.writeAll(), qPrintable(t.recorder.texts().join(" | ")));
    QCOMPARE(t.recorder.texts(),
        QStringList({"Write all config. ZAROrazram, APN, Report, Geo-fence and Settings tabs. "
                     "Are you sure?",
            "Write all configuration success!"}));

    // The device holds what the pages showed.
    const QJsonObject device = t.sim.snapshot();
    QCOMPARE(device.value("KEYWD").toString(), shown.text("lineEdit_keywd"));
    QCOMPARE(device.value("ACCES").toString(), shown.text("lineEdit_access"));
    QCOMPARE(device.value("APN").toArray(),
        QJsonArray({shown.text("lineEdit_apn_internet"), shown.text("lineEdit_apn_user"),
            shown.text("lineEdit_apn_passwd")}));
    QCOMPARE(device.value("CAL").toArray(),
        QJsonArray({shown.text("lineEdit_call_id1"), shown.text("lineEdit_call_id2")}));
    if (model.t47Family)
        QCOMPARE(device.value("XML").toArray(), QJsonArray({"xmluser", "xml pass"}));
    const QJsonArray reports = device.value("RPT").toArray();
    const int rows = model.t47Family ? 5 : 4;
    for (int row = 1; row <= 5; ++row) {
        const QJsonArray r = reports.at(row - 1).toArray();
        if (row > rows) { // not written: the factory row stays
            QCOMPARE(r.at(0).toString(), QString());
            continue;
        }
        QCOMPARE(r.at(0).toString(), Destinations.at(row - 1));
        QCOMPARE(r.at(1).toString(), QString::number(row % 5 + 1));
        QCOMPARE(r.at(3).toString(), QStringLiteral("0"));
        QCOMPARE(r.at(4).toString(), EventCodes.at(Events[row - 1]));
    }
    const QJsonObject cfg = device.value("CFG").toObject();
    const QMap<QString, QString> settings = expectedSettings(model);
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        QVERIFY2(cfg.value(it.key()).toString() == it.value(),
            qPrintable(it.key() + " = " + cfg.value(it.key()).toString()));
    const QJsonObject fence = device.value("GEOFE").toArray().at(0).toObject();
    if (model.fence1 == QLatin1String("circle")) {
        QCOMPARE(fence.value("shape").toString(), QStringLiteral("circle"));
        QCOMPARE(fence.value("radius").toString(), QStringLiteral("10000"));
        QCOMPARE(fence.value("points").toArray(),
            QJsonArray({QJsonArray({"-33.868820", "151.209296"})}));
    } else if (model.fence1 == QLatin1String("polygon")) {
        QCOMPARE(fence.value("shape").toString(), QStringLiteral("polygon"));
        QCOMPARE(fence.value("enabled").toBool(), true);
        QCOMPARE(fence.value("points").toArray().size(), 4);
        QCOMPARE(fence.value("points").toArray().at(3).toArray(), QJsonArray({"90", "-180"}));
    }

    // A fresh window reads back every value that was written.
    QVERIFY(t.newWindow());
    QVERIFY2(t.openAndRead(), qPrintable(t.recorder.texts().join(" | ")));
    const QStringList lost = differences(written, shown, t.pages());
    QVERIFY2(lost.isEmpty(), qPrintable(lost.join("\n")));
}

void WriteAllTest::closedPortOnlySaysSo()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    const QJsonObject before = t.sim.snapshot();
    t.recorder.shown.clear();
    t.window->pushButton_writeAll->click();
    QCOMPARE(t.recorder.texts(), QStringList {"Serial Port is not open! \"Write All\""});
    QCOMPARE(t.window->session()->lastCommandFrame(), QByteArray());
    QCOMPARE(t.sim.snapshot(), before);
}

void WriteAllTest::noChangesNothing()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    const QByteArray lastFrame = w.session()->lastCommandFrame();
    const Session::Command pending = w.session()->pendingCommand();
    const int progress = w.progressBar->value();
    const FormValues pages = t.pages();
    t.recorder.shown.clear();
    t.recorder.answer = false;
    w.lineEdit_keywd->setText(QStringLiteral("ZZZZ"));
    w.pushButton_writeAll->click();
    QCOMPARE(t.recorder.shown.size(), 1);
    QCOMPARE(t.recorder.shown.first().kind, Notice::Question);
    QCOMPARE(t.recorder.shown.first().title, QStringLiteral("Velomi Tool"));
    QCOMPARE(w.session()->lastCommandFrame(), lastFrame);
    QCOMPARE(w.session()->pendingCommand(), pending);
    QVERIFY(w.tabWidget_velomi->isEnabled());
    QCOMPARE(w.progressBar->value(), progress);
    QVERIFY(t.sim.snapshot().value("KEYWD").toString() != QLatin1String("ZZZZ"));
    FormValues expected = pages;
    expected.setText("lineEdit_keywd", "ZZZZ");
    QCOMPARE(t.pages(), expected);
}

// A caller ID with a ";" (a profile can hold one; the check while editing
// never ran) would also set the guard times: Write All writes the pages before
// it, then stops there, naming the field and the page, and leaves the pages
// usable.
void WriteAllTest::separatorInAValueStopsAtItsPage()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    const QJsonObject before = t.sim.snapshot();
    w.lineEdit_call_id1->setText(QStringLiteral("112;GUDT:0,0"));
    w.lineEdit_apn_user->setText(QStringLiteral("written"));
    t.recorder.shown.clear();
    w.pushButton_writeAll->click();
    const QString stopped
        = QStringLiteral("Write All stopped: check the value on the \"Settings\" page.");
    QVERIFY2(t.waitFor(stopped), qPrintable(t.recorder.texts().join(" | ")));
    QCOMPARE(t.recorder.texts().mid(1),
        QStringList({"Caller ID1 may not contain \",\", \";\" or control characters!", stopped}));
    QVERIFY(w.tabWidget_velomi->isEnabled());
    QCOMPARE(w.session()->pendingCommand(), Session::Command::None);
    const QJsonObject after = t.sim.snapshot();
    QCOMPARE(after.value("APN").toArray().at(1).toString(), QStringLiteral("written"));
    QCOMPARE(after.value("CAL"), before.value("CAL"));
    QCOMPARE(
        after.value("CFG").toObject().value("GUDT"), before.value("CFG").toObject().value("GUDT"));
}

// Read or Write All pressed while Write All writes: Write All goes on to
// its end and the press only says so (a Read took its acknowledgements, and
// Write All stopped halfway without a word).
void WriteAllTest::readOrWriteAllWhileItWritesWaits()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    w.lineEdit_keywd->setText(QStringLiteral("ZZZZ"));
    w.lineEdit_apn_internet->setText(QStringLiteral("m2m.example"));
    w.pushButton_writeAll->click();
    QCOMPARE(w.session()->pendingCommand(), Session::Command::WriteAll);
    w.pushButton_read->click();
    w.pushButton_writeAll->click();
    QCOMPARE(t.count(Session::writeAllRunning()), 2);
    QVERIFY(t.waitFor(QStringLiteral("Write all configuration success!")));
    QCOMPARE(t.sim.snapshot().value("KEYWD").toString(), QStringLiteral("ZZZZ"));
    QCOMPARE(
        t.sim.snapshot().value("APN").toArray().at(0).toString(), QStringLiteral("m2m.example"));
}

QTEST_MAIN(WriteAllTest)
#include "tst_writeall.moc"
