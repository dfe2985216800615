#pragma once
// What Write All sends for each model family, and a set of new values for
// those widgets that the device takes and every selector can show. Shared by
// the Write All and profile round trips.
#include <QList>
#include <QMetaType>
#include <QPair>
#include <QStringList>

#include "protocol/formvalues.h"

namespace WriteAllValues {

// What Write All covers on a model, from the version the device answers.
struct Model
{
    QString version;
    bool t47Family; // five report rows, the XML function, the speech-acknowledgement item
    bool sleepShown; // T47, T41, T68: the Settings frame carries SLEEP
    bool language; // T47 with _XA: the Settings frame carries LANG
    QString fence1; // the other models write fence 1: "circle" or "polygon"
    QStringList simArgs = {};

    // Variants whose Settings frame differs: "ZO" sends the four voice-prompt
    // boxes as a bit mask, "_ZM" and "_NBQ" add continuous GPS.
    bool voiceBoxes() const { return version.contains(QLatin1String("ZO")); }
    bool continuousGps() const
    {
        return version.contains(QLatin1String("_ZM")) || version.contains(QLatin1String("_NBQ"));
    }
};

inline QStringList numbered(const QString &pattern, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << pattern.arg(i);
    return names;
}

// The widgets whose values Write All sends on this model.
inline QStringList writtenWidgets(const Model &m)
{
    QStringList names = {"lineEdit_keywd", "lineEdit_access", "lineEdit_apn_internet",
        "lineEdit_apn_user", "lineEdit_apn_passwd", "lineEdit_call_id1", "lineEdit_call_id2"};
    const int rows = m.t47Family ? 5 : 4;
    for (int row = 1; row <= rows; ++row) {
        names << QStringLiteral("lineEdit_rpt_to_%1").arg(row)
              << QStringLiteral("comboBox_rpt_type_%1").arg(row)
              << QStringLiteral("comboBox_rpt_event_%1").arg(row)
              << numbered(QStringLiteral("radioButton_rpt_group_%1_%2").arg(row), 1, 5);
    }
    if (m.t47Family)
        names << "lineEdit_XML_user"
              << "lineEdit_XML_password"
              << "comboBox_speech_rpt_ack";
    names << "comboBox_btnev"
          << "comboBox_gudt_normal"
          << "comboBox_gudt_fall"
          << "comboBox_testc_interval"
          << "comboBox_testc_offset"
          << "comboBox_supervision_timer"
          << "comboBox_sndcr_guard_beep"
          << "comboBox_sndcr_confirm_beep"
          << "comboBox_ansin_onoff"
          << "comboBox_AIC_checkAccessCode"
          << "comboBox_two_sensor_cut_off"
          << "comboBox_cbti_duration"
          << "comboBox_cbti_twoway"
          << "comboBox_CB_checkAccessCode"
          << "comboBox_speaker_volume_level"
          << "comboBox_mobile_silent"
          << "comboBox_fall_detection"
          << "comboBox_fall_sensor_sensitivity"
          << "comboBox_mobile_fall_sensor_sensitivity"
          << "comboBox_geotr_agps"
          << "comboBox_geotr_celllocate"
          << "comboBox_geotr_trackerperiod";
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
        names << "comboBox_geo_type_1_0"
              << "checkBox_geo_fence_1_1"
              << "lineEdit_lat_1_0"
              << "lineEdit_long_1_0"
              << "lineEdit_radius_1_0";
    if (m.fence1 == QLatin1String("polygon"))
        names << "comboBox_geo_type_1_0"
              << "checkBox_geo_fence_1_2"
              << "comboBox_geo_vertex_1_0" << numbered(QStringLiteral("lineEdit_lat_1_%1"), 1, 4)
              << numbered(QStringLiteral("lineEdit_long_1_%1"), 1, 4);
    return names;
}

// Row 2 is emptied; the device's factory row 2 holds an address.
inline const QStringList Destinations
    = {"+491701112223", "", "198.51.100.7:7001", "alarm.example.org", "0049301234"};
inline const int Events[] = {2, 0, 1, 2, 1}; // "Status", "All", "Emergency", ...
inline const QStringList EventCodes = {"255", "4", "1"};

// New values for every written widget, each unlike the device's factory value
// and including the ends of the selector tables.
inline FormValues changedValues(const Model &m, int reportTypeCount)
{
    FormValues v;
    v.setText("lineEdit_keywd", "ABCDEFGHIJKLMNO"); // 15, the longest
    v.setText("lineEdit_access", "87654321"); // 8, the longest
    v.setText("lineEdit_apn_internet", "apn.example.net");
    v.setText("lineEdit_apn_user", "user#1");
    v.setText("lineEdit_apn_passwd", "p\u00e4:\u00a7s w\u00f6rd"); // Latin-1 and a colon
    v.setText("lineEdit_call_id1", "+4917012345678");
    v.setText("lineEdit_call_id2", "*31#&9");
    for (int row = 1; row <= 5; ++row) {
        v.setText(QStringLiteral("lineEdit_rpt_to_%1").arg(row), Destinations.at(row - 1));
        v.setIndex(
            QStringLiteral("comboBox_rpt_type_%1").arg(row), (2 * row + 1) % reportTypeCount);
        v.setIndex(QStringLiteral("comboBox_rpt_event_%1").arg(row), Events[row - 1]);
        const int group = row % 5 + 1;
        for (int g = 1; g <= 5; ++g)
            v.setChecked(QStringLiteral("radioButton_rpt_group_%1_%2").arg(row).arg(g), g == group);
    }
    v.setText("lineEdit_XML_user", "xmluser");
    v.setText("lineEdit_XML_password", "xml pass");
    const QList<QPair<const char *, int>> selectors = {
        {"comboBox_btnev", 2},
        {"comboBox_gudt_normal", 6},
        {"comboBox_gudt_fall", 1},
        {"comboBox_testc_interval", 18},
        {"comboBox_testc_offset", 8},
        {"comboBox_supervision_timer", 5},
        {"comboBox_speech_rpt_ack", 1},
        {"comboBox_sndcr_guard_beep", 0},
        {"comboBox_sndcr_confirm_beep", 0},
        {"comboBox_ansin_onoff", 2},
        {"comboBox_AIC_checkAccessCode", 1},
        {"comboBox_two_sensor_cut_off", 0},
        {"comboBox_cbti_duration", 33},
        {"comboBox_cbti_twoway", 30},
        {"comboBox_CB_checkAccessCode", 1},
        {"comboBox_speaker_volume_level", 4},
        {"comboBox_mobile_silent", 1},
        {"comboBox_voice_prompt", 0},
        {"comboBox_fall_detection", 0},
        {"comboBox_rd_sleep_mode", 1},
        {"comboBox_language", 1},
        {"comboBox_fall_sensor_sensitivity", 0},
        {"comboBox_mobile_fall_sensor_sensitivity", 4},
        {"comboBox_geotr_agps", 0},
        {"comboBox_geotr_celllocate", 1},
        {"comboBox_geotr_trackerperiod", 14},
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

// "name: expected -> actual" for each of `names` whose value differs.
inline QStringList differences(
    const QStringList &names, const FormValues &expected, const FormValues &actual)
{
    auto describe = [](const QVariant &v) {
        return v.isValid() ? v.toString() : QStringLiteral("<absent>");
    };
    QStringList out;
    for (const QString &name : names)
        if (actual.value(name) != expected.value(name))
            out << QStringLiteral("%1: %2 -> %3")
                       .arg(name, describe(expected.value(name)), describe(actual.value(name)));
    return out;
}

} // namespace WriteAllValues

Q_DECLARE_METATYPE(WriteAllValues::Model)
