#include "app/addsensordialog.h"

#include "app/messages.h"
#include "protocol/sensorcodec.h"
#include "ui_addsensordialog.h"

AddSensorDialog::AddSensorDialog(QWidget *parent) : QDialog(parent), ui(new Ui::AddSensorDialog)
{
    ui->setupUi(this);
    connect(ui->pushButton_ok, &QPushButton::clicked, this, &AddSensorDialog::ClickedOK);
}

AddSensorDialog::~AddSensorDialog() { delete ui; }

QString AddSensorDialog::pendingSensorId() const { return pendingSensorId_; }

void AddSensorDialog::clearPending()
{
    pendingSensorId_.clear();
    ui->lineEdit_addSensor_id_hex->clear();
}

QPushButton *AddSensorDialog::okButton() { return ui->pushButton_ok; }

void AddSensorDialog::ClickedOK() { accept(); }

void AddSensorDialog::on_pushButton_cancel_clicked() { accept(); }

void AddSensorDialog::on_lineEdit_addSensor_id_hex_editingFinished()
{
    // Whatever the field held before, only what it holds now may be sent.
    pendingSensorId_.clear();
    const SensorCodec::IdCheck check
        = SensorCodec::checkSensorId(ui->lineEdit_addSensor_id_hex->text());
    if (check.ok) {
        pendingSensorId_ = check.id;
        return;
    }
    if (check.empty)
        return;
    Messages::show(this, check.notice);
    ui->lineEdit_addSensor_id_hex->clear();
}
