// The page buttons: each hands the page's values to the session.
#include <QFileDialog>
#include <QLineEdit>

#include "app/addsensordialog.h"
#include "app/messages.h"
#include "app/velomi.h"
#include "protocol/reportcodec.h"
#include "protocol/settingscodec.h"
#include "protocol/smscodec.h"
#include "serial/manageserialport.h"
#include "session/session.h"

// One-shot commands
void Velomi::on_pushButton_csq_clicked() { session_->signalStrength(); }
void Velomi::on_pushButton_scream_clicked() { session_->scream(comboBox_scream->currentIndex()); }
void Velomi::on_pushButton_location_clicked() { session_->locate(); }
void Velomi::on_pushButtonReset_clicked() { session_->rebootDevice(); }
void Velomi::on_pushButtonReset_mobile_clicked() { session_->rebootGsm(); }

// Factory Reset wipes every setting: ask first, and keep what was read.
void Velomi::on_pushButtonFactoryReset_clicked()
{
    if (serialManager_->isPortOpen()
        && (!Messages::ask(this, ToolTitle,
                tr("Factory Reset sets every setting of the device back to its factory value. "
                   "Reset the device?"),
                Messages::DefaultAnswer::No)
            || !backUp(QStringLiteral("factory-reset"))))
        return;
    session_->factoryReset(); // with the port closed it only says so
}

void Velomi::on_pushButton_debug_clicked() { session_->setDebug(comboBox_debug->currentIndex()); }
void Velomi::on_pushButton_OMADM_start_clicked() { session_->omadm(true); }
void Velomi::on_pushButton_OMADM_end_clicked() { session_->omadm(false); }
void Velomi::on_pushButton_information_clicked() { session_->loadInformation(); }
void Velomi::on_pushButton_gsm_on_off_function_clicked()
{
    session_->setGsmOnOff(comboBox_gsm_on_off_function->currentIndex());
}
void Velomi::on_pushButton_gsm_on_off_function2_clicked()
{
    comboBox_gsm_on_off_function->setCurrentIndex(comboBox_gsm_on_off_function2->currentIndex());
    session_->setGsmOnOff(comboBox_gsm_on_off_function2->currentIndex());
}

// Read and Write All
void Velomi::on_pushButton_read_clicked() { session_->startRead(); }

void Velomi::on_pushButton_writeAll_clicked()
{
    const QString refusal = session_->writeAllRefusal();
    if (!refusal.isEmpty()) { // asked nothing: the port is closed or no read succeeded
        showInformation(refusal);
        return;
    }
    QString question = session_->model().baseStation
        ? tr("Write all config. ZAROrazram, APN, Report and Settings tabs. Are you sure?")
        : tr("Write all config. ZAROrazram, APN, Report, Geo-fence and Settings tabs. Are you "
             "sure?");
    if (!hasReadConfiguration())
        question += QLatin1Char(' ')
            + tr("No backup can be made: nothing was read from the device since the port "
                 "opened.");
    if (!Messages::ask(this, tr("Velomi Tool"), question) || !backUp(QStringLiteral("write")))
        return;
    writtenByWriteAll_ = pageValues(); // the chain sends these; the pages stay locked
    readBackPending_ = false;
    session_->startWriteAll();
}

// SMS Program, APN, XML, caller IDs
void Velomi::on_pushButtonSet_keywd_access_clicked() { session_->writeKeywordAccess(); }
void Velomi::on_pushButtonSet_apn_clicked() { session_->writeApn(); }
void Velomi::on_pushButton_XML_function_clicked() { session_->writeXml(); }
void Velomi::on_pushButtonSet_callid_clicked() { session_->writeCallerIds(); }

static void checkCallerId(QWidget *parent, QLineEdit *field)
{
    const FieldCheck check = SmsCodec::checkPhoneNumber(field->text());
    if (check.ok)
        return;
    field->clear();
    Messages::show(parent, check.notice);
}
void Velomi::on_lineEdit_call_id1_editingFinished() { checkCallerId(this, lineEdit_call_id1); }
void Velomi::on_lineEdit_call_id2_editingFinished() { checkCallerId(this, lineEdit_call_id2); }

// Report
void Velomi::on_pushButtonSet_rpt_clicked() { session_->writeReports(); }
void Velomi::on_pushButtonClear_clicked() { applyValues(ReportCodec::clearedValues()); }

// Mobility
void Velomi::on_pushButton_yellowbutton_clicked() { session_->writeInactivity(); }

// Settings
void Velomi::on_pushButtonSet_clicked() { session_->writeDeviceSettings(); }
void Velomi::on_pushButtonSet_ge_gps_clicked() { session_->writeGeoAlert(); }
void Velomi::on_pushButtonSet_geotr_clicked() { session_->writeGpsTracker(); }
void Velomi::on_comboBox_rf_gps_ignore_currentIndexChanged(int index)
{
    comboBox_rf_gps_action->setEnabled(SettingsCodec::rfGpsActionEnabled(index));
}

// Device (sensors)
void Velomi::on_pushButtonSet_devad_clicked() { addSensorDialog_->show(); }

void Velomi::slot_addsensor_ok()
{
    const QString id = addSensorDialog_->pendingSensorId();
    if (id.isEmpty()) {
        Messages::warning(this, tr("Device ID Length error!"));
        return;
    }
    session_->addSensor(id);
    addSensorDialog_->clearPending();
}

void Velomi::on_pushButtonSet_dev_delet_clicked()
{
    const int row = tableWidget_dev->currentRow();
    if (row < 0 || !tableWidget_dev->item(row, 0)) {
        showInformation(tr("Select delete device!"));
        return;
    }
    session_->deleteSensor(tableWidget_dev->item(row, 0)->text());
}

// Firmware
void Velomi::on_pushButton_getFile_clicked()
{
    const QString name = chooseFirmwareFile
        ? chooseFirmwareFile()
        : QFileDialog::getOpenFileName(this, tr("Open File"), QString(), tr("Images (*.*)"));
    label_current_stat->setText(QStringLiteral("State_Firmware"));
    if (name.isEmpty()) {
        Messages::warning(this, tr("<h2> read file !</h2><p> cancel  timer stop !"), tr("Hint"));
        label_update_filename->clear();
        pushButton_sendData->setEnabled(false);
        pushButton_stop->setEnabled(false);
        return;
    }
    readOK(name);
}

void Velomi::readOK(const QString &inputFileName)
{
    label_index->setText(QStringLiteral("0"));
    if (!session_->loadFirmwareFile(inputFileName))
        return; // refused: the session said why, the previous image stays
    label_update_filename->setText(inputFileName);
    pushButton_sendData->setEnabled(true);
    pushButton_stop->setEnabled(false);
    widget_phone->setEnabled(false);
    tabWidget_velomi->setEnabled(false);
    on_pushButton_sendData_clicked();
    label_update_time->show();
    label_sec_total->show();
}

void Velomi::on_pushButton_sendData_clicked() { startUpgradeAfterBackup(); }
void Velomi::on_pushButton_xupgrade_clicked() { startUpgradeAfterBackup(); }
