// The Settings page against the simulated device: a read shows the settings
// the device holds, the three Write buttons change them, and a second read
// shows what was written.
#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "e2efixture.h"

namespace {

QVector<int> run(int first, int last, int step = 1)
{
    QVector<int> values;
    for (int v = first; v <= last; v += step)
        values << v;
    return values;
}

// Field `field` of the device's setting `key` is shown by the combo `widget`,
// whose item i stands for the value wire[i] (an empty list: the value is the
// index). `written` says which Write button sends it, if any.
enum class Writer { None, Settings, GpsTracker, GeoAlert };
struct Selector
{
    const char *key;
    int field;
    const char *widget;
    QVector<int> wire;
    Writer written;
};

const QVector<Selector> &selectors()
{
    static const QVector<int> offOn = {0, 1};
    static const QVector<Selector> all = {
        {"BTNEV", 0, "comboBox_btnev", {100, 101, 120}, Writer::Settings},
        {"GUDT", 0, "comboBox_gudt_normal", run(0, 30, 5), Writer::Settings},
        {"GUDT", 1, "comboBox_gudt_fall", run(0, 30, 5), Writer::Settings},
        {"TESTC", 0, "comboBox_testc_interval",
            {0, 10, 20, 30, 60, 120, 240, 360, 480, 720, 1440, 2880, 4320, 5760, 7200, 8640, 10080,
                21600, 43200},
            Writer::Settings},
        {"TESTC", 1, "comboBox_testc_offset", {10, 20, 30, 60, 120, 240, 360, 480, 720},
            Writer::Settings},
        {"TESTC", 2, "comboBox_supervision_timer", {0, 1440, 4320, 7200, 10080, 14400},
            Writer::Settings},
        {"RPACK", 0, "comboBox_speech_rpt_ack", offOn, Writer::Settings},
        {"SNDCR", 0, "comboBox_sndcr_guard_beep", offOn, Writer::Settings},
        {"SNDCR", 1, "comboBox_sndcr_confirm_beep", offOn, Writer::Settings},
        {"ANSIN", 0, "comboBox_ansin_onoff", {0, 1, 2}, Writer::Settings},
        {"ANSIN", 1, "comboBox_AIC_checkAccessCode", offOn, Writer::Settings},
        {"CUTV", 0, "comboBox_two_sensor_cut_off", offOn, Writer::Settings},
        {"CBTI", 0, "comboBox_cbti_duration", run(0, 30) + QVector<int> {60, 90, 120},
            Writer::Settings},
        {"CBTI", 1, "comboBox_cbti_twoway", run(1, 30) + QVector<int> {60, 90}, Writer::Settings},
        {"CBTI", 2, "comboBox_CB_checkAccessCode", offOn, Writer::Settings},
        {"SPKVL", 0, "comboBox_speaker_volume_level", run(1, 5), Writer::Settings},
        {"SILENT", 0, "comboBox_mobile_silent", offOn, Writer::Settings},
        {"VOIEN", 0, "comboBox_voice_prompt", offOn, Writer::Settings},
        {"CGPS", 0, "comboBox_continuous_GPS_positioning", {0, 30, 60, 120, 240, 480, 720, 1440},
            Writer::Settings},
        {"FALDE", 0, "comboBox_fall_detection", offOn, Writer::Settings},
        {"SLEEP", 0, "comboBox_rd_sleep_mode", offOn, Writer::Settings},
        {"LANG", 0, "comboBox_language", offOn, Writer::Settings},
        {"FSST", 0, "comboBox_fall_sensor_sensitivity", run(1, 5), Writer::Settings},
        {"FSST", 1, "comboBox_mobile_fall_sensor_sensitivity", run(1, 5), Writer::Settings},
        {"GEOTR", 0, "comboBox_geotr_agps", offOn, Writer::GpsTracker},
        {"GEOTR", 1, "comboBox_geotr_celllocate", offOn, Writer::GpsTracker},
        {"GEOTR", 2, "comboBox_geotr_trackerperiod", run(0, 10) + QVector<int> {15, 20, 30, 60},
            Writer::GpsTracker},
        {"GEGPS", 0, "comboBox_ge_gps_period", run(0, 360, 60), Writer::GeoAlert},
        {"GEGPS", 1, "comboBox_ge_gps_interval", {}, Writer::GeoAlert},
        // Shown, never written by these pages.
        {"TRACR", 0, "comboBox_GPS_tracker_report", offOn, Writer::None},
        {"RPPRIO", 0, "comboBox_reportPriority", offOn, Writer::None},
        {"GSMNF", 0, "comboBox_gsm_on_off_function", offOn, Writer::None},
        {"GSMNF", 0, "comboBox_gsm_on_off_function2", offOn, Writer::None},
        {"RFIGN", 0, "comboBox_rf_gps_ignore", offOn, Writer::None},
        {"RFGPS", 0, "comboBox_rf_gps_action", offOn, Writer::None},
    };
    return all;
}

int wireValue(const Selector &s, int index)
{
    return s.wire.isEmpty() ? index : s.wire.value(index, -1);
}
int indexOf(const Selector &s, int value)
{
    return s.wire.isEmpty() ? value : int(s.wire.indexOf(value));
}

// Every value differs from the factory's and from the form's start state.
QJsonObject deviceSettings()
{
    return QJsonObject {
        {"BTNEV", "120"},
        {"GUDT", "15,25"},
        {"TESTC", "720,120,4320"},
        {"RPACK", "1"},
        {"SNDCR", "0,1"},
        {"ANSIN", "2,1"},
        {"CUTV", "0"},
        {"CBTI", "60,90,1"},
        {"SPKVL", "2"},
        {"SILENT", "1"},
        {"VOIEN", "0"},
        {"CGPS", "240"},
        {"FALDE", "0"},
        {"SLEEP", "1"},
        {"LANG", "1"},
        {"FSST", "2,5"},
        {"GEOTR", "0,1,15"},
        {"TRACR", "1"},
        {"RPPRIO", "1"},
        {"RFIGN", "1"},
        {"RFGPS", "1"},
        {"GEGPS", "180,7"},
        {"GSMNF", "1"},
    };
}

int deviceField(const QJsonObject &device, const Selector &s)
{
    const QString value = device.value("CFG").toObject().value(s.key).toString();
    return value.split(',').value(s.field).toInt();
}

// Every selector shows what the device holds; the first mismatch is returned.
QString firstMismatch(WindowUnderTest &t, const QJsonObject &device)
{
    for (const Selector &s : selectors()) {
        auto *combo = t.find<QComboBox>(s.widget);
        if (!combo)
            return QStringLiteral("%1 is missing").arg(s.widget);
        const int expected = indexOf(s, deviceField(device, s));
        if (combo->currentIndex() != expected)
            return QStringLiteral("%1 shows index %2, the device's %3 field %4 means index %5")
                .arg(s.widget)
                .arg(combo->currentIndex())
                .arg(s.key)
                .arg(s.field)
                .arg(expected);
    }
    return {};
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void writtenSettingsComeBackOnTheNextRead_data();
    void writtenSettingsComeBackOnTheNextRead();
    void voicePromptBoxesOfTheZoVariant();
    void separatorsInTypedValuesAreRefused();
};

void SettingsTest::writtenSettingsComeBackOnTheNextRead_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("leftAlone"); // keys the Settings frame of this model lacks

    QTest::newRow("T47") << "T47_V1.05" << QStringList {"CGPS", "LANG"};
    QTest::newRow("T47 _XA, language shown") << "T47_XA_V1.05" << QStringList {"CGPS"};
    QTest::newRow("T41 _KAL, no speech ack")
        << "T41_KAL_V1.0" << QStringList {"RPACK", "CGPS", "LANG"};
    QTest::newRow("T68 _ZM, continuous GPS") << "T68_ZM_V1.0" << QStringList {"RPACK", "LANG"};
}

void SettingsTest::writtenSettingsComeBackOnTheNextRead()
{
    QFETCH(QString, version);
    QFETCH(QStringList, leftAlone);
    WindowUnderTest t;
    QVERIFY2(t.startWithState({{"VER", version}, {"CFG", deviceSettings()}}),
        qPrintable(t.sim.errorString()));
    QVERIFY2(t.openAndRead(), qPrintable(t.recorder.texts().join(" | ")));
    const QJsonObject before = t.sim.snapshot();
    QCOMPARE(before.value("CFG").toObject().value("BTNEV").toString(), QStringLiteral("120"));
    QString mismatch = firstMismatch(t, before);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    // Only a _KAL device has the Mobility page.
    QCOMPARE(
        t.window->tabWidget_velomi->indexOf(t.window->tab_mobility) >= 0, version.contains("_KAL"));

    // Every written selector moves one item on.
    QMap<QString, int> chosen;
    for (const Selector &s : selectors()) {
        if (s.written == Writer::None)
            continue;
        auto *combo = t.find<QComboBox>(s.widget);
        chosen[s.widget] = (combo->currentIndex() + 1) % combo->count();
        combo->setCurrentIndex(chosen[s.widget]);
    }
    Velomi &w = *t.window;
    const QString success = QStringLiteral("Write command success!  ");
    w.pushButtonSet->click();
    QVERIFY(t.waitFor(success, 1));
    w.pushButtonSet_geotr->click();
    QVERIFY(t.waitFor(success, 2));
    w.pushButtonSet_ge_gps->click();
    QVERIFY(t.waitFor(success, 3));
    QVERIFY2(t.recorder.shown.size() == 4, qPrintable(t.recorder.texts().join(" | ")));

    const QJsonObject after = t.sim.snapshot();
    for (const Selector &s : selectors()) {
        const bool sent = s.written != Writer::None && !leftAlone.contains(s.key);
        const int expected = sent ? wireValue(s, chosen[s.widget]) : deviceField(before, s);
        QVERIFY2(deviceField(after, s) == expected,
            qPrintable(QStringLiteral("%1 field %2: device holds %3, expected %4")
                           .arg(s.key)
                           .arg(s.field)
                           .arg(deviceField(after, s))
                           .arg(expected)));
    }

    // A fresh window shows what the device now holds.
    QVERIFY(t.newWindow());
    QVERIFY(t.openAndRead());
    mismatch = firstMismatch(t, after);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

// The _ZO variant shows four voice-prompt boxes; VOIEN is their bit mask.
// On a slow line the Settings acknowledgement is still arriving when the
// read that follows it starts; the read must not take its end for its own.
void SettingsTest::voicePromptBoxesOfTheZoVariant()
{
    WindowUnderTest t;
    QJsonObject settings = deviceSettings();
    settings["VOIEN"] = "5";
    QVERIFY2(t.startWithState({{"VER", "T47_ZO_V1.0"}, {"CFG", settings}}, {"--baud", "9600"}),
        qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    QVERIFY(w.comboBox_voice_prompt->isHidden());
    QVERIFY(!w.checkBox_voicePrompt_1->isHidden());
    const QList<QCheckBox *> boxes = {w.checkBox_voicePrompt_1, w.checkBox_voicePrompt_2,
        w.checkBox_voicePrompt_3, w.checkBox_voicePrompt_4};
    const auto checked = [&] {
        QList<bool> states;
        for (const QCheckBox *box : boxes)
            states << box->isChecked();
        return states;
    };
    QCOMPARE(checked(), (QList<bool> {true, false, true, false}));

    for (QCheckBox *box : boxes)
        box->setChecked(!box->isChecked());
    w.pushButtonSet->click();
    QVERIFY(t.waitFor(QStringLiteral("Write command success!  ")));
    for (QCheckBox *box : boxes)
        box->setChecked(false); // the read must fill them
    QVERIFY(t.read());
    QCOMPARE(
        t.sim.snapshot().value("CFG").toObject().value("VOIEN").toString(), QStringLiteral("10"));
    QVERIFY2(
        w.windowTitle().endsWith(QStringLiteral(" :T47_ZO_V1.0")), qPrintable(w.windowTitle()));
    QVERIFY(!w.checkBox_voicePrompt_1->isHidden());
    QCOMPARE(checked(), (QList<bool> {false, true, false, true}));
}

// "," and ";" separate the device's fields and items: a keyword
// "AB;GUDT:0,0" would also set the guard times. Each Write refuses such a
// value, naming the field, and sends nothing. The values are set as a profile
// would set them, past the caller-ID check that runs when editing ends.
void SettingsTest::separatorsInTypedValuesAreRefused()
{
    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;
    const struct
    {
        QLineEdit *field;
        const char *value;
        QPushButton *write;
        const char *label;
    } cases[] = {
        {w.lineEdit_keywd, "AB;GUDT:0,0", w.pushButtonSet_keywd_access, "SMS Keyword"},
        {w.lineEdit_access, "12,34", w.pushButtonSet_keywd_access, "Access Code"},
        {w.lineEdit_apn_internet, "web;GUDT:0,0", w.pushButtonSet_apn, "APN Name"},
        {w.lineEdit_apn_user, "u,x", w.pushButtonSet_apn, "APN User"},
        {w.lineEdit_apn_passwd, "p;w", w.pushButtonSet_apn, "APN Password"},
        {w.lineEdit_XML_user, "x;GUDT:0,0", w.pushButton_XML_function, "XML User"},
        {w.lineEdit_XML_password, "p,w", w.pushButton_XML_function, "XML Password"},
        {w.lineEdit_call_id1, "112;GUDT:0,0", w.pushButtonSet_callid, "Caller ID1"},
        {w.lineEdit_call_id2, "112,1", w.pushButtonSet_callid, "Caller ID2"},
    };
    const QJsonObject before = t.sim.snapshot();
    const QByteArray lastFrame = w.session()->lastCommandFrame();
    for (const auto &c : cases) {
        const QString kept = c.field->text();
        c.field->setText(QString::fromLatin1(c.value));
        t.recorder.shown.clear();
        c.write->click();
        QCOMPARE(t.recorder.texts(),
            QStringList {QStringLiteral("%1 may not contain \",\", \";\" or control characters!")
                             .arg(c.label)});
        QCOMPARE(w.session()->lastCommandFrame(), lastFrame);
        c.field->setText(kept);
    }
    QCOMPARE(t.sim.snapshot(), before);
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
