#include <QTest>

#include "protocol/settingscodec.h"
#include "protocol/settingstables.h"

using namespace SettingsCodec;

Q_DECLARE_METATYPE(ModelFlags)

namespace {

const QString AllZeroFrame = "BTNEV:100;GUDT:0,0;TESTC:0,10,0;SNDCR:0,0;ANSIN:0,0;CUTV:0;"
                             "CBTI:0,1,0;SPKVL:1;SILENT:0;VOIEN:0;FALDE:0;FSST:1,1";

ModelFlags supported()
{
    ModelFlags m;
    m.supportedModel = true;
    return m;
}

ModelFlags t47(bool xa = false)
{
    ModelFlags m = supported();
    m.modelT47 = m.modelT4 = m.sleepModeShown = m.speechAck = m.extendedFormat = true;
    m.variantXA = xa;
    return m;
}

} // namespace

class SettingsCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void allIndexZeroFrame();
    void conditionalItems_data();
    void conditionalItems();
    void callbackTimerSecondPlace();
    void zoVoicePrompts();
    void missingSilentMeansEnable();
    void gpsFrames();
    void everySelectorRoundTrips_data();
    void everySelectorRoundTrips();
    void decodeFallbacks_data();
    void decodeFallbacks();
    void keysDecodedOnlyWhereTheyApply();
};

void SettingsCodecTest::allIndexZeroFrame()
{
    const FormValues none;
    QCOMPARE(settingsFrameBody(none, ModelFlags()), AllZeroFrame);
}

void SettingsCodecTest::conditionalItems_data()
{
    QTest::addColumn<ModelFlags>("flags");
    QTest::addColumn<QString>("expected");

    ModelFlags zm = supported();
    zm.variantZM = true;
    ModelFlags nbqBase = supported();
    nbqBase.variantNBQ = nbqBase.baseStation = true;

    QString withAck = AllZeroFrame;
    withAck.replace("TESTC:0,10,0;", "TESTC:0,10,0;RPACK:0;");
    QString withCgps = AllZeroFrame;
    withCgps.replace("VOIEN:0;", "VOIEN:0;CGPS:0;");
    QString t47Frame = withAck;
    t47Frame.replace("FALDE:0;", "FALDE:0;SLEEP:0;");
    QString t47XaFrame = t47Frame;
    t47XaFrame.replace("SLEEP:0;", "SLEEP:0;LANG:0;");

    ModelFlags ack;
    ack.speechAck = true;

    QTest::newRow("speech ack") << ack << withAck;
    QTest::newRow("ZM variant") << zm << withCgps;
    QTest::newRow("NBQ base station") << nbqBase << AllZeroFrame;
    QTest::newRow("T47") << t47() << t47Frame;
    QTest::newRow("T47 XA") << t47(true) << t47XaFrame;
}

void SettingsCodecTest::conditionalItems()
{
    QFETCH(ModelFlags, flags);
    QFETCH(QString, expected);
    QCOMPARE(settingsFrameBody(FormValues(), flags), expected);
}

void SettingsCodecTest::callbackTimerSecondPlace()
{
    FormValues v;
    v.setIndex("comboBox_cbti_twoway", 30); // "60 min"
    QVERIFY(settingsFrameBody(v, ModelFlags()).contains(";CBTI:0,60,0;"));

    const FormValues back = decodeKey("CBTI", "0,60,1", supported(), false).values;
    QCOMPARE(back.index("comboBox_cbti_twoway"), 30);
    QCOMPARE(back.index("comboBox_CB_checkAccessCode"), 1);
    QCOMPARE(
        decodeKey("CBTI", "0,90,0", supported(), false).values.index("comboBox_cbti_twoway"), 31);
}

void SettingsCodecTest::zoVoicePrompts()
{
    ModelFlags zo = supported();
    zo.variantZO = true;
    FormValues v;
    v.setChecked("checkBox_voicePrompt_1", true);
    v.setChecked("checkBox_voicePrompt_3", true);
    v.setIndex("comboBox_voice_prompt", 0); // hidden for ZO: not what is sent
    QVERIFY(settingsFrameBody(v, zo).contains(";VOIEN:5;"));

    const FormValues back = decodeKey("VOIEN", "5", zo, true).values;
    for (const auto &[box, checked] :
        {std::pair {"checkBox_voicePrompt_1", true}, std::pair {"checkBox_voicePrompt_2", false},
            std::pair {"checkBox_voicePrompt_3", true},
            std::pair {"checkBox_voicePrompt_4", false}}) {
        QVERIFY(back.contains(box));
        QCOMPARE(back.checked(box), checked);
    }
    // The boxes are set from the CFG2 answer only.
    QVERIFY(!decodeKey("VOIEN", "5", zo, false).values.contains("checkBox_voicePrompt_1"));
    QVERIFY(!decodeKey("VOIEN", "5", supported(), true).values.contains("checkBox_voicePrompt_1"));
}

void SettingsCodecTest::missingSilentMeansEnable()
{
    QCOMPARE(decodeKey("SILENT", "", supported(), false).values.index("comboBox_mobile_silent"), 1);
    QCOMPARE(
        decodeKey("SILENT", "0", supported(), false).values.index("comboBox_mobile_silent"), 0);
}

void SettingsCodecTest::gpsFrames()
{
    FormValues v;
    v.setIndex("comboBox_geotr_agps", 1);
    v.setIndex("comboBox_geotr_celllocate", 1);
    v.setIndex("comboBox_geotr_trackerperiod", 14);
    v.setIndex("comboBox_GPS_tracker_report", 1);
    QCOMPARE(gpsTrackerBody(v, t47()), QString("GEOTR:1,1,60"));
    // Before any version answer the device is not known: TRACR follows.
    QCOMPARE(gpsTrackerBody(v, ModelFlags()), QString("GEOTR:1,1,60;TRACR:1"));

    v.setIndex("comboBox_ge_gps_period", 2);
    v.setIndex("comboBox_ge_gps_interval", 15);
    QCOMPARE(geoAlertBody(v), QString("GEGPS:120,15"));
}

// Index -> wire -> index for every item of every selector, through the key
// decoder so each selector is read from its own place in the value.
void SettingsCodecTest::everySelectorRoundTrips_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("itemCount");

    // Selectors other than these have two items.
    // clang-format off
    const QMap<QString, int> formItemCounts = {
        {"comboBox_btnev", 3}, {"comboBox_ansin_onoff", 3}, {"comboBox_testc_interval", 19},
        {"comboBox_testc_offset", 9}, {"comboBox_supervision_timer", 6},
        {"comboBox_cbti_duration", 34}, {"comboBox_cbti_twoway", 32},
        {"comboBox_speaker_volume_level", 5}, {"comboBox_continuous_GPS_positioning", 8},
        {"comboBox_fall_sensor_sensitivity", 5}, {"comboBox_mobile_fall_sensor_sensitivity", 5},
        {"comboBox_geotr_trackerperiod", 15}, {"comboBox_ge_gps_period", 7},
        {"comboBox_ge_gps_interval", 61}, {"comboBox_gudt_normal", 7}, {"comboBox_gudt_fall", 7}};
    // clang-format on

    for (const SettingsTables::KeyRow &row : SettingsTables::keyRows())
        for (int p = 0; p < row.selectors.size(); ++p) {
            const QString widget = row.selectors.at(p).widget;
            QTest::newRow(qPrintable(widget)) << row.key << p << formItemCounts.value(widget, 2);
        }
}

void SettingsCodecTest::everySelectorRoundTrips()
{
    QFETCH(QString, key);
    QFETCH(int, position);
    QFETCH(int, itemCount);

    const SettingsTables::KeyRow &row = *SettingsTables::findKey(key);
    const SettingsTables::Selector &selector = row.selectors.at(position);
    QCOMPARE(selector.wire.size(), itemCount);
    for (int i = 0; i < itemCount; ++i) {
        QStringList fields;
        for (int q = 0; q < row.selectors.size(); ++q)
            fields << QString::number(row.selectors.at(q).wireValue(q == position ? i : 0));
        const QString value = row.oneValueForAll ? fields.at(position) : fields.join(',');
        const FormValues back = decodeKey(key, value, supported(), true).values;
        QVERIFY2(back.contains(selector.widget), qPrintable(value));
        QCOMPARE(back.index(selector.widget), i);
    }
}

void SettingsCodecTest::decodeFallbacks_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("expected"); // KeepIndex: the widget is not touched

    const int keep = SettingsTables::KeepIndex;
    const struct
    {
        const char *key, *value, *widget;
        int expected;
    } rows[] = {
        {"TESTC", "0,15,1440", "comboBox_testc_offset", 0},
        {"TESTC", "0,15,1440", "comboBox_supervision_timer", 1},
        {"CBTI", "45,1,0", "comboBox_cbti_duration", 0},
        {"CBTI", "0,0,0", "comboBox_cbti_twoway", 0},
        {"CUTV", "7", "comboBox_two_sensor_cut_off", 1},
        {"CGPS", "45", "comboBox_continuous_GPS_positioning", keep},
        {"SLEEP", "2", "comboBox_rd_sleep_mode", keep},
        {"LANG", "", "comboBox_language", keep},
        {"TRACR", "x", "comboBox_GPS_tracker_report", keep},
        {"RPPRIO", "5", "comboBox_reportPriority", keep},
        {"FSST", "0,3", "comboBox_fall_sensor_sensitivity", SettingsTables::NoSelection},
        {"FSST", "0,3", "comboBox_mobile_fall_sensor_sensitivity", 2},
        {"FSST", "4", "comboBox_mobile_fall_sensor_sensitivity", SettingsTables::NoSelection},
        {"GEOTR", "1,0,25", "comboBox_geotr_trackerperiod", 0},
        {"GSMNF", "1", "comboBox_gsm_on_off_function2", 1},
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s %s", row.key, row.value, row.widget)
            << row.key << row.value << row.widget << row.expected;
}

void SettingsCodecTest::decodeFallbacks()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, widget);
    QFETCH(int, expected);

    const DecodeResult result = decodeKey(key, value, supported(), true);
    QVERIFY(result.notices.isEmpty());
    if (expected == SettingsTables::KeepIndex) {
        QVERIFY(!result.values.contains(widget));
    } else {
        QVERIFY(result.values.contains(widget));
        QCOMPARE(result.values.index(widget), expected);
    }
}

void SettingsCodecTest::keysDecodedOnlyWhereTheyApply()
{
    QVERIFY(rfGpsActionEnabled(0));
    QVERIFY(!rfGpsActionEnabled(1));
    QVERIFY(decodeKey("FALDE", "1", ModelFlags(), true).values.isEmpty());
    QCOMPARE(decodeKey("FALDE", "1", supported(), true).values.index("comboBox_fall_detection"), 1);
    QVERIFY(decodeKey("KEYWD", "ABC", supported(), true).values.isEmpty());
}

QTEST_APPLESS_MAIN(SettingsCodecTest)
#include "tst_settingscodec.moc"
