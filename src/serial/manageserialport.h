#pragma once
// The serial link on a real port. The QSerialPort lives in one worker thread
// that is driven by the port's own notifications (no polling), from a
// successful openPort() to closePort() or destruction. All public operations
// are called on the thread that owns this object (the GUI thread); received
// bytes come back to that thread as newDataReceived/chunkReceived, whole and
// in order; a flood is held back at the port (bounded), never queued up.
//
// Each direction is enabled separately; sendData and startReceiving answer
// with a result code: 1 done, 2 the port is not open, 3 the direction is not
// enabled. closePort() remembers which directions were enabled and whether
// receiving ran; the next openPort() restores them.
#include "serial/link.h"

#include <QSerialPort>

#include <memory>

class QThread;
class SerialPortWorker;
struct ReceiveThrottle;

class ManageSerialPort : public Link
{
    Q_OBJECT
public:
    enum Result : uchar { Done = 1, PortNotOpen = 2, DirectionNotEnabled = 3 };

    struct PortSettings
    {
        QString portName;
        qint32 baudRate = QSerialPort::Baud115200;
        QSerialPort::DataBits dataBits = QSerialPort::Data8;
        QSerialPort::Parity parity = QSerialPort::NoParity;
        QSerialPort::StopBits stopBits = QSerialPort::OneStop;
        QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;
    };

    explicit ManageSerialPort(QObject *parent = nullptr);
    // Closes the port on the worker (after writing what is queued), then
    // stops and joins the worker thread.
    ~ManageSerialPort() override;

    // Port settings take effect at the next open, and at once while open.
    void setPortName(const QString &name);
    void setBaudRate(qint32 baudRate);
    void setDataBits(QSerialPort::DataBits dataBits);
    void setParity(QSerialPort::Parity parity);
    void setStopBits(QSerialPort::StopBits stopBits);
    void setFlowControl(QSerialPort::FlowControl flowControl);
    void setPortSettings(const PortSettings &settings)
    {
        settings_ = settings;
        applySettings();
    }
    // Kept for callers that set a read time-out; the port is event-driven
    // and waits for nothing, so the value is only remembered.
    void setTimeouts(long seconds, long milliseconds);
    long timeoutMs() const { return timeoutMs_; }
    const PortSettings &portSettings() const { return settings_; }

    // Opens the port. After a closePort() the directions and the running
    // receive are restored, whether or not the open succeeded.
    bool openPort();
    // Writes what is still queued (bounded wait), closes the port and stops
    // the worker. Remembers the directions for the next openPort().
    void closePort();
    // False once the device is gone (linkLost) even before closePort().
    bool isPortOpen() const;

    // Each returns false when the direction already was in the asked state.
    bool enableSending();
    bool disableSending();
    bool enableReceiving();
    bool disableReceiving();

    uchar startReceiving();
    // Queues the bytes; they are written in order of sendData calls.
    uchar sendData(const QByteArray &dataToSend);

    // Why the last openPort() failed.
    QSerialPort::SerialPortError lastError() const { return lastError_; }
    QString lastErrorString() const { return lastErrorString_; }

    bool isOpen() const override { return isPortOpen(); }
    bool send(const QByteArray &bytes) override { return sendData(bytes) == Done; }

signals:
    void newDataReceived(const QByteArray &dataReceived);

private:
    bool startWorker();
    void stopWorker();
    void applySettings();
    void setDelivering(bool on);
    void deliverChunk(const QByteArray &chunk);

    PortSettings settings_;
    long timeoutMs_ = 0;
    QThread *thread_ = nullptr;
    SerialPortWorker *worker_ = nullptr;
    std::unique_ptr<ReceiveThrottle> throttle_; // received bytes not yet delivered
    // Tells a late report of a previous open from one of the current open.
    quint64 openGeneration_ = 0;
    bool portOpen_ = false;
    bool linkLost_ = false;

    bool sendingEnabled = false;
    bool receivingEnabled = false;
    bool receiveActive = false; // chunks are being delivered
    bool closeCalled = false;
    bool savedSendingEnabled = false;
    bool savedReceivingEnabled = false;
    bool receiveRunning = false; // startReceiving ran; survives closePort

    QSerialPort::SerialPortError lastError_ = QSerialPort::NoError;
    QString lastErrorString_;
};
