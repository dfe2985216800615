#include "serial/manageserialport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <atomic>

namespace {

// Bound on writing what is still queued when the port closes: about 20 KiB
// at 115200 baud, far more than any frame or firmware block.
constexpr int CloseFlushMs = 2000;

// Received bytes are bounded on their way to the GUI thread: a device that
// floods the link (debug output left on, line noise) must not pile up chunks
// in the event queue faster than the window takes them. At most this many
// bytes are handed over and not yet delivered; beyond it the worker stops
// reading, the port's own buffer fills up to its bound, and the device end
// waits (or, on a real line, its driver drops what does not fit). Nothing
// that was read is ever dropped here. Both bounds are far above anything a
// 115200-baud line sends while the window takes a breath.
constexpr qint64 MaxBytesInFlight = 256 * 1024;
constexpr qint64 MaxChunkBytes = 64 * 1024;
constexpr qint64 PortReadBufferBytes = 64 * 1024;

// Errors after which the port is of no use any more: the device went away
// (USB cable pulled) or its descriptor went bad. Qt stops reading after a
// resource error; after the others it would keep waking up on the dead
// descriptor.
bool meansDeviceGone(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
        return true;
    default:
        return false;
    }
}

} // namespace

// Bytes handed from the worker to the owner's thread and not yet delivered.
// The worker counts them on, the owner off again.
struct ReceiveThrottle
{
    std::atomic<qint64> bytesInFlight {0};
    std::atomic<bool> waiting {false}; // the worker stopped reading at the bound
};

// Owns the QSerialPort and lives in the worker thread; every member runs
// there. Received bytes and a lost device are reported by signals.
class SerialPortWorker : public QObject
{
    Q_OBJECT
public:
    explicit SerialPortWorker(ReceiveThrottle &throttle) : throttle(throttle) { }

    struct OpenResult
    {
        bool ok = false;
        QSerialPort::SerialPortError error = QSerialPort::NoError;
        QString errorString;
    };

    OpenResult open(const ManageSerialPort::PortSettings &setup)
    {
        port = new QSerialPort(this);
        port->setPortName(setup.portName);
        port->setReadBufferSize(PortReadBufferBytes);
        apply(setup);
        connect(port, &QSerialPort::readyRead, this, &SerialPortWorker::readAvailable);
        connect(port, &QSerialPort::errorOccurred, this, &SerialPortWorker::handleError);
        if (!port->open(QIODevice::ReadWrite)) {
            OpenResult failed {false, port->error(), port->errorString()};
            dropPort();
            return failed;
        }
        return {true, QSerialPort::NoError, {}};
    }

    void apply(const ManageSerialPort::PortSettings &setup)
    {
        if (!port || gone)
            return;
        port->setBaudRate(setup.baudRate);
        port->setDataBits(setup.dataBits);
        port->setParity(setup.parity);
        port->setStopBits(setup.stopBits);
        port->setFlowControl(setup.flowControl);
    }

    void write(const QByteArray &bytes)
    {
        // QSerialPort keeps unwritten bytes in its buffer and writes them in
        // order as the device takes them.
        if (port && !gone)
            port->write(bytes);
    }

    void setDelivering(bool on)
    {
        delivering = on;
        if (on)
            readAvailable(); // bytes that came while nobody listened
    }

    void readAvailable()
    {
        while (delivering && port && !gone) {
            if (throttle.bytesInFlight >= MaxBytesInFlight) {
                // Stop here until the owner has delivered enough; it wakes us
                // up. Looking again after saying so closes the race with a
                // delivery that ended meanwhile.
                throttle.waiting = true;
                if (throttle.bytesInFlight >= MaxBytesInFlight)
                    return;
                throttle.waiting = false;
            }
            // Reading what the port buffered also lets it read on once it
            // had stopped at its bound. Asking for no more than is there
            // keeps a small chunk from holding a buffer of the largest size.
            const QByteArray chunk = port->read(std::min(port->bytesAvailable(), MaxChunkBytes));
            if (chunk.isEmpty())
                return;
            throttle.bytesInFlight += chunk.size();
            emit received(chunk); // whole, NUL bytes included
        }
    }

    void close()
    {
        closing = true;
        if (port && !gone && port->isOpen()) {
            const QDeadlineTimer deadline(CloseFlushMs);
            while (port->bytesToWrite() > 0 && !deadline.hasExpired()
                && port->waitForBytesWritten(int(deadline.remainingTime()))) { }
        }
        dropPort();
    }

signals:
    void received(const QByteArray &chunk);
    void lost(const QString &reason);

private:
    void handleError(QSerialPort::SerialPortError error)
    {
        if (closing || gone || !port || !port->isOpen() || !meansDeviceGone(error))
            return;
        gone = true;
        emit lost(port->errorString());
        // Release the dead descriptor once Qt has left its notifier, so
        // nothing keeps waking up on it until the owner closes the link.
        QMetaObject::invokeMethod(this, &SerialPortWorker::dropPort, Qt::QueuedConnection);
    }

    void dropPort()
    {
        if (!port)
            return;
        port->disconnect(this);
        if (port->isOpen())
            port->close();
        delete port;
        port = nullptr;
    }

    ReceiveThrottle &throttle;
    QSerialPort *port = nullptr;
    bool delivering = false;
    bool closing = false;
    bool gone = false;
};

ManageSerialPort::ManageSerialPort(QObject *parent)
    : Link(parent), throttle_(std::make_unique<ReceiveThrottle>())
{
}

ManageSerialPort::~ManageSerialPort() { stopWorker(); }

void ManageSerialPort::setPortName(const QString &name)
{
    settings_.portName = name; // the name is read at open only
}

void ManageSerialPort::setBaudRate(qint32 baudRate)
{
    settings_.baudRate = baudRate;
    applySettings();
}

void ManageSerialPort::setDataBits(QSerialPort::DataBits dataBits)
{
    settings_.dataBits = dataBits;
    applySettings();
}

void ManageSerialPort::setParity(QSerialPort::Parity parity)
{
    settings_.parity = parity;
    applySettings();
}

void ManageSerialPort::setStopBits(QSerialPort::StopBits stopBits)
{
    settings_.stopBits = stopBits;
    applySettings();
}

void ManageSerialPort::setFlowControl(QSerialPort::FlowControl flowControl)
{
    settings_.flowControl = flowControl;
    applySettings();
}

void ManageSerialPort::setTimeouts(long seconds, long milliseconds)
{
    timeoutMs_ = seconds * 1000 + milliseconds;
}

void ManageSerialPort::applySettings()
{
    if (!worker_)
        return;
    const PortSettings setup = settings_;
    SerialPortWorker *worker = worker_;
    QMetaObject::invokeMethod(
        worker, [worker, setup] { worker->apply(setup); }, Qt::QueuedConnection);
}

bool ManageSerialPort::startWorker()
{
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("serial port"));
    worker_ = new SerialPortWorker(*throttle_);
    worker_->moveToThread(thread_);
    const quint64 generation = ++openGeneration_;
    connect(worker_, &SerialPortWorker::received, this, &ManageSerialPort::deliverChunk);
    connect(worker_, &SerialPortWorker::lost, this, [this, generation](const QString &reason) {
        // A report queued before the port was closed (and maybe opened
        // again) is stale.
        if (generation != openGeneration_ || !portOpen_ || linkLost_)
            return;
        linkLost_ = true;
        emit linkLost(reason);
    });
    thread_->start();

    const PortSettings setup = settings_;
    SerialPortWorker::OpenResult result;
    SerialPortWorker *worker = worker_;
    QMetaObject::invokeMethod(
        worker, [&result, worker, setup] { result = worker->open(setup); },
        Qt::BlockingQueuedConnection);
    lastError_ = result.error;
    lastErrorString_ = result.errorString;
    if (!result.ok) {
        stopWorker();
        return false;
    }
    portOpen_ = true;
    linkLost_ = false;
    return true;
}

void ManageSerialPort::stopWorker()
{
    if (!thread_)
        return;
    SerialPortWorker *worker = worker_;
    QMetaObject::invokeMethod(
        worker, [worker] { worker->close(); }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    delete worker_; // its thread has ended; nothing of it runs any more
    delete thread_;
    worker_ = nullptr;
    thread_ = nullptr;
    portOpen_ = false;
    linkLost_ = false;
    receiveActive = false; // delivery ends with the worker
    throttle_->bytesInFlight = 0;
    throttle_->waiting = false;
}

bool ManageSerialPort::openPort()
{
    bool opened = false;
    if (portOpen_ && !linkLost_) {
        lastError_ = QSerialPort::OpenError;
        lastErrorString_
            = QCoreApplication::translate("ManageSerialPort", "The port is already open");
    } else {
        stopWorker(); // the remains of a port whose device went away
        opened = startWorker();
    }
    if (closeCalled) {
        if (savedSendingEnabled)
            enableSending();
        if (savedReceivingEnabled)
            enableReceiving();
        if (receiveRunning)
            startReceiving();
        closeCalled = false;
    }
    return opened;
}

void ManageSerialPort::closePort()
{
    closeCalled = true;
    savedSendingEnabled = sendingEnabled;
    savedReceivingEnabled = receivingEnabled;
    disableSending();
    disableReceiving();
    stopWorker();
}

bool ManageSerialPort::isPortOpen() const { return portOpen_ && !linkLost_; }

bool ManageSerialPort::enableSending()
{
    if (sendingEnabled)
        return false;
    sendingEnabled = true;
    return true;
}

bool ManageSerialPort::disableSending()
{
    if (!sendingEnabled)
        return false;
    // Bytes already queued are still written: they were accepted with 1.
    sendingEnabled = false;
    return true;
}

bool ManageSerialPort::enableReceiving()
{
    if (receivingEnabled)
        return false;
    receivingEnabled = true;
    return true;
}

bool ManageSerialPort::disableReceiving()
{
    if (!receivingEnabled)
        return false;
    receivingEnabled = false;
    setDelivering(false);
    return true;
}

uchar ManageSerialPort::startReceiving()
{
    if (!isPortOpen())
        return PortNotOpen;
    if (!receivingEnabled)
        return DirectionNotEnabled;
    if (!receiveActive) {
        receiveRunning = true;
        setDelivering(true);
    }
    return Done;
}

uchar ManageSerialPort::sendData(const QByteArray &dataToSend)
{
    if (!isPortOpen())
        return PortNotOpen;
    if (!sendingEnabled)
        return DirectionNotEnabled;
    SerialPortWorker *worker = worker_;
    QMetaObject::invokeMethod(
        worker, [worker, dataToSend] { worker->write(dataToSend); }, Qt::QueuedConnection);
    return Done;
}

void ManageSerialPort::setDelivering(bool on)
{
    receiveActive = on;
    if (!worker_)
        return;
    SerialPortWorker *worker = worker_;
    QMetaObject::invokeMethod(
        worker, [worker, on] { worker->setDelivering(on); }, Qt::QueuedConnection);
}

void ManageSerialPort::deliverChunk(const QByteArray &chunk)
{
    // The chunk is off the queue: the worker may read on. It is woken
    // before the chunk is handled, which may take a while (a message box).
    throttle_->bytesInFlight -= chunk.size();
    if (throttle_->waiting.exchange(false) && worker_) {
        SerialPortWorker *worker = worker_;
        QMetaObject::invokeMethod(
            worker, [worker] { worker->readAvailable(); }, Qt::QueuedConnection);
    }
    emit newDataReceived(chunk);
    emit chunkReceived(chunk);
}

#include "manageserialport.moc"
