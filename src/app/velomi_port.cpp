// Port selection, Open and Close, and the cable pulled while open.
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QSerialPort>

#include <algorithm>

#include "app/messages.h"
#include "app/velomi.h"
#include "serial/manageserialport.h"
#include "serial/portnames.h"
#include "session/session.h"

void Velomi::refreshPortList()
{
    // Keep what the user chose or typed while the list changes under it.
    const QString chosen = comboBoxPortName->currentIndex() >= 0
        ? comboBoxPortName->currentData().toString()
        : QString();
    const QString typed = comboBoxPortName->currentText();
    QList<PortDescription> ports = describePorts(lastUsedPort_);
    const auto listed = [&ports](const QString &path) {
        return std::any_of(
            ports.cbegin(), ports.cend(), [&path](const auto &p) { return p.path == path; });
    };
    // The port given on the command line, and the one used last (a link the
    // system does not list), are offered too.
    if (!options_.port.isEmpty() && !listed(options_.port))
        ports.append({options_.port, {}});
    if (!lastUsedPort_.isEmpty() && !listed(lastUsedPort_) && QFileInfo::exists(lastUsedPort_))
        ports.prepend({lastUsedPort_, {}});
    comboBoxPortName->blockSignals(true);
    comboBoxPortName->clear();
    for (const auto &port : ports) {
        comboBoxPortName->addItem(port.path, port.path);
        if (!port.details.isEmpty())
            comboBoxPortName->setItemData(
                comboBoxPortName->count() - 1, port.details, Qt::ToolTipRole);
    }
    int index = chosen.isEmpty() ? -1 : comboBoxPortName->findData(chosen);
    comboBoxPortName->setCurrentIndex(index);
    if (index < 0 && !typed.isEmpty() && comboBoxPortName->isEditable())
        comboBoxPortName->setEditText(typed);
    comboBoxPortName->blockSignals(false);
}

bool Velomi::eventFilter(QObject *watched, QEvent *event)
{
    // The list is refreshed each time the user opens it, so a device
    // plugged in after start is offered too.
    if (watched == comboBoxPortName && comboBoxPortName->isEnabled()
        && (event->type() == QEvent::MouseButtonPress
            || (event->type() == QEvent::KeyPress && !comboBoxPortName->isEditable())))
        refreshPortList();
    return QMainWindow::eventFilter(watched, event);
}

namespace {
// The entry's device path, or the path the user typed into the box. A path
// typed and confirmed with Enter becomes an entry of its own, without a
// device path behind it: its text is the path.
QString selectedPort(const QComboBox *box)
{
    const int i = box->currentIndex();
    if (i >= 0 && box->itemText(i) == box->currentText()) {
        const QString path = box->itemData(i).toString();
        return path.isEmpty() ? box->itemText(i).trimmed() : path;
    }
    return box->currentText().trimmed();
}
} // namespace

// The six port boxes and Open: usable exactly while the port is closed.
void Velomi::setPortBoxesEnabled(bool enabled)
{
    const QList<QWidget *> boxes = {comboBoxPortName, comboBoxBaudRate, comboBoxDataBits,
        comboBoxParity, comboBoxStopBits, comboBoxFlowControl, pushButtonOpen};
    for (QWidget *w : boxes)
        w->setEnabled(enabled);
}

void Velomi::on_pushButtonOpen_clicked()
{
    label_update_filename->clear();
    progressBar->setEnabled(true);
    progressBar->setValue(0);
    if (serialManager_->isPortOpen()) {
        serialManager_->closePort();
        return;
    }
    progressBar->setValue(25);

    const QString name = portNameForOpen(selectedPort(comboBoxPortName));
    ManageSerialPort::PortSettings settings;
    settings.portName = name;
    settings.baudRate = comboBoxBaudRate->currentData().toInt();
    settings.dataBits = QSerialPort::DataBits(comboBoxDataBits->currentData().toInt());
    settings.parity = QSerialPort::Parity(comboBoxParity->currentData().toInt());
    settings.stopBits = QSerialPort::StopBits(comboBoxStopBits->currentData().toInt());
    settings.flowControl = QSerialPort::FlowControl(comboBoxFlowControl->currentData().toInt());
    serialManager_->setPortSettings(settings);
    serialManager_->setTimeouts(0, 10);
    serialManager_->enableSending();
    serialManager_->enableReceiving();
    if (!serialManager_->openPort()) {
        progressBar->setValue(0);
        showInformation(
            openFailureText(name, serialManager_->lastError(), serialManager_->lastErrorString()));
        return;
    }
    serialManager_->startReceiving();
    rememberOpenedPort(name);
    progressBar->setValue(50);
    setPortBoxesEnabled(false);
    pushButtonClose->setEnabled(true);
    progressBar->setValue(100);
    label_command->setText(tr("ComPort: Connected..."));
    pushButton_getFile->setEnabled(true);
    startLogFile(); // before the read, so its first frame is in the file
    on_pushButton_read_clicked();
}

void Velomi::on_pushButtonClose_clicked()
{
    // Only the user's own Close asks: a lost link or an upgrade closes at once.
    if (sender() == pushButtonClose && !letUnwrittenEditsGo(tr("Close the port anyway?")))
        return;
    session_->portClosed();
    forgetReadConfiguration(); // the next device on this port may be another one
    endLogFile();
    tabWidget_velomi->setEnabled(false);
    progressBar->setValue(0);
    serialManager_->closePort();
    setPortBoxesEnabled(true);
    pushButtonClose->setEnabled(false);
    label_current_stat->clear();
    label_result->clear();
    label_command->setText(tr("ComPort: Disconnect..."));
}

void Velomi::onLinkLost(const QString &reason)
{
    // A restarting device on a native USB port leaves the bus for a while:
    // no error; the port is reopened when it is back.
    if (session_->awaitsDeviceBack()) {
        serialManager_->closePort();
        waitForDevice(DeviceWait::Restart);
        return;
    }
    // Writes to a vanished device would fail silently: close as Close does
    // and say so, instead of leaving the window looking connected.
    on_pushButtonClose_clicked();
    widget_Com->setEnabled(true);
    widget_phone->setEnabled(true);
    Messages::warning(this, tr("The device was disconnected.\n%1").arg(reason));
    if (reconnectAutomaticallyAction_->isChecked())
        waitForDevice(DeviceWait::Unplug);
}
