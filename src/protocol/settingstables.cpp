#include "protocol/settingstables.h"

#include <QStringList>

namespace SettingsTables {
namespace {

QVector<int> run(int first, int last, int step = 1)
{
    QVector<int> values;
    for (int v = first; v <= last; v += step)
        values << v;
    return values;
}

const QVector<int> DisableEnable = {0, 1};

QList<KeyRow> buildRows()
{
    // {widget, wire values by index, sent for an unknown index, index for an unknown value}
    return {
        {"BTNEV", {{"comboBox_btnev", {100, 101, 120}, 100, 0}}},
        {"GUDT",
            {{"comboBox_gudt_normal", run(0, 30, 5), 0, 0},
                {"comboBox_gudt_fall", run(0, 30, 5), 0, 0}}},
        {"TESTC",
            {{"comboBox_testc_interval",
                 {0, 10, 20, 30, 60, 120, 240, 360, 480, 720, 1440, 2880, 4320, 5760, 7200, 8640,
                     10080, 21600, 43200},
                 0, 0},
                {"comboBox_testc_offset", {10, 20, 30, 60, 120, 240, 360, 480, 720}, 60, 0},
                {"comboBox_supervision_timer", {0, 1440, 4320, 7200, 10080, 14400}, 0, 0}}},
        {"RPACK", {{"comboBox_speech_rpt_ack", DisableEnable, 0, 0}}},
        {"SNDCR",
            {{"comboBox_sndcr_guard_beep", DisableEnable, 0, 0},
                {"comboBox_sndcr_confirm_beep", DisableEnable, 0, 0}}},
        {"ANSIN",
            {{"comboBox_ansin_onoff", {0, 1, 2}, 0, 0},
                {"comboBox_AIC_checkAccessCode", DisableEnable, 0, 0}}},
        // "0" is off; anything else the device says means on.
        {"CUTV", {{"comboBox_two_sensor_cut_off", DisableEnable, 1, 1}}},
        {"CBTI",
            {{"comboBox_cbti_duration", run(0, 30) + QVector<int> {60, 90, 120}, 0, 0},
                {"comboBox_cbti_twoway", run(1, 30) + QVector<int> {60, 90}, 1, 0},
                {"comboBox_CB_checkAccessCode", DisableEnable, 0, 0}}},
        {"SPKVL", {{"comboBox_speaker_volume_level", run(1, 5), 1, 0}}},
        // An answer without SILENT means the device is silent.
        {"SILENT", {{"comboBox_mobile_silent", DisableEnable, 1, 1}}},
        {"VOIEN", {{"comboBox_voice_prompt", DisableEnable, 1, 1}}},
        {"CGPS",
            {{"comboBox_continuous_GPS_positioning", {0, 30, 60, 120, 240, 480, 720, 1440}, 0,
                KeepIndex}}},
        {"FALDE", {{"comboBox_fall_detection", DisableEnable, 1, 1}}},
        {"SLEEP", {{"comboBox_rd_sleep_mode", DisableEnable, 1, KeepIndex}}},
        {"LANG", {{"comboBox_language", DisableEnable, 1, KeepIndex}}},
        // A sensitivity the device cannot have shows as no selection; written
        // back unchanged that is index + 1 = 0 again.
        {"FSST",
            {{"comboBox_fall_sensor_sensitivity", run(1, 5), 0, NoSelection},
                {"comboBox_mobile_fall_sensor_sensitivity", run(1, 5), 0, NoSelection}}},
        {"GEOTR",
            {{"comboBox_geotr_agps", DisableEnable, 1, 0},
                {"comboBox_geotr_celllocate", DisableEnable, 0, 0},
                {"comboBox_geotr_trackerperiod", run(0, 10) + QVector<int> {15, 20, 30, 60}, 0,
                    0}}},
        {"TRACR", {{"comboBox_GPS_tracker_report", DisableEnable, 0, KeepIndex}}},
        {"RPPRIO", {{"comboBox_reportPriority", DisableEnable, 0, KeepIndex}}},
        {"RFIGN", {{"comboBox_rf_gps_ignore", DisableEnable, 0, 0}}},
        {"RFGPS", {{"comboBox_rf_gps_action", DisableEnable, 0, 0}}},
        {"GEGPS",
            {{"comboBox_ge_gps_period", run(0, 360, 60), 0, 0},
                {"comboBox_ge_gps_interval", run(0, 60), 0, 0}}},
        {"GSMNF",
            {{"comboBox_gsm_on_off_function", DisableEnable, 0, 0},
                {"comboBox_gsm_on_off_function2", DisableEnable, 0, 0}},
            true},
    };
}

} // namespace

const QStringList VoicePromptBoxes = {"checkBox_voicePrompt_1", "checkBox_voicePrompt_2",
    "checkBox_voicePrompt_3", "checkBox_voicePrompt_4"};

int Selector::wireValue(int index) const
{
    return index >= 0 && index < wire.size() ? wire.at(index) : sendOther;
}

int Selector::decodeIndex(const QString &field) const
{
    bool isNumber = false;
    const int value = field.trimmed().toInt(&isNumber);
    const int index = isNumber ? wire.indexOf(value) : -1;
    return index >= 0 ? index : decodeOther;
}

const QList<KeyRow> &keyRows()
{
    static const QList<KeyRow> rows = buildRows();
    return rows;
}

const KeyRow *findKey(const QString &key)
{
    for (const KeyRow &row : keyRows())
        if (row.key == key)
            return &row;
    return nullptr;
}

} // namespace SettingsTables
