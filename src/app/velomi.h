#pragma once
// The main window. Its slots are bound to the form's widgets by name; each
// reads the page's values, hands them to the session or a codec, and shows
// the outcome. The conversation with the device lives in Session.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "app/formbinder.h"
#include "protocol/formvalues.h"
#include "protocol/logmask.h"
#include "protocol/modelflags.h"
#include "protocol/notice.h"
#include "protocol/sensorcodec.h"
#include "protocol/widgetnames.h"
#include "serial/portwatcher.h"
#include "ui_zaroraz.h"

class AddSensorDialog;
class LogPane;
class ManageSerialPort;
class ProfileDialog;
class ProfileNameDialog;
class ProfileStore;
class Session;
class UnwrittenEdits;
class QFile;
class QLineEdit;
class QTimer;

// Ui::ZAROraz is the form class the main window form fixes (its object name
// and translation context); the name is not ours to change.
class Velomi : public QMainWindow, public Ui::ZAROraz
{
    Q_OBJECT
public:
    struct Options
    {
        QString port; // --port PATH: added to the list and selected
        QString profileDir; // where profiles live (default ProfileStore::chooseDirectory)
        QString backupDir; // where backups go (default BackupStore's folder)
        QString logDir; // where "Keep a log file" writes (default the data folder's logs)
    };
    explicit Velomi(QWidget *parent = nullptr) : Velomi(Options {}, parent) { }
    explicit Velomi(const Options &options, QWidget *parent = nullptr);
    ~Velomi() override;

    Session *session() const { return session_; }
    ManageSerialPort *serialManager() const { return serialManager_; }
    AddSensorDialog *addSensorDialog() const { return addSensorDialog_; }
    ProfileDialog *profileDialog() const { return profileDialog_; }
    ProfileNameDialog *newProfileDialog() const { return newProfileDialog_; }
    ProfileNameDialog *saveProfileAsDialog() const { return saveProfileAsDialog_; }
    // The profile module: the index chosen in comboBox_panelType.
    int module() const { return module_; }
    QString moduleName() const;

    // Values of every page widget (the profile's content).
    FormValues pageValues() const;
    void applyValues(const FormValues &values);

    // Chooses the firmware image; a file dialog unless a test replaces it.
    std::function<QString()> chooseFirmwareFile;
    // Chooses the file "Compare with profile..." compares; a file dialog in
    // the profile folder unless a test replaces it.
    std::function<QString()> chooseCompareFile;
    // Chooses the file "Export configuration sheet..." writes (.pdf or
    // .html); a file dialog unless a test replaces it.
    std::function<QString()> chooseSheetFile;
    QAction *exportSheetAction() const { return exportSheetAction_; }
    QAction *printSheetAction() const { return printSheetAction_; }
    // The configuration sheet of the pages as they are, as PDF or HTML by
    // the suffix; false (and the user told) when it was not written.
    bool exportConfigSheet(const QString &path);
    QAction *compareWithProfileAction() const { return compareWithProfileAction_; }
    QAction *restoreBackupAction() const { return restoreBackupAction_; }
    // File > Save log... and Settings > Keep a log file; the file Save log
    // writes is chosen in a file dialog unless a test replaces it.
    std::function<QString()> chooseLogFile;
    QAction *saveLogAction() const { return saveLogAction_; }
    QAction *keepLogFileAction() const { return keepLogFileAction_; }
    // Writes the log pane, masked, with the time of each line; false (and
    // the user told) when it could not.
    bool saveLog(const QString &path);
    QString logDirectory() const;
    // Device > Undo read, Settings > Verify after writing.
    QAction *undoReadAction() const { return undoReadAction_; }
    QAction *verifyAfterWritingAction() const { return verifyAfterWritingAction_; }
    // The titles of the tabs whose values differ from what the device was
    // last read or written with.
    QStringList pagesWithUnwrittenEdits() const;
    // The dialogs of those two actions, for a file or the backup folder.
    void compareWithProfile(const QString &path);
    void restoreBackup();

    void readSettings();
    void writeSettings();
    void showInformation(const QString &text);
    void removeTabByTitle(const QString &title);
    // Rebuilds the port list, keeping the current choice.
    void refreshPortList();
    // How long a restarting device may stay away (60 s; tests shorten it).
    void setDeviceReturnLimit(int milliseconds);
    QAction *reconnectAutomaticallyAction() const { return reconnectAutomaticallyAction_; }

    // Slot names on_<objectName>_<signal> are bound to the form's widgets by
    // name: renaming one silently unbinds it.
public slots:
    void about();
    void on_comboBox_panelType_currentIndexChanged(int index);

    // Port
    void on_pushButtonOpen_clicked();
    void on_pushButtonClose_clicked();

    // One-shot commands (Misc. and Information)
    void on_pushButton_csq_clicked();
    void on_pushButton_scream_clicked();
    void on_pushButton_location_clicked();
    void on_pushButtonReset_clicked();
    void on_pushButtonReset_mobile_clicked();
    void on_pushButtonFactoryReset_clicked();
    void on_pushButton_debug_clicked();
    void on_pushButton_OMADM_start_clicked();
    void on_pushButton_OMADM_end_clicked();
    void on_pushButton_information_clicked();
    void on_pushButton_gsm_on_off_function_clicked();
    void on_pushButton_gsm_on_off_function2_clicked();

    // Read and Write All
    void on_pushButton_read_clicked();
    void on_pushButton_writeAll_clicked();

    // SMS Program, APN, XML, caller IDs
    void on_pushButtonSet_keywd_access_clicked();
    void on_pushButtonSet_apn_clicked();
    void on_pushButton_XML_function_clicked();
    void on_pushButtonSet_callid_clicked();
    void on_lineEdit_call_id1_editingFinished();
    void on_lineEdit_call_id2_editingFinished();

    // Report
    void on_pushButtonSet_rpt_clicked();
    void on_pushButtonClear_clicked();

    // Mobility
    void on_pushButton_yellowbutton_clicked();

    // Settings
    void on_pushButtonSet_clicked();
    void on_pushButtonSet_ge_gps_clicked();
    void on_pushButtonSet_geotr_clicked();
    void on_comboBox_rf_gps_ignore_currentIndexChanged(int index);

    // Geo-fence: the writers and the enabling rules
    void send_geo_fence_cmd_G1();
    void send_geo_fence_cmd_G2();
    void send_geo_fence_cmd_G3();
    void on_pushButton_geo_fence_1_0_clicked();
    void on_pushButton_geo_fence_1_1_clicked();
    void on_pushButton_geo_fence_1_2_clicked();
    void on_pushButton_geo_fence_2_0_clicked();
    void on_pushButton_geo_fence_2_1_clicked();
    void on_pushButton_geo_fence_2_2_clicked();
    void on_pushButton_geo_fence_3_0_clicked();
    void on_pushButton_geo_fence_3_1_clicked();
    void on_pushButton_geo_fence_3_2_clicked();
    void on_pushButtonSet_forbidden_zone_clicked();
    void on_comboBox_geo_type_1_0_currentIndexChanged(int index);
    void on_comboBox_geo_type_2_0_currentIndexChanged(int index);
    void on_comboBox_geo_type_3_0_currentIndexChanged(int index);
    void on_comboBox_geo_vertex_1_0_currentIndexChanged(int index);
    void on_comboBox_geo_vertex_2_0_currentIndexChanged(int index);
    void on_comboBox_geo_vertex_3_0_currentIndexChanged(int index);
    void on_checkBox_geo_fence_1_1_clicked(bool checked);
    void on_checkBox_geo_fence_1_2_clicked(bool checked);
    void on_checkBox_geo_fence_2_1_clicked(bool checked);
    void on_checkBox_geo_fence_2_2_clicked(bool checked);
    void on_checkBox_geo_fence_3_1_clicked(bool checked);
    void on_checkBox_geo_fence_3_2_clicked(bool checked);
    void on_lineEdit_radius_1_0_textChanged(const QString &text);
    void on_lineEdit_radius_2_0_textChanged(const QString &text);
    void on_lineEdit_radius_3_0_textChanged(const QString &text);

    // Profiles
    void on_pushButton_save_default_Pconfig_clicked();
    void on_pushButton_load_default_Pconfig_clicked();
    void on_pushButton_saveProfile_clicked();
    void on_pushButton_newProfile_clicked();
    void on_pushButton_saveProfileAs_clicked();
    void on_pushButton_profileManager_clicked();
    void on_comboBox_profile_currentIndexChanged(int index);
    void on_comboBox_profile_activated(int index);
    void save_profile_as(const QString &name);
    void save_new_profile(const QString &name);
    void refresh_profilecomboBox(const QString &name);

    // Firmware
    void on_pushButton_getFile_clicked();
    void readOK(const QString &inputFileName);
    void on_pushButton_sendData_clicked();
    void on_pushButton_xupgrade_clicked();

    // Device (sensors)
    void on_pushButtonSet_devad_clicked();
    void on_pushButtonSet_dev_delet_clicked();
    void slot_addsensor_ok();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupForm(); // velomi_form.cpp
    void connectSession();
    void onModelDetected(const ModelFlags &model);
    void onSensorsListed(const QList<SensorCodec::SensorRow> &rows);
    void onVariantPages(bool informationTab, bool mobilityTab);
    void onLinkLost(const QString &reason);
    void setPortBoxesEnabled(bool enabled);
    void appendLog(const QString &text);
    void loadReportTypes(const ModelFlags &model);
    void applyStartState();
    void setWidgetsVisible(const QStringList &names, bool visible);
    // The pages' widgets and all the window's named widgets, found once.
    const FormBinder::Index &pageIndex() const;
    const FormBinder::Index &windowIndex() const;

    // Geo-fence helpers
    void connectGeoFenceFields();
    void refreshFenceEnabling(int fence);
    void refreshFenceEnabling(int fence, const FormValues &page);
    void checkCoordinate(QLineEdit *field, bool latitude);
    void checkRadiusEdit(int fence, const QString &text);
    void onGeoTypeChanged(int fence, int index);

    // Backups before what changes the device, and the read-back after
    // Write All: velomi_backup.cpp
    void connectSafetyNet();
    void forgetReadConfiguration();
    // Saves the configuration last read on this connection; false when that
    // failed and the user chose not to go on without it.
    bool backUp(const QString &reason);
    bool hasReadConfiguration() const { return lastRead_.valid; }
    void startUpgradeAfterBackup();
    // Reads the device again after a write that succeeded and compares what
    // came back with `values` on the pages titled `pages`.
    void startReadBack(const FormValues &values, const QStringList &pages, const QString &writer);
    void finishReadBack();
    // Unwritten edits and Undo read.
    void setupUnwrittenEdits();
    void undoRead();
    // True when no page holds unwritten edits or the user lets them go.
    bool letUnwrittenEditsGo(const QString &question);
    FormValues valuesOnPages(const FormValues &values, const QStringList &pages) const;

    // File, Device and Settings menus: velomi_menus.cpp. Each feature adds
    // its own entries: a File entry above Quit, a checkable window setting
    // (kept under KEY in the window settings) in Settings.
    void setupMenus();
    QAction *addFileAction(const QString &text);
    QAction *addSettingAction(const QString &text, const QString &key, bool defaultOn);

    // Save log, the log file of each port session, Help > Where is the
    // manual?: velomi_log.cpp. The port's Open starts a log file, Close ends it.
    void setupLog();
    void startLogFile();
    void endLogFile();
    void writeLogFile(const QString &text);
    // Help > Language: velomi_language.cpp
    void setupLanguageMenu();

    // A device that leaves the bus and comes back: velomi_reconnect.cpp
    enum class DeviceWait { None, Restart, Reopen, Unplug };
    static constexpr int DeviceReturnLimitMs = 60000;
    void setupReconnect();
    void rememberOpenedPort(const QString &path);
    void waitForDevice(DeviceWait why);
    void stopWaitingForDevice();
    void tryReconnect();
    void deviceStayedAway();
    void reopenAfterRestart();
    PortWatcher *portWatcher_ = nullptr;
    PortIdentity openedPort_;
    QString lastUsedPort_;
    DeviceWait deviceWait_ = DeviceWait::None;
    QTimer *deviceWaitLimit_ = nullptr, *reconnectRetry_ = nullptr;
    QAction *reconnectAutomaticallyAction_ = nullptr;

    // Compare with a profile, restore a backup: velomi_compare.cpp
    QString backupDirectory() const;

    // Export and print the configuration sheet: velomi_sheet.cpp
    void setupConfigSheet();
    QString configSheetHtml() const;

    // Profiles
    void rebuildProfileList(bool withCurrentSetting);
    void loadProfileFile(const QString &name, bool isDefault);
    bool writeProfile(const QString &name, QString *error = nullptr);
    void warnAboutColons();
    void onProfileSelected(const QString &text);
    void ensureDefaultProfile();

    Options options_;
    ManageSerialPort *serialManager_ = nullptr;
    Session *session_ = nullptr;
    AddSensorDialog *addSensorDialog_ = nullptr;
    ProfileDialog *profileDialog_ = nullptr;
    ProfileNameDialog *newProfileDialog_ = nullptr;
    ProfileNameDialog *saveProfileAsDialog_ = nullptr;
    ProfileStore *profileStore_ = nullptr;

    int module_ = 0; // see module()
    // Per fence: the radius text that passed the edit check, and the one
    // before it (the undo of a refused write).
    QString lastGoodRadius_[WidgetNames::FenceCount];
    QString previousRadius_[WidgetNames::FenceCount];
    bool profileLoading_ = false;
    // The device's configuration as the last complete read on this
    // connection found it, not as the pages may have been edited since.
    struct ReadConfiguration
    {
        bool valid = false;
        FormValues values;
        QList<SensorCodec::SensorRow> sensors;
    };
    ReadConfiguration lastRead_;
    QList<SensorCodec::SensorRow> listedSensors_;
    QString deviceId_; // the IMEI, when the device told it
    FormValues writtenByWriteAll_;
    // What the read-back compares: the values a write sent, the pages it
    // sent them from, and who wrote them (for the message).
    struct ReadBackCheck
    {
        FormValues written;
        QStringList pages;
        QString writer;
    };
    ReadBackCheck readBackCheck_;
    // The page a page Write sent, with its values as they went out.
    QString sentPage_;
    FormValues sentPageValues_;
    UnwrittenEdits *unwrittenEdits_ = nullptr;
    FormValues valuesBeforeRead_; // while a read runs
    // Edits a page write did not send, kept from its read-back's replacing them.
    FormValues editsKeptFromReadBack_;
    void restoreEditsKeptFromReadBack();
    FormValues undoReadValues_; // what the last read replaced, until undone
    QAction *undoReadAction_ = nullptr;
    QAction *verifyAfterWritingAction_ = nullptr;
    QStringList readBackNames_; // what the read-back decoded
    bool readBackPending_ = false;
    QHash<QString, QString> pageTitles_; // tab titles as the form has them
    LogPane *logPane_ = nullptr;
    mutable std::unique_ptr<FormBinder::Index> pageIndex_, windowIndex_;
    QAction *compareWithProfileAction_ = nullptr;
    QAction *exportSheetAction_ = nullptr, *printSheetAction_ = nullptr;
    QAction *restoreBackupAction_ = nullptr;
    QMenu *fileMenu_ = nullptr, *deviceMenu_ = nullptr, *settingsMenu_ = nullptr;
    QAction *fileMenuEnd_ = nullptr; // the separator above Quit
    QAction *saveLogAction_ = nullptr, *keepLogFileAction_ = nullptr;
    QFile *logFile_ = nullptr; // this port session's, while one is kept
    LogMask::Stream logFileMask_;
};
