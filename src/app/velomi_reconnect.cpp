// A device that leaves the bus and comes back: a device on a native USB port
// vanishes while it restarts (after a reboot, a factory reset, an upgrade)
// and may return under another name; a pulled cable may be plugged in again.
// The window waits for the same device and reopens it by itself.
#include <QAction>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

#include "app/messages.h"
#include "app/velomi.h"
#include "app/windowsettings.h"
#include "serial/manageserialport.h"
#include "serial/portwatcher.h"
#include "session/session.h"

namespace {
const QString LastPortKey = QStringLiteral("LastPort");
} // namespace

void Velomi::setupReconnect()
{
    portWatcher_ = new PortWatcher(this);
    deviceWaitLimit_ = new QTimer(this);
    deviceWaitLimit_->setSingleShot(true);
    deviceWaitLimit_->setInterval(DeviceReturnLimitMs);
    reconnectRetry_ = new QTimer(this);
    reconnectRetry_->setSingleShot(true);
    reconnectRetry_->setInterval(PortWatcher::SettleMs);
    reconnectAutomaticallyAction_ = addSettingAction(
        tr("Reconnect automatically"), QStringLiteral("ReconnectAutomatically"), true);
    reconnectAutomaticallyAction_->setObjectName(QStringLiteral("actionReconnectAutomatically"));
    lastUsedPort_ = WindowSettings().value(LastPortKey).toString();

    connect(portWatcher_, &PortWatcher::portsChanged, this, [this] {
        if (comboBoxPortName->isEnabled())
            refreshPortList();
        tryReconnect();
    });
    connect(reconnectRetry_, &QTimer::timeout, this, &Velomi::tryReconnect);
    connect(deviceWaitLimit_, &QTimer::timeout, this, &Velomi::deviceStayedAway);
    // The user opening or closing a port takes over from the waiting.
    for (QPushButton *button : {pushButtonOpen, pushButtonClose})
        connect(button, &QPushButton::clicked, this, &Velomi::stopWaitingForDevice);
    // What the system tells about a port, for the entry under the pointer or chosen.
    const auto describe = [this](int index) {
        const QString details
            = comboBoxPortName->itemData(index, Qt::ToolTipRole).toString().replace('\n', " | ");
        if (deviceWait_ == DeviceWait::None && !details.isEmpty())
            QMainWindow::statusBar()->showMessage(details, 10000);
    };
    connect(comboBoxPortName, &QComboBox::highlighted, this, describe);
    connect(comboBoxPortName, &QComboBox::currentIndexChanged, this, describe);
}

void Velomi::setDeviceReturnLimit(int milliseconds) { deviceWaitLimit_->setInterval(milliseconds); }

void Velomi::rememberOpenedPort(const QString &path)
{
    openedPort_ = PortIdentity::of(path);
    portWatcher_->watchFolderOf(path);
    lastUsedPort_ = QFileInfo(path).isSymLink() ? path : openedPort_.path;
    WindowSettings().setValue(LastPortKey, lastUsedPort_);
}

void Velomi::waitForDevice(DeviceWait why)
{
    deviceWait_ = why;
    QMainWindow::statusBar()->showMessage(tr("Waiting for the device to come back..."));
    if (why == DeviceWait::Unplug)
        deviceWaitLimit_->stop(); // a cable may stay out for long: nothing to give up
    else
        deviceWaitLimit_->start();
    // It may be back already (or never have left, after an upgrade).
    reconnectRetry_->start();
}

void Velomi::stopWaitingForDevice()
{
    if (deviceWait_ == DeviceWait::None)
        return;
    deviceWait_ = DeviceWait::None;
    deviceWaitLimit_->stop();
    reconnectRetry_->stop();
    QMainWindow::statusBar()->clearMessage();
}

void Velomi::tryReconnect()
{
    if (deviceWait_ == DeviceWait::None)
        return;
    if (deviceWait_ == DeviceWait::Unplug && !reconnectAutomaticallyAction_->isChecked()) {
        stopWaitingForDevice(); // switched off while waiting
        return;
    }
    const QString path = openedPort_.locate();
    if (path.isEmpty())
        return; // the watcher calls again when ports come or go
    const DeviceWait why = deviceWait_;
    if (why == DeviceWait::Restart) {
        // The device restarts: the port is reopened quietly, and the restart's
        // own read runs on it when the restart ends.
        serialManager_->setPortName(path);
        if (!serialManager_->openPort()) {
            // Still coming up (udev may not have set its permissions yet).
            reconnectRetry_->start();
            return;
        }
        serialManager_->startReceiving();
        stopWaitingForDevice();
        QMainWindow::statusBar()->showMessage(tr("The device is back on %1.").arg(path), 5000);
        pushButtonClose->setEnabled(true);
        session_->linkReopened();
        return;
    }
    // As if the user had opened it: the port, then the read.
    stopWaitingForDevice();
    const int index = comboBoxPortName->findData(path);
    comboBoxPortName->setCurrentIndex(index);
    if (index < 0)
        comboBoxPortName->setEditText(path);
    on_pushButtonOpen_clicked();
    if (serialManager_->isPortOpen())
        QMainWindow::statusBar()->showMessage(tr("The device is back on %1.").arg(path), 5000);
}

void Velomi::deviceStayedAway()
{
    const DeviceWait why = deviceWait_;
    stopWaitingForDevice();
    if (why == DeviceWait::Restart) {
        session_->deviceStayedAway();
        serialManager_->closePort();
        setPortBoxesEnabled(true);
        pushButtonClose->setEnabled(false);
        label_command->setText(tr("ComPort: Disconnect..."));
    }
    Messages::information(this,
        tr("The device did not come back within %1 seconds. Check its cable, then open the "
           "port again.")
            .arg(deviceWaitLimit_->interval() / 1000));
}

// The upgrade closed the port and its countdown has ended: the device is
// opened again where it is now, or as soon as it is back.
void Velomi::reopenAfterRestart()
{
    if (openedPort_.locate().isEmpty()) {
        waitForDevice(DeviceWait::Reopen);
        return;
    }
    deviceWait_ = DeviceWait::Reopen;
    tryReconnect();
}
