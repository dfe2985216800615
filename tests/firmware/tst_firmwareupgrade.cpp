#include <QTemporaryDir>
#include <QtTest>

#include "crc16.h"
#include "firmwareupgrade.h"

namespace
{

QByteArray makeImage(int size)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 7 + i / 256) & 0xFF);
    return image;
}

// Loads the image and starts with the port open; the announcement must go out.
FirmwareStep loadAndStart(FirmwareUpgrade &upgrade, const QByteArray &image)
{
    upgrade.loadImage(image);
    return upgrade.start(true);
}

QStringList noticeTexts(const FirmwareStep &step)
{
    QStringList texts;
    for (const Notice &n : step.notices)
        texts << n.text;
    return texts;
}

} // namespace

class TestFirmwareUpgrade : public QObject
{
    Q_OBJECT
private slots:
    void announcementCarriesChecksumAndSixDigitLength_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("smallest") << 100000;
        QTest::newRow("largest") << FirmwareUpgrade::MaxImageSize;
    }
    void announcementCarriesChecksumAndSixDigitLength()
    {
        QFETCH(int, size);
        FirmwareUpgrade upgrade;
        const QByteArray image = makeImage(size);
        const FirmwareStep step = loadAndStart(upgrade, image);
        const QByteArray expected = "AT!XUPGRADE," + crcText(crc16Arc(image)).toLatin1() + "," +
                                    QByteArray::number(size) + "\r";
        QCOMPARE(step.send, expected);
        QCOMPARE(step.send.size(), 24);
        QVERIFY(step.startElapsedTimer);
        QVERIFY(!step.refused);
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::WaitingAcceptance);
        QCOMPARE(upgrade.lengthText(), QString::number(size));
    }

    void startRefusedSendsNothingAndStaysIdle_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<QString>("message");
        const QString lengthError = "<h2> Read file !</h2><p> File Length Error!";
        QTest::newRow("five-digit length") << 99999 << true << lengthError;
        QTest::newRow("empty image") << 0 << true << lengthError;
        QTest::newRow("port closed") << 100000 << false << "Port not opened!";
    }
    void startRefusedSendsNothingAndStaysIdle()
    {
        QFETCH(int, size);
        QFETCH(bool, portOpen);
        QFETCH(QString, message);
        FirmwareUpgrade upgrade;
        upgrade.loadImage(makeImage(size));
        const FirmwareStep step = upgrade.start(portOpen);
        QVERIFY(step.send.isEmpty());
        QVERIFY(step.refused);
        QVERIFY(step.enablePages);
        QVERIFY(step.stopElapsedTimer);
        QVERIFY(!step.startElapsedTimer);
        QCOMPARE(noticeTexts(step), QStringList{message});
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::Idle);
        // An answer arriving now is not taken for an acceptance.
        QVERIFY(upgrade.onAnswer("OK\r\n").send.isEmpty());
    }

    void oversizedImageRefusedAndPreviousKept()
    {
        FirmwareUpgrade upgrade;
        const QByteArray previous = makeImage(100000);
        upgrade.loadImage(previous);

        const FirmwareStep inMemory =
            upgrade.loadImage(makeImage(FirmwareUpgrade::MaxImageSize + 1));
        QVERIFY(inMemory.refused);
        QCOMPARE(inMemory.notices.size(), 1);
        QCOMPARE(inMemory.notices[0].kind, Notice::Warning);

        QTemporaryDir dir;
        QFile file(dir.filePath("big.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(makeImage(FirmwareUpgrade::MaxImageSize + 1));
        file.close();
        const FirmwareStep fromFile = upgrade.loadFile(file.fileName());
        QVERIFY(fromFile.refused);
        QVERIFY(fromFile.send.isEmpty());
        QVERIFY(fromFile.notices[0].text.contains("262144"));

        QCOMPARE(upgrade.imageSize(), 100000);
        QCOMPARE(upgrade.checksumText(), crcText(crc16Arc(previous)));
    }

    void unreadableFilesAreRefused()
    {
        FirmwareUpgrade upgrade;
        QTemporaryDir dir;
        QVERIFY(upgrade.loadFile(dir.filePath("missing.bin")).refused);
        QVERIFY(upgrade.loadFile(dir.path()).refused);
        // A device file reports no size and never ends.
        if (QFile::exists("/dev/zero"))
            QVERIFY(upgrade.loadFile("/dev/zero").refused);

        QFile file(dir.filePath("ok.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(makeImage(100000));
        file.close();
        const FirmwareStep loaded = upgrade.loadFile(file.fileName());
        QVERIFY(!loaded.refused);
        QCOMPARE(loaded.log, QStringList{"Binary file open!"});
        QCOMPARE(upgrade.imageSize(), 100000);
    }

    void paddedLength_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("padded");
        QTest::newRow("empty") << 0 << 64;
        QTest::newRow("one") << 1 << 64;
        QTest::newRow("exact") << 64 << 64;
        QTest::newRow("one over") << 65 << 128;
        QTest::newRow("100000") << 100000 << 100032;
    }
    void paddedLength()
    {
        QFETCH(int, size);
        QFETCH(int, padded);
        FirmwareUpgrade upgrade;
        upgrade.loadImage(makeImage(size));
        QCOMPARE(upgrade.paddedImageLength(), padded);
    }

    // 100000 = 390 * 256 + 160: the last block is short and nothing follows it.
    void wholeTransferEndsWithShortBlock()
    {
        FirmwareUpgrade upgrade;
        const QByteArray image = makeImage(100000);
        loadAndStart(upgrade, image);

        FirmwareStep step = upgrade.onAnswer("OK\r\n");
        QVERIFY(step.endsDispatch);
        QVERIFY(step.enableProgress);
        QCOMPARE(step.log.first(), "send bin MG");
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::Transferring);

        QByteArray received;
        QList<int> sizes;
        int lastProgress = -1;
        int answers = 0;
        while (!step.finished && answers < 1000) {
            QVERIFY(!step.send.isEmpty());
            QVERIFY(step.progress >= lastProgress);
            lastProgress = step.progress;
            received += step.send;
            sizes << int(step.send.size());
            step = upgrade.onAnswer("OK\r\n");
            ++answers;
        }
        QVERIFY(step.finished);
        QCOMPARE(received, image);
        QCOMPARE(sizes.size(), 391);
        QCOMPARE(sizes.last(), 160);
        QVERIFY(step.send.isEmpty());
        QCOMPARE(step.progress, 100);
        QVERIFY(step.closePort);
        QVERIFY(step.stopElapsedTimer);
        QVERIFY(step.endsDispatch);
        QCOMPARE(step.restartCountdown, 30);
        QCOMPARE(noticeTexts(step), QStringList{"MG Upgrade Finish. Please wait 30 seconds!"});
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::Idle);
    }

    void answerWordsInAnyCase_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("isError");
        QTest::newRow("ok") << "ok\r\n" << false;
        QTest::newRow("Ok") << "Ok" << false;
        QTest::newRow("OK") << "OK\r\n" << false;
        QTest::newRow("Error") << "Error\r\n" << true;
        QTest::newRow("error") << "error" << true;
        QTest::newRow("ERROR") << "ERROR\r\n" << true;
    }
    void answerWordsInAnyCase()
    {
        QFETCH(QString, answer);
        QFETCH(bool, isError);
        FirmwareUpgrade upgrade;
        loadAndStart(upgrade, makeImage(100000));
        if (!isError) // the acceptance is case-blind too
            QCOMPARE(upgrade.onAnswer(answer).send.size(), 256);
        else
            upgrade.onAnswer("OK\r\n");
        const FirmwareStep step = upgrade.onAnswer(answer);
        QCOMPARE(upgrade.retryCount(), isError ? 1 : 0);
        QCOMPARE(upgrade.remainingBytes(), isError ? 100000 : 100000 - 256);
        QCOMPARE(step.log.first(), isError ? "Re-send send_bin_2_64()" : "remove send_bin_2_64()");
        QVERIFY(FirmwareUpgrade::isAnswerComplete(answer));
    }

    void otherAnswers()
    {
        FirmwareUpgrade upgrade;
        loadAndStart(upgrade, makeImage(100000));
        FirmwareStep step = upgrade.onAnswer("ERROR\r\n");
        QCOMPARE(noticeTexts(step), QStringList{"Upgrade error!"});
        QVERIFY(step.send.isEmpty());
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::WaitingAcceptance);
        QCOMPARE(upgrade.upgradeErrorTotal(), 0); // only block errors count

        upgrade.onAnswer("OK\r\n");
        step = upgrade.onAnswer("busy\r\n");
        QCOMPARE(step.log, QStringList{"wo....."});
        QVERIFY(step.send.isEmpty());
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::Transferring);
        QVERIFY(!FirmwareUpgrade::isAnswerComplete("busy\r\n"));
    }

    void fiveErrorsThenOkContinueSixGiveUp()
    {
        FirmwareUpgrade upgrade;
        loadAndStart(upgrade, makeImage(100000));
        const QByteArray first = upgrade.onAnswer("OK").send;
        for (int i = 1; i <= FirmwareUpgrade::MaxRetries; ++i) {
            const FirmwareStep step = upgrade.onAnswer("ERROR\r\n");
            QCOMPARE(step.send, first);
            QCOMPARE(step.errorTotal, i);
            QVERIFY(!step.gaveUp);
        }
        const QByteArray second = upgrade.onAnswer("OK").send;
        QCOMPARE(second, makeImage(100000).mid(256, 256));
        QCOMPARE(upgrade.retryCount(), 0);

        for (int i = 1; i <= FirmwareUpgrade::MaxRetries; ++i)
            QCOMPARE(upgrade.onAnswer("ERROR").send, second);
        const FirmwareStep last = upgrade.onAnswer("ERROR");
        QVERIFY(last.gaveUp);
        QVERIFY(last.send.isEmpty());
        QVERIFY(last.closePort);
        QVERIFY(last.stopElapsedTimer);
        QCOMPARE(last.restartCountdown, 0);
        QCOMPARE(last.errorTotal, 11);
        QCOMPARE(last.notices, QList<Notice>{Notice::warning("MG Upgrade Failure!")});
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::Idle);
    }

    void errorTotalGrowsAcrossUpgrades()
    {
        FirmwareUpgrade upgrade;
        for (int run = 1; run <= 3; ++run) {
            loadAndStart(upgrade, makeImage(100000));
            QCOMPARE(upgrade.retryCount(), 0);
            upgrade.onAnswer("OK");
            upgrade.onAnswer("ERROR");
            upgrade.onAnswer("ERROR");
            QCOMPARE(upgrade.upgradeErrorTotal(), 2 * run);
        }
    }

    void silentDeviceGivesUp()
    {
        FirmwareUpgrade upgrade;
        QVERIFY(upgrade.onSilence().notices.isEmpty()); // idle: nothing to give up

        loadAndStart(upgrade, makeImage(100000));
        FirmwareStep step = upgrade.onSilence();
        QVERIFY(step.gaveUp);
        QVERIFY(step.closePort);
        QVERIFY(step.stopElapsedTimer);
        QCOMPARE(step.notices.size(), 1);
        QCOMPARE(step.notices[0].kind, Notice::Warning);
        QVERIFY(step.notices[0].text.contains("stopped answering"));
        QCOMPARE(upgrade.state(), FirmwareUpgrade::State::Idle);

        loadAndStart(upgrade, makeImage(100000));
        upgrade.onAnswer("OK");
        QVERIFY(upgrade.onSilence().gaveUp);
    }

    void blockLog()
    {
        FirmwareUpgrade upgrade;
        QByteArray image = makeImage(100000);
        image.replace(0, 5, QByteArray("Ab\x00\xff\x10", 5));
        loadAndStart(upgrade, image);
        const FirmwareStep step = upgrade.onAnswer("OK");
        QCOMPARE(step.log.size(), 8);
        QCOMPARE(step.log.mid(1, 3), (QStringList{"send_bin_2_64()", "content_start", "Binary"}));
        QCOMPARE(step.log[4], "Ab"); // the block as text stops at its first zero byte
        QCOMPARE(step.log[5], "Content Data");
        QVERIFY(step.log[6].startsWith("41 62 00 FF 10 "));
        QCOMPARE(step.log[6].size(), 256 * 3);
        QCOMPARE(step.log[7], "content_end");
        QCOMPARE(step.progress, 100 - (100000 * 100 / 100032));
    }

    void elapsedLabel()
    {
        QCOMPARE(FirmwareUpgrade::elapsedText(0), "Total elapsed timer 00:00 ");
        FirmwareUpgrade upgrade;
        QString text;
        for (int tick = 1; tick <= 66; ++tick)
            text = upgrade.tick();
        QCOMPARE(text, "Total elapsed timer 01:05 ");
        for (int tick = 67; tick <= 3601; ++tick)
            text = upgrade.tick();
        QCOMPARE(text, "Total elapsed timer 00:00 ");
        upgrade.loadImage(makeImage(10));
        QCOMPARE(upgrade.tick(), "Total elapsed timer 00:00 ");
    }

    void announcementRejectsMalformedFields()
    {
        QVERIFY(FirmwareUpgrade::announcement("0a1", "100000").isEmpty());
        QVERIFY(FirmwareUpgrade::announcement("0a1f", "1000000").isEmpty());
        QCOMPARE(FirmwareUpgrade::announcement("0a1f", "100000"), "AT!XUPGRADE,0a1f,100000\r");
    }
};

QTEST_APPLESS_MAIN(TestFirmwareUpgrade)
#include "tst_firmwareupgrade.moc"
