#include "protocol/modeldetect.h"

#include <QStringList>

#include "protocol/answer.h"
#include "protocol/notice.h"
#include "protocol/widgetnames.h"

namespace {

using Flag = bool ModelFlags::*;

// First match wins; a version that matches no supported code ends the decode.
struct OrderedTest
{
    const char *needle;
    QList<Flag> sets;
};
const QList<OrderedTest> OrderedTests = {
    {"PSTN",
        {&ModelFlags::baseStation, &ModelFlags::pstnBase, &ModelFlags::hubFamily,
            &ModelFlags::variantBX}},
    {"BASE", {&ModelFlags::baseStation}},
    {"T68", {&ModelFlags::supportedModel}},
    {"T41", {&ModelFlags::supportedModel}},
    {"T47", {&ModelFlags::supportedModel, &ModelFlags::modelT47}},
    {"T9_W5", {&ModelFlags::supportedModel}},
    {"T9_W", {&ModelFlags::supportedModel}},
    {"LN-BX", {&ModelFlags::hubFamily}},
};

// Independent tests for a supported model; every match sets its flag.
struct SubTest
{
    const char *needle;
    Flag sets;
};
const QList<SubTest> SubModelTests = {
    {"T37", &ModelFlags::modelT37},
    {"T35", &ModelFlags::modelT35},
    {"T9", &ModelFlags::modelT9},
    {"T2", &ModelFlags::modelT2},
    {"G7H", &ModelFlags::modelG7H},
    {"T4", &ModelFlags::modelT4},
    {"KUV", &ModelFlags::modelKUV},
    {"YD", &ModelFlags::variantYD},
    {"_HP", &ModelFlags::variantHP},
    {"_RK", &ModelFlags::variantRK},
    {"ZO", &ModelFlags::variantZO},
    {"_ZM", &ModelFlags::variantZM},
    {"_NBQ", &ModelFlags::variantNBQ},
    {"_XA", &ModelFlags::variantXA},
    {"_UJ", &ModelFlags::variantXA},
    {"_WIF", &ModelFlags::variantXA},
    {"_YEC", &ModelFlags::variantXA},
    {"_BX", &ModelFlags::variantBX},
    {"_QO", &ModelFlags::variantQO},
    {"_KAL", &ModelFlags::variantKAL},
    {"_PV", &ModelFlags::variantPV},
};
// The T6 codes overlap, so only the longest one present counts.
const QList<SubTest> T6Tests = {
    {"T6_QX_P9", &ModelFlags::modelT6QXP9},
    {"T6_QX", &ModelFlags::modelT6QX},
    {"T6", &ModelFlags::modelT6},
};

bool sleepModeModel(const QString &version)
{
    return version.contains(QLatin1String("T47")) || version.contains(QLatin1String("T41"))
        || version.contains(QLatin1String("T68"));
}

// How a rule changes the visibility of its widgets.
enum class Effect {
    Set, // shown exactly when the test holds
    HideWhen, // hidden when the test holds, otherwise left as it was
    ShowWhen, // shown when the test holds, otherwise left as it was
};
struct VisibilityRule
{
    QStringList widgets;
    Effect effect;
    bool (*test)(const ModelFlags &);
};

bool always(const ModelFlags &) { return true; }
bool never(const ModelFlags &) { return false; }

bool supervisionShown(const ModelFlags &m)
{
    const QString &v = m.versionText;
    return v.contains(QLatin1String("_WIF")) || v.contains(QLatin1String("_XA"))
        || v.contains(QLatin1String("_UJ")) || m.variantYD;
}

// Applied in order for a supported model.
const QList<VisibilityRule> SupportedLayout = {
    {{"comboBox_gudt_fall", "label_gudt_fall", "label_agps", "comboBox_geotr_agps"}, Effect::Set,
        always},
    {{"label_Geo_Alert", "label_gegps_period", "comboBox_ge_gps_period", "label_gegps_interval",
         "comboBox_ge_gps_interval", "pushButtonSet_ge_gps", "line_callerID"},
        Effect::Set, always},
    {{"line_rf_gps", "label_rf_gps_ignore", "comboBox_rf_gps_ignore", "label_rf_gps_action",
         "comboBox_rf_gps_action", "pushButtonSet_rf_gps"},
        Effect::Set,
        [](const ModelFlags &m) {
            return m.modelKUV;
        }},
    {{"label_gsm_on_off_function", "comboBox_gsm_on_off_function", "pushButton_gsm_on_off_function",
         "label_gsm_on_off_function2", "comboBox_gsm_on_off_function2",
         "pushButton_gsm_on_off_function2", "line_gsm_on_off_function2"},
        Effect::Set,
        [](const ModelFlags &m) {
            return m.variantYD || m.variantHP || m.variantRK;
        }},
    {{"label_voice_prompt", "comboBox_voice_prompt"}, Effect::Set,
        [](const ModelFlags &m) {
            return !m.variantZO;
        }},
    {{"label_voice_prompt_ZO", "checkBox_voicePrompt_1", "checkBox_voicePrompt_2",
         "checkBox_voicePrompt_3", "checkBox_voicePrompt_4"},
        Effect::Set,
        [](const ModelFlags &m) {
            return m.variantZO;
        }},
    {{"label_help_event", "comboBox_btnev"}, Effect::HideWhen,
        [](const ModelFlags &m) {
            return m.variantBX;
        }},
    {{"line_forbidden", "label_forbidden_zone", "comboBox_forbidden_zone",
         "pushButtonSet_forbidden_zone"},
        Effect::Set,
        [](const ModelFlags &m) {
            return m.variantXA;
        }},
    {{"label_supervision_timer", "comboBox_supervision_timer"}, Effect::Set, supervisionShown},
    {{"label_two_sensor_cut_off", "comboBox_two_sensor_cut_off"}, Effect::Set, always},
    {{"label_continuous_GPS_positioning", "comboBox_continuous_GPS_positioning"}, Effect::Set,
        [](const ModelFlags &m) {
            return m.variantZM || m.variantNBQ;
        }},
    {{"label_fall_detection", "comboBox_fall_detection", "label_mobile_fall_sensor_sensitivity",
         "comboBox_mobile_fall_sensor_sensitivity"},
        Effect::Set,
        [](const ModelFlags &m) {
            return !m.modelT9;
        }},
    {{"label_two_way_volume_level", "comboBox_two_way_volume_level"}, Effect::HideWhen,
        [](const ModelFlags &m) {
            return m.modelT47 || m.modelT37;
        }},
    {{"label_reportPriority", "comboBox_reportPriority"}, Effect::Set, never},
    {{"label_speech_rpt_ack", "comboBox_speech_rpt_ack"}, Effect::ShowWhen,
        [](const ModelFlags &m) {
            return m.t47Family();
        }},
    {{"label_language", "comboBox_language"}, Effect::Set,
        [](const ModelFlags &m) {
            return m.languageShown();
        }},
};

// The window before any version answer: the model layout above shows or
// hides most of these again once a supported model is read.
const QList<VisibilityRule> StartLayout = {
    // Firmware upgrade details and the tools nobody uses at start.
    {{"label_update_time", "label_sec_total", "pushButton_xupgrade", "label_index",
         "label_fw_file_length", "lineEdit_fw_file_length", "label_total_upgrade_error",
         "lineEdit_total_upgrade_error", "pushButton_sendData", "pushButton_stop",
         "pushButton_save_default_Pconfig", "pushButton_load_default_Pconfig",
         "pushButton_OMADM_start", "pushButton_OMADM_end"},
        Effect::Set, never},
    {{"comboBox_debug", "pushButton_debug"}, Effect::Set, always},
    // Settings the model layout decides on.
    {{"label_gsm_shutdown", "comboBox_gsm_shutdown", "label_cell_locate",
         "comboBox_geotr_celllocate", "label_GPS_tracker_report", "comboBox_GPS_tracker_report",
         "label_reportPriority", "comboBox_reportPriority", "label_follow_on",
         "label_two_way_volume_level", "comboBox_two_way_volume_level", "label_supervision_timer",
         "comboBox_supervision_timer", "label_rd_sleep_mode", "comboBox_rd_sleep_mode",
         "label_language", "comboBox_language", "label_fall_detection", "comboBox_fall_detection",
         "label_mobile_fall_sensor_sensitivity", "comboBox_mobile_fall_sensor_sensitivity",
         "label_continuous_GPS_positioning", "comboBox_continuous_GPS_positioning"},
        Effect::Set, never},
    {{"label_agps", "comboBox_geotr_agps"}, Effect::Set, always},
    {{"label_XML_function", "label_XML_user", "lineEdit_XML_user", "label_XML_password",
         "lineEdit_XML_password", "pushButton_XML_function"},
        Effect::Set, never},
    {{"label_gsm_on_off_function", "comboBox_gsm_on_off_function", "pushButton_gsm_on_off_function",
         "label_gsm_on_off_function2", "comboBox_gsm_on_off_function2",
         "pushButton_gsm_on_off_function2"},
        Effect::Set, never},
    {{"line_gsm_on_off_function2"}, Effect::Set, always},
    {{"line_rf_gps", "label_rf_gps_ignore", "comboBox_rf_gps_ignore", "label_rf_gps_action",
         "comboBox_rf_gps_action", "pushButtonSet_rf_gps"},
        Effect::Set, never},
    {{"label_Geo_Alert", "label_gegps_period", "comboBox_ge_gps_period", "label_gegps_interval",
         "comboBox_ge_gps_interval", "pushButtonSet_ge_gps", "line_callerID"},
        Effect::Set, always},
    {{"label_voice_prompt", "comboBox_voice_prompt"}, Effect::Set, always},
    {QStringList {"label_voice_prompt_ZO"} + WidgetNames::range(WidgetNames::voicePrompt, 1, 4),
        Effect::Set, never},
    {{"line_forbidden", "label_forbidden_zone", "comboBox_forbidden_zone",
         "pushButtonSet_forbidden_zone"},
        Effect::Set, never},
    {WidgetNames::range(WidgetNames::reportOption, 1, 6), Effect::Set, never},
};

void apply(const VisibilityRule &rule, const ModelFlags &flags, WidgetStates &states)
{
    const bool holds = rule.test(flags);
    if ((rule.effect == Effect::HideWhen && !holds) || (rule.effect == Effect::ShowWhen && !holds))
        return;
    const bool visible = rule.effect == Effect::HideWhen ? false : holds;
    for (const QString &widget : rule.widgets)
        states.insert(widget, visible);
}

} // namespace

ModelFlags detectModel(const QString &received, const ModelFlags &previous)
{
    ModelFlags flags;
    flags.versionText = Answer::body(received, QStringLiteral("VER?"));
    const QString &version = flags.versionText;
    // Counts and the read format stay as they were until a supported model is read;
    // the speech acknowledgement, once seen, stays for the whole run.
    flags.destinationCount = previous.destinationCount;
    flags.geoFenceCount = previous.geoFenceCount;
    flags.extendedFormat = previous.extendedFormat;
    flags.speechAck = previous.speechAck;
    flags.sleepModeShown = sleepModeModel(version);

    for (const OrderedTest &test : OrderedTests) {
        if (!version.contains(QLatin1String(test.needle)))
            continue;
        for (Flag flag : test.sets)
            flags.*flag = true;
        break;
    }
    if (!flags.supportedModel)
        return flags;

    for (const SubTest &test : SubModelTests) {
        if (version.contains(QLatin1String(test.needle)))
            flags.*test.sets = true;
    }
    for (const SubTest &test : T6Tests) {
        if (version.contains(QLatin1String(test.needle))) {
            flags.*test.sets = true;
            break;
        }
    }

    flags.destinationCount = 5;
    flags.geoFenceCount = 3;
    flags.extendedFormat = true;
    if (flags.t47Family())
        flags.speechAck = true;
    return flags;
}

QString windowTitleFor(const ModelFlags &flags)
{
    return ToolTitle + QLatin1Char(' ') + flags.versionText;
}

WidgetStates layoutVisibility(const ModelFlags &flags)
{
    WidgetStates states;
    states.insert(QStringLiteral("label_rd_sleep_mode"), flags.sleepModeShown);
    states.insert(QStringLiteral("comboBox_rd_sleep_mode"), flags.sleepModeShown);
    if (!flags.supportedModel)
        return states;
    for (const VisibilityRule &rule : SupportedLayout)
        apply(rule, flags, states);
    return states;
}

WidgetStates startVisibility()
{
    WidgetStates states;
    for (const VisibilityRule &rule : StartLayout)
        apply(rule, ModelFlags {}, states);
    return states;
}
