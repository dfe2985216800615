#include <QTest>

#include "protocol/modeldetect.h"
#include "protocol/notice.h"

namespace {

QString answer(const QString &version) { return "<OK> VER?:" + version + ";\r\n"; }

// The flags that are set, by name, so a table row can list them.
QStringList setFlags(const ModelFlags &m)
{
    const QList<QPair<const char *, bool>> all = {
        {"baseStation", m.baseStation},
        {"pstnBase", m.pstnBase},
        {"hubFamily", m.hubFamily},
        {"supported", m.supportedModel},
        {"T47", m.modelT47},
        {"T37", m.modelT37},
        {"T35", m.modelT35},
        {"T9", m.modelT9},
        {"T2", m.modelT2},
        {"G7H", m.modelG7H},
        {"KUV", m.modelKUV},
        {"T6QXP9", m.modelT6QXP9},
        {"T6QX", m.modelT6QX},
        {"T6", m.modelT6},
        {"T4", m.modelT4},
        {"PV", m.variantPV},
        {"YD", m.variantYD},
        {"HP", m.variantHP},
        {"RK", m.variantRK},
        {"ZO", m.variantZO},
        {"NBQ", m.variantNBQ},
        {"ZM", m.variantZM},
        {"XA", m.variantXA},
        {"BX", m.variantBX},
        {"QO", m.variantQO},
        {"KAL", m.variantKAL},
        {"sleep", m.sleepModeShown},
        {"extended", m.extendedFormat},
        {"speechAck", m.speechAck},
    };
    QStringList names;
    for (const auto &flag : all) {
        if (flag.second)
            names << flag.first;
    }
    return names;
}

} // namespace

class ModelDetectTest : public QObject
{
    Q_OBJECT
private slots:
    void flags_data();
    void flags();
    void versionTextAndTitle();
    void unsupportedKeepsCountsAndChangesNoLayout();
    void speechAckIsSticky();
    void layout_data();
    void layout();
};

void ModelDetectTest::flags_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("T47") << "T47_V1.05"
                         << QStringList {
                                "supported", "T47", "T4", "sleep", "extended", "speechAck"};
    QTest::newRow("T41") << "T41_V2" << QStringList {"supported", "T4", "sleep", "extended"};
    QTest::newRow("T68 sets T6") << "T68_V1"
                                 << QStringList {"supported", "T6", "sleep", "extended"};
    QTest::newRow("T9_W5") << "T9_W5_V0.3"
                           << QStringList {"supported", "T9", "extended", "speechAck"};
    QTest::newRow("T6 codes take the longest")
        << "T41_T6_QX_V1"
        << QStringList {"supported", "T6QX", "T4", "sleep", "extended", "speechAck"};
    QTest::newRow("T6_QX_P9") << "T68_T6_QX_P9"
                              << QStringList {
                                     "supported", "T6QXP9", "sleep", "extended", "speechAck"};
    QTest::newRow("XA with BX") << "T47_XA_BX_V1"
                                << QStringList {"supported", "T47", "T4", "XA", "BX", "sleep",
                                       "extended", "speechAck"};
    QTest::newRow("UJ is the XA group")
        << "T41_UJ" << QStringList {"supported", "T4", "XA", "sleep", "extended"};
    QTest::newRow("variants") << "T9_W_YD_HP_RK_ZO_ZM_NBQ_QO_KAL_PV_KUV_G7H"
                              << QStringList {"supported", "T9", "G7H", "KUV", "PV", "YD", "HP",
                                     "RK", "ZO", "NBQ", "ZM", "QO", "KAL", "extended", "speechAck"};
    QTest::newRow("PSTN stops") << "PSTN_T47_V1"
                                << QStringList {
                                       "baseStation", "pstnBase", "hubFamily", "BX", "sleep"};
    QTest::newRow("base") << "BASE_V1" << QStringList {"baseStation"};
    QTest::newRow("hub") << "LN-BX_V1" << QStringList {"hubFamily"};
    QTest::newRow("other model") << "T37_V1" << QStringList {};
    QTest::newRow("no version") << "" << QStringList {};
}

void ModelDetectTest::flags()
{
    QFETCH(QString, version);
    QFETCH(QStringList, expected);
    const ModelFlags m = detectModel(answer(version));
    QCOMPARE(setFlags(m), expected);
    QCOMPARE(m.destinationCount, m.supportedModel ? 5 : 0);
    QCOMPARE(m.geoFenceCount, m.supportedModel ? 3 : 0);
}

void ModelDetectTest::versionTextAndTitle()
{
    const ModelFlags m = detectModel("<OK> VER?:T47_V1.05;\r\n");
    QCOMPARE(m.versionText, QString(":T47_V1.05"));
    QCOMPARE(windowTitleFor(m), ToolTitle + " :T47_V1.05");
    // A repeated answer does not leak into the title.
    QCOMPARE(
        detectModel("<OK> VER?:T41_A;\r\n<OK> VER?:T41_A;\r\n").versionText, QString(":T41_A"));
}

void ModelDetectTest::unsupportedKeepsCountsAndChangesNoLayout()
{
    const ModelFlags t47 = detectModel(answer("T47_V1"));
    const ModelFlags pstn = detectModel(answer("PSTN_V1"), t47);
    QVERIFY(!pstn.supportedModel);
    QVERIFY(!pstn.modelT47 && !pstn.modelT4);
    QCOMPARE(pstn.destinationCount, 5);
    QCOMPARE(pstn.geoFenceCount, 3);

    const WidgetStates states = layoutVisibility(pstn);
    QCOMPARE(states.keys(), QStringList({"comboBox_rd_sleep_mode", "label_rd_sleep_mode"}));
    QVERIFY(!states.value("label_rd_sleep_mode"));
}

void ModelDetectTest::speechAckIsSticky()
{
    const ModelFlags t41 = detectModel(answer("T41_V1"));
    QVERIFY(!t41.speechAck);
    const ModelFlags t47 = detectModel(answer("T47_V1"), t41);
    QVERIFY(t47.speechAck);
    QVERIFY(detectModel(answer("T41_V1"), t47).speechAck);
    QVERIFY(detectModel(answer("BASE"), t47).speechAck);
}

void ModelDetectTest::layout_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QStringList>("untouched");

    QTest::newRow("T47") << "T47_V1"
                         << QStringList {"label_rd_sleep_mode", "comboBox_gudt_fall",
                                "label_Geo_Alert", "comboBox_voice_prompt",
                                "comboBox_two_sensor_cut_off", "comboBox_fall_detection",
                                "comboBox_speech_rpt_ack"}
                         << QStringList {"comboBox_rf_gps_action", "comboBox_gsm_on_off_function",
                                "checkBox_voicePrompt_1", "comboBox_forbidden_zone",
                                "comboBox_supervision_timer", "comboBox_continuous_GPS_positioning",
                                "comboBox_two_way_volume_level", "comboBox_reportPriority",
                                "comboBox_language"}
                         << QStringList {"comboBox_btnev"};
    QTest::newRow("T41 leaves volume and speech ack")
        << "T41_V1" << QStringList {"comboBox_rd_sleep_mode"}
        << QStringList {"label_reportPriority"}
        << QStringList {"comboBox_two_way_volume_level", "comboBox_speech_rpt_ack"};
    QTest::newRow("T47 XA BX") << "T47_XA_BX"
                               << QStringList {"comboBox_forbidden_zone",
                                      "comboBox_supervision_timer", "label_language",
                                      "comboBox_language"}
                               << QStringList {"label_help_event", "comboBox_btnev"}
                               << QStringList {};
    QTest::newRow("YEC is XA without supervision")
        << "T41_YEC" << QStringList {"pushButtonSet_forbidden_zone"}
        << QStringList {"comboBox_supervision_timer", "comboBox_language"} << QStringList {};
    QTest::newRow("YD supervision and GSM")
        << "T68_YD" << QStringList {"comboBox_supervision_timer", "line_gsm_on_off_function2"}
        << QStringList {} << QStringList {};
    QTest::newRow("WIF supervision")
        << "T68_WIF" << QStringList {"label_supervision_timer"} << QStringList {} << QStringList {};
    QTest::newRow("ZO voice prompt")
        << "T68_ZO" << QStringList {"label_voice_prompt_ZO", "checkBox_voicePrompt_4"}
        << QStringList {"label_voice_prompt", "comboBox_voice_prompt"} << QStringList {};
    QTest::newRow("T9 without fall detection")
        << "T9_W5" << QStringList {"comboBox_speech_rpt_ack"}
        << QStringList {"comboBox_fall_detection", "label_mobile_fall_sensor_sensitivity",
               "comboBox_rd_sleep_mode"}
        << QStringList {};
}

void ModelDetectTest::layout()
{
    QFETCH(QString, version);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QFETCH(QStringList, untouched);
    const WidgetStates states = layoutVisibility(detectModel(answer(version)));
    for (const QString &name : shown)
        QVERIFY2(states.value(name, false), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(!states.value(name, true), qPrintable(name));
    for (const QString &name : untouched)
        QVERIFY2(!states.contains(name), qPrintable(name));
}

QTEST_APPLESS_MAIN(ModelDetectTest)
#include "tst_modeldetect.moc"
