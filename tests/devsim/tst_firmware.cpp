// The simulated device's firmware receiver: the announcement, blocks, the CRC-16/ARC check of
// the whole image and refused blocks on request.
#include "devsimprocess.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Bit by bit, as the catalogue defines CRC-16/ARC; the device has its own table version.
quint16 referenceCrc(const QByteArray &data)
{
    quint16 crc = 0;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

QByteArray announceLine(quint16 crc, int length)
{
    return QStringLiteral("AT!XUPGRADE,%1,%2\r")
        .arg(crc, 4, 16, QLatin1Char('0'))
        .arg(length, 6, 10, QLatin1Char('0'))
        .toLatin1();
}

// With the initial value 0, leading zero bytes leave the register at 0: this image's CRC is
// the catalogue check value of "123456789".
QByteArray checkValueImage(int length) { return QByteArray(length - 9, '\0') + "123456789"; }

struct Transfer
{
    QMap<int, int> refusals; // block number (1 = first) -> "ERROR" answers
    QByteArray lastAnswer;
    bool complete = false;
};

// Sends the image block by block like the tool does, resending a refused block up to
// `retries` times.
Transfer sendImage(DevSimTerminal &terminal, const QByteArray &image, int retries = 10)
{
    Transfer transfer;
    for (int offset = 0, block = 1; offset < image.size(); offset += 256, ++block) {
        for (int attempt = 0;; ++attempt) {
            terminal.write(image.mid(offset, 256));
            transfer.lastAnswer = terminal.readUntil("\r\n");
            if (transfer.lastAnswer != "ERROR\r\n" || attempt == retries)
                break;
            ++transfer.refusals[block];
        }
        if (transfer.lastAnswer != "OK\r\n" && offset + 256 < image.size())
            return transfer;
    }
    transfer.complete = true;
    return transfer;
}

} // namespace

class DevSimFirmwareTest : public QObject
{
    Q_OBJECT

private slots:
    void announcement_data();
    void announcement();
    void checkValueImageIsAccepted();
    void corruptedImageIsRefused();
    void imageOfAnyLengthIsChecked();
    void failBlocksRefusesExactlyAsAsked();
    void quietTransferIsAbandoned();

private:
    bool start(DevSimProcess &sim, DevSimTerminal &terminal, const QStringList &arguments = {})
    {
        return sim.start(arguments) && terminal.open(sim.portPath());
    }
};

void DevSimFirmwareTest::announcement_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("99999 bytes") << announceLine(0x1234, 99999) << QByteArray("ERROR\r\n");
    QTest::newRow("100000 bytes") << announceLine(0x0a1f, 100000) << QByteArray("OK\r\n");
    QTest::newRow("262144 bytes") << announceLine(0xffff, 262144) << QByteArray("OK\r\n");
    QTest::newRow("262145 bytes") << announceLine(0x1234, 262145) << QByteArray("ERROR\r\n");
    QTest::newRow("checksum not hex")
        << QByteArray("AT!XUPGRADE,12x4,100000\r") << QByteArray("ERROR\r\n");
    QTest::newRow("five-digit length")
        << QByteArray("AT!XUPGRADE,1234,99999\r") << QByteArray("ERROR\r\n");
}

void DevSimFirmwareTest::announcement()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, answer);
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(start(sim, terminal));
    terminal.write(line);
    QCOMPARE(terminal.readUntil("\r\n"), answer);
    if (answer == "ERROR\r\n") // still taking commands
        QCOMPARE(terminal.command("VER?:"), QByteArray("<OK> VER?:T47_V1.05;\r\n"));
}

void DevSimFirmwareTest::checkValueImageIsAccepted()
{
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(start(sim, terminal, {"--silent-after-reset", "0.3"}));
    const QByteArray image = checkValueImage(100000);
    QCOMPARE(referenceCrc("123456789"), quint16(0xBB3D));
    terminal.write(announceLine(0xBB3D, int(image.size())));
    QCOMPARE(terminal.readUntil("\r\n"), QByteArray("OK\r\n"));

    const Transfer transfer = sendImage(terminal, image);
    QVERIFY(transfer.complete);
    QVERIFY(transfer.refusals.isEmpty());
    QCOMPARE(transfer.lastAnswer, QByteArray("OK\r\n"));

    // The device restarts: quiet for a moment, then back.
    QCOMPARE(terminal.command("VER?:", 100), QByteArray());
    QTest::qWait(400);
    QCOMPARE(terminal.command("VER?:"), QByteArray("<OK> VER?:T47_V1.05;\r\n"));

    const QJsonObject firmware = sim.snapshot().value("firmware").toObject();
    QCOMPARE(firmware.value("matched").toBool(), true);
    QCOMPARE(firmware.value("received").toInt(), 100000);
    QCOMPARE(firmware.value("blocksAccepted").toInt(), 391); // the last block holds 160 bytes
    QCOMPARE(firmware.value("computedCrc").toString(), QStringLiteral("bb3d"));
}

void DevSimFirmwareTest::corruptedImageIsRefused()
{
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(start(sim, terminal, {"--upgrade-timeout", "0.3"}));
    QByteArray image = checkValueImage(100000);
    image[50000] = '\x01';
    terminal.write(announceLine(0xBB3D, int(image.size())));
    QCOMPARE(terminal.readUntil("\r\n"), QByteArray("OK\r\n"));

    const Transfer transfer = sendImage(terminal, image, 5);
    QCOMPARE(transfer.lastAnswer, QByteArray("ERROR\r\n"));
    // The tool resends the last block five times; the forgotten image refuses each.
    QCOMPARE(transfer.refusals.value(391), 5);
    QCOMPARE(transfer.refusals.size(), 1);

    const QJsonObject firmware = sim.snapshot().value("firmware").toObject();
    QCOMPARE(firmware.value("matched").toBool(true), false);
    QCOMPARE(firmware.value("outcome").toString(), QStringLiteral("mismatched"));
    QCOMPARE(firmware.value("received").toInt(), 100000);

    QTest::qWait(500); // the link stays quiet: commands again
    QCOMPARE(terminal.command("VER?:"), QByteArray("<OK> VER?:T47_V1.05;\r\n"));
}

void DevSimFirmwareTest::imageOfAnyLengthIsChecked()
{
    for (const int length : {150001, 262144}) {
        DevSimProcess sim;
        DevSimTerminal terminal;
        QVERIFY(start(sim, terminal));
        QByteArray image(length, Qt::Uninitialized);
        QRandomGenerator random {quint32(length)};
        for (char &byte : image)
            byte = char(random.bounded(256));
        terminal.write(announceLine(referenceCrc(image), length));
        QCOMPARE(terminal.readUntil("\r\n"), QByteArray("OK\r\n"));
        const Transfer transfer = sendImage(terminal, image);
        QCOMPARE(transfer.lastAnswer, QByteArray("OK\r\n"));
        QCOMPARE(sim.snapshot().value("firmware").toObject().value("matched").toBool(), true);
    }
}

void DevSimFirmwareTest::failBlocksRefusesExactlyAsAsked()
{
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(start(sim, terminal, {"--fail-blocks", "1:1,3:2,7:6"}));
    const QByteArray image = checkValueImage(100000);
    terminal.write(announceLine(0xBB3D, int(image.size())));
    QCOMPARE(terminal.readUntil("\r\n"), QByteArray("OK\r\n"));

    const Transfer transfer = sendImage(terminal, image);
    QCOMPARE(transfer.refusals, (QMap<int, int> {{1, 1}, {3, 2}, {7, 6}}));
    QCOMPARE(transfer.lastAnswer, QByteArray("OK\r\n"));
    const QJsonObject firmware = sim.snapshot().value("firmware").toObject();
    QCOMPARE(firmware.value("refusals").toInt(), 9);
    QCOMPARE(firmware.value("matched").toBool(), true);
}

void DevSimFirmwareTest::quietTransferIsAbandoned()
{
    DevSimProcess sim;
    DevSimTerminal terminal;
    QVERIFY(start(sim, terminal, {"--upgrade-timeout", "0.2"}));
    terminal.write(announceLine(0x1234, 100000));
    QCOMPARE(terminal.readUntil("\r\n"), QByteArray("OK\r\n"));
    terminal.write(QByteArray(300, 'x'));
    QCOMPARE(terminal.readUntil("\r\n"), QByteArray("OK\r\n"));
    QTest::qWait(400);
    QCOMPARE(terminal.command("VER?:"), QByteArray("<OK> VER?:T47_V1.05;\r\n"));
    const QJsonObject firmware = sim.snapshot().value("firmware").toObject();
    QCOMPARE(firmware.value("outcome").toString(), QStringLiteral("abandoned"));
    QCOMPARE(firmware.value("received").toInt(), 256);
}

QTEST_GUILESS_MAIN(DevSimFirmwareTest)
#include "tst_firmware.moc"
