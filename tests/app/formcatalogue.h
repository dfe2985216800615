#pragma once
// What the main-window form must hold: its widgets with their kind and page,
// the combo-box item lists, the input limits and the fixed texts. Data only;
// tst_form.cpp checks the generated form against it.
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace FormCatalogue {

inline QStringList range(const QString &pattern, int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << pattern.arg(i);
    return out;
}

inline QStringList numbers(int from, int to) { return range(QStringLiteral("%1"), from, to); }
inline QStringList minutes(int from, int to) { return range(QStringLiteral("%1 min"), from, to); }

// objectName, class, page (empty: outside the pages, so not part of a profile)
struct Expected
{
    QString name;
    const char *kind;
    QString page;
};

inline QList<Expected> widgets()
{
    QList<Expected> list;
    auto add = [&](const char *kind, const QString &page, const QStringList &names) {
        for (const QString &name : names)
            list.append({name, kind, page});
    };
    const QString out;
    add("QWidget", out, {"centralwidget", "widget_Com", "widget_phone", "widget_statusBar"});
    add("QLabel", out,
        {"labelPort", "labelBaudRate", "labelData", "labelParity", "labelStop", "labelFlowControl",
            "label_5", "label_315", "label_command", "label_current_stat", "label_result"});
    add("QComboBox", out,
        {"comboBoxPortName", "comboBoxBaudRate", "comboBoxDataBits", "comboBoxParity",
            "comboBoxStopBits", "comboBoxFlowControl", "comboBox_panelType", "comboBox_profile"});
    add("QPushButton", out,
        {"pushButtonOpen", "pushButtonClose", "pushButton_newProfile", "pushButton_saveProfile",
            "pushButton_saveProfileAs", "pushButton_profileManager", "pushButton_read",
            "pushButton_writeAll"});
    add("QTextEdit", out, {"textEditReceive"});
    add("QProgressBar", out, {"progressBar"});
    add("QTabWidget", out, {"tabWidget_velomi"});
    add("QMenuBar", out, {"menuBar"});
    add("QMenu", out, {"menuHelp"});
    add("QAction", out, {"actionAbout"});

    add("QLabel", "tab_information",
        {"label_panel_version", "label_panel_IMEI", "label_panel_IMSI", "label_panel_telcom",
            "label_panel_APN", "label_panel_IP", "label_packet_data_count_send",
            "label_packet_data_count_recv"});
    add("QPushButton", "tab_information", {"pushButton_information"});

    add("QLabel", "tab_zaroraz", {"label_sms_keyword", "label_257"});
    add("QLineEdit", "tab_zaroraz", {"lineEdit_keywd", "lineEdit_access"});
    add("QPushButton", "tab_zaroraz",
        {"pushButtonSet_keywd_access", "pushButton_save_default_Pconfig",
            "pushButton_load_default_Pconfig"});

    add("QLineEdit", "tab_apn",
        {"lineEdit_apn_internet", "lineEdit_apn_user", "lineEdit_apn_passwd"});
    add("QPushButton", "tab_apn", {"pushButtonSet_apn"});

    add("QCheckBox", "tab_mobility", {"checkBox_inactivity"});
    add("QComboBox", "tab_mobility",
        {"comboBox_inact_mode", "comboBox_inact_interval", "comboBox_inact_warning",
            "comboBox_adv_feature"});
    for (const char *w : {"w1", "w2"})
        for (const char *part : {"from_hour", "from_min", "to_hour", "to_min", "interval"})
            add("QComboBox", "tab_mobility", {QStringLiteral("comboBox_%1_%2").arg(w, part)});
    add("QPushButton", "tab_mobility", {"pushButton_yellowbutton"});

    add("QLineEdit", "tab_report", range("lineEdit_rpt_to_%1", 1, 5));
    add("QComboBox", "tab_report", range("comboBox_rpt_type_%1", 1, 5));
    add("QComboBox", "tab_report", range("comboBox_rpt_event_%1", 1, 5));
    add("QGroupBox", "tab_report", range("groupBox_r%1", 1, 5));
    for (int n = 1; n <= 5; ++n)
        add("QRadioButton", "tab_report",
            range(QStringLiteral("radioButton_rpt_group_%1_").arg(n) + "%1", 1, 5));
    add("QPushButton", "tab_report", {"pushButtonSet_rpt", "pushButtonClear"});

    add("QComboBox", "tab_2", range("comboBox_rpt_option_%1", 1, 6));
    add("QComboBox", "tab_2", {"comboBox_gsm_on_off_function2"});
    add("QLabel", "tab_2",
        {"label_follow_on", "label_gsm_on_off_function2", "label_XML_function", "label_XML_user",
            "label_XML_password"});
    add("QLineEdit", "tab_2", {"lineEdit_XML_user", "lineEdit_XML_password"});
    add("QPushButton", "tab_2", {"pushButton_gsm_on_off_function2", "pushButton_XML_function"});
    add("QFrame", "tab_2", {"line_gsm_on_off_function2"});

    for (int n = 1; n <= 3; ++n) {
        const auto fence = [n](const char *pattern) {
            return QString::fromLatin1(pattern).arg(n);
        };
        add("QStackedWidget", "tab_geofe", {fence("stackedWidget_G%1")});
        add("QComboBox", "tab_geofe",
            {fence("comboBox_geo_type_%1_0"), fence("comboBox_geo_vertex_%1_0")});
        for (int k = 0; k <= 4; ++k)
            add("QLineEdit", "tab_geofe",
                {fence("lineEdit_lat_%1_") + QString::number(k),
                    fence("lineEdit_long_%1_") + QString::number(k)});
        add("QLineEdit", "tab_geofe", {fence("lineEdit_radius_%1_0")});
        add("QCheckBox", "tab_geofe",
            {fence("checkBox_geo_fence_%1_1"), fence("checkBox_geo_fence_%1_2")});
        add("QPushButton", "tab_geofe",
            {fence("pushButton_geo_fence_%1_0"), fence("pushButton_geo_fence_%1_1"),
                fence("pushButton_geo_fence_%1_2")});
        add("QLabel", "tab_geofe", {fence("label_GF_%1")});
    }
    add("QComboBox", "tab_geofe", {"comboBox_forbidden_zone"});
    add("QPushButton", "tab_geofe", {"pushButtonSet_forbidden_zone"});
    add("QLabel", "tab_geofe", {"label_forbidden_zone"});
    add("QFrame", "tab_geofe", {"line_forbidden"});

    add("QComboBox", "tab_setting",
        {"comboBox_gudt_normal", "comboBox_gudt_fall", "comboBox_fall_sensor_sensitivity",
            "comboBox_speaker_volume_level", "comboBox_testc_interval", "comboBox_testc_offset",
            "comboBox_fall_detection", "comboBox_mobile_fall_sensor_sensitivity", "comboBox_btnev",
            "comboBox_speech_rpt_ack", "comboBox_cbti_twoway", "comboBox_cbti_duration",
            "comboBox_CB_checkAccessCode", "comboBox_sndcr_guard_beep",
            "comboBox_sndcr_confirm_beep", "comboBox_mobile_silent", "comboBox_AIC_checkAccessCode",
            "comboBox_two_sensor_cut_off", "comboBox_voice_prompt", "comboBox_ansin_onoff",
            "comboBox_continuous_GPS_positioning", "comboBox_supervision_timer",
            "comboBox_rd_sleep_mode", "comboBox_language", "comboBox_GPS_tracker_report",
            "comboBox_geotr_trackerperiod", "comboBox_geotr_agps", "comboBox_ge_gps_period",
            "comboBox_ge_gps_interval"});
    add("QCheckBox", "tab_setting", range("checkBox_voicePrompt_%1", 1, 4));
    add("QLineEdit", "tab_setting", {"lineEdit_call_id1", "lineEdit_call_id2"});
    add("QPushButton", "tab_setting",
        {"pushButtonSet_callid", "pushButtonSet_geotr", "pushButtonSet_ge_gps", "pushButtonSet"});
    add("QGroupBox", "tab_setting", {"groupBox_GPS_callerID"});
    add("QLabel", "tab_setting",
        {"label_gudt_fall", "label_fall_sensor_sensitivity", "label_fall_detection",
            "label_mobile_fall_sensor_sensitivity", "label_help_event", "label_speech_rpt_ack",
            "label_two_sensor_cut_off", "label_voice_prompt", "label_voice_prompt_ZO",
            "label_continuous_GPS_positioning", "label_supervision_timer", "label_rd_sleep_mode",
            "label_language", "label_GPS_tracker_report", "label_agps", "label_Geo_Alert",
            "label_gegps_period", "label_gegps_interval"});
    add("QFrame", "tab_setting", {"line_callerID"});

    add("QComboBox", "tab",
        {"comboBox_rf_gps_ignore", "comboBox_rf_gps_action", "comboBox_two_way_volume_level",
            "comboBox_test_mode_timeout", "comboBox_supervision_timer_repeat",
            "comboBox_geotr_celllocate", "comboBox_reportPriority", "comboBox_gsm_shutdown"});
    add("QLabel", "tab",
        {"label_rf_gps_ignore", "label_rf_gps_action", "label_two_way_volume_level",
            "label_cell_locate", "label_reportPriority", "label_gsm_shutdown"});
    add("QPushButton", "tab", {"pushButtonSet_rf_gps"});
    add("QFrame", "tab", {"line_rf_gps"});

    add("QTableWidget", "tab_device", {"tableWidget_dev"});
    add("QPushButton", "tab_device", {"pushButtonSet_devad", "pushButtonSet_dev_delet"});

    add("QComboBox", "tab_system",
        {"comboBox_gsm_on_off_function", "comboBox_scream", "comboBox_debug"});
    add("QPushButton", "tab_system",
        {"pushButton_gsm_on_off_function", "pushButton_csq", "pushButton_scream",
            "pushButton_location", "pushButtonReset", "pushButtonReset_mobile",
            "pushButtonFactoryReset", "pushButton_debug", "pushButton_OMADM_start",
            "pushButton_OMADM_end"});
    add("QLabel", "tab_system", {"label_gsm_on_off_function", "label_csq"});

    add("QPushButton", "tab_update",
        {"pushButton_getFile", "pushButton_xupgrade", "pushButton_sendData", "pushButton_stop"});
    add("QComboBox", "tab_update", {"comboBox_update_timer"});
    add("QLineEdit", "tab_update",
        {"lineEdit_CRC_input", "lineEdit_fw_file_length", "lineEdit_total_upgrade_error"});
    add("QLabel", "tab_update",
        {"label_update_time", "label_update_filename", "label_CRC", "label_fw_file_length",
            "label_total_upgrade_error", "label_sec_total", "label_index"});
    return list;
}

// Item lists and initial index of every combo box, several boxes per row
// where they share a list. Boxes filled at run time have no items and no
// current index in the form.
struct ComboRow
{
    const char *tag;
    QStringList names;
    QStringList items;
    int index;
};

inline QList<ComboRow> comboRows()
{
    const QStringList disableEnable = {"Disable", "Enable"};
    QList<ComboRow> rows;
    auto row = [&rows](const char *tag, const QStringList &names, const QStringList &items,
                   int index = 0) {
        rows.append({tag, names, items, index});
    };
    row("filled at run time",
        QStringList {"comboBox_profile", "comboBox_ansin_onoff", "comboBoxPortName"}
            + range("comboBox_rpt_type_%1", 1, 5),
        {}, -1);
    row("panel type", {"comboBox_panelType"}, {"Velomi"});
    row("hours",
        {"comboBox_w1_from_hour", "comboBox_w1_to_hour", "comboBox_w2_from_hour",
            "comboBox_w2_to_hour"},
        numbers(0, 23));
    row("minutes",
        {"comboBox_w1_from_min", "comboBox_w1_to_min", "comboBox_w2_from_min",
            "comboBox_w2_to_min"},
        numbers(0, 59));
    row("window interval", {"comboBox_w1_interval", "comboBox_w2_interval"},
        {"1 hour", "2 hours", "4 hours", "6 hours", "8 hours", "12 hours"});
    row("inactivity mode", {"comboBox_inact_mode"}, {"Interval", "Schedule"});
    row("inactivity interval", {"comboBox_inact_interval"},
        {"1 hour", "2 hours", "4 hours", "6 hours", "8 hours", "12 hours", "14 hours", "16 hours",
            "18 hours", "20 hours", "22 hours", "24 hours", "25 hours", "26 hours", "28 hours",
            "30 hours"});
    row("inactivity warning", {"comboBox_inact_warning"},
        {"Disable", "3 min", "5 min", "10 min", "15 min", "20 min", "30 min", "1 hour"});
    row("start/end action", {"comboBox_adv_feature"}, {"None", "Report"});
    row("report event", range("comboBox_rpt_event_%1", 1, 5), {"All", "Emergency", "Status"});
    row("follow-on", range("comboBox_rpt_option_%1", 1, 6),
        {"No", "Voice, 2-way", "Talk only", "Listen-in only", "Wait"});
    row("vertex number", range("comboBox_geo_vertex_%1_0", 1, 3), {"3", "4"});
    row("fence type", range("comboBox_geo_type_%1_0", 1, 3),
        {"Delete", "Circle Range", "Polygon Range"});
    row("disable/enable",
        {"comboBox_forbidden_zone", "comboBox_gsm_on_off_function", "comboBox_gsm_on_off_function2",
            "comboBox_fall_detection", "comboBox_CB_checkAccessCode", "comboBox_mobile_silent",
            "comboBox_AIC_checkAccessCode", "comboBox_two_sensor_cut_off", "comboBox_voice_prompt",
            "comboBox_rd_sleep_mode", "comboBox_geotr_agps", "comboBox_GPS_tracker_report",
            "comboBox_rf_gps_action", "comboBox_rf_gps_ignore", "comboBox_geotr_celllocate",
            "comboBox_gsm_shutdown"},
        disableEnable);
    row("off/on", {"comboBox_sndcr_guard_beep", "comboBox_sndcr_confirm_beep"}, {"Off", "On"});
    row("guard time", {"comboBox_gudt_normal", "comboBox_gudt_fall"},
        {"Disable", "5 sec", "10 sec", "15 sec", "20 sec", "25 sec", "30 sec"});
    row("levels",
        {"comboBox_fall_sensor_sensitivity", "comboBox_mobile_fall_sensor_sensitivity",
            "comboBox_speaker_volume_level", "comboBox_two_way_volume_level"},
        numbers(1, 5));
    row("check-in interval", {"comboBox_testc_interval"},
        {"Disable", "10 min", "20 min", "30 min", "1 hour", "2 hour", "4 hour", "6 hour", "8 hour",
            "12 hour", "1 day", "2 day", "3 day", "4 day", "5 day", "6 day", "7 day", "15 day",
            "30 day"});
    row("check-in offset", {"comboBox_testc_offset"},
        {"10 min", "20 min", "30 min", "1 hour", "2 hour", "4 hour", "6 hour", "8 hour",
            "12 hour"});
    row("help event", {"comboBox_btnev"}, {"Medical(100)", "Emergency (101)", "Panic (120)"});
    row("speech ack", {"comboBox_speech_rpt_ack"}, {"Off Hook", "Any DTMF"});
    row("two-way timer", {"comboBox_cbti_twoway"},
        minutes(1, 30) + QStringList {"60 min", "90 min"});
    row("callback timer", {"comboBox_cbti_duration"},
        QStringList {"Disable"} + minutes(1, 30) + QStringList {"60 min", "90 min", "120 min"});
    row("continuous GPS", {"comboBox_continuous_GPS_positioning"},
        {"Disable", "30 min", "1 hour", "2 hours", "4 hours", "8 hours", "12 hours", "24 hours"});
    row("supervision", {"comboBox_supervision_timer"},
        {"Disable", "1 day", "3 day", "5 day", "7 day", "10 day"});
    row("supervision repeat", {"comboBox_supervision_timer_repeat"},
        {"Disable", "1 day", "3 day", "5 day", "1 week"});
    row("language", {"comboBox_language"}, {"German", "French"});
    row("geo alert period", {"comboBox_ge_gps_period"},
        {"Disable", "1 hour", "2 hours", "3 hours", "4 hours", "5 hours", "6 hours"});
    row("geo alert interval", {"comboBox_ge_gps_interval"},
        QStringList {"Disable"} + minutes(1, 60));
    row("tracker period", {"comboBox_geotr_trackerperiod"},
        QStringList {"Disable"} + minutes(1, 10)
            + QStringList {"15 min", "20 min", "30 min", "1 hour"});
    row("test mode timeout", {"comboBox_test_mode_timeout"}, minutes(1, 10));
    row("reporting mode", {"comboBox_reportPriority"}, {"Indoor", "Outdoor"});
    row("scream", {"comboBox_scream"}, range("%1 sec", 5, 60));
    row("debug", {"comboBox_debug"}, {"Debug Disable", "Debug Enable1", "Debug Enable2"});
    row("firmware timer", {"comboBox_update_timer"},
        {"5", "50", "80", "100", "200", "300", "400", "500"}, 3);
    return rows;
}

// Maximum number of characters of the limited line edits.
inline QList<QPair<QStringList, int>> inputLimits()
{
    const QList<QPair<QStringList, int>> list = {
        {{"lineEdit_keywd"}, 15},
        {{"lineEdit_access"}, 8},
        {{"lineEdit_apn_internet", "lineEdit_apn_user", "lineEdit_apn_passwd"}, 31},
        {{"lineEdit_XML_user", "lineEdit_XML_password"}, 31},
        {range("lineEdit_rpt_to_%1", 1, 5), 99},
        {{"lineEdit_call_id1", "lineEdit_call_id2"}, 15},
    };
    return list;
}

// Texts fixed by the form, by objectName (captions, button texts and the
// initial texts of line edits and value labels).
inline QList<QPair<QStringList, QString>> fixedTexts()
{
    const QList<QPair<QStringList, QString>> list = {
        {{"labelPort"}, "Port"},
        {{"labelBaudRate"}, "Baudrate"},
        {{"labelData"}, "Data"},
        {{"labelParity"}, "Parity"},
        {{"labelStop"}, "Stop"},
        {{"labelFlowControl"}, "FlowCtrl"},
        {{"pushButtonOpen"}, "Open"},
        {{"pushButtonClose"}, "Close"},
        {{"label_5"}, "Mobile"},
        {{"label_315"}, "Profile"},
        {{"pushButton_newProfile"}, "New Profile"},
        {{"pushButton_saveProfile"}, "Save Profile"},
        {{"pushButton_saveProfileAs"}, "Save Profile As"},
        {{"pushButton_profileManager"}, "Profile Manager"},
        {{"pushButton_read"}, "Read"},
        {{"pushButton_writeAll"}, "Write All"},
        {{"label_command"}, "Command"},
        {{"label_current_stat"}, "Status"},
        {{"label_result"}, "Result"},
        {{"label_panel_version", "label_panel_IMEI", "label_panel_IMSI", "label_panel_telcom",
             "label_panel_APN", "label_panel_IP", "label_packet_data_count_send",
             "label_packet_data_count_recv"},
            "TextLabel"},
        {{"pushButton_information"}, "Load Information"},
        {{"label_sms_keyword"}, "SMS Keyword"},
        {{"label_257"}, "Access Code"},
        {{"lineEdit_keywd"}, "KTVW"},
        {{"lineEdit_access"}, "4826"},
        {{"lineEdit_apn_internet"}, "internet"},
        {{"lineEdit_CRC_input"}, "0000"},
        {{"pushButton_save_default_Pconfig"}, "Save default"},
        {{"pushButton_load_default_Pconfig"}, "Load default"},
        {{"checkBox_inactivity"}, "Enable Inactivity Monitoring"},
        {{"pushButton_yellowbutton"}, "Submit"},
        {{"pushButtonClear"}, "Clear"},
        {{"label_follow_on"}, "  Follow-on:  "},
        {{"label_gsm_on_off_function", "label_gsm_on_off_function2"}, "GSM On/Off Function"},
        {{"label_XML_function"}, "XML Function"},
        {{"label_XML_user"}, "User:"},
        {{"label_XML_password"}, "Password:"},
        {range("label_GF_%1", 1, 3), "Geo-fence:"},
        {range("checkBox_geo_fence_%1_1", 1, 3) + range("checkBox_geo_fence_%1_2", 1, 3),
            "Disable"},
        {{"label_forbidden_zone"}, "Forbidden Zones"},
        {{"label_gudt_fall"}, "Guard Time Fall Sesor"},
        {{"label_fall_sensor_sensitivity"}, "Fall Sensor Sensitivity"},
        {{"label_fall_detection"}, "Fall Detection"},
        {{"label_mobile_fall_sensor_sensitivity"}, "Mobile Fall Detection Sensitivity"},
        {{"label_help_event"}, "Help Event"},
        {{"label_speech_rpt_ack"}, "Speech Report Ack"},
        {{"label_two_sensor_cut_off"}, "Press sensor button to end call"},
        {{"label_voice_prompt"}, "Voice Prompt"},
        {{"label_continuous_GPS_positioning"}, "Alarm & Continuous GPS "},
        {{"label_supervision_timer"}, "Supervision Timer"},
        {{"label_rd_sleep_mode"}, "Sleep Mode"},
        {{"label_language"}, "Language"},
        {{"label_GPS_tracker_report"}, "GPS Tracker Report"},
        {{"label_agps"}, "AGPS"},
        {{"label_Geo_Alert"}, "Geofence Alert and Continuous GPS report: "},
        {{"label_gegps_period"}, "Report period"},
        {{"label_gegps_interval"}, "Report interval timer"},
        {{"checkBox_voicePrompt_1"}, "Type 1: call progress messages"},
        {{"checkBox_voicePrompt_2"}, "Type 2: GSM signail  messages"},
        {{"checkBox_voicePrompt_3"}, "Type 3: battery ( status ) progress messages"},
        {{"checkBox_voicePrompt_4"}, "Type 4: battery power percentage messages"},
        {{"label_rf_gps_ignore"}, "RF Device Ignore"},
        {{"label_rf_gps_action"}, "RF Device GPS Action"},
        {{"label_two_way_volume_level"}, "Two way volume level"},
        {{"label_cell_locate"}, "Cell Locate"},
        {{"label_reportPriority"}, "Reporting Mode"},
        {{"label_gsm_shutdown"}, "GSM Power down(GSMSD)"},
        {{"pushButtonSet_devad"}, "Add Sensor"},
        {{"pushButtonSet_dev_delet"}, "Delete Sensor"},
        {{"pushButton_csq"}, "Signal Strength"},
        {{"pushButton_scream"}, "Scream"},
        {{"pushButton_location"}, "Location"},
        {{"pushButtonReset"}, "Reboot Device"},
        {{"pushButtonReset_mobile"}, "Reboot GSM"},
        {{"pushButtonFactoryReset"}, "Factory Reset"},
        {{"pushButton_OMADM_start"}, " OMADM FOTA start"},
        {{"pushButton_OMADM_end"}, " OMADM FOTA end"},
        {{"pushButton_getFile"}, "Firmware"},
        {{"pushButton_xupgrade"}, "AT!XUPGRADE"},
        {{"pushButton_sendData"}, "Start"},
        {{"pushButton_stop"}, "Stop"},
        {{"label_update_time"}, "Time:"},
        {{"label_CRC"}, "Firmware File CRC"},
        {{"label_fw_file_length"}, "FW File Length"},
        {{"label_total_upgrade_error"}, "Total Uprade Error"},
        {QStringList {"pushButtonSet_keywd_access", "pushButtonSet_apn", "pushButtonSet_rpt",
             "pushButton_gsm_on_off_function2", "pushButton_XML_function",
             "pushButtonSet_forbidden_zone", "pushButtonSet", "pushButtonSet_callid",
             "pushButtonSet_geotr", "pushButtonSet_ge_gps", "pushButtonSet_rf_gps",
             "pushButton_gsm_on_off_function", "pushButton_debug"}
                + range("pushButton_geo_fence_%1_0", 1, 3)
                + range("pushButton_geo_fence_%1_1", 1, 3)
                + range("pushButton_geo_fence_%1_2", 1, 3),
            "Write"},
    };
    return list;
}

// Captions whose label objectName is the form's own choice: each must be
// shown by some label of its page.
inline QList<QPair<QString, QStringList>> pageCaptions()
{
    const QList<QPair<QString, QStringList>> list = {
        {"tab_information",
            {"Software Version", "IMEI", "IMSI", "Telecom", "APN", "IP", "Packet Data Send <bytes>",
                "Packet Data Receive <bytes>"}},
        {"tab_zaroraz", {"Max 15 characters", "4-8 digits"}},
        {"tab_apn", {"APN Name", "APN User", "APN Password"}},
        {"tab_mobility",
            {"Mode:", "Warning Period:", "Start/End Action:", "Inactivity Interval:",
                "Inactivity Schedule 1:", "Inactivity Schedule 2:", "From:", "To:", "Interval:"}},
        {"tab_report",
            QStringList {"No:", "Destination", "  Event", "   Type"} + range("Group%1", 1, 5)},
        {"tab_geofe",
            QStringList {"Latitude:", "Longitude:", "-90 ~ 90", "-180 ~ 180", "Radius",
                "200 ~ 10,000 Meters", "Polygon Vertex Number:"}
                + range("No:%1", 1, 3) + range("Latitude%1:", 1, 4) + range("Longitude%1:", 1, 4)},
        {"tab_setting",
            {"Guard Time", "Speaker volume level", "Auto Check-in Interval", "Two-way Timer",
                "Callback Timer", "Callback Check Access code", "Guard Time Sound",
                "Confirmation Sound", "Mobile Silent", "Incoming Call\n Check Access code",
                "Auto Check-in Offset", "Answer Incoming Call", "Use Last Position", "Caller ID1",
                "Caller ID2"}},
        {"tab", {"Test Mode timeout", "Supervision Timer Repeated"}},
        {"tab_system", {"Scream duration"}},
        {"tab_update", {"Timer:", "milliseconds"}},
    };
    return list;
}

} // namespace FormCatalogue
