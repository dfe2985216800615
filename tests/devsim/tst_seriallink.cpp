// The tool's serial link talks to the simulated device over its terminal.
#include <QSignalSpy>
#include <QTest>

#include "devsimprocess.h"
#include "serial/manageserialport.h"

class SerialLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void signalStrengthRoundTrip_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::newRow("plain") << QStringList {};
        QTest::newRow("echo, chunks") << QStringList {"--echo", "--chunks"};
    }

    void signalStrengthRoundTrip()
    {
        QFETCH(QStringList, simArgs);
        DevSimProcess sim;
        QVERIFY2(sim.start(simArgs), qPrintable(sim.errorString()));

        ManageSerialPort port;
        port.setPortName(sim.portPath());
        port.enableSending();
        port.enableReceiving();
        QVERIFY2(port.openPort(), qPrintable(port.lastErrorString()));
        QCOMPARE(port.startReceiving(), uchar(ManageSerialPort::Done));

        QByteArray received;
        connect(&port, &ManageSerialPort::newDataReceived, this,
            [&received](const QByteArray &chunk) { received += chunk; });
        QCOMPARE(port.sendData("AT!XSMSC=CSQ:\r"), uchar(ManageSerialPort::Done));
        QTRY_VERIFY_WITH_TIMEOUT(
            received.contains(";\r\n") && received.contains("<OK> CSQ:"), 5000);
        const QByteArray answer = DevSimTerminal::withoutEcho(received);
        QVERIFY2(QRegularExpression(QStringLiteral("^<OK> CSQ:\\d+,\\d+;\\r\\n$"))
                     .match(QString::fromLatin1(answer))
                     .hasMatch(),
            answer.constData());
        port.closePort();
        QVERIFY(!port.isPortOpen());
    }
};

QTEST_GUILESS_MAIN(SerialLinkTest)
#include "tst_seriallink.moc"
