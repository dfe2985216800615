#include <QTemporaryDir>
#include <QTest>

#include "firmware/crc16.h"
#include "firmware/firmwareupgrade.h"

namespace {

QByteArray makeImage(int size)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char(i * 7 + i / 256);
    return image;
}

// An upgrade of a 100000-byte image whose first block is on its way.
void startTransfer(FirmwareUpgrade &upgrade)
{
    upgrade.loadImage(makeImage(100000));
    QVERIFY(!upgrade.start(true).send.isEmpty());
    QCOMPARE(upgrade.onAnswer("OK\r\n").send.size(), 256);
}

} // namespace

class FirmwareUpgradeTest : public QObject
{
    Q_OBJECT
private slots:
    void start_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("100000 bytes") << 100000 << true << "";
        QTest::newRow("99999 bytes")
            << 99999 << true << "<h2> Read file !</h2><p> File Length Error!";
        QTest::newRow("port closed") << 100000 << false << "Port not opened!";
    }
    void start()
    {
        QFETCH(int, size);
        QFETCH(bool, portOpen);
        QFETCH(QString, refusal);
        FirmwareUpgrade upgrade;
        const QByteArray image = makeImage(size);
        upgrade.loadImage(image);
        const FirmwareStep step = upgrade.start(portOpen);
        if (refusal.isEmpty()) {
            QCOMPARE(step.send, "AT!XUPGRADE," + crcText(crc16Arc(image)).toLatin1() + ",100000\r");
            QCOMPARE(step.send.size(), 24);
            QVERIFY(step.startElapsedTimer);
            QCOMPARE(upgrade.state(), FirmwareUpgrade::State::WaitingAcceptance);
            return;
        }
        // Nothing went out, so nothing is awaited: idle, timer stopped, pages usable.
        QVERIFY(step.send.isEmpty());
        QCOMPARE(step.notices.value(0).text, refusal);
        QVERIFY(step.refused && step.stopElapsedTimer && step.enablePages);
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::Idle);
    }

    void oversizedImageRefused()
    {
        FirmwareUpgrade upgrade;
        upgrade.loadImage(makeImage(100000));
        QVERIFY(upgrade.loadImage(makeImage(FirmwareUpgrade::MaxImageSize + 1)).refused);

        QTemporaryDir dir;
        QFile file(dir.filePath("big.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(makeImage(FirmwareUpgrade::MaxImageSize + 1));
        file.close();
        const FirmwareStep step = upgrade.loadFile(file.fileName());
        QVERIFY(step.refused);
        QVERIFY(step.send.isEmpty());
        QCOMPARE(step.notices.size(), 1);
        QCOMPARE(upgrade.imageSize(), 100000); // the previous image is kept
        QVERIFY(upgrade.loadFile("/dev/zero").refused); // endless, reports size 0
    }

    // 100000 = 390 * 256 + 160: a short last block, and nothing after it.
    void transferEndsWithShortBlock()
    {
        FirmwareUpgrade upgrade;
        const QByteArray image = makeImage(100000);
        upgrade.loadImage(image);
        upgrade.start(true);
        FirmwareStep step = upgrade.onAnswer("OK\r\n");
        QVERIFY(step.endsDispatch);
        QByteArray sent;
        while (!step.finished && sent.size() < image.size()) {
            QVERIFY(!step.send.isEmpty());
            sent += step.send;
            step = upgrade.onAnswer("OK\r\n");
        }
        QCOMPARE(sent, image);
        QVERIFY(step.finished && step.closePort && step.stopElapsedTimer && step.endsDispatch);
        QVERIFY(step.send.isEmpty());
        QCOMPARE(step.progress, 100);
        QCOMPARE(step.restartCountdown, 30);
        QCOMPARE(step.notices.value(0).text, "MG Upgrade Finish. Please wait 30 seconds!");
    }

    void answerWordsInAnyCase()
    {
        FirmwareUpgrade upgrade;
        upgrade.loadImage(makeImage(100000));
        upgrade.start(true);
        QCOMPARE(upgrade.onAnswer("ok\r\n").send.size(), 256);
        QCOMPARE(upgrade.onAnswer("Error\r\n").log.value(0), "Re-send send_bin_2_64()");
        QCOMPARE(upgrade.onAnswer("oK").log.value(0), "remove send_bin_2_64()");
        QCOMPARE(upgrade.remainingBytes(), 100000 - 256);
        QCOMPARE(upgrade.onAnswer("busy").log, QStringList {"wo....."});
    }

    void fiveErrorsContinueSixGiveUp()
    {
        FirmwareUpgrade upgrade;
        startTransfer(upgrade);
        for (int block = 0; block < 2; ++block) { // the count restarts after each OK
            for (int i = 0; i < FirmwareUpgrade::MaxRetries; ++i)
                QVERIFY(!upgrade.onAnswer("ERROR").gaveUp);
            QCOMPARE(upgrade.onAnswer("OK").send, makeImage(100000).mid(256 * (block + 1), 256));
        }
        for (int i = 0; i < FirmwareUpgrade::MaxRetries; ++i)
            upgrade.onAnswer("ERROR");
        const FirmwareStep step = upgrade.onAnswer("ERROR");
        QVERIFY(step.gaveUp && step.closePort && step.stopElapsedTimer);
        QVERIFY(step.send.isEmpty());
        QCOMPARE(step.restartCountdown, 0);
        QCOMPARE(step.errorTotal, 16);
        QCOMPARE(step.notices, QList<Notice> {Notice::warning("MG Upgrade Failure!")});

        startTransfer(upgrade); // the total survives into the next upgrade
        QCOMPARE(upgrade.onAnswer("ERROR").errorTotal, 17);
    }

    void silentDeviceGivesUp()
    {
        FirmwareUpgrade upgrade;
        QVERIFY(!upgrade.onSilence().gaveUp); // idle: nothing to give up
        startTransfer(upgrade);
        const FirmwareStep step = upgrade.onSilence();
        QVERIFY(step.gaveUp && step.closePort && step.stopElapsedTimer);
        QVERIFY(step.notices.value(0).text.contains("stopped answering"));
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::Idle);
    }

    void blockLogShowsTextAndHex()
    {
        FirmwareUpgrade upgrade;
        QByteArray image = makeImage(100000);
        image.replace(0, 4, QByteArray("Ab\0\xff", 4));
        upgrade.loadImage(image);
        upgrade.start(true);
        const QStringList log = upgrade.onAnswer("OK").log.mid(1);
        QCOMPARE(log.size(), 7);
        QCOMPARE(log[3], "Ab"); // the text stops at the first zero byte
        QVERIFY(log[5].startsWith("41 62 00 FF "));
        QCOMPARE(log[5].size(), 256 * 3);
    }

    void elapsedLabel()
    {
        FirmwareUpgrade upgrade;
        QString text;
        for (int tick = 1; tick <= 66; ++tick)
            text = upgrade.tick();
        QCOMPARE(text, "Total elapsed timer 01:05 ");
        QCOMPARE(FirmwareUpgrade::elapsedText(3600), "Total elapsed timer 00:00 ");
    }
};

QTEST_APPLESS_MAIN(FirmwareUpgradeTest)
#include "tst_firmwareupgrade.moc"
