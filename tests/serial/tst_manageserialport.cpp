// The serial link over a pseudo-terminal: the test holds the device's end.
#include "ptypair.h"
#include "serial/manageserialport.h"
#include "serial/openfailure.h"
#include "serial/portnames.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(OpenFailureFacts)

namespace {

const QByteArray SignalStrengthFrame("AT!XSMSC=CSQ:\r");

// The order the window uses to open the port.
bool openAsTheWindowDoes(ManageSerialPort &link, const QString &path)
{
    link.setPortName(path);
    link.setBaudRate(QSerialPort::Baud115200);
    link.setDataBits(QSerialPort::Data8);
    link.setParity(QSerialPort::NoParity);
    link.setStopBits(QSerialPort::OneStop);
    link.setFlowControl(QSerialPort::NoFlowControl);
    link.setTimeouts(0, 10);
    link.enableSending();
    link.enableReceiving();
    if (!link.openPort())
        return false;
    return link.startReceiving() == ManageSerialPort::Done;
}

QByteArray joined(const QSignalSpy &spy)
{
    QByteArray all;
    for (const QList<QVariant> &arguments : spy)
        all += arguments.at(0).toByteArray();
    return all;
}

QByteArray patterned(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 256);
    return bytes;
}

} // namespace

class ManageSerialPortTest : public QObject
{
    Q_OBJECT
private slots:
    void sendWritesEveryByteInOrder_data();
    void sendWritesEveryByteInOrder();
    void resultCodesWhenPortOrDirectionIsMissing();
    void enablingTwiceKeepsOneDirection();
    void receivedBytesArriveWholeAndInOrder_data();
    void receivedBytesArriveWholeAndInOrder();
    void bytesBeforeStartReceivingAreKept();
    void closeThenOpenRestoresBothDirections();
    void destructionWhileRunningEndsCleanly();
    void pulledCableReportsLinkLostOnce_data();
    void pulledCableReportsLinkLostOnce();
    void openFailureTellsWhy();

    void portNameForOpen_data();
    void portNameForOpen();
    void openFailureText_data();
    void openFailureText();
};

void ManageSerialPortTest::sendWritesEveryByteInOrder_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::newRow("signal strength frame") << QList<QByteArray> {SignalStrengthFrame};
    QList<QByteArray> frames;
    for (int i = 0; i < 200; ++i)
        frames << QByteArray("AT!XSMSC=RPT?:") + QByteArray::number(i % 6) + '\r';
    QTest::newRow("many frames back to back") << frames;
    // Larger than the terminal's buffer: later pieces are queued while the
    // first is still being written.
    QTest::newRow("queued while writing") << QList<QByteArray> {patterned(70000), "tail\r"};
    QTest::newRow("NUL bytes") << QList<QByteArray> {QByteArray("\0\0x\0", 4)};
}

void ManageSerialPortTest::sendWritesEveryByteInOrder()
{
    QFETCH(QList<QByteArray>, pieces);
    PtyPair pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.errorString()));
    ManageSerialPort link;
    QVERIFY(openAsTheWindowDoes(link, pty.slavePath()));

    QByteArray expected;
    for (const QByteArray &piece : pieces) {
        QCOMPARE(link.sendData(piece), uchar(ManageSerialPort::Done));
        expected += piece;
    }
    QCOMPARE(pty.readMaster(5000, int(expected.size())), expected);
    QCOMPARE(pty.readMaster(100), QByteArray()); // nothing more
}

void ManageSerialPortTest::resultCodesWhenPortOrDirectionIsMissing()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    ManageSerialPort link;
    link.enableSending();
    link.enableReceiving();
    QCOMPARE(link.sendData(SignalStrengthFrame), uchar(ManageSerialPort::PortNotOpen));
    QCOMPARE(link.startReceiving(), uchar(ManageSerialPort::PortNotOpen));
    QVERIFY(!link.send(SignalStrengthFrame));

    ManageSerialPort bare; // directions never enabled
    bare.setPortName(pty.slavePath());
    QVERIFY(bare.openPort());
    QCOMPARE(bare.sendData(SignalStrengthFrame), uchar(ManageSerialPort::DirectionNotEnabled));
    QCOMPARE(bare.startReceiving(), uchar(ManageSerialPort::DirectionNotEnabled));
    QVERIFY(bare.enableSending());
    QVERIFY(bare.disableSending());
    QCOMPARE(bare.sendData(SignalStrengthFrame), uchar(ManageSerialPort::DirectionNotEnabled));
    QCOMPARE(pty.readMaster(200), QByteArray()); // nothing was queued
}

void ManageSerialPortTest::enablingTwiceKeepsOneDirection()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    ManageSerialPort link;
    QSignalSpy chunks(&link, &ManageSerialPort::newDataReceived);
    QVERIFY(link.enableSending());
    QVERIFY(!link.enableSending());
    QVERIFY(link.enableReceiving());
    QVERIFY(!link.enableReceiving());
    link.setPortName(pty.slavePath());
    QVERIFY(link.openPort());
    QCOMPARE(link.startReceiving(), uchar(ManageSerialPort::Done));
    QCOMPARE(link.startReceiving(), uchar(ManageSerialPort::Done)); // already running

    // One direction each way: every byte once, not twice.
    QCOMPARE(link.sendData(SignalStrengthFrame), uchar(ManageSerialPort::Done));
    QCOMPARE(pty.readMaster(2000, 14), SignalStrengthFrame);
    QCOMPARE(pty.readMaster(100), QByteArray());
    QVERIFY(pty.writeMaster("<OK> CSQ:23,99;\r\n"));
    QTRY_COMPARE(joined(chunks), QByteArray("<OK> CSQ:23,99;\r\n"));
    QTest::qWait(100);
    QCOMPARE(joined(chunks), QByteArray("<OK> CSQ:23,99;\r\n"));

    QVERIFY(link.disableReceiving());
    QVERIFY(!link.disableReceiving());
    QVERIFY(link.disableSending());
    QVERIFY(!link.disableSending());
}

void ManageSerialPortTest::receivedBytesArriveWholeAndInOrder_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::newRow("answer") << QList<QByteArray> {"<OK> CSQ:23,99;\r\n"};
    QTest::newRow("NUL inside") << QList<QByteArray> {QByteArray("<OK> VER?:\0T47;\r\n", 17)};
    QTest::newRow("NUL first and last") << QList<QByteArray> {QByteArray("\0abc\0", 5)};
    QTest::newRow("split answer") << QList<QByteArray> {"<OK> AP", "N?:inter", "net,,;\r\n"};
    QTest::newRow("more than a buffer") << QList<QByteArray> {patterned(5000), patterned(3000)};
}

void ManageSerialPortTest::receivedBytesArriveWholeAndInOrder()
{
    QFETCH(QList<QByteArray>, pieces);
    PtyPair pty;
    QVERIFY(pty.isValid());
    ManageSerialPort link;
    QVERIFY(openAsTheWindowDoes(link, pty.slavePath()));
    QSignalSpy chunks(&link, &ManageSerialPort::newDataReceived);
    QSignalSpy linkChunks(&link, &Link::chunkReceived);

    QByteArray expected;
    for (const QByteArray &piece : pieces) {
        QVERIFY(pty.writeMaster(piece));
        expected += piece;
    }
    QTRY_COMPARE(joined(chunks), expected);
    QCOMPARE(joined(linkChunks), expected);
    QCOMPARE(linkChunks.count(), chunks.count());
}

void ManageSerialPortTest::bytesBeforeStartReceivingAreKept()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    ManageSerialPort link;
    QSignalSpy chunks(&link, &ManageSerialPort::newDataReceived);
    link.setPortName(pty.slavePath());
    link.enableReceiving();
    QVERIFY(link.openPort());
    QVERIFY(pty.writeMaster("early;\r\n"));
    QTest::qWait(100);
    QCOMPARE(chunks.count(), 0); // not receiving yet
    QCOMPARE(link.startReceiving(), uchar(ManageSerialPort::Done));
    QTRY_COMPARE(joined(chunks), QByteArray("early;\r\n"));
}

void ManageSerialPortTest::closeThenOpenRestoresBothDirections()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    ManageSerialPort link;
    QSignalSpy chunks(&link, &ManageSerialPort::newDataReceived);
    QVERIFY(openAsTheWindowDoes(link, pty.slavePath()));

    // Close first writes what is still queued.
    const QByteArray block = patterned(2000);
    QCOMPARE(link.sendData(block), uchar(ManageSerialPort::Done));
    QCOMPARE(link.sendData(SignalStrengthFrame), uchar(ManageSerialPort::Done));
    link.closePort();
    QCOMPARE(pty.readMaster(2000, int(block.size()) + 14), block + SignalStrengthFrame);
    QVERIFY(!link.isPortOpen());
    QCOMPARE(link.sendData(SignalStrengthFrame), uchar(ManageSerialPort::PortNotOpen));
    QVERIFY(pty.writeMaster("while closed;"));
    QTest::qWait(100);
    QCOMPARE(chunks.count(), 0);

    // No enable or startReceiving call: open alone brings both back.
    QVERIFY(link.openPort());
    QVERIFY(link.isPortOpen());
    QVERIFY(!link.enableSending());
    QVERIFY(!link.enableReceiving());
    QCOMPARE(link.sendData(SignalStrengthFrame), uchar(ManageSerialPort::Done));
    QCOMPARE(pty.readMaster(2000, 14), SignalStrengthFrame);
    chunks.clear();
    QVERIFY(pty.writeMaster("<OK> CSQ:23,99;\r\n"));
    QTRY_VERIFY(joined(chunks).endsWith("<OK> CSQ:23,99;\r\n"));

    // A second round works the same.
    link.closePort();
    QVERIFY(link.openPort());
    QCOMPARE(link.sendData("again\r"), uchar(ManageSerialPort::Done));
    QCOMPARE(pty.readMaster(2000, 6), QByteArray("again\r"));
}

void ManageSerialPortTest::destructionWhileRunningEndsCleanly()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    auto link = std::make_unique<ManageSerialPort>();
    QVERIFY(openAsTheWindowDoes(*link, pty.slavePath()));
    QVERIFY(pty.writeMaster("<OK> unread answer;\r\n"));
    QCOMPARE(link->sendData(SignalStrengthFrame), uchar(ManageSerialPort::Done));
    link.reset();
    QCOMPARE(pty.readMaster(2000, 14), SignalStrengthFrame);

    // The port was released: a new manager opens it again.
    ManageSerialPort next;
    QVERIFY(openAsTheWindowDoes(next, pty.slavePath()));
}

void ManageSerialPortTest::pulledCableReportsLinkLostOnce_data()
{
    QTest::addColumn<int>("pendingWrite");
    QTest::newRow("idle") << 0;
    // The device stops reading, the terminal fills, bytes wait in the port.
    QTest::newRow("write pending") << 200000;
}

void ManageSerialPortTest::pulledCableReportsLinkLostOnce()
{
    QFETCH(int, pendingWrite);
    PtyPair pty;
    QVERIFY(pty.isValid());
    ManageSerialPort link;
    QSignalSpy lost(&link, &Link::linkLost);
    QVERIFY(openAsTheWindowDoes(link, pty.slavePath()));
    if (pendingWrite > 0)
        QCOMPARE(link.sendData(patterned(pendingWrite)), uchar(ManageSerialPort::Done));
    QTest::qWait(50);

    pty.closeMaster();
    QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 1000);
    QVERIFY(!lost.at(0).at(0).toString().isEmpty());
    QVERIFY(!link.isPortOpen());
    QCOMPARE(link.sendData(SignalStrengthFrame), uchar(ManageSerialPort::PortNotOpen));
    QTest::qWait(200);
    QCOMPARE(lost.count(), 1);

    // The window then closes as Close does; that must not hang.
    QElapsedTimer clock;
    clock.start();
    link.closePort();
    QVERIFY2(clock.elapsed() < 3000, "closing a lost port took too long");
    QCOMPARE(lost.count(), 1);

    // A new device on a new port opens with the remembered directions.
    PtyPair replugged;
    QVERIFY(replugged.isValid());
    link.setPortName(replugged.slavePath());
    QVERIFY(link.openPort());
    QCOMPARE(link.sendData(SignalStrengthFrame), uchar(ManageSerialPort::Done));
    QCOMPARE(replugged.readMaster(2000, 14), SignalStrengthFrame);
}

void ManageSerialPortTest::openFailureTellsWhy()
{
    ManageSerialPort link;
    link.enableSending();
    link.setPortName(QStringLiteral("/dev/velomi-no-such-port"));
    QVERIFY(!link.openPort());
    QVERIFY(!link.isPortOpen());
    QCOMPARE(link.lastError(), QSerialPort::DeviceNotFoundError);
    QVERIFY(!link.lastErrorString().isEmpty());
    QCOMPARE(link.sendData(SignalStrengthFrame), uchar(ManageSerialPort::PortNotOpen));

    // The same manager opens a real port afterwards.
    PtyPair pty;
    QVERIFY(pty.isValid());
    link.setPortName(pty.slavePath());
    QVERIFY(link.openPort());
    QCOMPARE(link.sendData(SignalStrengthFrame), uchar(ManageSerialPort::Done));
    QCOMPARE(pty.readMaster(2000, 14), SignalStrengthFrame);
}

void ManageSerialPortTest::portNameForOpen_data()
{
    QTest::addColumn<QString>("userData");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("COM3") << "COM3" << "COM3";
    QTest::newRow("COM9") << "COM9" << "COM9";
    QTest::newRow("COM10") << "COM10" << "\\\\.\\COM10";
    QTest::newRow("COM12") << "COM12" << "\\\\.\\COM12";
    QTest::newRow("USB adapter") << "/dev/ttyUSB0" << "/dev/ttyUSB0";
    QTest::newRow("path with COM") << "/dev/ttyCOM12" << "/dev/ttyCOM12";
    QTest::newRow("no port") << "" << "";
    // clang-format on
}

void ManageSerialPortTest::portNameForOpen()
{
    QFETCH(QString, userData);
    QFETCH(QString, expected);
    QCOMPARE(::portNameForOpen(userData), expected);
}

void ManageSerialPortTest::openFailureText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSerialPort::SerialPortError>("error");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<OpenFailureFacts>("facts");
    QTest::addColumn<QString>("expected");

    const OpenFailureFacts unknown;
    OpenFailureFacts dialoutNode;
    dialoutNode.nodeFound = true;
    dialoutNode.canonicalPath = "/dev/ttyACM0";
    dialoutNode.group = "dialout";
    dialoutNode.groupMayReadWrite = true;
    OpenFailureFacts addedLater = dialoutNode;
    addedLater.inGroupListed = true;
    OpenFailureFacts heldByModemManager = dialoutNode;
    heldByModemManager.accessAllowed = heldByModemManager.inGroupNow = true;
    heldByModemManager.holders = {{"ModemManager", 812}};
    OpenFailureFacts modemManagerUnseen = heldByModemManager;
    modemManagerUnseen.holders.clear(); // it runs as root: its files are hidden from us
    modemManagerUnseen.modemManagerRuns = true;
    OpenFailureFacts brlttyTookAdapter = unknown;
    brlttyTookAdapter.brailleDriverRuns = true;

    const QString modemManagerHint
        = "\nModemManager takes this port for a modem. Stop it while you work (sudo systemctl "
          "stop ModemManager) or install the tool's udev rule, which tells ModemManager to "
          "leave the device alone.";
    // clang-format off
    QTest::newRow("missing") << "/dev/ttyUSB0" << QSerialPort::DeviceNotFoundError
        << "No such file or directory" << unknown
        << "Can't open /dev/ttyUSB0\nNo such file or directory";
    QTest::newRow("no port at all") << "" << QSerialPort::DeviceNotFoundError << "" << unknown
        << "Can't open ";
    QTest::newRow("denied, node not examined") << "/dev/ttyACM0" << QSerialPort::PermissionError
        << "Permission denied" << unknown
        << "Can't open /dev/ttyACM0\nPermission denied\nIf no other program is using the port, "
           "your user may lack access to serial ports: sudo usermod -aG dialout $USER, then log "
           "in again.";
    QTest::newRow("denied, not in the group") << "/dev/ttyACM0" << QSerialPort::PermissionError
        << "Permission denied" << dialoutNode
        << "Can't open /dev/ttyACM0\nPermission denied\nThe port belongs to group dialout; you "
           "are not in it. Run: sudo usermod -aG dialout $USER, then log in again.";
    QTest::newRow("denied, added after login") << "/dev/ttyACM0" << QSerialPort::PermissionError
        << "Permission denied" << addedLater
        << "Can't open /dev/ttyACM0\nPermission denied\nThe port belongs to group dialout; you "
           "were added to it after this session started. Log out and log in again.";
    QTest::newRow("held by ModemManager") << "/dev/serial/by-id/usb-x" << QSerialPort::PermissionError
        << "Device or resource busy" << heldByModemManager
        << "Can't open /dev/serial/by-id/usb-x\nDevice or resource busy\nThe port is held by "
           "ModemManager (pid 812)." + modemManagerHint;
    QTest::newRow("ttyACM while ModemManager runs") << "/dev/ttyACM0"
        << QSerialPort::PermissionError << "Device or resource busy" << modemManagerUnseen
        << "Can't open /dev/ttyACM0\nDevice or resource busy\nAnother program is using the "
           "port; close it and try again." + modemManagerHint;
    QTest::newRow("ttyUSB gone to brltty") << "/dev/ttyUSB0" << QSerialPort::DeviceNotFoundError
        << "No such file or directory" << brlttyTookAdapter
        << "Can't open /dev/ttyUSB0\nNo such file or directory\nThe braille driver brltty takes "
           "some USB serial adapters. If you use no braille display, remove it (sudo apt remove "
           "brltty) or disable its udev rules (sudo systemctl mask brltty-udev.service), then "
           "plug the device in again.";
    // clang-format on
}

void ManageSerialPortTest::openFailureText()
{
    QFETCH(QString, name);
    QFETCH(QSerialPort::SerialPortError, error);
    QFETCH(QString, reason);
    QFETCH(OpenFailureFacts, facts);
    QFETCH(QString, expected);
    QCOMPARE(::describeOpenFailure(name, error, reason, facts), expected);
}

QTEST_GUILESS_MAIN(ManageSerialPortTest)
#include "tst_manageserialport.moc"
