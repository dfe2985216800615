// Write All against the simulated device: what the pages show is what the
// device holds afterwards, for every model family and its own set of writes.
#include <QJsonArray>
#include <QtTest>

#include "e2efixture.h"

namespace {

// What Write All covers on a model, from the version the device answers.
struct Model
{
    QString version;
    bool t47Family;  // five report rows, the XML function, the speech-acknowledgement item
    bool sleepShown; // T47, T41, T68: the Settings frame carries SLEEP
    bool language;   // T47 with _XA: the Settings frame carries LANG
    QString fence1;  // the other models write fence 1: "circle" or "polygon"
    QStringList simArgs = {};

    // Variants whose Settings frame differs: "ZO" sends the four voice-prompt
    // boxes as a bit mask, "_ZM" and "_NBQ" add continuous GPS.
    bool voiceBoxes() const { return version.contains(QLatin1String("ZO")); }
    bool continuousGps() const
    {
        return version.contains(QLatin1String("_ZM")) || version.contains(QLatin1String("_NBQ"));
    }
};

} // namespace
Q_DECLARE_METATYPE(Model)

namespace {

QStringList numbered(const QString &pattern, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << pattern.arg(i);
    return names;
}

// The widgets whose values Write All sends on this model.
QStringList writtenWidgets(const Model &m)
{
    QStringList names = {"lineEdit_keywd", "lineEdit_access", "lineEdit_apn_internet",
                         "lineEdit_apn_user", "lineEdit_apn_passwd", "lineEdit_call_id1",
                         "lineEdit_call_id2"};
    const int rows = m.t47Family ? 5 : 4;
    for (int row = 1; row <= rows; ++row) {
        names << QStringLiteral("lineEdit_rpt_to_%1").arg(row)
              << QStringLiteral("comboBox_rpt_type_%1").arg(row)
              << QStringLiteral("comboBox_rpt_event_%1").arg(row)
              << numbered(QStringLiteral("radioButton_rpt_group_%1_%2").arg(row), 1, 5);
    }
    if (m.t47Family)
        names << "lineEdit_XML_user" << "lineEdit_XML_password" << "comboBox_speech_rpt_ack";
    names << "comboBox_btnev" << "comboBox_gudt_normal" << "comboBox_gudt_fall"
          << "comboBox_testc_interval" << "comboBox_testc_offset" << "comboBox_supervision_timer"
          << "comboBox_sndcr_guard_beep" << "comboBox_sndcr_confirm_beep"
          << "comboBox_ansin_onoff" << "comboBox_AIC_checkAccessCode"
          << "comboBox_two_sensor_cut_off" << "comboBox_cbti_duration" << "comboBox_cbti_twoway"
          << "comboBox_CB_checkAccessCode" << "comboBox_speaker_volume_level"
          << "comboBox_mobile_silent" << "comboBox_fall_detection"
          << "comboBox_fall_sensor_sensitivity" << "comboBox_mobile_fall_sensor_sensitivity"
          << "comboBox_geotr_agps" << "comboBox_geotr_celllocate" << "comboBox_geotr_trackerperiod";
    if (m.voiceBoxes())
        names << numbered(QStringLiteral("checkBox_voicePrompt_%1"), 1, 4);
    else
        names << "comboBox_voice_prompt";
    if (m.continuousGps())
        names << "comboBox_continuous_GPS_positioning";
    if (m.sleepShown)
        names << "comboBox_rd_sleep_mode";
    if (m.language)
        names << "comboBox_language";
    if (m.fence1 == QLatin1String("circle"))
        names << "comboBox_geo_type_1_0" << "checkBox_geo_fence_1_1" << "lineEdit_lat_1_0"
              << "lineEdit_long_1_0" << "lineEdit_radius_1_0";
    if (m.fence1 == QLatin1String("polygon"))
        names << "comboBox_geo_type_1_0" << "checkBox_geo_fence_1_2" << "comboBox_geo_vertex_1_0"
              << numbered(QStringLiteral("lineEdit_lat_1_%1"), 1, 4)
              << numbered(QStringLiteral("lineEdit_long_1_%1"), 1, 4);
    return names;
}

// Row 2 is emptied; the device's factory row 2 holds an address.
const QStringList Destinations = {"+491701112223", "", "198.51.100.7:7001", "alarm.example.org",
                                  "0049301234"};
const int Events[] = {2, 0, 1, 2, 1}; // "Status", "All", "Emergency", ...
const QStringList EventCodes = {"255", "4", "1"};

// New values for every written widget, each unlike the device's factory value
// and including the ends of the selector tables.
FormValues changedValues(const Model &m, int reportTypeCount)
{
    FormValues v;
    v.setText("lineEdit_keywd", "ABCDEFGHIJKLMNO"); // 15, the longest
    v.setText("lineEdit_access", "87654321");       // 8, the longest
    v.setText("lineEdit_apn_internet", "apn.example.net");
    v.setText("lineEdit_apn_user", "user#1");
    v.setText("lineEdit_apn_passwd", "p\u00e4\u00a7s w\u00f6rd"); // Latin-1 travels as it is
    v.setText("lineEdit_call_id1", "+4917012345678");
    v.setText("lineEdit_call_id2", "*31#&9");
    for (int row = 1; row <= 5; ++row) {
        v.setText(QStringLiteral("lineEdit_rpt_to_%1").arg(row), Destinations.at(row - 1));
        v.setIndex(QStringLiteral("comboBox_rpt_type_%1").arg(row), (2 * row + 1) % reportTypeCount);
        v.setIndex(QStringLiteral("comboBox_rpt_event_%1").arg(row), Events[row - 1]);
        const int group = row % 5 + 1;
        for (int g = 1; g <= 5; ++g)
            v.setChecked(QStringLiteral("radioButton_rpt_group_%1_%2").arg(row).arg(g), g == group);
    }
    v.setText("lineEdit_XML_user", "xmluser");
    v.setText("lineEdit_XML_password", "xml pass");
    const QList<QPair<const char *, int>> selectors = {
        {"comboBox_btnev", 2},           {"comboBox_gudt_normal", 6},
        {"comboBox_gudt_fall", 1},       {"comboBox_testc_interval", 18},
        {"comboBox_testc_offset", 8},    {"comboBox_supervision_timer", 5},
        {"comboBox_speech_rpt_ack", 1},  {"comboBox_sndcr_guard_beep", 0},
        {"comboBox_sndcr_confirm_beep", 0}, {"comboBox_ansin_onoff", 2},
        {"comboBox_AIC_checkAccessCode", 1}, {"comboBox_two_sensor_cut_off", 0},
        {"comboBox_cbti_duration", 33},  {"comboBox_cbti_twoway", 30},
        {"comboBox_CB_checkAccessCode", 1}, {"comboBox_speaker_volume_level", 4},
        {"comboBox_mobile_silent", 1},   {"comboBox_voice_prompt", 0},
        {"comboBox_fall_detection", 0},  {"comboBox_rd_sleep_mode", 1},
        {"comboBox_language", 1},        {"comboBox_fall_sensor_sensitivity", 0},
        {"comboBox_mobile_fall_sensor_sensitivity", 4}, {"comboBox_geotr_agps", 0},
        {"comboBox_geotr_celllocate", 1}, {"comboBox_geotr_trackerperiod", 14},
    };
    for (const auto &s : selectors)
        v.setIndex(QLatin1String(s.first), s.second);
    v.setIndex("comboBox_continuous_GPS_positioning", 7); // 24 hours
    for (int box = 1; box <= 4; ++box) // the factory value is 1: box 1 alone
        v.setChecked(QStringLiteral("checkBox_voicePrompt_%1").arg(box), box != 1);
    if (m.fence1 == QLatin1String("circle")) {
        v.setIndex("comboBox_geo_type_1_0", 1);
        v.setChecked("checkBox_geo_fence_1_1", false);
        v.setText("lineEdit_lat_1_0", "-33.868820");
        v.setText("lineEdit_long_1_0", "151.209296");
        v.setText("lineEdit_radius_1_0", "10000");
    } else if (m.fence1 == QLatin1String("polygon")) {
        v.setIndex("comboBox_geo_type_1_0", 2);
        v.setChecked("checkBox_geo_fence_1_2", false);
        v.setIndex("comboBox_geo_vertex_1_0", 1); // four vertices
        const QStringList lat = {"48.1", "48.2", "-48.3", "90"};
        const QStringList lon = {"11.5", "-11.6", "11.7", "-180"};
        for (int i = 1; i <= 4; ++i) {
            v.setText(QStringLiteral("lineEdit_lat_1_%1").arg(i), lat.at(i - 1));
            v.setText(QStringLiteral("lineEdit_long_1_%1").arg(i), lon.at(i - 1));
        }
    }
    return v;
}

// The settings the device must hold afterwards, as the device stores them.
QMap<QString, QString> expectedSettings(const Model &m)
{
    QMap<QString, QString> cfg = {
        {"BTNEV", "120"},  {"GUDT", "30,5"},    {"TESTC", "43200,720,14400"}, {"SNDCR", "0,0"},
        {"ANSIN", "2,1"},  {"CUTV", "0"},       {"CBTI", "120,60,1"},         {"SPKVL", "5"},
        {"SILENT", "1"},   {"VOIEN", "0"},      {"FALDE", "0"},               {"FSST", "1,5"},
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

QString describe(const QVariant &v)
{
    return v.isValid() ? v.toString() : QStringLiteral("<absent>");
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
};

void WriteAllTest::roundTrip_data()
{
    QTest::addColumn<Model>("model");
    QTest::newRow("T47") << Model{"T47_V1.05", true, true, false, ""};
    QTest::newRow("T68") << Model{"T68_V1.0", false, true, false, "circle"};
    QTest::newRow("T41_KAL") << Model{"T41_KAL_V1.0", false, true, false, "polygon"};
    QTest::newRow("T9_W5") << Model{"T9_W5_V1.0", true, false, false, ""};
    QTest::newRow("T47_PV") << Model{"T47_PV_V1.05", true, true, false, ""};
    QTest::newRow("T47_XA") << Model{"T47_XA_V1.05", true, true, true, ""};
    QTest::newRow("T47_ZO_ZM") << Model{"T47_ZO_ZM_V1.05", true, true, false, ""};
    QTest::newRow("T68 echoed, in pieces")
        << Model{"T68_V1.0", false, true, false, "circle", {"--echo", "--chunks", "--seed", "3"}};
}

void WriteAllTest::roundTrip()
{
    QFETCH(Model, model);
    // Fence 1 starts deleted (both "Disable" boxes checked on the page), so
    // every fence widget Write All sends changes too.
    const QJsonObject deleted{{"shape", "deleted"}, {"enabled", false}, {"radius", ""},
                              {"points", QJsonArray()}};
    const QJsonObject state{{"GEOFE", QJsonArray{deleted}}};
    WindowUnderTest t;
    QVERIFY2(t.startWithState(state, QStringList{"--version", model.version} + model.simArgs),
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
    const FormValues after = t.pages();
    QStringList lost;
    for (const QString &name : written) {
        if (after.value(name) != shown.value(name))
            lost << QStringLiteral("%1: %2 -> %3")
                        .arg(name, describe(shown.value(name)), describe(after.value(name)));
    }
    QVERIFY2(lost.isEmpty(), qPrintable(lost.join("\n")));
}

void WriteAllTest::closedPortOnlySaysSo()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    const QJsonObject before = t.sim.snapshot();
    t.recorder.shown.clear();
    t.window->pushButton_writeAll->click();
    QCOMPARE(t.recorder.texts(), QStringList{"Serial Port is not open! \"Write All\""});
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
    const int pending = w.session()->pendingCommand();
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

QTEST_MAIN(WriteAllTest)
#include "tst_writeall.moc"
