#pragma once
// Asks for the radio ID of a sensor to pair. The window sends what
// pendingSensorId() holds when OK is pressed.
#include <QDialog>
#include <QString>

class QPushButton;

namespace Ui {
class AddSensorDialog;
}

class AddSensorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AddSensorDialog(QWidget *parent = nullptr);
    ~AddSensorDialog() override;

    // The checked, zero-padded ID waiting to be added ("" when none).
    QString pendingSensorId() const;
    // Forgets the pending ID and empties the field (after it was sent).
    void clearPending();
    // The window connects its own handler after the dialog's.
    QPushButton *okButton();

    // Slot names are the dialog's fixed interface (on_<objectName>_<signal>
    // binds by name).
public slots:
    void ClickedOK();
    void on_pushButton_cancel_clicked();
    void on_lineEdit_addSensor_id_hex_editingFinished();

private:
    Ui::AddSensorDialog *ui;
    QString pendingSensorId_;
};
